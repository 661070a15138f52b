// The teacher's data kept: the "Archivo" menu (new, open, save, save as, the files opened last,
// exit), the title that names the file and marks unsaved changes, and what is kept between runs.

#include <QAbstractButton>
#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QEvent>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QSaveFile>

#include "builtin_period.h"
#include "ingreso_window.h"
#include "kept_settings.h"

namespace recibo::entry {
namespace {

const QString kTitle = QStringLiteral("Ingreso de datos");
const QString kFilter = QStringLiteral("Archivos de recibo (*.recibo)");
const QString kExtension = QStringLiteral(".recibo");

// "Pérez, Ana" as "perez-ana": a file name any system takes.
QString suggestedName(const QString &docente)
{
    QString plain;
    for (const QChar c : docente.normalized(QString::NormalizationForm_D).toLower()) {
        if (c.isLetterOrNumber() && c.unicode() < 0x80) {
            plain += c;
        } else if (!c.isMark() && !plain.isEmpty() && !plain.endsWith(QLatin1Char('-'))) {
            plain += QLatin1Char('-');
        }
    }
    while (plain.endsWith(QLatin1Char('-'))) {
        plain.chop(1);
    }
    return (plain.isEmpty() ? QStringLiteral("docente") : plain) + kExtension;
}

}  // namespace

void IngresoWindow::buildMenus()
{
    QMenu *archivo = menuBar()->addMenu(QStringLiteral("&Archivo"));
    archivo->addAction(QStringLiteral("&Nuevo"), QKeySequence::New, this, &IngresoWindow::onNuevo);
    archivo->addAction(QStringLiteral("&Abrir…"), QKeySequence::Open, this, &IngresoWindow::onAbrir);
    archivo->addAction(QStringLiteral("&Guardar"), QKeySequence::Save, this, [this] { onGuardar(); });
    archivo->addAction(QStringLiteral("Guardar &como…"), QKeySequence(QStringLiteral("Ctrl+Shift+S")), this,
                       [this] { onGuardarComo(); });
    archivo->addSeparator();
    recentMenu_ = archivo->addMenu(QStringLiteral("Abiertos &recientemente"));
    archivo->addSeparator();
    archivo->addAction(QStringLiteral("&Salir"), QKeySequence(QStringLiteral("Ctrl+Q")), this,
                       &IngresoWindow::requestExit);
    QMenu *ayuda = menuBar()->addMenu(QStringLiteral("A&yuda"));
    ayuda->addAction(QStringLiteral("&Manual"), QKeySequence::HelpContents, this, &IngresoWindow::showManual);
    ayuda->addAction(QStringLiteral("&Acerca de Recibo de haberes"), this, &IngresoWindow::showAbout);
    fillRecentMenu();
}

void IngresoWindow::fillRecentMenu()
{
    recentMenu_->clear();
    for (int i = 0; i < recentFiles_.size(); ++i) {
        const QString path = recentFiles_[i];
        recentMenu_->addAction(QStringLiteral("&%1 %2").arg(i + 1).arg(QFileInfo(path).fileName()), this,
                               [this, path] {
                                   if (mayLeaveFile()) {
                                       openFile(path);
                                   }
                               })
            ->setToolTip(path);
    }
    recentMenu_->setEnabled(!recentFiles_.isEmpty());
}

void IngresoWindow::watchForChanges()
{
    // Any change of an entry may add or take away the unsaved mark.
    for (QLineEdit *box : page_->findChildren<QLineEdit *>()) {
        connect(box, &QLineEdit::textChanged, this, &IngresoWindow::refreshTitle);
    }
    for (QAbstractButton *button : page_->findChildren<QAbstractButton *>()) {
        connect(button, &QAbstractButton::toggled, this, &IngresoWindow::refreshTitle);
    }
    for (QComboBox *list : page_->findChildren<QComboBox *>()) {
        connect(list, &QComboBox::currentIndexChanged, this, &IngresoWindow::refreshTitle);
        connect(list, &QComboBox::editTextChanged, this, &IngresoWindow::refreshTitle);
    }
}

file::TeacherFile IngresoWindow::teacherFile()
{
    file::TeacherFile contents;
    contents.period = period().name;
    contents.entries = snapshot();
    const receipt::ReceiptView *receipt = ensureReceipt();
    contents.comment = {receipt->commentTitle(), receipt->commentText()};
    contents.slip = receipt->slip();
    return contents;
}

std::string IngresoWindow::fileBytes()
{
    return file::writeTeacherFile(teacherFile(), period());
}

bool IngresoWindow::hasUnsavedChanges()
{
    return !filePath_.isEmpty() && fileBytes() != savedBytes_;
}

void IngresoWindow::refreshTitle()
{
    if (filePath_.isEmpty()) {
        setWindowTitle(kTitle);
        return;
    }
    setWindowTitle(QStringLiteral("%1 — %2%3").arg(kTitle, QFileInfo(filePath_).fileName(),
                                                  hasUnsavedChanges() ? QStringLiteral("*") : QString()));
}

void IngresoWindow::showFileMessage(const QString &text)
{
    QMessageBox *message = fileMessage_;
    if (!message) {
        message = fileMessage_ = new QMessageBox(QMessageBox::Warning, kTitle, QString(), QMessageBox::Ok, this);
        message->setObjectName(QStringLiteral("mensajeArchivo"));
        message->setWindowModality(Qt::WindowModal);
    }
    message->setText(text);
    message->show();
    message->raise();
}

const Period *IngresoWindow::offeredPeriod(std::string_view name) const
{
    for (const Period *offered : offer_.periods) {
        if (offered->name == name) {
            return offered;
        }
    }
    return nullptr;
}

void IngresoWindow::showTeacherFile(const file::TeacherFile &contents)
{
    const Period *named = offeredPeriod(contents.period);
    const auto index = std::find(offer_.periods.begin(), offer_.periods.end(), named) - offer_.periods.begin();
    if (named && static_cast<std::size_t>(index) != chosenPeriod_) {
        chosenPeriod_ = static_cast<std::size_t>(index);
        if (auto *chooser = qobject_cast<QComboBox *>(page_->findChild<QWidget *>(QStringLiteral("Text3")))) {
            chooser->setCurrentIndex(static_cast<int>(index));
        }
        showPeriodFigures();
    }
    showEntries(contents.entries);
    receipt::ReceiptView *receipt = ensureReceipt();
    receipt->setComment(contents.comment.title, contents.comment.text);
    receipt->setSlip(contents.slip);
}

bool IngresoWindow::openFile(const QString &path)
{
    const QString name = QFileInfo(path).fileName();
    const auto refuse = [this, &name](const QString &why) {
        showFileMessage(QStringLiteral("No se pudo abrir «%1»: %2").arg(name, why));
        return false;
    };
    if (QFileInfo(path).isDir()) {
        return refuse(QStringLiteral("es una carpeta."));
    }
    QFile in(path);
    if (!in.exists()) {
        return refuse(QStringLiteral("el archivo no existe."));
    }
    if (in.size() > static_cast<qint64>(file::kMaxTeacherFileBytes)) {
        return refuse(QStringLiteral("el archivo pasa de 1 MB."));
    }
    if (!in.open(QIODevice::ReadOnly)) {
        return refuse(QStringLiteral("no se puede leer (%1).").arg(in.errorString()));
    }
    const QByteArray bytes = in.read(static_cast<qint64>(file::kMaxTeacherFileBytes) + 1);
    const file::TeacherFileReading reading = file::readTeacherFile(
        std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())),
        [this](std::string_view period) { return offeredPeriod(period); });
    if (!reading.file) {
        showFileMessage(QStringLiteral("No se pudo abrir el archivo: %1")
                            .arg(QString::fromStdString(problemText(*reading.problem, name.toStdString()))));
        return false;
    }
    showTeacherFile(*reading.file);
    filePath_ = QFileInfo(path).absoluteFilePath();
    savedBytes_ = fileBytes();
    rememberFile(filePath_);
    refreshTitle();
    return true;
}

bool IngresoWindow::saveFile(const QString &path)
{
    const std::string bytes = fileBytes();
    QSaveFile out(path);
    // Written beside the file and renamed over it only when whole: a full disk leaves the old file.
    const bool saved = out.open(QIODevice::WriteOnly)
                       && out.write(bytes.data(), static_cast<qint64>(bytes.size())) == static_cast<qint64>(bytes.size())
                       && out.commit();
    if (!saved) {
        showFileMessage(QStringLiteral("No se pudo guardar «%1»: %2").arg(QFileInfo(path).fileName(), out.errorString()));
        return false;
    }
    filePath_ = QFileInfo(path).absoluteFilePath();
    savedBytes_ = bytes;
    rememberFile(filePath_);
    refreshTitle();
    return true;
}

void IngresoWindow::rememberFile(const QString &path)
{
    lastFolder_ = QFileInfo(path).absolutePath();
    recentFiles_ = withRecent(recentFiles_, path);
    fillRecentMenu();
}

QString IngresoWindow::dialogFolder() const
{
    return lastFolder_.isEmpty() || !QFileInfo(lastFolder_).isDir() ? QDir::homePath() : lastFolder_;
}

void IngresoWindow::onAbrir()
{
    if (!mayLeaveFile()) {
        return;
    }
    const QString path = QFileDialog::getOpenFileName(this, QStringLiteral("Abrir"), dialogFolder(), kFilter);
    if (!path.isEmpty()) {
        openFile(path);
    }
}

bool IngresoWindow::onGuardar()
{
    return filePath_.isEmpty() ? onGuardarComo() : saveFile(filePath_);
}

bool IngresoWindow::onGuardarComo()
{
    const QString proposed = filePath_.isEmpty()
                                 ? QDir(dialogFolder()).filePath(suggestedName(box(fields::docente)->text()))
                                 : filePath_;
    QString path = QFileDialog::getSaveFileName(this, QStringLiteral("Guardar como"), proposed, kFilter);
    if (path.isEmpty()) {
        return false;
    }
    if (!path.endsWith(kExtension)) {
        path += kExtension;
    }
    return saveFile(path);
}

void IngresoWindow::onNuevo()
{
    if (!mayLeaveFile()) {
        return;
    }
    file::TeacherFile start;
    start.period = builtInPeriod().name;
    start.comment = startComment_;
    showTeacherFile(start);
    filePath_.clear();
    savedBytes_.clear();
    refreshTitle();
}

bool IngresoWindow::mayLeaveFile()
{
    if (!hasUnsavedChanges()) {
        return true;
    }
    QMessageBox question(QMessageBox::Question, kTitle,
                         QStringLiteral("«%1» tiene cambios sin guardar. ¿Guardarlos?").arg(QFileInfo(filePath_).fileName()),
                         QMessageBox::NoButton, this);
    question.setObjectName(QStringLiteral("guardarCambios"));
    QPushButton *save = question.addButton(QStringLiteral("Guardar"), QMessageBox::AcceptRole);
    QPushButton *discard = question.addButton(QStringLiteral("No guardar"), QMessageBox::DestructiveRole);
    question.addButton(QStringLiteral("Cancelar"), QMessageBox::RejectRole);
    question.setDefaultButton(save);
    question.exec();
    if (question.clickedButton() == save) {
        return onGuardar();
    }
    return question.clickedButton() == discard;
}

void IngresoWindow::keepIn(KeptSettings &settings)
{
    kept_ = &settings;
    QString setAside;
    const KeptState state = settings.load([this](std::string_view name) { return offeredPeriod(name); }, setAside);
    if (!setAside.isEmpty()) {
        setAsideMessage_ = QStringLiteral("La configuración guardada no se pudo leer: se apartó como «%1» y el "
                                          "programa empieza con los valores iniciales.")
                               .arg(setAside);
    }
    if (state.entries) {
        showTeacherFile(*state.entries);
    }
    if (!state.ingresoGeometry.isEmpty()) {
        restoreGeometry(state.ingresoGeometry);
    }
    receiptPosition_ = state.receiptPosition;
    lastFolder_ = state.lastFolder;
    recentFiles_ = state.recentFiles;
    fillRecentMenu();
    // The file the entries belong to: unsaved changes at exit show as such.
    if (!state.openFile.isEmpty()) {
        QFile kept(state.openFile);
        if (kept.open(QIODevice::ReadOnly)) {
            const QByteArray bytes = kept.read(static_cast<qint64>(file::kMaxTeacherFileBytes) + 1);
            const file::TeacherFileReading reading = file::readTeacherFile(
                std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())),
                [this](std::string_view name) { return offeredPeriod(name); });
            if (reading.file) {
                filePath_ = state.openFile;
                savedBytes_ = file::writeTeacherFile(*reading.file, *offeredPeriod(reading.file->period));
            }
        }
    }
    refreshTitle();
}

void IngresoWindow::keepState()
{
    if (!kept_) {
        return;
    }
    KeptState state;
    state.entries = teacherFile();
    state.openFile = filePath_;
    state.ingresoGeometry = saveGeometry();
    if (const auto *receipt = dynamic_cast<const QWidget *>(receipt_.get()); receipt && receipt->isVisible()) {
        state.receiptPosition = receipt->pos();
    } else {
        state.receiptPosition = receiptPosition_;
    }
    state.lastFolder = lastFolder_;
    state.recentFiles = recentFiles_;
    kept_->save(state, period());
}

void IngresoWindow::requestExit()
{
    if (!mayLeaveFile()) {
        return;
    }
    keepState();
    quit_();
}

}  // namespace recibo::entry
