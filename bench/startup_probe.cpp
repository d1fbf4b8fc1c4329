// Start-up to the first painted window: the program's own start, as src/app/main.cpp makes it,
// ending the process as soon as the main window has painted once. bench/startup.sh times whole
// runs of it.

#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <QWindow>

#include "desktop/frm_fincalc.h"
#include "desktop/icons.h"
#include "desktop/ui_text.h"
#include "first_paint.h"

int main(int argc, char* argv[]) {
    const StartupSteps step;
    QApplication app(argc, argv);
    step("application");
    QApplication::setWindowIcon(selvane::programIcon());
    selvane::installTranslations(QLocale::system());
    step("icon and translations");
    selvane::frmFinCalc window;
    step("window made");
    window.Form_Load();
    step("Form_Load");
    const int status = showUntilPainted(window, step);
    // With SELVANE_STARTUP_STEPS=first-use, then the first use of each part start-up leaves out:
    // the chart window (which loads the views library) and the What If window, each shown and
    // painted.
    if (qEnvironmentVariable("SELVANE_STARTUP_STEPS") == QLatin1String("first-use")) {
        for (const char* menu : {"mnChart", "mnWhatIf"}) {
            window.findChild<QAction*>(QLatin1String(menu))->trigger();
            QWidget* shown = QApplication::activeWindow();
            for (QWidget* top : QApplication::topLevelWidgets())
                if (top != &window && top->isVisible())
                    shown = top;
            // (Not QTest's wait: the probe loads nothing the program does not.)
            QElapsedTimer waited;
            waited.start();
            while (!(shown->windowHandle() && shown->windowHandle()->isExposed()) &&
                   waited.elapsed() < 5000)
                QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
            QCoreApplication::processEvents();
            step(menu);
        }
    }
    return status;
}
