// Runs one hostile script through the real selvane-cli and checks that it survives: exit status
// 0, nothing on standard error, one line of well-formed JSON for every `dump`, and whatever the
// script states about a dump in the comment lines just before it:
//   #> {"stored":{"PERS":1e9}}   these members, as in the cli session tests (numbers to 1e-9)
//   #> same-report               the report is the one the previous dump showed
//   #> rows N                    the report has N payment rows
//
//   selvane_hostile_check CLI HELP_DIR FILES_DIR SCRIPT

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>
#include <cmath>
#include <cstdio>

#include "core/fields.h"

namespace {

struct Expectations {
    QList<QJsonObject> members;
    bool sameReport = false;
    qint64 rows = -1;
};

QStringList g_errors;

void fail(const QString& message) {
    g_errors << message;
}

// Subset comparison: every member the expectation names must be there with that value.
void compare(const QJsonValue& got, const QJsonValue& want, const QString& path) {
    if (want.isObject()) {
        const QJsonObject w = want.toObject(), g = got.toObject();
        for (auto it = w.begin(); it != w.end(); ++it) {
            if (!g.contains(it.key()))
                fail(path + "." + it.key() + " missing");
            else
                compare(g.value(it.key()), it.value(), path + "." + it.key());
        }
    } else if (want.isArray()) {
        const QJsonArray w = want.toArray(), g = got.toArray();
        if (w.size() != g.size())
            return fail(
                QString("%1: %2 entries, expected %3").arg(path).arg(g.size()).arg(w.size()));
        for (qsizetype i = 0; i < w.size(); ++i)
            compare(g.at(i), w.at(i), QString("%1[%2]").arg(path).arg(i));
    } else if (want.isDouble()) {
        const double w = want.toDouble(), g = got.toDouble();
        if (!got.isDouble() || std::fabs(g - w) > 1e-9 * std::max(1.0, std::fabs(w)))
            fail(QString("%1: %2, expected %3")
                     .arg(path, got.toVariant().toString(), QString::number(w, 'g', 17)));
    } else if (got != want) {
        fail(QString("%1: %2, expected %3")
                 .arg(path, got.toVariant().toString(), want.toVariant().toString()));
    }
}

qint64 reportRows(const QString& report) {
    return report.isEmpty() ? 0 : report.count(QStringLiteral("\r\n")) - 9;
}

// The shape every dump has, whatever the calculator was put through.
void checkShape(const QJsonObject& o, const QString& where) {
    for (const char* key : {"caption", "mode", "scenarioFile", "helpTopic", "comments", "report"})
        if (!o.value(key).isString())
            fail(where + ": " + key + " is not a string");
    const QJsonArray results = o.value("results").toArray();
    const int resultType = o.value("resultType").toInt(-2);
    if (resultType < -1 || resultType >= results.size())
        fail(where + ": resultType out of range");
    const QJsonArray fields = o.value("fields").toArray();
    if (fields.size() != selvane::kFieldCount)
        fail(where + QString(": %1 fields").arg(fields.size()));
    for (const auto& f : fields) {
        const QJsonObject fo = f.toObject();
        if (!fo.value("text").isString() || !fo.value("locked").isBool() ||
            !fo.value("enabled").isBool())
            fail(where + ": a field without text, locked or enabled");
    }
    const QJsonObject stored = o.value("stored").toObject();
    if (stored.size() != 19)
        fail(where + QString(": %1 stored values").arg(stored.size()));
    for (auto it = stored.begin(); it != stored.end(); ++it)
        if (!it.value().isNull() && !it.value().isDouble())
            fail(where + ": stored " + it.key() + " is not a number");
    if (reportRows(o.value("report").toString()) > 10'000'000)
        fail(where + ": more than ten million rows");
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
    int lineNo = 0;
    for (const QByteArray& raw : scriptFile.readAll().split('\n')) {
        ++lineNo;
        const QByteArray line = raw.trimmed();
        if (line.startsWith("#> ")) {
            const QByteArray what = line.mid(3).trimmed();
            if (what == "same-report") {
                pending.sameReport = true;
            } else if (what.startsWith("rows ")) {
                pending.rows = what.mid(5).toLongLong();
            } else {
                QJsonParseError e{};
                const QJsonDocument d = QJsonDocument::fromJson(what, &e);
                if (e.error != QJsonParseError::NoError || !d.isObject()) {
                    std::fprintf(stderr, "line %d: unreadable expectation\n", lineNo);
                    return 2;
                }
                pending.members << d.object();
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
    if (!err.isEmpty())
        fail("standard error: " + QString::fromUtf8(err.left(500)));

    QList<QByteArray> lines = cli.readAllStandardOutput().split('\n');
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    if (lines.size() != expected.size())
        fail(QString("%1 dumps printed, the script has %2").arg(lines.size()).arg(expected.size()));

    QString previousReport;
    for (qsizetype i = 0; i < lines.size() && i < expected.size(); ++i) {
        const QString where = QString("dump %1").arg(i + 1);
        QJsonParseError e{};
        const QJsonDocument doc = QJsonDocument::fromJson(lines[i], &e);
        if (e.error != QJsonParseError::NoError || !doc.isObject()) {
            fail(where + ": not a JSON object: " + e.errorString());
            continue;
        }
        const QJsonObject o = doc.object();
        checkShape(o, where);
        const Expectations& x = expected[i];
        for (const QJsonObject& m : x.members)
            compare(o, m, where);
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
