// Offers files through the state object: opened the ways scenarios are, refused whole, saved
// through their own dialog; and the offers printed.

#include <gtest/gtest.h>

#include <QTemporaryDir>
#include <fstream>

#include "calculator/fincalc.h"
#include "support/files.h"
#include "support/recording_host.h"

namespace selvane {
namespace {

class OffersFile : public ::testing::Test {
  protected:
    QTemporaryDir dir;
    testing::RecordingHost host;
    FinCalc calc{host};
    void SetUp() override {
        ASSERT_TRUE(dir.isValid());
        calc.Form_Load();
    }
    std::string path(const std::string& name) {
        return dir.filePath(QString::fromStdString(name)).toStdString();
    }
    std::string write(const std::string& name, const std::string& bytes) {
        std::ofstream(path(name), std::ios::binary) << bytes;
        return path(name);
    }
};

// Recent Files, the command line and a drop open a scenario through openScenario: an offers
// file goes to Compare Offers and leaves the calculator as it was.
TEST_F(OffersFile, OpensWhereScenariosOpen) {
    const auto fields = calc.fields;
    const std::string p = write("two.OFFERS", "Selvane offers 1\r\n\n"
                                              "offer A amount=1000 apr=5 payments=12\n"
                                              "offer B amount=900 apr=4 payments=6 fee=1\n"
                                              "switch B at=3 erc=1.5 costs=20\n");
    calc.openScenario(p);
    ASSERT_EQ(calc.offers.offers().size(), 2u);
    EXPECT_EQ(calc.offers.offers()[1].fee, 1);
    EXPECT_EQ(calc.offers.switching, (SwitchInput{"B", 3, 1.5, 20}));
    EXPECT_EQ(calc.OffersFileName, p);
    EXPECT_EQ(host.used, std::vector<std::string>{p});
    EXPECT_EQ(host.count("showCompareOffers"), 1);
    EXPECT_TRUE(calc.compareOffersOpen);
    EXPECT_EQ(calc.ScenarioFileName, "");
    for (std::size_t i = 0; i < fields.size(); ++i)
        EXPECT_EQ(calc.fields[i].text, fields[i].text);
    // The window closes by itself or with the main window.
    calc.compareOffersClosed();
    EXPECT_FALSE(calc.compareOffersOpen);
    calc.mnCompareOffers_Click();
    calc.Form_Unload();
    EXPECT_FALSE(calc.compareOffersOpen);
    EXPECT_EQ(host.count("closeCompareOffers"), 1);
}

// A file with one line that does not read is refused whole, and the window's notice says where.
TEST_F(OffersFile, ARefusedFileKeepsTheOffers) {
    ASSERT_TRUE(calc.putOffer({"Kept", "amount=1", "apr=1", "payments=1"}));
    const struct {
        const char* bytes;
        const char* said;
    } cases[] = {
        {"offer A amount=1 apr=1 payments=1\n", "Line 1 of the offers file: this is not an offers"},
        {"Selvane offers 1\noffer A amount=1 apr=1 payments=1\nofer B\n", "Line 3 of the offers"},
        {"Selvane offers 1\noffer A amount=1 apr=1 payments=1.5\n", "payments is not a whole"},
        {"Selvane offers 1\nswitch A at=-1\n", "-1 is not a payment number from 0."},
        {"", "this is not an offers file"},
    };
    for (const auto& c : cases) {
        calc.actionStarted();
        calc.openOffers(write("bad.offers", c.bytes));
        EXPECT_NE(calc.notice.find(c.said), std::string::npos) << calc.notice;
        ASSERT_EQ(calc.offers.offers().size(), 1u);
        EXPECT_EQ(calc.offers.offers()[0].name, "Kept");
    }
    calc.actionStarted();
    calc.openOffers(path("missing.offers"));
    EXPECT_NE(calc.notice.find("Could not open"), std::string::npos);
    EXPECT_TRUE(host.used.empty());
}

// Save asks once, in a dialog of its own kind; a cancelled dialog writes nothing; the file
// written reads back to the same offers.
TEST_F(OffersFile, SavesThroughItsOwnDialog) {
    ASSERT_TRUE(calc.putOffer({"A", "amount=2500.75", "apr=6.125", "payments=36",
                               "period=semi-monthly", "compound=daily", "upfront=25"}));
    host.answer.reset();
    calc.mnSaveOffers_Click();
    ASSERT_EQ(host.requests.size(), 1u);
    EXPECT_EQ(host.requests[0].kind, FileKind::Offers);
    EXPECT_NE(host.requests[0].filter.find("*.offers"), std::string::npos);
    EXPECT_EQ(calc.writeCount, 0u);
    host.answer = path("saved.offers");
    calc.mnSaveOffers_Click();
    calc.mnSaveOffers_Click(); // the second writes to the same file without asking
    EXPECT_EQ(host.requests.size(), 2u);
    EXPECT_EQ(calc.writeCount, 2u);
    const std::vector<Offer> saved = calc.offers.offers();
    calc.clearOffers();
    calc.openOffers(*host.answer);
    EXPECT_EQ(calc.offers.offers(), saved);
}

// The printout: the table in blocks, each offer against each other, the switch.
TEST_F(OffersFile, PrintsTheTable) {
    ASSERT_TRUE(calc.putOffer({"Low", "amount=20000", "apr=7.5", "payments=60"}));
    ASSERT_TRUE(calc.putOffer({"Fee", "amount=20000", "apr=7", "payments=60", "upfront=900"}));
    ASSERT_TRUE(calc.setSwitch("Low", "12", "2", "100"));
    calc.mnPrintOffers_Click();
    ASSERT_EQ(host.pageTexts.size(), 1u);
    const std::string& t = host.pageTexts[0];
    for (const char* shown : {"Low", "cheapest", "Lowest APRC: Low", "Fee never costs less than",
                              "Switching to Low after payment 12", "Balance moved"})
        EXPECT_NE(t.find(shown), std::string::npos) << shown;
    // Every figure of every offer is somewhere in its blocks.
    for (const auto& figures : calc.offersTexts().figures)
        for (const std::string& figure : figures)
            EXPECT_NE(t.find(figure), std::string::npos) << figure;
}

// A switch as typed: a whole payment number from 0 (a switch before the first payment moves the
// whole amount financed), a charge and costs of at least 0, a decimal comma read as the window
// types it; anything else keeps the switch as it was and says why.
TEST_F(OffersFile, TakesASwitchAsTyped) {
    ASSERT_TRUE(calc.putOffer({"Low", "amount=1", "apr=4", "payments=48"}));
    const struct {
        const char *offer, *at, *erc, *costs;
        bool taken;
    } cases[] = {{"Low", "0", "0", "0", true},     {"Low", "3", "2,5", "10", true},
                 {"Low", "-1", "0", "0", false},   {"Low", "1.5", "0", "0", false},
                 {"Low", "3", "-0.1", "0", false}, {"Low", "3", "1", "x", false},
                 {"Lo w", "3", "1", "0", false},   {"", "3", "1", "0", false}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.at);
        const auto before = calc.offers.switching;
        EXPECT_EQ(calc.setSwitch(c.offer, c.at, c.erc, c.costs), c.taken);
        EXPECT_EQ(calc.offers.switchMessage.empty(), c.taken);
        if (!c.taken) {
            EXPECT_EQ(calc.offers.switching, before);
        }
    }
    EXPECT_EQ(calc.offers.switching, (SwitchInput{"Low", 3, 2.5, 10}));
    ASSERT_TRUE(calc.setSwitch("Low", "0", "0", "0"));
    std::string why;
    const auto s = calc.offers.switchFigures(calc.switchPlan(), why);
    ASSERT_TRUE(s) << why;
    EXPECT_EQ(s->balance, calc.plan.solved->amountFinanced);
    // After the plan's last payment there is nothing left to move.
    const auto last = calc.plan.solved->payments;
    ASSERT_TRUE(calc.setSwitch("Low", std::to_string(last), "0", "0"));
    EXPECT_FALSE(calc.offers.switchFigures(calc.switchPlan(), why));
    EXPECT_NE(why.find("from 0 to " + std::to_string(last - 1)), std::string::npos) << why;
}

// An edit in place: refused, the offer stays and the window says why until an edit is taken.
TEST_F(OffersFile, EditsInPlace) {
    ASSERT_TRUE(calc.putOffer({"A", "amount=1000", "apr=5", "payments=12"}));
    ASSERT_TRUE(calc.putOffer({"B", "amount=1000", "apr=5", "payments=12"}));
    const struct {
        OfferColumn column;
        const char* text;
        bool taken;
    } edits[] = {{OfferColumn::Amount, "abc", false}, {OfferColumn::Amount, "2000,5", true},
                 {OfferColumn::Name, "B", false},     {OfferColumn::Period, "Biweekly", true},
                 {OfferColumn::Payments, "0", false}, {OfferColumn::Compound, "6months", true}};
    for (const auto& e : edits) {
        SCOPED_TRACE(e.text);
        EXPECT_EQ(calc.editOffer(0, e.column, e.text), e.taken);
        EXPECT_EQ(calc.offersTexts().refused.empty(), e.taken);
    }
    const Offer& a = calc.offers.offers()[0];
    EXPECT_EQ(a.name, "A");
    EXPECT_EQ(a.amount, 2000.5);
    EXPECT_EQ(a.period, PaymentPeriod::Biweekly);
    EXPECT_EQ(a.compound, CompoundPeriod::SixMonths);
    EXPECT_EQ(a.payments, 12);
}

} // namespace
} // namespace selvane
