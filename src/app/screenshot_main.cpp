// Writes a picture of the calculator window with the details view open, or of the chart window
// over a 30-year mortgage or an investment, for the documentation.
// Usage: selvane-screenshot OUTPUT.png
//        selvane-screenshot --dark OUTPUT.png     (the window under the dark look)
//        selvane-screenshot --chart loan|investment OUTPUT.png
//        selvane-screenshot --loan AMOUNT [--width PIXELS] OUTPUT.png  (a personal loan of
//                           AMOUNT, the window widened to PIXELS)
// (run from the folder that holds the help topics).

#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QPixmap>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "core/fields.h"
#include "desktop/frm_chart.h"
#include "desktop/frm_fincalc.h"
#include "desktop/icons.h"
#include "desktop/readable_colours.h"
#include "desktop/ui_text.h"

namespace {

// As a user does it: the function from its menu, a field typed into, then Calculate.
void enter(selvane::frmFinCalc& window, int field, const char* text) {
    auto* edit = window.findChild<QLineEdit*>(QStringLiteral("txtSL_%1").arg(field));
    edit->setFocus();
    edit->selectAll();
    edit->insert(QString::fromLatin1(text));
}

void trigger(selvane::frmFinCalc& window, const char* action) {
    window.findChild<QAction*>(QLatin1String(action))->trigger();
}

} // namespace

int main(int argc, char* argv[]) {
    // The pictures show the windows as they first open, whatever sizes this user's own runs
    // left in the settings.
    QTemporaryDir settings;
    qputenv("XDG_CONFIG_HOME", settings.path().toLocal8Bit());
    QApplication app(argc, argv);
    // In the desktop's language, as the program starts.
    selvane::installTranslations(QLocale::system());
    const bool loan = (argc == 4 || argc == 6) && std::strcmp(argv[1], "--loan") == 0 &&
                      (argc == 4 || std::strcmp(argv[3], "--width") == 0);
    const int width = loan && argc == 6 ? std::atoi(argv[4]) : 0;
    const bool chart =
        argc == 4 && std::strcmp(argv[1], "--chart") == 0 &&
        (std::strcmp(argv[2], "loan") == 0 || std::strcmp(argv[2], "investment") == 0);
    const bool dark = argc == 3 && std::strcmp(argv[1], "--dark") == 0;
    if (argc != 2 && !chart && !dark && !loan) {
        std::fprintf(stderr,
                     "usage: %s [--dark] OUTPUT.png\n       %s --chart loan|investment OUTPUT.png\n"
                     "       %s --loan AMOUNT [--width PIXELS] OUTPUT.png\n",
                     argv[0], argv[0], argv[0]);
        return 2;
    }
    if (dark)
        selvane::useDarkLook();
    const char* output = argv[argc - 1];
    QApplication::setWindowIcon(selvane::programIcon());
    selvane::frmFinCalc window;
    window.Form_Load();
    window.show();
    QWidget* shown = &window;
    if (loan) {
        enter(window, selvane::field::SBAL, argv[2]);
        window.findChild<QPushButton*>(QStringLiteral("btnCalculate"))->click();
        window.findChild<QPushButton*>(QStringLiteral("btnDetails"))->click();
        if (width > 0)
            window.resize(width, window.height());
    } else if (!chart) {
        // Through the Details button, as a user opens the view.
        window.findChild<QPushButton*>(QStringLiteral("btnDetails"))->click();
    } else {
        using namespace selvane::field;
        const bool investment = std::strcmp(argv[2], "investment") == 0;
        trigger(window, investment ? "mnInvestment" : "mnMortgage");
        enter(window, APR, investment ? "5" : "6.5");
        enter(window, PERS, investment ? "240" : "360"); // 20 and 30 years
        window.findChild<QPushButton*>(QStringLiteral("btnCalculate"))->click();
        trigger(window, "mnChart");
        shown = window.host().chartWindow();
    }

    int status = 1;
    QTimer::singleShot(500, &window, [&] {
        status = shown != nullptr && shown->grab().save(QString::fromLocal8Bit(output)) ? 0 : 1;
        if (status != 0)
            std::fprintf(stderr, "cannot write %s\n", output);
        window.close();
    });
    QApplication::exec();
    return status;
}
