// Selvane: the desktop window over the calculator. Help topics are read from the working
// directory, and from the program's own folders where it has none. `selvane FILE` opens
// FILE after start-up as File > Open does; --help and --version print and exit.

#include <QApplication>
#include <QThreadPool>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "core/file_io.h"
#include "core/help_topics.h"
#include "desktop/frm_fincalc.h"
#include "desktop/icons.h"
#include "desktop/readable_colours.h"
#include "desktop/ui_text.h"

int main(int argc, char* argv[]) {
    // Answered before the application starts, so that they need no display.
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--help") == 0) {
            std::printf("Usage: selvane [--dark] [FILE]\n"
                        "Calculator for loans, mortgages, leases, income from capital and "
                        "savings.\n\n"
                        "  FILE       open this scenario file after start-up\n"
                        "  --dark     a dark look where the desktop's theme has none\n"
                        "  --help     show this help and exit\n"
                        "  --version  show the version and exit\n\n"
                        "See selvane(1) and selvane-cli(1).\n");
            return 0;
        }
        if (std::strcmp(argv[i], "--version") == 0) {
            std::printf("selvane %s\n", SELVANE_VERSION);
            return 0;
        }
    }
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Selvane"));
    QApplication::setApplicationVersion(QStringLiteral(SELVANE_VERSION));
    QApplication::setWindowIcon(selvane::programIcon());
    // German or French where the desktop's language is one of them; English otherwise.
    selvane::installTranslations(QLocale::system());
    // --dark: the Fusion style with a dark palette, where the desktop's theme gives no dark look.
    if (QApplication::arguments().contains(QStringLiteral("--dark")))
        selvane::useDarkLook();

    selvane::frmFinCalc window;
    window.host().setHelpFolders(selvane::programHelpFolders(selvane::runningProgramFolder()));
    window.Form_Load();
    // QApplication has taken its own options (-style, -platform, ...) out of argv. The rest are
    // taken as bytes: a file name need not be valid text.
    window.openCommandLineFile(std::vector<std::string>(argv, argv + argc));
    window.show();
    const int status = QApplication::exec();
    // A chart still being worked out on another thread posts its figures to the application:
    // it ends before the application goes.
    QThreadPool::globalInstance()->waitForDone();
    return status;
}
