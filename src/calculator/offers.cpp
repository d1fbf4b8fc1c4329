// Tools > Compare Offers: the offers, the switch from the calculator's plan, and their files.

#include <algorithm>
#include <cmath>

#include "calculator/fincalc.h"
#include "core/file_io.h"
#include "core/workbook_export.h"

namespace selvane {

namespace {
// An offers file is a line an offer; a file far larger is not one and is not read.
constexpr std::uintmax_t kMaxOffersBytes = 4u << 20;

constexpr const char* kOffersFilter =
    UI_TEXT("selvane::FinCalc", "Offers Files (*.offers)|*.offers|All Files (*.*)|*.*");

FileDialogRequest offersDialog(const char* title, std::string fileName) {
    return {title, kOffersFilter, 1, std::move(fileName), FileKind::Offers};
}
} // namespace

void FinCalc::mnCompareOffers_Click() {
    compareOffersOpen = true; // a second click shows the one window again
    m_host.showWindow(Window::CompareOffers);
}

void FinCalc::compareOffersClosed() {
    compareOffersOpen = false;
    offers.message.clear();
    offers.switchMessage.clear();
}

bool FinCalc::putOffer(const std::vector<std::string>& words) {
    std::string why;
    const auto o = readOffer(words, why);
    if (!o) {
        offers.message = why;
        return false;
    }
    return offers.put(*o);
}

std::optional<SwitchPlan> FinCalc::switchPlan() const {
    if (!plan.solved)
        return std::nullopt;
    const auto m = mode();
    return SwitchPlan{*plan.solved, m == Mode::PersonalLoan || m == Mode::Mortgage};
}

bool FinCalc::offerFromPlan(const std::string& name) {
    const auto from = switchPlan();
    if (!from || !from->loan) {
        offers.message = tr(
            UI_TEXT("selvane::FinCalc", "Calculate a loan first: an offer is made from its plan."));
        return false;
    }
    const auto compound = compoundPeriodOf(plan.compoundMonths);
    if (!compound) {
        offers.message = tr(UI_TEXT("selvane::FinCalc", "The plan's compound period is not one "
                                                        "of the list's."));
        return false;
    }
    Offer o;
    o.name = name;
    o.amount = from->plan.amountFinanced;
    o.apr = plan.apr;
    o.payments = from->plan.payments;
    o.period = paymentPeriodOf(from->plan.paymentsPerMonth);
    o.compound = *compound;
    o.balloon = from->plan.endAmount;
    return offers.put(o);
}

bool FinCalc::addOffer() {
    std::string name;
    for (int n = 1;; ++n) {
        name = fillIn(tr(UI_TEXT("selvane::FinCalc", "Offer%1")), {std::to_string(n)});
        if (!offers.find(name))
            break;
    }
    // The plan as it stands is the likeliest start; without one, a plain loan to edit.
    if (offerFromPlan(name))
        return true;
    Offer o;
    o.name = name;
    o.amount = 10000;
    o.apr = 5;
    o.payments = 60;
    return offers.put(o);
}

// ----- files

bool FinCalc::writeOffers(const std::string& path) {
    return noteWrite(replaceFile(path, offers.fileText()),
                     UI_TEXT("selvane::FinCalc", "Could not save %1: %2"));
}

void FinCalc::mnOpenOffers_Click() {
    const auto path = m_host.chooseOpenPath(
        offersDialog(UI_TEXT("selvane::FinCalc", "Open Offers"), std::string()));
    if (path)
        openOffers(*path);
}

void FinCalc::openOffers(const std::string& path) {
    const auto bytes = readWholeFile(path, kMaxOffersBytes);
    if (!bytes) {
        notice = fillIn(tr(UI_TEXT("selvane::FinCalc", "Could not open %1.")), {path});
        return;
    }
    if (!offers.readFile(*bytes)) {
        notice = fillIn(tr(UI_TEXT("selvane::FinCalc", "Could not open %1: %2")),
                        {path, offers.message});
        return;
    }
    OffersFileName = path;
    m_host.scenarioFileUsed(path);
    mnCompareOffers_Click();
}

void FinCalc::mnSaveOffers_Click() {
    if (!OffersFileName.empty())
        writeOffers(OffersFileName);
    else
        mnSaveOffersAs_Click();
}

void FinCalc::mnSaveOffersAs_Click() {
    const auto path = m_host.chooseSavePath(
        offersDialog(UI_TEXT("selvane::FinCalc", "Save Offers As"), OffersFileName));
    if (!path)
        return;
    if (writeOffers(*path)) {
        OffersFileName = *path;
        m_host.scenarioFileUsed(*path);
    }
}

// ----- printout and export

void FinCalc::mnPrintOffers_Click() {
    noteWrite(m_host.printPages(PrintedPages::ofLines(offers.printLines(switchPlan()))),
              UI_TEXT("selvane::FinCalc", "Could not print to %1: %2"));
}

void FinCalc::mnExportOffers_Click() {
    std::string name = OffersFileName;
    if (fileEnding(name) == "offers")
        name = withoutEnding(name) + ".csv";
    FileDialogRequest request{
        UI_TEXT("selvane::FinCalc", "Export Offers"),
        UI_TEXT("selvane::FinCalc", "Offers Table (*.csv)|*.csv|Excel Workbook (*.xlsx)|*.xlsx"), 1,
        name, FileKind::Report};
    const auto choice = m_host.chooseSavePathAndType(request);
    if (!choice)
        return;
    const bool workbook = choice->filterIndex == 2 || fileEnding(choice->path) == "xlsx";
    noteWrite(workbook ? m_host.writeTableWorkbook(choice->path, offers.sheet(), m_currency)
                       : replaceFile(choice->path, offers.csv(csvStyle())),
              UI_TEXT("selvane::FinCalc", "Could not export the offers to %1: %2"));
}

} // namespace selvane
