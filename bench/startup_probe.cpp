// Start-up to the first painted window: the program's own start, as src/app/main.cpp makes it,
// ending the process as soon as the main window has painted once. bench/startup.sh times whole
// runs of it.

#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <QTimer>
#include <QWindow>
#include <cstdio>

#include "desktop/frm_fincalc.h"
#include "desktop/icons.h"
#include "desktop/ui_text.h"

namespace {
class FirstPaint : public QObject {
  protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint)
            QTimer::singleShot(0, qApp, &QCoreApplication::quit); // after this paint completes
        return false;
    }
};
} // namespace

// With SELVANE_STARTUP_STEPS set, the time each step of the start took goes to standard error.
int main(int argc, char* argv[]) {
    QElapsedTimer clock;
    clock.start();
    const bool steps = qEnvironmentVariableIsSet("SELVANE_STARTUP_STEPS");
    auto step = [&](const char* what) {
        if (steps)
            std::fprintf(stderr, "%6.1f ms  %s\n", static_cast<double>(clock.nsecsElapsed()) / 1e6,
                         what);
    };
    QApplication app(argc, argv);
    step("application");
    QApplication::setWindowIcon(selvane::programIcon());
    selvane::installTranslations(QLocale::system());
    step("icon and translations");
    selvane::frmFinCalc window;
    step("window made");
    FirstPaint probe;
    window.installEventFilter(&probe);
    window.Form_Load();
    step("Form_Load");
    window.show();
    step("shown");
    const int status = QApplication::exec();
    step("painted");
    // Then the first use of each part start-up leaves out: the chart window (which loads the
    // views library) and the What If window, each shown and painted.
    if (steps) {
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
