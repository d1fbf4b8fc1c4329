// File > Print Preview and File > Export Report ... through the window: the preview's pages are
// File > Print's pages and printing from it prints them; a closed preview prints nothing; and the
// real file dialog's choice decides what an export writes. What the pages and files hold is
// tested below the window (tests/print, tests/core/report_export_test.cpp); a cancelled dialog
// changes nothing (tests/calculator/scenario_test.cpp), and an export that cannot be written
// keeps the old file and says why (tests/cli/write_safety_test.sh).

#include <QAbstractItemView>
#include <QCompleter>
#include <QFileDialog>
#include <QPrintPreviewWidget>
#include <QProcess>
#include <QStandardPaths>

#include "core/report_export.h"
#include "support/pdf_text.h"
#include "window_fixture.h"

using namespace selvane;

namespace {

QByteArray fileBytes(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
}

// The sheets of a PDF as pictures, one after the other: two PDFs made at different times differ
// in their dates, but the same pages rasterise to the same pixels.
QByteArray sheetPictures(const QString& pdf) {
    QProcess p;
    p.start(QStringLiteral("pdftoppm"),
            {QStringLiteral("-r"), QStringLiteral("40"), QStringLiteral("-gray"), pdf});
    const bool done = p.waitForFinished(60000) && p.exitCode() == 0;
    return done ? p.readAllStandardOutput() : QByteArray("<pdftoppm failed>");
}

// Acts on the real file dialog as a user would once it shows: the next file type chosen with the
// keyboard, the name typed, then Enter.
void driveFileDialog(const QString& name) {
    auto* poll = new QTimer;
    QObject::connect(poll, &QTimer::timeout, poll, [=] {
        auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        if (dialog == nullptr || !dialog->isVisible())
            return;
        poll->deleteLater();
        poll->stop();
        auto* types = dialog->findChild<QComboBox*>(QStringLiteral("fileTypeCombo"));
        auto* edit = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
        if (types == nullptr || edit == nullptr)
            return dialog->reject(); // not the dialog these steps know: the test fails
        // Offscreen nothing activates a window by itself; a user's dialog has the focus.
        QApplication::setActiveWindow(dialog);
        QTest::keyClick(types, Qt::Key_Down);
        edit->clear();
        QTest::keyClicks(edit, name);
        if (edit->completer() != nullptr)
            edit->completer()->popup()->hide();
        QTest::keyClick(edit, Qt::Key_Return);
        // A dialog the keys did not close fails the test instead of hanging it.
        QTimer::singleShot(2000, dialog, [dialog] { dialog->reject(); });
    });
    poll->start(10);
}

} // namespace

class PreviewExportTest : public QObject {
    Q_OBJECT

    FakeWindow m_fake; // the window, its fakes and the modal watchdog
    QTemporaryDir m_dir;

    void trigger(const char* name) { m_fake.action(name)->trigger(); }
    QString path(const char* name) const { return m_dir.filePath(QLatin1String(name)); }

  private slots:
    void init() { QVERIFY(m_fake.open()); }
    void cleanup() { QVERIFY(m_fake.close()); }

    // The preview counts File > Print's sheets; its Print paints them onto the printer chosen
    // there, pixel for pixel as File > Print does. Closed without printing, nothing is printed.
    void previewShowsAndPrintsThePagesOfPrint() {
        if (QStandardPaths::findExecutable(QStringLiteral("pdftoppm")).isEmpty())
            QFAIL("pdftoppm (poppler-utils) is missing: scripts/install-deps installs it");
        m_fake.dialogs.onPrint = [this](QPrinter& printer) {
            printer.setOutputFormat(QPrinter::PdfFormat);
            printer.setOutputFileName(path("print.pdf"));
            return true;
        };
        trigger("mnPrint");
        const QByteArray printSheets = sheetPictures(path("print.pdf"));

        int previewPages = -1;
        m_fake.dialogs.onPreview = [&](QPrinter& printer, const Dialogs::PaintOnto& paint) {
            QPrintPreviewWidget widget(&printer);
            connect(&widget, &QPrintPreviewWidget::paintRequested, &widget,
                    [&](QPrinter* p) { paint(*p); });
            widget.updatePreview();
            previewPages = widget.pageCount();
            printer.setOutputFormat(QPrinter::PdfFormat);
            printer.setOutputFileName(path("from-preview.pdf"));
            return paint(printer);
        };
        trigger("mnPrintPreview");
        QCOMPARE(previewPages, testing::pdfPages(path("print.pdf")).size());
        QCOMPARE(sheetPictures(path("from-preview.pdf")), printSheets);

        const QByteArray before = fileBytes(path("print.pdf"));
        m_fake.dialogs.onPreview = nullptr; // closed without printing
        trigger("mnPrintPreview");
        QCOMPARE(m_fake.dialogs.previewCalls, 2);
        QCOMPARE(fileBytes(path("print.pdf")), before);
        QVERIFY(m_fake.messenger.shown.empty());
    }

    // The real Qt file dialog: the file type the user chose there decides what an export writes.
    void exportThroughTheRealDialog() {
        m_fake.watchdog.reset(); // this dialog is meant to open
        const auto dialogs = makeSystemDialogs();
        frmFinCalc window({dialogs.get(), nullptr, nullptr, &m_fake.messenger});
        window.Form_Load();
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        driveFileDialog(path("years")); // the yearly summary, without .csv
        window.findChild<QAction*>("mnExport")->trigger();
        QVERIFY(m_fake.messenger.shown.empty());
        std::string want;
        writeYearlyCsv(window.calc().yearlySummary(), false, [&want](std::string_view piece) {
            want += piece;
            return true;
        });
        QCOMPARE(fileBytes(path("years")), QByteArray::fromStdString(want));
    }
};

QTEST_MAIN(PreviewExportTest)
#include "preview_export_test.moc"
