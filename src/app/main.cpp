// Selvane: the desktop window over the calculator. Help topics are read from the working
// directory, so the program is started from the folder that holds them.

#include <QApplication>

#include "desktop/frm_fincalc.h"
#include "desktop/icons.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Selvane"));
    QApplication::setApplicationVersion(QStringLiteral(SELVANE_VERSION));
    QApplication::setWindowIcon(selvane::programIcon());

    selvane::frmFinCalc window;
    window.Form_Load();
    window.show();
    return QApplication::exec();
}
