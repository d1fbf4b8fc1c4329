// Malformed command lines stop a script at that line with a one-line error, whatever the command;
// blanks around the arguments are forgiven.

#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

#include "support/cli_run.h"

namespace {

using selvane::testing::CliRun;
using selvane::testing::runCli;

TEST(ScriptLines, MalformedLinesAreScriptErrors) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    // Grouped by command; blanks inside the quotes are part of the line.
    // clang-format off
    const char* lines[] = {
        "extra", "extra 100", "extra 100 1 2", "extra -5 1", "extra 100 0", "extra 100 2.5",
        "extra abc 1", "extra 100 x",
        "lump", "lump 5000", "lump 5000 0", "lump -1 12", "lump 5000 12 1",
        "findrate now", "userate 7.5", "keep it", "unkeep all", "chart", "export", "export-yearly",
        "chart ", "export-yearly   ",
        "paper", "paper A4", "paper A4 ", "paper Letter 6.35 mm", "paper A5 10", "paper a4 10",
        "paper Legal -1", "paper A4 1e1", "paper A4 51", "paper A4  10", "paper A4 ten",
        "ratechange", "ratechange 6.5 61", "ratechange 6.5 61 both", "ratechange -100 61 term",
        "ratechange 6.5 0 payment", "ratechange 6.5 1.5 term", "ratechange x 61 term",
        "ratechange off now", "ratechange 6.5 61 term 1", "ratechange 6.5 10000001 term",
        "csv", "csv Locale", "csv locale plain",
        "type x 5", "clear 1x", "enter", "erase 17", "frobnicate", "Dump"};
    // clang-format on
    for (const char* line : lines) {
        const CliRun run = runCli(dir.path(), QByteArray("dump\n") + line + "\nprint x.pdf\n");
        EXPECT_EQ(run.exitCode, 2) << line;
        EXPECT_TRUE(run.errors.startsWith("selvane-cli: line 2: ")) << run.errors.toStdString();
        EXPECT_FALSE(QFile::exists(dir.filePath("x.pdf"))) << line; // the script stopped there
    }
    // The error says what the command takes.
    EXPECT_EQ(runCli(dir.path(), QByteArray("erase 17\n")).errors.trimmed(),
              "selvane-cli: line 1: erase needs a field index 0 to 16");
    for (const char* line : {"extra  100   12 ", "lump 5000 24", "findrate ", "keep", "unkeep  ",
                             " ratechange  6.5  61 payment ", "ratechange off", "csv locale",
                             "ratechange 6.5 10000000 term", "csv plain"}) {
        const CliRun run = runCli(dir.path(), QByteArray(line) + "\n");
        EXPECT_EQ(run.exitCode, 0) << line << ": " << run.errors.toStdString();
    }
}

} // namespace
