#include "spanish_translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>
#include <QtGlobal>
#include <cstring>

namespace recibo::ui {

namespace {

const char *const kCatalogue = "qtbase_es";

struct Gap {
    const char *context;
    const char *source;
    const char *spanish;
};

// Texts of the print dialog and the file dialog that Qt 6.4's Spanish catalogue leaves in English.
constexpr Gap kGaps[] = {
    {"QPrintSettingsOutput", "Double Sided Printing", "Impresión a doble cara"},
    {"QPrintSettingsOutput", "Off", "No"},
    {"QPrintSettingsOutput", "Long side binding", "Encuadernado por el lado largo"},
    {"QPrintSettingsOutput", "Short side binding", "Encuadernado por el lado corto"},
    {"QPrintSettingsOutput", "Pages", "Páginas"},
    {"QPrintSettingsOutput",
     "Specify pages or ranges separated by commas. Ranges are specified by two numbers separated by a "
     "hyphen. E.g: 3,5-7,9 prints pages 3, 5, 6, 7 and 9.",
     "Indique páginas o intervalos separados por comas; un intervalo son dos números unidos por un "
     "guion. Por ejemplo, 3,5-7,9 imprime las páginas 3, 5, 6, 7 y 9."},
    {"QPrintPropertiesWidget", "Advanced", "Avanzado"},
    {"QPrintPropertiesWidget", "There are conflicts in some options. Please fix them.",
     "Algunas opciones se contradicen. Corríjalas."},
    {"QPrintDialog", "Invalid Pages Definition", "Páginas mal indicadas"},
    {"QPrintDialog",
     "%1 does not follow the correct syntax. Please use ',' to separate ranges and pages, '-' to define "
     "ranges and make sure ranges do not intersect with each other.",
     "%1 no está bien escrito: separe páginas e intervalos con «,», indique los intervalos con «-» y "
     "evite que se superpongan."},
    {"QPrintDialog", "Duplex Settings Conflicts", "Impresión a doble cara contradictoria"},
    {"QPrintDialog", "There are conflicts in duplex settings. Do you want to fix them?",
     "La impresión a doble cara tiene opciones que se contradicen. ¿Desea corregirlas?"},
    {"QAbstractFileIconProvider", "Folder", "Carpeta"},
    {"QAbstractFileIconProvider", "Drive", "Unidad"},
};

// Answers only for the texts in kGaps; the catalogue is asked first for everything.
class CatalogueGaps : public QTranslator {
public:
    using QTranslator::QTranslator;

    QString translate(const char *context, const char *sourceText, const char * /*disambiguation*/,
                      int /*n*/) const override
    {
        for (const Gap &gap : kGaps) {
            if (std::strcmp(gap.context, context) == 0 && std::strcmp(gap.source, sourceText) == 0) {
                return QString::fromUtf8(gap.spanish);
            }
        }
        return {};
    }
    bool isEmpty() const override { return false; }
};

}  // namespace

bool installSpanishTranslations(QCoreApplication &app)
{
    const QString folder = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
    auto *catalogue = new QTranslator(&app);
    if (!catalogue->load(QLatin1String(kCatalogue), folder)) {
        delete catalogue;
        qWarning("No se encontró %s.qm en %s: los diálogos de Qt se verán en inglés. Instale el paquete "
                 "qt6-translations-l10n.",
                 kCatalogue, qUtf8Printable(folder));
        return false;
    }
    // The translator installed last is asked first.
    app.installTranslator(new CatalogueGaps(&app));
    app.installTranslator(catalogue);
    return true;
}

}  // namespace recibo::ui
