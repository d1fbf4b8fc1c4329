// Start-up to the first painted window: the program's own start, as src/app/main.cpp makes it,
// ending the process as soon as the main window has painted once. bench/startup.sh times whole
// runs of it.

#include <QApplication>
#include <QEvent>
#include <QTimer>

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

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setWindowIcon(selvane::programIcon());
    selvane::installTranslations(QLocale::system());
    selvane::frmFinCalc window;
    FirstPaint probe;
    window.installEventFilter(&probe);
    window.Form_Load();
    window.show();
    return QApplication::exec();
}
