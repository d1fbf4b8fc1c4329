// Printing to PDF through selvane-cli: the same pages the printer gets, read back as text.

#include <gtest/gtest.h>

#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>

namespace {

QString runPdfToText(const QString& pdf, int page) {
    QProcess p;
    p.start("pdftotext", {"-layout", "-f", QString::number(page), "-l", QString::number(page),
                          pdf, "-"});
    if (!p.waitForFinished(30000) || p.exitCode() != 0) return "<pdftotext failed>";
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

} // namespace
