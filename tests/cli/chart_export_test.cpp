// The chart picture and the spreadsheet files through selvane-cli: what lands on disk.

#include <gtest/gtest.h>

#include <QFile>
#include <QImage>
#include <QSet>
#include <QTemporaryDir>
#include <QXmlStreamReader>

#include "support/cli_run.h"
#include "support/files.h"

namespace {

using selvane::testing::CliRun;
using selvane::testing::runCli;
using selvane::testing::slurp;

// Distinct colours in a picture: a blank or one-colour picture has one or two.
int colourCount(const QImage& image) {
    QSet<QRgb> seen;
    for (int y = 0; y < image.height(); y += 3)
        for (int x = 0; x < image.width(); x += 3)
            seen.insert(image.pixel(x, y));
    return static_cast<int>(seen.size());
}

TEST(ChartCli, PngAndSvgByTheNamesEnding) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const CliRun run = runCli(dir.path(), "mode Mortgage\n"
                                          "calculate\n"
                                          "chart loan.png\n"
                                          "chart LOAN.SVG\n"
                                          "chart loan.jpeg\n"
                                          "chart no-such-folder/loan.png\n");
    ASSERT_EQ(run.exitCode, 0) << run.errors.toStdString();

    const QImage png(dir.filePath("loan.png"), "PNG");
    ASSERT_FALSE(png.isNull());
    EXPECT_EQ(png.size(), QSize(1000, 600));
    EXPECT_GT(colourCount(png), 8); // lines, bars, axes and text, not an empty sheet

    QXmlStreamReader svg(QByteArray::fromStdString(slurp(dir.filePath("LOAN.SVG").toStdString())));
    ASSERT_TRUE(svg.readNextStartElement()) << svg.errorString().toStdString();
    EXPECT_EQ(svg.name(), QStringLiteral("svg"));
    EXPECT_TRUE(svg.attributes().value("viewBox").toString().endsWith("1000 600"))
        << svg.attributes().value("viewBox").toString().toStdString();
    int lines = 0, texts = 0;
    while (!svg.atEnd()) {
        if (svg.readNext() != QXmlStreamReader::StartElement)
            continue;
        lines += svg.name() == QStringLiteral("polyline") || svg.name() == QStringLiteral("path");
        texts += svg.name() == QStringLiteral("text");
    }
    EXPECT_FALSE(svg.hasError()) << svg.errorString().toStdString();
    EXPECT_GT(lines, 10); // the three lines and the grid
    EXPECT_GT(texts, 10); // ticks, axis titles and legends

    // Another ending is no picture format, and a missing folder is no place: nothing written.
    EXPECT_FALSE(QFile::exists(dir.filePath("loan.jpeg")));
    EXPECT_FALSE(QFile::exists(dir.filePath("no-such-folder")));
}

TEST(ChartCli, ChartWritesAfterAPrintoutStartedTheApplication) {
    // Printing to PDF starts Qt first; the chart must still be drawn in the same run.
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const CliRun run = runCli(dir.path(), "print first.pdf\nchart after.png\n");
    ASSERT_EQ(run.exitCode, 0) << run.errors.toStdString();
    EXPECT_TRUE(QFile::exists(dir.filePath("first.pdf")));
    EXPECT_FALSE(QImage(dir.filePath("after.png")).isNull());
}

} // namespace
