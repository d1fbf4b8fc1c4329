#pragma once
// How the test tools read selvane-cli's dumps: one JSON object a line, compared with the
// members a test expects, and checked for the shape every dump has. Shared by the session
// tests, the hostile scripts' checker and the fuzz targets, so they agree on what a dump is.

#include <QByteArray>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QJsonParseError>
#include <QJsonValue>
#include <QString>
#include <QStringList>
#include <QVariant>
#include <algorithm>
#include <cmath>
#include <optional>

namespace selvane::testing {

// One dump line as a JSON object; nullopt, with the reason in *error, when it is not one.
inline std::optional<QJsonObject> parseDump(const QByteArray& line, QString* error = nullptr) {
    QJsonParseError e{};
    const QJsonDocument doc = QJsonDocument::fromJson(line, &e);
    if (e.error != QJsonParseError::NoError || !doc.isObject()) {
        if (error)
            *error = e.error != QJsonParseError::NoError
                         ? QStringLiteral("%1 at %2").arg(e.errorString()).arg(e.offset)
                         : QStringLiteral("not an object");
        return std::nullopt;
    }
    return doc.object();
}

// Expected members only: every member want names must be in got with that value (numbers to a
// relative 1e-9, arrays entry by entry and of the same length). One message per difference.
inline void compareMembers(const QJsonValue& got, const QJsonValue& want, const QString& path,
                           QStringList& errors) {
    if (want.isObject()) {
        const QJsonObject w = want.toObject(), g = got.toObject();
        for (auto it = w.begin(); it != w.end(); ++it) {
            if (!g.contains(it.key()))
                errors << path + "." + it.key() + " missing";
            else
                compareMembers(g.value(it.key()), it.value(), path + "." + it.key(), errors);
        }
    } else if (want.isArray()) {
        const QJsonArray w = want.toArray(), g = got.toArray();
        if (w.size() != g.size()) {
            errors << QString("%1: %2 entries, expected %3").arg(path).arg(g.size()).arg(w.size());
            return;
        }
        for (qsizetype i = 0; i < w.size(); ++i)
            compareMembers(g.at(i), w.at(i), QString("%1[%2]").arg(path).arg(i), errors);
    } else if (want.isDouble()) {
        const double w = want.toDouble(), g = got.toDouble();
        if (!got.isDouble() || std::fabs(g - w) > 1e-9 * std::max(1.0, std::fabs(w)))
            errors << QString("%1: %2, expected %3")
                          .arg(path, got.toVariant().toString(), QString::number(w, 'g', 17));
    } else if (got != want) {
        // Texts can be long (a report): show where they part.
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

// The payment rows of a dumped report: its lines less the summary block and heading.
inline qint64 reportRows(const QString& report) {
    return report.isEmpty() ? 0 : report.count(QStringLiteral("\r\n")) - 9;
}

// The shape every dump has, whatever the calculator was put through; one message per fault.
inline void checkDumpShape(const QJsonObject& o, const QString& where, QStringList& errors) {
    for (const char* key : {"caption", "mode", "scenarioFile", "helpTopic", "comments", "report"})
        if (!o.value(key).isString())
            errors << where + ": " + key + " is not a string";
    const QJsonArray results = o.value("results").toArray();
    const int resultType = o.value("resultType").toInt(-2);
    if (resultType < -1 || resultType >= results.size())
        errors << where + ": resultType out of range";
    const QJsonArray fields = o.value("fields").toArray();
    if (fields.size() != 17)
        errors << where + QString(": %1 fields").arg(fields.size());
    for (const auto& f : fields) {
        const QJsonObject fo = f.toObject();
        if (!fo.value("text").isString() || !fo.value("caption").isString() ||
            !fo.value("locked").isBool() || !fo.value("enabled").isBool())
            errors << where + ": a field without text, caption, locked or enabled";
    }
    const QJsonObject stored = o.value("stored").toObject();
    if (stored.size() != 19)
        errors << where + QString(": %1 stored values").arg(stored.size());
    for (auto it = stored.begin(); it != stored.end(); ++it)
        if (!it.value().isNull() && !it.value().isDouble())
            errors << where + ": stored " + it.key() + " is not a number";
    if (reportRows(o.value("report").toString()) > 10'000'000)
        errors << where + ": more than ten million rows";
}

} // namespace selvane::testing
