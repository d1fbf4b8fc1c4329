// Open, Save and Save As through the state object: dialog requests, replay order and files that
// are never lost.

#include <gtest/gtest.h>

#include <QTemporaryDir>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <sys/stat.h>
#include <tuple>
#include <unistd.h>

#include "calculator/fincalc.h"
#include "support/files.h"
#include "support/recording_host.h"

namespace selvane {
namespace {

using FakeHost = selvane::testing::RecordingHost;
using selvane::testing::slurp;

class Scenario : public ::testing::Test {
  protected:
    QTemporaryDir dir;
    FakeHost host;
    FinCalc calc{host};
    void SetUp() override {
        ASSERT_TRUE(dir.isValid());
        calc.Form_Load();
    }
    std::string path(const std::string& name) {
        return dir.filePath(QString::fromStdString(name)).toStdString();
    }
    void write(const std::string& p, const std::string& bytes) {
        std::ofstream(p, std::ios::binary) << bytes;
    }
};

// Save asks for a name until a file is opened, and then saves there without asking. The host
// hears of a file for its Recent Files list when an Open completes, and when Save As (also Save
// asking for a name) has written the file: never for a Save without a dialog, a cancelled dialog,
// a failed open or write, or another file the program writes. A cancelled dialog changes nothing.
TEST_F(Scenario, SaveAsksUntilAnOpenAndTheHostHearsOfFilesThroughADialog) {
    const auto fields = calc.fields;
    host.answer = path("a.fin");
    calc.mnSave_Click(); // nothing opened yet: Save goes through Save As
    ASSERT_EQ(host.requests.size(), 1u);
    EXPECT_EQ(host.requests[0].title, "Save As");
    EXPECT_EQ(host.requests[0].filter,
              "All Files (*.*)|*.*|Text Files (*.txt)|*.txt|Financial Files (*.fin)|*.fin");
    EXPECT_EQ(host.requests[0].filterIndex, 3);
    EXPECT_EQ(host.requests[0].fileName, "");
    EXPECT_EQ(slurp(path("a.fin")).substr(0, 28), "\"PersonalLoan\"\r\n0\r\n\"7.500\"\r\n");
    EXPECT_TRUE(calc.ScenarioFileName.empty()); // Save As never remembers the name
    host.answer = path("b.fin");
    calc.mnSave_Click(); // asks again
    EXPECT_EQ(host.requests.size(), 2u);
    host.answer = path("no/such/folder/c.fin");
    calc.mnSaveAs_Click(); // not written
    host.answer.reset();
    calc.mnSaveAs_Click(); // cancelled
    calc.mnSave_Click();
    calc.mnOpen_Click();
    EXPECT_EQ(host.used, (std::vector<std::string>{path("a.fin"), path("b.fin")}));
    EXPECT_TRUE(calc.ScenarioFileName.empty());
    for (size_t i = 0; i < fields.size(); ++i)
        EXPECT_EQ(calc.fields[i].text, fields[i].text);

    host.answer = path("a.fin");
    calc.mnOpen_Click();
    EXPECT_EQ(host.requests.back().title, "Open");
    EXPECT_EQ(calc.ScenarioFileName, path("a.fin"));
    EXPECT_EQ(host.used, (std::vector<std::string>{path("a.fin"), path("b.fin"), path("a.fin")}));
    const size_t asked = host.requests.size();
    host.answer = path("elsewhere.fin");
    calc.mnSave_Click(); // now straight back to the opened file
    EXPECT_EQ(host.requests.size(), asked);
    EXPECT_FALSE(std::filesystem::exists(path("elsewhere.fin")));
    host.answer = path("report.txt");
    calc.mnExport_Click();
    write(path("bad.fin"), "\"Income\"\r\n7\r\n\"1\"\r\n");
    calc.openScenario(path("bad.fin"));
    calc.openScenario(path("missing.fin"));
    EXPECT_EQ(host.used.size(), 3u);
    calc.openScenario(path("b.fin"));
    EXPECT_EQ(host.used.back(), path("b.fin"));
    calc.mnSaveAs_Click();
    EXPECT_EQ(host.requests.back().fileName, path("b.fin"));
}

// A file that is no whole scenario ends the Open silently: the mode is replaced by its first item
// where it has one, and no field or file name changes. A name with a NUL byte names no
// file, not even the one its part before the NUL names, for Open and for Save As.
TEST_F(Scenario, BadFilesEndTheOpenSilently) {
    const auto before = calc.fields;
    const std::string mode = calc.CalculatorMode, nul("nul\0x", 5);
    const struct {
        std::string name, bytes;
        bool modeReplaced;
    } cases[] = {
        {"empty", "", false},
        {"binary", std::string("\x00\x01\x02\xFF", 4), true},
        {"bad-type", "\"Income\"\r\nabc\r\n", true},
        {"type-out-of-list", "\"Income\"\r\n7\r\n\"1\"\r\n", true},
        {"not-a-number", "\"Income\"\r\n0\r\n\"x\"\r\n", true},
        {nul, "\"Income\"\r\nabc\r\n", false}, // written as "nul", and must not be opened
    };
    for (const auto& c : cases) {
        calc.CalculatorMode = mode;
        write(path(c.name), c.bytes);
        host.answer = path(c.name);
        calc.mnOpen_Click();
        EXPECT_EQ(calc.CalculatorMode != mode, c.modeReplaced) << c.name;
        for (size_t i = 0; i < before.size(); ++i)
            EXPECT_EQ(calc.fields[i].text, before[i].text) << c.name << " field " << i;
        EXPECT_TRUE(calc.ScenarioFileName.empty()) << c.name;
    }
    calc.mnSaveAs_Click(); // to the name with the NUL: "nul" stays as it is
    EXPECT_EQ(slurp(path("nul")), "\"Income\"\r\nabc\r\n");
    // Missing files, folders, files over 1 MiB and modes no set-up knows: the hostile script
    // tests/hostile/files.script.
}

// A save into a folder no one may write is said in the notice with the system's reason, and the
// old file stays byte for byte; the notice goes with the next action.
TEST_F(Scenario, AFailedSaveIsSaidAndKeepsTheOldFile) {
    host.answer = path("a.fin");
    calc.mnSaveAs_Click();
    const std::string before = slurp(path("a.fin"));
    ASSERT_EQ(::chmod(dir.path().toUtf8().constData(), 0555), 0);
    calc.fields[field::APR].text = "9";
    calc.mnSaveAs_Click();
    ::chmod(dir.path().toUtf8().constData(), 0755);
    EXPECT_EQ(calc.notice, "Could not save " + path("a.fin") + ": Permission denied");
    EXPECT_EQ(slurp(path("a.fin")), before);
    calc.actionStarted();
    EXPECT_EQ(calc.notice, "");
}

// The Open steps after the dialog, run for a path given without one (command line, a drop, an
// entry of Recent Files), leave the state exactly as File > Open with that path does.
TEST_F(Scenario, OpenScenarioIsOpenWithoutTheDialog) {
    calc.mnMortgage_Click();
    calc.chooseResult(1);
    host.answer = path("m.fin");
    calc.mnSaveAs_Click();
    write(path("odd.fin"), "\"Spaceship\"\r\n0\r\n\"9\"\r\n");
    write(path("bad.fin"), "\"Income\"\r\n7\r\n\"1\"\r\n");
    for (const char* name : {"m.fin", "odd.fin", "bad.fin", "missing.fin"}) {
        FakeHost viaDialog, direct;
        FinCalc a{viaDialog}, b{direct};
        for (FinCalc* c : {&a, &b}) {
            c->Form_Load();
            c->mnInvestment_Click();
        }
        viaDialog.answer = path(name);
        a.mnOpen_Click();
        b.openScenario(path(name));
        EXPECT_TRUE(direct.requests.empty()) << name; // no dialog
        // The mode, caption, results, file name, comments and every field as the window shows it.
        const auto shown = [](const FinCalc& c) {
            std::vector<std::tuple<std::string, std::string, std::uint32_t, bool, bool>> fields;
            for (const ParameterField& f : c.fields)
                fields.emplace_back(f.caption, f.text, f.back, f.locked, f.enabled);
            return std::tuple(c.CalculatorMode, c.caption, c.cmResult.entries, c.cmResult.selected,
                              c.ScenarioFileName, c.comments, fields);
        };
        EXPECT_EQ(shown(a), shown(b)) << name;
        EXPECT_EQ(viaDialog.used, direct.used) << name;
    }
}

} // namespace
} // namespace selvane
