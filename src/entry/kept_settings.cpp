#include "kept_settings.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QSettings>
#include <QStandardPaths>

namespace recibo::entry {
namespace {

const QString kEntries = QStringLiteral("entradas");
const QString kOpenFile = QStringLiteral("archivo");
const QString kIngreso = QStringLiteral("ventanas/ingreso");
const QString kReceipt = QStringLiteral("ventanas/haberes");
const QString kFolder = QStringLiteral("carpeta");
const QString kRecent = QStringLiteral("recientes");

}  // namespace

KeptSettings::KeptSettings(QString path) : path_(std::move(path)) {}

QString KeptSettings::defaultPath()
{
    return QDir(QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation))
        .filePath(QStringLiteral("recibo-haberes/recibo-haberes.conf"));
}

KeptState KeptSettings::load(const file::PeriodLookup &periods, QString &setAside) const
{
    KeptState state;
    if (!QFile::exists(path_)) {
        return state;
    }
    const QSettings settings(path_, QSettings::IniFormat);
    bool damaged = settings.status() != QSettings::NoError;
    if (!damaged && settings.contains(kEntries)) {
        const QByteArray bytes = settings.value(kEntries).toString().toUtf8();
        file::TeacherFileReading reading = file::readTeacherFile(std::string_view(bytes.constData(), bytes.size()), periods);
        damaged = !reading.file;
        state.entries = std::move(reading.file);
    }
    if (damaged) {
        // Kept aside rather than lost: the teacher or a developer may still want to look at it.
        const QString aside = path_ + QStringLiteral(".dañado-")
                              + QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss"));
        QFile::rename(path_, aside);
        setAside = aside;
        return KeptState{};
    }
    state.openFile = settings.value(kOpenFile).toString();
    state.ingresoGeometry = settings.value(kIngreso).toByteArray();
    if (settings.contains(kReceipt)) {
        state.receiptPosition = settings.value(kReceipt).toPoint();
    }
    state.lastFolder = settings.value(kFolder).toString();
    state.recentFiles = settings.value(kRecent).toStringList().mid(0, kRecentFiles);
    return state;
}

void KeptSettings::save(const KeptState &state, const Period &period) const
{
    QSettings settings(path_, QSettings::IniFormat);
    settings.clear();
    if (state.entries) {
        settings.setValue(kEntries, QString::fromStdString(file::writeTeacherFile(*state.entries, period)));
    }
    settings.setValue(kOpenFile, state.openFile);
    settings.setValue(kIngreso, state.ingresoGeometry);
    if (state.receiptPosition) {
        settings.setValue(kReceipt, *state.receiptPosition);
    }
    settings.setValue(kFolder, state.lastFolder);
    settings.setValue(kRecent, state.recentFiles);
    settings.sync();
}

QStringList withRecent(QStringList recent, const QString &file)
{
    recent.removeAll(file);
    recent.prepend(file);
    return recent.mid(0, kRecentFiles);
}

}  // namespace recibo::entry
