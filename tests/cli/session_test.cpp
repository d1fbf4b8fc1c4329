// Whole-program stories: each script runs through the real selvane-cli in a fresh folder with
// the help topics, and every dump must show the expected members.

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QJsonObject>
#include <QTemporaryDir>

#include "support/cli_run.h"
#include "support/json_compare.h"

namespace {

using selvane::testing::CliRun;
using selvane::testing::compareMembers;
using selvane::testing::parseDump;
using selvane::testing::runCli;

const QString kRoot = QStringLiteral(SELVANE_SESSIONS);

std::vector<std::string> scripts() {
    std::vector<std::string> names;
    for (const char* folder : {"sessions", "cases"}) {
        const QDir dir(kRoot + "/" + folder);
        for (const QString& f : dir.entryList({"*.script"}, QDir::Files, QDir::Name))
            names.push_back(std::string(folder) + "/" + f.chopped(7).toStdString());
    }
    return names;
}

class Session : public ::testing::TestWithParam<std::string> {};

TEST_P(Session, DumpsAndFilesMatch) {
    const QString name = QString::fromStdString(GetParam());
    const QString base = kRoot + "/" + name;
    QTemporaryDir work;
    ASSERT_TRUE(work.isValid());
    const QDir help(kRoot + "/help");
    for (const QString& f : help.entryList(QDir::Files))
        ASSERT_TRUE(QFile::copy(help.filePath(f), work.filePath(f)));

    // Files the script reads: NAME.in.<file>, as <file> in its folder.
    const QDir cases(QFileInfo(base).path());
    const QString input = QFileInfo(base).fileName() + ".in.";
    for (const QString& f : cases.entryList({input + "*"}, QDir::Files))
        ASSERT_TRUE(QFile::copy(cases.filePath(f), work.filePath(f.mid(input.size()))));

    const CliRun cli = runCli(work.path(), {base + ".script"}, {});
    ASSERT_TRUE(cli.finished) << "selvane-cli did not finish";

    QFile errorFile(base + ".error");
    if (errorFile.open(QIODevice::ReadOnly)) {
        EXPECT_EQ(cli.exitCode, 2);
        EXPECT_TRUE(cli.errors.startsWith(QString::fromUtf8(errorFile.readAll()).trimmed()))
            << cli.errors.toStdString();
    } else {
        EXPECT_EQ(cli.exitCode, 0) << cli.errors.toStdString();
    }

    QFile expectedFile(base + ".expected.jsonl");
    ASSERT_TRUE(expectedFile.open(QIODevice::ReadOnly));
    QList<QByteArray> expected = expectedFile.readAll().split('\n');
    expected.removeIf([](const QByteArray& b) { return b.trimmed().isEmpty(); });
    const QList<QByteArray>& got = cli.out; // without empty lines
    ASSERT_EQ(got.size(), expected.size()) << "number of dumps";
    for (qsizetype i = 0; i < got.size(); ++i) {
        QString why;
        const auto g = parseDump(got[i], &why);
        ASSERT_TRUE(g) << "dump " << i << " is not JSON: " << why.toStdString();
        const auto want = parseDump(expected[i], &why);
        ASSERT_TRUE(want) << "expected dump " << i << ": " << why.toStdString();
        // Expected members only: our own cases list just what they are about.
        QStringList errors;
        compareMembers(*g, *want, QString("dump%1").arg(i), errors);
        for (const QString& err : errors)
            ADD_FAILURE() << err.toStdString();
    }

    // Files the script must write, byte for byte: NAME.<file>.
    const QDir folder(QFileInfo(base).path());
    const QString prefix = QFileInfo(base).fileName() + ".";
    for (const QString& f : folder.entryList({prefix + "*"}, QDir::Files)) {
        const QString produced = f.mid(prefix.size());
        if (produced == "script" || produced == "expected.jsonl" || produced == "error" ||
            produced.startsWith("in."))
            continue;
        QFile want(folder.filePath(f)), have(work.filePath(produced));
        ASSERT_TRUE(want.open(QIODevice::ReadOnly));
        ASSERT_TRUE(have.open(QIODevice::ReadOnly)) << produced.toStdString() << " not written";
        EXPECT_EQ(have.readAll(), want.readAll()) << produced.toStdString() << " differs";
    }
}

INSTANTIATE_TEST_SUITE_P(Scripts, Session, ::testing::ValuesIn(scripts()), [](const auto& p) {
    std::string n = p.param;
    for (char& c : n)
        if (!std::isalnum(static_cast<unsigned char>(c)))
            c = '_';
    return n;
});

} // namespace
