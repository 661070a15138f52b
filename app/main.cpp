#include <QApplication>

#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string_view>

#include "command_line.h"
#include "ingreso_window.h"
#include "kept_settings.h"
#include "period_library.h"
#include "spanish_translations.h"

namespace {

// Qt aborts with a long message when it finds no screen; say it in one line instead.
bool hasDisplay()
{
    const char *platform = std::getenv("QT_QPA_PLATFORM");
    if (platform && *platform && std::string_view(platform).substr(0, 3) != "xcb")
        return true;
    return std::getenv("DISPLAY") || std::getenv("WAYLAND_DISPLAY");
}

}  // namespace

int main(int argc, char *argv[])
{
    std::optional<int> status;
    const recibo::app::CommandLineRequest request = recibo::app::answerCommandLine(argc, argv, status);
    if (status)
        return *status;
    if (!hasDisplay()) {
        std::fputs("No hay pantalla: ejecute el programa en un escritorio, o sin él con "
                   "«xvfb-run -a scripts/run».\n",
                   stderr);
        return 1;
    }
    QApplication app(argc, argv);
    recibo::ui::installSpanishTranslations(app);
    const recibo::entry::PeriodLibrary periods(recibo::entry::periodFolders(), request.periodFile);
    recibo::entry::IngresoWindow window(periods.offer());
    recibo::entry::KeptSettings kept;
    window.keepIn(kept);
    window.show();
    if (!request.teacherFile.isEmpty())
        window.openFile(request.teacherFile);
    return app.exec();
}
