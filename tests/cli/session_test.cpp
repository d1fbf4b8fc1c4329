// Whole-program stories: each script runs through the real selvane-cli in a fresh folder with
// the help topics, and every dump must show the expected members.

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>
#include <cmath>

namespace {

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

// Expected members only: our own cases list just what they are about.
void compare(const QJsonValue& got, const QJsonValue& want, const QString& path,
             QStringList& errors) {
    if (want.isObject()) {
        const QJsonObject w = want.toObject(), g = got.toObject();
        for (auto it = w.begin(); it != w.end(); ++it) {
            if (!g.contains(it.key()))
                errors << path + "." + it.key() + " missing";
            else
                compare(g.value(it.key()), it.value(), path + "." + it.key(), errors);
        }
    } else if (want.isArray()) {
        const QJsonArray w = want.toArray(), g = got.toArray();
        if (w.size() != g.size()) {
            errors << QString("%1: %2 entries, expected %3").arg(path).arg(g.size()).arg(w.size());
            return;
        }
        for (qsizetype i = 0; i < w.size(); ++i)
            compare(g.at(i), w.at(i), QString("%1[%2]").arg(path).arg(i), errors);
    } else if (want.isDouble()) {
        const double w = want.toDouble(), g = got.toDouble();
        if (!got.isDouble() || std::fabs(g - w) > 1e-9 * std::max(1.0, std::fabs(w)))
            errors << QString("%1: %2, expected %3")
                          .arg(path, got.toVariant().toString(), QString::number(w, 'g', 17));
    } else if (got != want) {
        QString g = got.toVariant().toString(), w = want.toVariant().toString();
        qsizetype at = 0;
        while (at < g.size() && at < w.size() && g[at] == w[at])
            ++at;
        errors << QString("%1 differs at %2: ...%3... expected ...%4...")
                      .arg(path)
                      .arg(at)
                      .arg(g.mid(std::max<qsizetype>(0, at - 40), 80),
                           w.mid(std::max<qsizetype>(0, at - 40), 80));
    }
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

    QProcess cli;
    cli.setWorkingDirectory(work.path());
    cli.start(QStringLiteral(SELVANE_CLI), {base + ".script"});
    ASSERT_TRUE(cli.waitForFinished(60000)) << "selvane-cli did not finish";
    const QList<QByteArray> lines = cli.readAllStandardOutput().split('\n');
    const QString stderrText = QString::fromUtf8(cli.readAllStandardError());

    QFile errorFile(base + ".error");
    if (errorFile.open(QIODevice::ReadOnly)) {
        EXPECT_EQ(cli.exitCode(), 2);
        EXPECT_TRUE(stderrText.startsWith(QString::fromUtf8(errorFile.readAll()).trimmed()))
            << stderrText.toStdString();
    } else {
        EXPECT_EQ(cli.exitCode(), 0) << stderrText.toStdString();
    }

    QFile expectedFile(base + ".expected.jsonl");
    ASSERT_TRUE(expectedFile.open(QIODevice::ReadOnly));
    QList<QByteArray> expected = expectedFile.readAll().split('\n');
    auto dropEmpty = [](QList<QByteArray>& l) {
        l.removeIf([](const QByteArray& b) { return b.trimmed().isEmpty(); });
    };
    QList<QByteArray> got = lines;
    dropEmpty(got);
    dropEmpty(expected);
    ASSERT_EQ(got.size(), expected.size()) << "number of dumps";
    for (qsizetype i = 0; i < got.size(); ++i) {
        QJsonParseError e{};
        const QJsonDocument g = QJsonDocument::fromJson(got[i], &e);
        ASSERT_EQ(e.error, QJsonParseError::NoError) << "dump " << i << " is not JSON";
        QStringList errors;
        compare(g.object(), QJsonDocument::fromJson(expected[i]).object(), QString("dump%1").arg(i),
                errors);
        for (const QString& err : errors)
            ADD_FAILURE() << err.toStdString();
    }

    // Files the script must write, byte for byte: NAME.<file>.
    const QDir folder(QFileInfo(base).path());
    const QString prefix = QFileInfo(base).fileName() + ".";
    for (const QString& f : folder.entryList({prefix + "*"}, QDir::Files)) {
        const QString produced = f.mid(prefix.size());
        if (produced == "script" || produced == "expected.jsonl" || produced == "error")
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
