// Writes a picture of the What If window over a 30-year mortgage, with extra payments, a found
// rate and a kept plan, and one of the chart window with the balance the extras give drawn over
// the plan's, for the documentation.
// Usage: selvane-whatif-shot WHATIF.png CHART.png (run from the folder that holds the help topics).

#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <cstdio>

#include "core/fields.h"
#include "desktop/frm_chart.h"
#include "desktop/frm_fincalc.h"
#include "desktop/frm_what_if.h"
#include "desktop/icons.h"

namespace {

// As a user types it: the whole text replaced.
void type(QWidget& window, const QString& name, const char* text) {
    auto* edit = window.findChild<QLineEdit*>(name);
    edit->setFocus();
    edit->selectAll();
    edit->insert(QString::fromLatin1(text));
}

void trigger(QWidget& window, const char* action) {
    window.findChild<QAction*>(QLatin1String(action))->trigger();
}

void click(QWidget& window, const char* button) {
    window.findChild<QPushButton*>(QLatin1String(button))->click();
}

} // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    if (argc != 3) {
        std::fprintf(stderr, "usage: %s WHATIF.png CHART.png\n", argv[0]);
        return 2;
    }
    QApplication::setWindowIcon(selvane::programIcon());
    selvane::frmFinCalc window;
    window.Form_Load();
    window.show();

    using namespace selvane::field;
    const auto field = [](int i) { return QStringLiteral("txtSL_%1").arg(i); };
    // A 30-year mortgage at 6.5 %, kept; then the same at 6 %, the rate its payment is found at.
    trigger(window, "mnMortgage");
    type(window, field(APR), "6.5");
    type(window, field(PERS), "360");
    click(window, "btnCalculate");
    trigger(window, "mnKeep");
    type(window, field(APR), "6");
    click(window, "btnCalculate");
    trigger(window, "mnFindRate");
    selvane::frmWhatIf* whatIf = window.host().whatIfWindow();
    if (whatIf == nullptr) {
        std::fprintf(stderr, "the What If window did not open\n");
        return 1;
    }
    // 200 more every payment, and 5,000 once with the 24th.
    type(*whatIf, QStringLiteral("txtExtra"), "200");
    type(*whatIf, QStringLiteral("txtLump"), "5000");
    type(*whatIf, QStringLiteral("txtAt"), "24");
    trigger(window, "mnChart");
    selvane::frmChart* chart = window.host().chartWindow();

    int status = 1;
    QTimer::singleShot(500, &window, [&] {
        const bool shots = chart != nullptr &&
                           whatIf->grab().save(QString::fromLocal8Bit(argv[1])) &&
                           chart->grab().save(QString::fromLocal8Bit(argv[2]));
        status = shots ? 0 : 1;
        if (status != 0)
            std::fprintf(stderr, "cannot write %s or %s\n", argv[1], argv[2]);
        window.close();
    });
    QApplication::exec();
    return status;
}
