// Writes a picture of the calculator window with the details view open, for the documentation.
// Usage: selvane-screenshot OUTPUT.png (run from the folder that holds the help topics).

#include <QApplication>
#include <QPixmap>
#include <QPushButton>
#include <QTimer>
#include <cstdio>

#include "desktop/frm_fincalc.h"
#include "desktop/icons.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s OUTPUT.png\n", argv[0]);
        return 2;
    }
    QApplication::setWindowIcon(selvane::programIcon());
    selvane::frmFinCalc window;
    window.Form_Load();
    window.show();
    // Through the Details button, as a user opens the view.
    window.findChild<QPushButton*>(QStringLiteral("btnDetails"))->click();

    int status = 1;
    QTimer::singleShot(500, &window, [&] {
        status = window.grab().save(QString::fromLocal8Bit(argv[1])) ? 0 : 1;
        if (status != 0)
            std::fprintf(stderr, "cannot write %s\n", argv[1]);
        window.close();
    });
    QApplication::exec();
    return status;
}
