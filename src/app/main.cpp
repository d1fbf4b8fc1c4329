// Selvane: the desktop window over the calculator. Help topics are read from the working
// directory, so the program is started from the folder that holds them. `selvane FILE` opens
// FILE after start-up as File > Open does.

#include <QApplication>
#include <QThreadPool>
#include <string>
#include <vector>

#include "desktop/frm_fincalc.h"
#include "desktop/icons.h"
#include "desktop/readable_colours.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Selvane"));
    QApplication::setApplicationVersion(QStringLiteral(SELVANE_VERSION));
    QApplication::setWindowIcon(selvane::programIcon());
    // --dark: the Fusion style with a dark palette, where the desktop's theme gives no dark look.
    if (QApplication::arguments().contains(QStringLiteral("--dark")))
        selvane::useDarkLook();

    selvane::frmFinCalc window;
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
