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
    // The window closes with the main window.
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
}

} // namespace
} // namespace selvane
