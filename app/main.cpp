#include "app/console.h"
#include "form_runtime/application.h"
#include "form_runtime/top_level.h"
#include "form_runtime/web_page.h"
#include "workspace/main_window.h"

#include <QApplication>

#include <cstdio>
#include <cstring>

namespace {

constexpr char kUsage[] =
    "Usage: ventrolex [Qt options]\n"
    "\n"
    "Isentropic flow of a perfect gas (air, k = 1.4, or another) through a\n"
    "converging-diverging nozzle: from station 1 (M1, A1) the throat area A*,\n"
    "then the area A2 at a Mach number M2, or the subsonic and supersonic Mach\n"
    "numbers at an area A2.\n"
    "Everything is done in the window; see ventrolex(1).\n"
    "\n"
    "  --help      show this text and exit\n"
    "  --version   show the version and exit\n"
    "\n"
    "Qt's own options, such as -style NAME or -platform NAME, are accepted.\n"
    "To enlarge the whole window, for a projector: QT_SCALE_FACTOR=1.5 ventrolex\n";

} // namespace

int main(int argc, char *argv[])
{
    // Answered before the toolkit starts, so they work without a display.
    for (int i = 1; i < argc; ++i) {
        const bool version = std::strcmp(argv[i], "--version") == 0;
        if (version || std::strcmp(argv[i], "--help") == 0) {
            useParentConsole();
            if (version)
                std::printf("Ventrolex %s\n", VENTROLEX_VERSION);
            else
                std::fputs(kUsage, stdout);
            std::fflush(stdout);
            return 0;
        }
    }

    form_runtime::Application app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Ventrolex"));
    QApplication::setApplicationVersion(QStringLiteral(VENTROLEX_VERSION));
    QApplication::setDesktopFileName(QStringLiteral("org.example.Ventrolex"));

#ifdef Q_OS_WASM
    form_runtime::web_page::describeFocus();
    form_runtime::web_page::sayWhenClosed();
#endif
    MainWindow window;
#ifdef Q_OS_WASM
    window.showMaximized(); // the one window fills the page, its panels docked in it
#else
    form_runtime::showWindow(window);
#endif
    return app.exec();
}
