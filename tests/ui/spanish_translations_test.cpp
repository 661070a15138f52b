// Qt's own texts in Spanish once the start-up loader has run, whatever the system's language,
// with numbers still written with the user's decimal separator.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QMenu>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QRegularExpression>
#include <QTabWidget>
#include <QTimer>
#include <QTranslator>
#include <memory>

#include "spanish_translations.h"

namespace recibo::ui {
namespace {

// Takes the translators the loader installed off the application again.
void removeTranslations()
{
    for (QTranslator *translator : qApp->findChildren<QTranslator *>(Qt::FindDirectChildrenOnly)) {
        QCoreApplication::removeTranslator(translator);
        delete translator;
    }
}

// The entries of a context menu, without their shortcuts; the menu is deleted.
QStringList menuTexts(QMenu *menu)
{
    std::unique_ptr<QMenu> owned(menu);
    QStringList texts;
    for (QAction *action : owned->actions()) {
        texts << action->text().section(u'\t', 0, 0);
    }
    return texts;
}

struct LocaleCase {
    const char *label;
    QLocale locale;  // the user's, as the system gives it
    const char *decimalPoint;
};

void PrintTo(const LocaleCase &c, std::ostream *out) { *out << c.label; }

class SpanishTranslationsTest : public ::testing::TestWithParam<LocaleCase> {
protected:
    void SetUp() override
    {
        QLocale::setDefault(GetParam().locale);
        ASSERT_TRUE(installSpanishTranslations(*qApp));
    }
    void TearDown() override
    {
        removeTranslations();
        QLocale::setDefault(QLocale::system());
    }
};

TEST_P(SpanishTranslationsTest, QtsTextsAreSpanishAndNumbersKeepTheUsersSeparator)
{
    QLineEdit line;
    QPlainTextEdit comment;
    const QStringList lineMenu = menuTexts(line.createStandardContextMenu());
    const QStringList commentMenu = menuTexts(comment.createStandardContextMenu());
    for (const char *text : {"&Deshacer", "Cor&tar", "&Copiar", "&Pegar", "Seleccionar todo"}) {
        EXPECT_TRUE(lineMenu.contains(QString::fromUtf8(text))) << text << " in " << lineMenu.join(u'|').toStdString();
        EXPECT_TRUE(commentMenu.contains(QString::fromUtf8(text))) << text;
    }
    const QMessageBox box(QMessageBox::Warning, QStringLiteral("Haberes"), QStringLiteral("Texto"), QMessageBox::Ok);
    EXPECT_EQ(box.button(QMessageBox::Ok)->text(), QStringLiteral("Aceptar"));

    EXPECT_EQ(QLocale().decimalPoint(), QString::fromUtf8(GetParam().decimalPoint));
}

INSTANTIATE_TEST_SUITE_P(
    UserLocales, SpanishTranslationsTest,
    ::testing::Values(LocaleCase{"english_us", QLocale(QLocale::English, QLocale::UnitedStates), "."},
                      LocaleCase{"spanish_argentina", QLocale(QLocale::Spanish, QLocale::Argentina), ","},
                      LocaleCase{"german", QLocale(QLocale::German, QLocale::Germany), ","},
                      LocaleCase{"c", QLocale::c(), "."}),
    [](const ::testing::TestParamInfo<LocaleCase> &info) { return std::string(info.param.label); });

// Lists of paper sizes and units hold names that are the same in every language.
const QStringList kNameLists{QStringLiteral("pageSizeCombo"), QStringLiteral("unitCombo")};
// English texts that Spanish writes the same.
const QStringList kSameInSpanish{QStringLiteral("Color")};

// Every text a dialog shows, in the order of its controls: captions, entries, tab names, tips.
QStringList textsOf(const QWidget &dialog)
{
    QStringList texts{dialog.windowTitle()};
    for (const QWidget *widget : dialog.findChildren<QWidget *>()) {
        if (const auto *button = qobject_cast<const QAbstractButton *>(widget)) {
            texts << button->text();
        } else if (const auto *label = qobject_cast<const QLabel *>(widget)) {
            texts << label->text();
        } else if (const auto *group = qobject_cast<const QGroupBox *>(widget)) {
            texts << group->title();
        } else if (const auto *tabs = qobject_cast<const QTabWidget *>(widget)) {
            for (int i = 0; i < tabs->count(); ++i) {
                texts << tabs->tabText(i);
            }
        } else if (const auto *list = qobject_cast<const QComboBox *>(widget);
                   list != nullptr && !kNameLists.contains(list->objectName())) {
            for (int i = 0; i < list->count(); ++i) {
                texts << list->itemText(i);
            }
        }
        texts << widget->toolTip();
    }
    return texts;
}

// The print dialog and the "Propiedades" dialog it opens, as their texts.
QStringList printDialogTexts()
{
    QPrinter printer;
    QPrintDialog dialog(&printer);
    dialog.show();
    QStringList texts = textsOf(dialog);
    QTimer::singleShot(0, [&texts, &dialog] {
        QWidget *properties = QApplication::activeModalWidget();
        if (properties != nullptr && properties != &dialog) {
            texts << textsOf(*properties);
            properties->close();
        }
    });
    auto *propertiesButton = dialog.findChild<QPushButton *>(QStringLiteral("properties"));
    EXPECT_NE(propertiesButton, nullptr);
    if (propertiesButton != nullptr) {
        propertiesButton->click();
    }
    return texts;
}

TEST(SpanishPrintDialog, LeavesNoTextInEnglish)
{
    const QStringList english = printDialogTexts();
    ASSERT_TRUE(installSpanishTranslations(*qApp));
    const QStringList spanish = printDialogTexts();
    removeTranslations();

    ASSERT_EQ(spanish.size(), english.size());
    static const QRegularExpression word(QStringLiteral("[A-Za-z]{2}"));
    for (qsizetype i = 0; i < english.size(); ++i) {
        if (english[i].contains(word) && !kSameInSpanish.contains(english[i])) {
            EXPECT_NE(spanish[i], english[i]) << "left in English: " << english[i].toStdString();
        }
    }
    for (const char *text : {"Imprimir", "Imprimir a archivo (PDF)", "P&ropiedades", "Cancelar", "Im&primir",
                             "Impresión a doble cara", "Propiedades de impresora"}) {
        EXPECT_TRUE(spanish.contains(QString::fromUtf8(text))) << text;
    }
}

}  // namespace
}  // namespace recibo::ui
