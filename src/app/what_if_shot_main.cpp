// Writes pictures for the documentation into FOLDER: the What If window over a 30-year mortgage
// fixed at 3.9 % for five years and variable after (5.5 % from payment 61, the end date kept),
// with three months' payment holiday while a child is born and a bonus of 5,000 paid in every
// year, a found rate and a kept plan (what-if.png), and the chart window with the balance of that
// timeline drawn dashed over the plan's (chart-what-if.png); then the same timeline with
// overpayments lowering the payment (what-if-lower.png); and the Schedule window with the plan
// paid out on 31 January 2026, its interest by actual/365 to the cent (schedule.png), and the
// chart by calendar year (chart-dated.png); and Compare Offers with four offers for that loan, each
// with fees of its own kind, and the plan moved to one of them after two years (offers.png); and
// a lender's statement pasted into Check a Lender's Statement (statement.png).
// Usage: selvane-whatif-shot FOLDER (run from the folder that holds the help topics).

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QDateEdit>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QTimer>
#include <cstdio>
#include <utility>
#include <vector>

#include "core/fields.h"
#include "desktop/frm_chart.h"
#include "desktop/frm_fincalc.h"
#include "desktop/frm_offers.h"
#include "desktop/frm_schedule.h"
#include "desktop/frm_statement.h"
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

void choose(QWidget& window, const char* box, int index) {
    auto* list = window.findChild<QComboBox*>(QLatin1String(box));
    list->setCurrentIndex(index);
    emit list->activated(index);
}

// An event typed into the timeline's editor and added, as the user does it.
void addEvent(QWidget& whatIf, int kind, std::initializer_list<const char*> numbers, int pay = 0,
              int keep = 0) {
    choose(whatIf, "cboEventKind", kind);
    int i = 1;
    for (const char* n : numbers)
        type(whatIf, QStringLiteral("txtEvent%1").arg(i++), n);
    for (; i <= 4; ++i)
        type(whatIf, QStringLiteral("txtEvent%1").arg(i), "");
    choose(whatIf, "cboEventPay", pay);
    choose(whatIf, "cboEventKeep", keep);
    click(whatIf, "cmdAddEvent");
}

// Offers added with the Add button and their cells set as the table's editors set them.
void addOffers(selvane::frmOffers& offers) {
    using C = selvane::OfferColumn;
    const std::vector<std::vector<std::pair<C, const char*>>> rows = {{{C::Name, "Harbour"},
                                                                       {C::Amount, "250000"},
                                                                       {C::Apr, "4.25"},
                                                                       {C::Payments, "360"},
                                                                       {C::Upfront, "2500"}},
                                                                      {{C::Name, "Summit"},
                                                                       {C::Amount, "250000"},
                                                                       {C::Apr, "3.59"},
                                                                       {C::Payments, "780"},
                                                                       {C::Period, "biweekly"},
                                                                       {C::Added, "3000"},
                                                                       {C::Fee, "10"}},
                                                                      {{C::Name, "Mutual"},
                                                                       {C::Amount, "250000"},
                                                                       {C::Apr, "3.95"},
                                                                       {C::Payments, "240"},
                                                                       {C::Compound, "daily"}},
                                                                      {{C::Name, "Bridge"},
                                                                       {C::Amount, "250000"},
                                                                       {C::Apr, "3.49"},
                                                                       {C::Payments, "300"},
                                                                       {C::Balloon, "40000"},
                                                                       {C::Upfront, "995"},
                                                                       {C::Fee, "5"}}};
    auto* table = offers.findChild<QTableView*>(QStringLiteral("tblOffers"));
    for (std::size_t r = 0; r < rows.size(); ++r) {
        click(offers, "cmdAddOffer");
        for (const auto& [column, text] : rows[r])
            table->model()->setData(
                table->model()->index(static_cast<int>(r), static_cast<int>(column)),
                QString::fromLatin1(text));
    }
}

} // namespace

// Generated apart from the program: 250,000 paid out on 31 January 2026 at 3.95 % by
// actual/365, each row's interest rounded half up to the cent, 1,186.27 at every month's end.
const char* const kStatement = R"(Date,Payment,Interest,Principal,Balance
2026-01-31,,,,"250,000.00"
2026-02-28,"1,186.27","757.53","428.74","249,571.26"
2026-03-31,"1,186.27","837.26","349.01","249,222.25"
2026-04-30,"1,186.27","809.12","377.15","248,845.10"
2026-05-31,"1,186.27","834.82","351.45","248,493.65"
2026-06-30,"1,186.27","806.76","379.52","248,114.13"
2026-07-31,"1,186.27","832.37","353.90","247,760.23"
2026-08-31,"1,186.27","831.18","355.09","247,405.14"
2026-09-30,"1,186.27","803.22","383.05","247,022.09"
2026-10-31,"1,186.27","828.71","357.56","246,664.53"
2026-11-30,"1,186.27","800.81","385.46","246,279.07"
2026-12-31,"1,186.27","826.22","360.05","245,919.02"
2027-01-31,"1,186.27","825.01","361.26","245,557.76"
)";

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
    // A 30-year mortgage at 3.9 %, kept; its rate found from its payment.
    trigger(window, "mnMortgage");
    type(window, field(APR), "3.9");
    type(window, field(PERS), "360");
    click(window, "btnCalculate");
    trigger(window, "mnKeep");
    trigger(window, "mnFindRate");
    selvane::frmWhatIf* whatIf = window.host().whatIfWindow();
    if (whatIf == nullptr) {
        std::fprintf(stderr, "the What If window did not open\n");
        return 1;
    }
    // 5.5 % from payment 61, the end date kept; payments 30 to 32 not made, the interest added,
    // the end date kept; 5,000 more with payment 12 and every 12th after it.
    addEvent(*whatIf, 0, {"5.5", "61"}, 0, 1);
    addEvent(*whatIf, 3, {"30", "3"}, 0, 1);
    addEvent(*whatIf, 1, {"5000", "12", "", "12"});
    trigger(window, "mnChart");
    auto* chart = qobject_cast<selvane::frmChart*>(window.host().chartWindow());

    int status = 0;
    const auto shoot = [&](QWidget* w, const char* name) {
        if (w == nullptr || !w->grab().save(folder + QLatin1String(name))) {
            std::fprintf(stderr, "cannot write %s\n", name);
            status = 1;
        }
    };
    QTimer::singleShot(500, &window, [&] {
        shoot(whatIf, "what-if.png");
        shoot(chart, "chart-what-if.png");
        choose(*whatIf, "cboOverpay", 1);
        QTimer::singleShot(500, &window, [&] {
            shoot(whatIf, "what-if-lower.png");
            trigger(window, "mnSchedule");
            auto* schedule = window.host().scheduleWindow();
            if (schedule == nullptr) {
                status = 1;
                window.close();
                return;
            }
            schedule->findChild<QCheckBox*>(QStringLiteral("chkDates"))->setChecked(true);
            schedule->findChild<QDateEdit*>(QStringLiteral("dtStart"))->setDate(QDate(2026, 1, 31));
            choose(*schedule, "cboBasis", 2);
            choose(*schedule, "cboRounding", 1);
            QTimer::singleShot(500, &window, [&, schedule] {
                shoot(schedule, "schedule.png");
                shoot(chart, "chart-dated.png");
                schedule->close();
                trigger(window, "mnCompareOffers");
                selvane::frmOffers* offers = window.host().offersWindow();
                if (offers == nullptr) {
                    status = 1;
                    window.close();
                    return;
                }
                addOffers(*offers);
                choose(*offers, "cboEvenAfterA", 1);
                choose(*offers, "cboEvenAfterB", 0);
                choose(*offers, "cboSwitchOffer", 1);
                type(*offers, QStringLiteral("txtSwitchAt"), "24");
                type(*offers, QStringLiteral("txtSwitchErc"), "1");
                type(*offers, QStringLiteral("txtSwitchCosts"), "1200");
                click(*offers, "cmdApplySwitch");
                QTimer::singleShot(500, &window, [&, offers] {
                    shoot(offers, "offers.png");
                    offers->close();
                    // A lender's first year, pasted: its rate is 3.95 %, not the plan's, and the
                    // interest of its fifth payment a cent high.
                    trigger(window, "mnCheckStatement");
                    selvane::frmStatement* statement = window.host().statementWindow();
                    if (statement == nullptr) {
                        std::fprintf(stderr, "the statement window did not open\n");
                        status = 1;
                        window.close();
                        return;
                    }
                    QGuiApplication::clipboard()->setText(QString::fromLatin1(kStatement));
                    click(*statement, "cmdPasteStatement");
                    QTimer::singleShot(500, &window, [&, statement] {
                        shoot(statement, "statement.png");
                        window.close();
                    });
                });
            });
        });
    });
    QApplication::exec();
    return status;
}
