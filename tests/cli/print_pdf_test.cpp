// Printing to PDF through selvane-cli: the same pages the printer gets, read back as text.

#include <gtest/gtest.h>

#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>

#include "support/cli_run.h"

namespace {

using selvane::testing::CliRun;
using selvane::testing::runCli;

QString runPdfToText(const QString& pdf, int page) {
    QProcess p;
    p.start("pdftotext",
            {"-layout", "-f", QString::number(page), "-l", QString::number(page), pdf, "-"});
    if (!p.waitForFinished(30000) || p.exitCode() != 0)
        return "<pdftotext failed>";
    return QString::fromUtf8(p.readAllStandardOutput());
}

TEST(PrintPdf, SummaryOnPageOneAndRow51TopsPageTwo) {
    if (QStandardPaths::findExecutable("pdftotext").isEmpty())
        GTEST_FAIL() << "pdftotext (poppler-utils) is missing: scripts/install-deps installs it";
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    QProcess cli;
    cli.setWorkingDirectory(dir.path());
    cli.start(QStringLiteral(SELVANE_CLI), {});
    cli.write("mode Income\nclear 5\ntype 5 120\nenter 5\nprint report.pdf\n");
    cli.closeWriteChannel();
    ASSERT_TRUE(cli.waitForFinished(60000));
    ASSERT_EQ(cli.exitCode(), 0) << cli.readAllStandardError().toStdString();

    const QString pdf = dir.filePath("report.pdf");
    const QString page1 = runPdfToText(pdf, 1);
    EXPECT_TRUE(page1.contains("Starting Balance = $50,000.00")) << page1.toStdString();
    EXPECT_TRUE(page1.contains("Interest Paid= $21,221.06"));
    EXPECT_TRUE(page1.contains("Principal"));
    const QString page2 = runPdfToText(pdf, 2);
    const QStringList rows = page2.split('\n', Qt::SkipEmptyParts);
    ASSERT_FALSE(rows.isEmpty());
    EXPECT_TRUE(rows.first().simplified().startsWith("51 593.51 33182.46 16817.54 13451.41"))
        << rows.first().toStdString();
    EXPECT_FALSE(page2.contains("Starting Balance")); // no repeated heading
    EXPECT_TRUE(runPdfToText(pdf, 3).contains("120 593.51 0.00 50000.00 21221.06") ||
                runPdfToText(pdf, 3).simplified().contains("120 593.51 0.00 50000.00 21221.06"));
}

// The sheet size of a PDF's first page, in points, as "width x height".
QString sheetSize(const QString& pdf) {
    QProcess p;
    p.start("pdftotext", {"-bbox", "-l", "1", pdf, "-"});
    if (!p.waitForFinished(30000) || p.exitCode() != 0)
        return "<pdftotext failed>";
    static const QRegularExpression page(R"re(<page width="([\d.]+)" height="([\d.]+)")re");
    const auto m = page.match(QString::fromUtf8(p.readAllStandardOutput()));
    return m.hasMatch() ? QString::number(qRound(m.captured(1).toDouble())) + " x " +
                              QString::number(qRound(m.captured(2).toDouble()))
                        : "<no page>";
}

// `paper` sets the sheet of the next PDF printouts; without it, A4. Plain text has no sheet: it
// comes out the same whatever the paper.
TEST(PrintPdf, PaperChoosesTheSheet) {
    if (QStandardPaths::findExecutable("pdftotext").isEmpty())
        GTEST_FAIL() << "pdftotext (poppler-utils) is missing: scripts/install-deps installs it";
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const CliRun run = runCli(dir.path(), "print a4.pdf\n"
                                          "print plain.txt\n"
                                          "paper Letter 6.35\n"
                                          "print letter.pdf\n"
                                          "print letter.txt\n"
                                          "paper Legal 0\n"
                                          "print legal.pdf\n"
                                          "print legal-again.pdf\n"
                                          "paper A4 12.7\n"
                                          "print a4-wide-margins.pdf\n");
    ASSERT_EQ(run.exitCode, 0) << run.errors.toStdString();
    EXPECT_EQ(sheetSize(dir.filePath("a4.pdf")), "595 x 842");
    EXPECT_EQ(sheetSize(dir.filePath("letter.pdf")), "612 x 792");
    EXPECT_EQ(sheetSize(dir.filePath("legal.pdf")), "612 x 1008");
    EXPECT_EQ(sheetSize(dir.filePath("legal-again.pdf")), "612 x 1008");
    EXPECT_EQ(sheetSize(dir.filePath("a4-wide-margins.pdf")), "595 x 842");
    QFile plain(dir.filePath("plain.txt")), letter(dir.filePath("letter.txt"));
    ASSERT_TRUE(plain.open(QIODevice::ReadOnly) && letter.open(QIODevice::ReadOnly));
    EXPECT_EQ(plain.readAll(), letter.readAll());
}

} // namespace
