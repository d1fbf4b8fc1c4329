// Writes pictures for the documentation into FOLDER: the What If window over a 30-year mortgage,
// with extra payments, a found rate and a kept plan, and the chart window with the balance the
// extras give drawn over the plan's (what-if.png, chart-what-if.png); then a 25-year mortgage whose
// rate goes from 4 % to 6.5 % after 5 years, the lender keeping the payment and keeping the end
// date (rate-change-payment.png, chart-rate-change-payment.png, rate-change-term.png,
// chart-rate-change.png).
// Usage: selvane-whatif-shot FOLDER (run from the folder that holds the help topics).

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <cstdio>

#include "core/fields.h"
#include "desktop/frm_chart.h"
#include "desktop/frm_fincalc.h"
#include "desktop/frm_what_if.h"
#include "desktop/icons.h"
#include "desktop/ui_text.h"

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

template <typename Button = QPushButton> void click(QWidget& window, const char* button) {
    window.findChild<Button*>(QLatin1String(button))->click();
}

} // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    // In the desktop's language, as the program starts.
    selvane::installTranslations(QLocale::system());
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s FOLDER\n", argv[0]);
        return 2;
    }
    const QString folder = QString::fromLocal8Bit(argv[1]) + QLatin1Char('/');
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
    auto* chart = qobject_cast<selvane::frmChart*>(window.host().chartWindow());

    int status = 0;
    const auto shoot = [&](QWidget* w, const char* name) {
        if (w == nullptr || !w->grab().save(folder + QLatin1String(name))) {
            std::fprintf(stderr, "cannot write %s\n", name);
            status = 1;
        }
    };
    // The rate change: a 25-year mortgage at 4 %, no extras, 6.5 % from payment 61.
    const auto rateChange = [&] {
        type(*whatIf, QStringLiteral("txtExtra"), "0");
        type(*whatIf, QStringLiteral("txtLump"), "0");
        trigger(window, "mnClearKept");
        type(window, field(APR), "4");
        type(window, field(PERS), "300");
        click(window, "btnCalculate");
        trigger(window, "mnKeep");
        click<QCheckBox>(*whatIf, "chkRateChange");
        type(*whatIf, QStringLiteral("txtNewApr"), "6.5");
        type(*whatIf, QStringLiteral("txtChangeFrom"), "61");
    };
    QTimer::singleShot(500, &window, [&] {
        shoot(whatIf, "what-if.png");
        shoot(chart, "chart-what-if.png");
        rateChange();
        QTimer::singleShot(500, &window, [&] {
            shoot(whatIf, "rate-change-payment.png");
            shoot(chart, "chart-rate-change-payment.png");
            click<QRadioButton>(*whatIf, "optKeepEndDate");
            QTimer::singleShot(500, &window, [&] {
                shoot(whatIf, "rate-change-term.png");
                shoot(chart, "chart-rate-change.png");
                window.close();
            });
        });
    });
    QApplication::exec();
    return status;
}
