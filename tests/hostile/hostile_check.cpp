// Runs one hostile script through the real selvane-cli and checks that it survives: exit status
// 0, on standard error exactly the lines the script's "#! " comments give (failed writes), one
// line of well-formed JSON for every `dump`, and whatever the script states about a dump in the
// comment lines just before it:
//   #> {"stored":{"PERS":1e9}}   these members, as in the cli session tests (numbers to 1e-9)
//   #> same-report               the report is the one the previous dump showed
//   #> rows N                    the report has N payment rows
//
//   selvane_hostile_check CLI HELP_DIR FILES_DIR SCRIPT

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>
#include <cstdio>

#include "support/json_compare.h"

namespace {

using selvane::testing::checkDumpShape;
using selvane::testing::compareMembers;
using selvane::testing::parseDump;
using selvane::testing::reportRows;

struct Expectations {
    QList<QJsonObject> members;
    bool sameReport = false;
    qint64 rows = -1;
};

QStringList g_errors;

void fail(const QString& message) {
    g_errors << message;
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    if (argc != 5) {
        std::fprintf(stderr, "usage: selvane_hostile_check CLI HELP_DIR FILES_DIR SCRIPT\n");
        return 2;
    }
    // Absolute: selvane-cli runs in a scratch folder.
    const QString cliPath = QFileInfo(QString::fromLocal8Bit(argv[1])).absoluteFilePath();
    const QString scriptPath = QFileInfo(QString::fromLocal8Bit(argv[4])).absoluteFilePath();

    QFile scriptFile(scriptPath);
    if (!scriptFile.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "cannot read %s\n", argv[4]);
        return 2;
    }
    // The expectations of each dump, in order.
    QList<Expectations> expected;
    Expectations pending;
    QByteArray expectedErrors;
    int lineNo = 0;
    for (const QByteArray& raw : scriptFile.readAll().split('\n')) {
        ++lineNo;
        const QByteArray line = raw.trimmed();
        if (line.startsWith("#! ")) {
            expectedErrors += line.mid(3) + '\n';
        } else if (line.startsWith("#> ")) {
            const QByteArray what = line.mid(3).trimmed();
            if (what == "same-report") {
                pending.sameReport = true;
            } else if (what.startsWith("rows ")) {
                pending.rows = what.mid(5).toLongLong();
            } else {
                const auto members = parseDump(what);
                if (!members) {
                    std::fprintf(stderr, "line %d: unreadable expectation\n", lineNo);
                    return 2;
                }
                pending.members << *members;
            }
        } else if (line == "dump") {
            expected << pending;
            pending = {};
        }
    }

    QTemporaryDir work;
    for (const char* from : {argv[2], argv[3]}) {
        const QDir dir(QString::fromLocal8Bit(from));
        for (const QString& f : dir.entryList(QDir::Files))
            QFile::copy(dir.filePath(f), work.filePath(f));
    }
    QProcess cli;
    cli.setWorkingDirectory(work.path());
    cli.start(cliPath, {scriptPath});
    if (!cli.waitForFinished(-1))
        fail("selvane-cli did not run: " + cli.errorString());
    if (cli.exitStatus() != QProcess::NormalExit || cli.exitCode() != 0)
        fail(QString("exit status %1, crashed: %2")
                 .arg(cli.exitCode())
                 .arg(cli.exitStatus() != QProcess::NormalExit));
    const QByteArray err = cli.readAllStandardError();
    if (err != expectedErrors)
        fail("standard error: " + QString::fromUtf8(err.left(500)));

    QList<QByteArray> lines = cli.readAllStandardOutput().split('\n');
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    if (lines.size() != expected.size())
        fail(QString("%1 dumps printed, the script has %2").arg(lines.size()).arg(expected.size()));

    QString previousReport;
    for (qsizetype i = 0; i < lines.size() && i < expected.size(); ++i) {
        const QString where = QString("dump %1").arg(i + 1);
        QString why;
        const auto dump = parseDump(lines[i], &why);
        if (!dump) {
            fail(where + ": not a JSON object: " + why);
            continue;
        }
        const QJsonObject& o = *dump;
        checkDumpShape(o, where, g_errors);
        const Expectations& x = expected[i];
        for (const QJsonObject& m : x.members)
            compareMembers(o, m, where, g_errors);
        const QString report = o.value("report").toString();
        if (x.sameReport && report != previousReport)
            fail(where + ": the report changed");
        if (x.rows >= 0 && reportRows(report) != x.rows)
            fail(where + QString(": %1 rows, expected %2").arg(reportRows(report)).arg(x.rows));
        previousReport = report;
    }

    for (const QString& e : g_errors)
        std::fprintf(stderr, "%s\n", e.toUtf8().constData());
    if (!g_errors.isEmpty())
        return 1;
    std::printf("%lld dumps checked\n", static_cast<long long>(lines.size()));
    return 0;
}
