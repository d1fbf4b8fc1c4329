// What selvane-cli takes as a script: a readable regular file, or standard input, in lines of at
// most 1 MiB. Anything else ends it with status 2 and one line on standard error.

#include <gtest/gtest.h>

#include <sys/stat.h>

#include <QFile>
#include <QTemporaryDir>
#include <fstream>

#include "support/cli_run.h"

namespace {

using selvane::testing::CliRun;
using selvane::testing::runCliWith;

void expectOneLineError(const CliRun& r, const QString& says) {
    ASSERT_TRUE(r.finished) << "selvane-cli did not finish";
    EXPECT_EQ(r.status, QProcess::NormalExit);
    EXPECT_EQ(r.exitCode, 2);
    EXPECT_TRUE(r.errors.startsWith("selvane-cli: ")) << r.errors.toStdString();
    EXPECT_TRUE(r.errors.contains(says)) << r.errors.toStdString();
    EXPECT_EQ(r.errors.count('\n'), 1) << r.errors.toStdString();
}

TEST(ScriptFile, WhatIsNotARegularFileIsNoScript) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString fifo = dir.filePath("fifo");
    ASSERT_EQ(mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    const struct {
        const char* name;
        QString path;
        QString says;
    } cases[] = {
        {"a directory", dir.path(), "Is a directory"},
        {"a device without end", "/dev/zero", "not a regular file"},
        {"an empty device", "/dev/null", "not a regular file"},
        {"a FIFO no one writes to", fifo, "not a regular file"},
        {"a missing file", dir.filePath("missing.script"), "No such file"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const CliRun r = runCliWith({c.path});
        expectOneLineError(r, c.path + ": " + c.says);
        EXPECT_TRUE(r.out.isEmpty());
    }
}

TEST(ScriptFile, ALineOverOneMebibyteEndsTheScriptThere) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString path = dir.filePath("long.script");
    const std::string longest = "# " + std::string((1 << 20) - 2, 'x'); // exactly 1 MiB
    std::ofstream(path.toStdString(), std::ios::binary)
        << "dump\r\n" + longest + "\r\ndump\n# a comment\n" + longest + "x\ndump\n";
    const CliRun r = runCliWith({path});
    expectOneLineError(r, "line 5: line longer than 1048576 bytes");
    EXPECT_EQ(r.out.size(), 2); // the dumps before the long line, none after it
}

TEST(ScriptFile, HelpVersionAndTooManyArguments) {
    const struct {
        QStringList args;
        int exitCode;
        const char *out, *errors;
    } cases[] = {{{"--help"}, 0, "Usage: selvane-cli [SCRIPT]", ""},
                 {{"--version"}, 0, "selvane-cli ", ""},
                 {{"a", "b"}, 2, nullptr, "usage: selvane-cli [SCRIPT]\n"}};
    for (const auto& c : cases) {
        const CliRun r = runCliWith(c.args);
        ASSERT_TRUE(r.finished);
        EXPECT_EQ(r.exitCode, c.exitCode);
        EXPECT_TRUE(c.out ? !r.out.isEmpty() && r.out[0].startsWith(c.out) : r.out.isEmpty());
        EXPECT_EQ(r.errors, c.errors);
    }
}

TEST(ScriptFile, StandardInputWithoutEndStopsAtItsFirstLine) {
    const CliRun r = runCliWith({}, "/dev/zero");
    expectOneLineError(r, "line 1: line longer than 1048576 bytes");
}

TEST(ScriptFile, StandardInputStaysAScript) {
    QTemporaryDir dir;
    const QString path = dir.filePath("in.script");
    std::ofstream(path.toStdString(), std::ios::binary) << "mode Income\ndump";
    const CliRun r = runCliWith({}, path);
    ASSERT_TRUE(r.finished);
    EXPECT_EQ(r.exitCode, 0) << r.errors.toStdString();
    ASSERT_EQ(r.out.size(), 1);
    EXPECT_TRUE(r.out[0].contains("\"mode\":\"Income\""));
}

} // namespace
