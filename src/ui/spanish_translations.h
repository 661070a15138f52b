#pragma once
// Qt's own texts in Spanish whatever the system's language: the print dialog, the buttons of
// message boxes, the context menus of text boxes.

class QCoreApplication;

namespace recibo::ui {

// Installs Qt's Spanish catalogue, and the texts it lacks, into `app`; call it before any window
// is made. The locale is left alone, so numbers keep the user's decimal separator. Returns false,
// after a warning, when the catalogue (Debian package qt6-translations-l10n) is not installed.
bool installSpanishTranslations(QCoreApplication &app);

}  // namespace recibo::ui
