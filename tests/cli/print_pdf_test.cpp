// Printing to PDF through selvane-cli. What is on the pages is the plain-text printout's
// (recorded in tests/cli/sessions/17-print-120-rows), and the painter puts those words on every
// sheet (tests/print); here the paper command chooses the sheet.

#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

#include "support/cli_run.h"
#include "support/pdf_text.h"

namespace {

using namespace selvane::testing;

// The sheet size of a PDF's first page, in points, as "width x height".
QString sheetSize(const QString& pdf) {
    const auto sheets = readSheets(pdf);
    return sheets.empty() ? "<no page>"
                          : QString::number(qRound(sheets[0].width)) + " x " +
                                QString::number(qRound(sheets[0].height));
}

// `paper` sets the sheet of the next PDF printouts; without it, A4. Plain text has no sheet: it
// comes out the same whatever the paper.
TEST(PrintPdf, PaperChoosesTheSheet) {
    if (!havePdfToText())
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
