// The What If commands of a script: malformed lines stop the script like any other command's.

#include <gtest/gtest.h>

#include <QTemporaryDir>

#include "support/cli_run.h"

namespace {

using selvane::testing::CliRun;
using selvane::testing::runCli;

TEST(WhatIfCli, MalformedLinesAreScriptErrors) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const char* lines[] = {"extra",          "extra 100",     "extra 100 1 2", "extra -5 1",
                           "extra 100 0",    "extra 100 2.5", "extra abc 1",   "extra 100 x",
                           "lump",           "lump 5000",     "lump 5000 0",   "lump -1 12",
                           "lump 5000 12 1", "findrate now",  "userate 7.5",   "keep it",
                           "unkeep all"};
    for (const char* line : lines) {
        const CliRun run = runCli(dir.path(), QByteArray("dump\n") + line + "\ndump\n");
        EXPECT_EQ(run.exitCode, 2) << line;
        EXPECT_TRUE(run.errors.startsWith("selvane-cli: line 2: ")) << run.errors.toStdString();
    }
    // Blanks around the arguments and after a bare word are forgiven, as for the other commands.
    for (const char* line : {"extra  100   12 ", "lump 5000 24", "findrate ", "keep", "unkeep  "}) {
        const CliRun run = runCli(dir.path(), QByteArray(line) + "\n");
        EXPECT_EQ(run.exitCode, 0) << line << ": " << run.errors.toStdString();
    }
}

} // namespace
