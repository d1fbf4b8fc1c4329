// File > Print Preview and File > Export Report ... through the window: the preview's pages are
// File > Print's pages, printing from it prints them, and the export writes the report's rows.

#include <QAbstractItemView>
#include <QAction>
#include <QComboBox>
#include <QCompleter>
#include <QDialogButtonBox>
#include <QFile>
#include <QFileDialog>
#include <QLineEdit>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QProcess>
#include <QPushButton>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>
#include <sys/stat.h>

#include "core/report_export.h"
#include "desktop/frm_fincalc.h"
#include "window_fixture.h"

using namespace selvane;

class PreviewExportTest : public QObject {
    Q_OBJECT
  private slots:
    void init();
    void cleanup();
    void previewShowsThePagesOfPrint();
    void printingFromThePreviewPrintsThosePages();
    void closingThePreviewPrintsNothing();
    void cancelledOrFailedExportKeepsWhatWasThere();
    void fileDialogsThroughTheRealDialog_data();
    void fileDialogsThroughTheRealDialog();

  private:
    void trigger(const char* name) {
        auto* a = m_fake.window->findChild<QAction*>(QLatin1String(name));
        QVERIFY2(a, name);
        a->trigger();
    }
    void printToPdf(const QString& path) {
        m_fake.dialogs.printAccepted = true;
        m_fake.dialogs.printFile = path;
        trigger("mnPrint");
        m_fake.dialogs.printFile.reset();
    }

    FakeWindow m_fake; // the window, its fakes and the modal watchdog
    QTemporaryDir m_dir;
};

void PreviewExportTest::init() {
    QVERIFY(m_fake.open());
}

void PreviewExportTest::cleanup() {
    const QStringList modal = m_fake.close();
    QVERIFY2(modal.isEmpty(), qPrintable(modal.join(", ")));
}

namespace {

void requireTool(const char* tool) {
    if (QStandardPaths::findExecutable(QLatin1String(tool)).isEmpty())
        QFAIL(qPrintable(QStringLiteral("%1 (poppler-utils) is missing: scripts/install-deps "
                                        "installs it")
                             .arg(QLatin1String(tool))));
}

QByteArray fileBytes(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
}

// Each sheet of a PDF as a picture: two PDFs made at different times differ in their dates,
// but the same pages rasterise to the same pixels.
QList<QByteArray> sheetPictures(const QString& pdf, const QString& prefix) {
    QProcess p;
    p.start(QStringLiteral("pdftoppm"),
            {QStringLiteral("-r"), QStringLiteral("40"), QStringLiteral("-gray"), pdf, prefix});
    if (!p.waitForFinished(60000) || p.exitCode() != 0)
        return {QByteArray("<pdftoppm failed>")};
    QList<QByteArray> sheets;
    const QDir dir = QFileInfo(prefix).dir();
    const QString base = QFileInfo(prefix).fileName();
    for (const QString& f :
         dir.entryList({base + QStringLiteral("-*.pgm")}, QDir::Files, QDir::Name))
        sheets.append(fileBytes(dir.filePath(f)));
    return sheets;
}

} // namespace

// What the preview shows: the page painter over the session printer. The same painter drawn
// into a PDF gives File > Print's sheets, pixel for pixel, and the preview counts as many pages.
void PreviewExportTest::previewShowsThePagesOfPrint() {
    requireTool("pdftoppm");
    const QString printed = m_dir.filePath(QStringLiteral("print.pdf"));
    printToPdf(printed);
    const QList<QByteArray> printSheets = sheetPictures(printed, m_dir.filePath("print"));
    QVERIFY(printSheets.size() >= 2); // 60 payments: two sheets

    int previewPages = -1;
    QString previewed = m_dir.filePath(QStringLiteral("preview.pdf"));
    m_fake.dialogs.onPreview = [&](QPrinter& printer, const Dialogs::PaintOnto& paint) {
        QPrintPreviewWidget widget(&printer);
        connect(&widget, &QPrintPreviewWidget::paintRequested, &widget,
                [&](QPrinter* p) { paint(*p); });
        widget.updatePreview();
        previewPages = widget.pageCount();
        // The preview's own painting, into a PDF of the same paper.
        QPrinter pdf(QPrinter::HighResolution);
        pdf.setOutputFormat(QPrinter::PdfFormat);
        pdf.setOutputFileName(previewed);
        pdf.setPageLayout(printer.pageLayout());
        const FinCalc& calc = m_fake.window->calc();
        return paintPages(PrintedPages::layout(calc.reportInputs(), calc.currency()), pdf, {},
                          printerRange(pdf));
    };
    trigger("mnPrintPreview");
    QCOMPARE(m_fake.dialogs.previewCalls, 1);
    QCOMPARE(previewPages, static_cast<int>(printSheets.size()));
    QCOMPARE(sheetPictures(previewed, m_dir.filePath("preview")), printSheets);
}

// Print in the preview paints onto the printer the user chose there: a PDF file is the same file
// File > Print writes, and a page range prints just those sheets.
void PreviewExportTest::printingFromThePreviewPrintsThosePages() {
    requireTool("pdftoppm");
    const QString printed = m_dir.filePath(QStringLiteral("print.pdf"));
    printToPdf(printed);
    const QList<QByteArray> printSheets = sheetPictures(printed, m_dir.filePath("print"));

    const QString fromPreview = m_dir.filePath(QStringLiteral("from-preview.pdf"));
    m_fake.dialogs.onPreview = [&](QPrinter& printer, const Dialogs::PaintOnto& paint) {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(fromPreview);
        return paint(printer);
    };
    trigger("mnPrintPreview");
    QCOMPARE(sheetPictures(fromPreview, m_dir.filePath("from-preview")), printSheets);

    const QString second = m_dir.filePath(QStringLiteral("second.pdf"));
    m_fake.dialogs.onPreview = [&](QPrinter& printer, const Dialogs::PaintOnto& paint) {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(second);
        printer.setPrintRange(QPrinter::PageRange);
        printer.setFromTo(2, 2);
        return paint(printer);
    };
    trigger("mnPrintPreview");
    QCOMPARE(sheetPictures(second, m_dir.filePath("second")), printSheets.mid(1, 1));
}

void PreviewExportTest::closingThePreviewPrintsNothing() {
    const QString printed = m_dir.filePath(QStringLiteral("kept.pdf"));
    printToPdf(printed);
    const QByteArray before = fileBytes(printed);
    trigger("mnPrintPreview"); // closed without printing
    QCOMPARE(m_fake.dialogs.previewCalls, 1);
    QCOMPARE(fileBytes(printed), before);
    QVERIFY(m_fake.messenger.shown.empty());
}

void PreviewExportTest::cancelledOrFailedExportKeepsWhatWasThere() {
    const QString path = m_dir.filePath(QStringLiteral("old.csv"));
    {
        QFile f(path);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("old contents\n");
    }
    m_fake.dialogs.answer.reset(); // Cancel
    trigger("mnExport");
    QCOMPARE(fileBytes(path), QByteArray("old contents\n"));
    QVERIFY(m_fake.messenger.shown.empty());

    // A file the user may not write: refused, the old contents stay, and the user is told.
    QVERIFY(::chmod(QFile::encodeName(path).constData(), 0444) == 0);
    m_fake.dialogs.answer = path;
    trigger("mnExport");
    QCOMPARE(fileBytes(path), QByteArray("old contents\n"));
    QCOMPARE(m_fake.messenger.shown.size(), size_t(1));
    QCOMPARE(m_fake.messenger.shown[0].first, std::string("Export Report"));
    QVERIFY(m_fake.messenger.shown[0].second.find(path.toStdString()) != std::string::npos);
}

namespace {
// Acts on the real file dialog as a user would once it shows: the next file type chosen with the
// keyboard (when asked), the name typed, then Enter in the name or a click on the accept button.
void driveFileDialog(const QString& name, bool nextType, bool clickButton) {
    auto* poll = new QTimer;
    QObject::connect(poll, &QTimer::timeout, poll, [=] {
        auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        if (dialog == nullptr || !dialog->isVisible())
            return;
        poll->deleteLater();
        poll->stop();
        auto* types = dialog->findChild<QComboBox*>(QStringLiteral("fileTypeCombo"));
        auto* edit = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
        auto* buttons = dialog->findChild<QDialogButtonBox*>(QStringLiteral("buttonBox"));
        if (types == nullptr || edit == nullptr || buttons == nullptr) {
            dialog->reject();
            return;
        }
        // Offscreen nothing activates a window by itself; a user's dialog has the focus.
        QApplication::setActiveWindow(dialog);
        if (nextType)
            QTest::keyClick(types, Qt::Key_Down);
        edit->clear();
        QTest::keyClicks(edit, name);
        if (edit->completer() != nullptr)
            edit->completer()->popup()->hide();
        if (clickButton)
            QTest::mouseClick(buttons->buttons().constFirst(), Qt::LeftButton);
        else
            QTest::keyClick(edit, Qt::Key_Return);
        // A dialog the keys did not close fails the test instead of hanging it.
        QTimer::singleShot(2000, dialog, [dialog] { dialog->reject(); });
    });
    poll->start(10);
}
} // namespace

void PreviewExportTest::fileDialogsThroughTheRealDialog_data() {
    QTest::addColumn<QString>("action");
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("nextType");
    QTest::addColumn<bool>("clickButton");
    QTest::addColumn<QString>("written"); // "yearly", "table" or "scenario"
    QTest::newRow("yearly, Enter") << "mnExport"
                                   << "years.csv" << true << false << "yearly";
    QTest::newRow("yearly, Save") << "mnExport"
                                  << "years.csv" << true << true << "yearly";
    QTest::newRow("yearly, no .csv") << "mnExport"
                                     << "years" << true << false << "yearly";
    QTest::newRow("payment table") << "mnExport"
                                   << "table.csv" << false << false << "table";
    QTest::newRow("save as, Save") << "mnSaveAs"
                                   << "plan.fin" << false << true << "scenario";
    QTest::newRow("save as, Enter") << "mnSaveAs"
                                    << "plan.fin" << false << false << "scenario";
    QTest::newRow("chart, SVG") << "cmdSaveImage"
                                << "chart.svg" << true << false << "svg";
}

// Every file dialog through the real Qt dialog: the type the user chose there decides what an
// export writes, whatever way it is confirmed; a Save As writes the scenario, which the Open
// dialog then opens.
void PreviewExportTest::fileDialogsThroughTheRealDialog() {
    QFETCH(QString, action);
    QFETCH(QString, name);
    QFETCH(bool, nextType);
    QFETCH(bool, clickButton);
    QFETCH(QString, written);
    m_fake.watchdog.reset(); // these dialogs are meant to open
    const auto dialogs = makeSystemDialogs();
    frmFinCalc window(
        DesktopServices{dialogs.get(), &m_fake.registry, &m_fake.launcher, &m_fake.messenger});
    window.Form_Load();
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    const QString path = m_dir.filePath(name);
    driveFileDialog(path, nextType, clickButton);
    if (action == "cmdSaveImage") { // the chart window's button
        window.findChild<QAction*>(QStringLiteral("mnChart"))->trigger();
        QWidget* chart = nullptr;
        for (QWidget* w : QApplication::topLevelWidgets())
            if (w->objectName() == QLatin1String("frmChart"))
                chart = w;
        QVERIFY(chart != nullptr);
        QTest::mouseClick(chart->findChild<QPushButton*>(action), Qt::LeftButton);
        chart->close();
    } else {
        window.findChild<QAction*>(action)->trigger();
    }
    QVERIFY(m_fake.messenger.shown.empty());

    const FinCalc& calc = window.calc();
    if (written == "svg") {
        QVERIFY(fileBytes(path).contains("<svg"));
        return;
    }
    if (written == "scenario") {
        QVERIFY2(fileBytes(path).startsWith("\"PersonalLoan\"\r\n"), fileBytes(path).constData());
        frmFinCalc reopened(
            DesktopServices{dialogs.get(), &m_fake.registry, &m_fake.launcher, &m_fake.messenger});
        reopened.Form_Load();
        reopened.findChild<QAction*>(QStringLiteral("mnMortgage"))->trigger();
        driveFileDialog(path, false, clickButton);
        reopened.findChild<QAction*>(QStringLiteral("mnOpen"))->trigger();
        QCOMPARE(QString::fromStdString(reopened.calc().ScenarioFileName), path);
        QCOMPARE(reopened.calc().CalculatorMode, std::string("PersonalLoan"));
        return;
    }
    std::string want;
    const WritePiece collect = [&want](std::string_view piece) {
        want += piece;
        return true;
    };
    if (written == "yearly")
        writeYearlyCsv(calc.yearlySummary(), false, collect);
    else
        writePaymentTableCsv(calc.report, collect);
    QCOMPARE(fileBytes(path), QByteArray::fromStdString(want));
}

QTEST_MAIN(PreviewExportTest)
#include "preview_export_test.moc"
