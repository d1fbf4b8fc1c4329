#pragma once
// What a reader of a PDF sees, through poppler's pdftotext: each sheet's text as laid out, and
// each sheet's size with its words and their boxes.

#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QString>
#include <QStringList>
#include <vector>

namespace selvane::testing {

inline bool havePdfToText() {
    return !QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty();
}

// The text of each sheet, as pdftotext lays it out (each sheet ends with a form feed).
inline QStringList pdfPages(const QString& pdf) {
    QProcess p;
    p.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), pdf, QStringLiteral("-")});
    if (!p.waitForFinished(60000) || p.exitCode() != 0)
        return {QStringLiteral("<pdftotext failed>")};
    return QString::fromUtf8(p.readAllStandardOutput())
        .split(QLatin1Char('\f'), Qt::SkipEmptyParts);
}

struct Word {
    QString text;
    double xMin, yMin, xMax, yMax;
};
struct Sheet {
    double width = 0, height = 0; // points
    std::vector<Word> words;
};

// Every sheet of a PDF with its words and their boxes, in points from the top left corner.
inline std::vector<Sheet> readSheets(const QString& pdf) {
    QProcess p;
    p.start("pdftotext", {"-bbox", pdf, "-"});
    if (!p.waitForFinished(60000) || p.exitCode() != 0)
        return {};
    const QString html = QString::fromUtf8(p.readAllStandardOutput());
    static const QRegularExpression tag(
        R"re(<page width="([\d.]+)" height="([\d.]+)">|<word xMin="([\d.]+)" yMin="([\d.]+)" )re"
        R"re(xMax="([\d.]+)" yMax="([\d.]+)">([^<]*)</word>)re");
    std::vector<Sheet> sheets;
    for (auto it = tag.globalMatch(html); it.hasNext();) {
        const auto m = it.next();
        if (!m.captured(1).isEmpty()) {
            sheets.push_back({m.captured(1).toDouble(), m.captured(2).toDouble(), {}});
        } else if (!sheets.empty()) {
            QString text = m.captured(7);
            text.replace("&amp;", "&").replace("&lt;", "<").replace("&gt;", ">");
            sheets.back().words.push_back({text, m.captured(3).toDouble(), m.captured(4).toDouble(),
                                           m.captured(5).toDouble(), m.captured(6).toDouble()});
        }
    }
    return sheets;
}

inline const Word* find(const Sheet& sheet, const QString& text) {
    for (const Word& w : sheet.words)
        if (w.text == text)
            return &w;
    return nullptr;
}

} // namespace selvane::testing
