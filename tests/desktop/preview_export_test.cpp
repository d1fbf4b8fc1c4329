// File > Print Preview and File > Export Report ... through the window: the preview's pages are
// File > Print's pages and printing from it prints them; a closed preview prints nothing; an
// export that is cancelled or fails leaves the old file; and the real file dialog's choices
// decide what an export or a Save As writes. What the pages and files hold is tested below the
// window (tests/print, tests/core/report_export_test.cpp).

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QComboBox>
#include <QCompleter>
#include <QDialogButtonBox>
#include <QFile>
#include <QFileDialog>
#include <QLineEdit>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <sys/stat.h>

#include "core/report_export.h"
#include "window_fixture.h" // the window over fakes; QAction, QApplication and QTest

using namespace selvane;

namespace {

QByteArray fileBytes(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
}

// Each sheet of a PDF as a picture: two PDFs made at different times differ in their dates,
// but the same pages rasterise to the same pixels.
QList<QByteArray> sheetPictures(const QString& pdf) {
    QProcess p;
    p.start(QStringLiteral("pdftoppm"), {QStringLiteral("-r"), QStringLiteral("40"),
                                         QStringLiteral("-gray"), pdf, pdf + QStringLiteral("-")});
    if (!p.waitForFinished(60000) || p.exitCode() != 0)
        return {QByteArray("<pdftoppm failed>")};
    QList<QByteArray> sheets;
    const QFileInfo info(pdf);
    for (const QString& f : info.dir().entryList({info.fileName() + QStringLiteral("--*.pgm")},
                                                 QDir::Files, QDir::Name))
        sheets.append(fileBytes(info.dir().filePath(f)));
    return sheets;
}

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
        if (types == nullptr || edit == nullptr || buttons == nullptr)
            return dialog->reject(); // not the dialog these steps know: the test fails
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

class PreviewExportTest : public QObject {
    Q_OBJECT

    FakeWindow m_fake; // the window, its fakes and the modal watchdog
    QTemporaryDir m_dir;

    void trigger(const char* name) { m_fake.action(name)->trigger(); }
    QString path(const char* name) const { return m_dir.filePath(QLatin1String(name)); }

  private slots:
    void init() { QVERIFY(m_fake.open()); }
    void cleanup() {
        const QStringList modal = m_fake.close();
        QVERIFY2(modal.isEmpty(), qPrintable(modal.join(", ")));
    }

    // The preview counts File > Print's sheets; its Print paints them onto the printer chosen
    // there, pixel for pixel as File > Print does. Closed without printing, nothing is printed.
    void previewShowsAndPrintsThePagesOfPrint() {
        if (QStandardPaths::findExecutable(QStringLiteral("pdftoppm")).isEmpty())
            QFAIL("pdftoppm (poppler-utils) is missing: scripts/install-deps installs it");
        m_fake.dialogs.printAccepted = true;
        m_fake.dialogs.printFile = path("print.pdf");
        trigger("mnPrint");
        const QList<QByteArray> printSheets = sheetPictures(path("print.pdf"));

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
        QCOMPARE(previewPages, static_cast<int>(printSheets.size()));
        QCOMPARE(sheetPictures(path("from-preview.pdf")), printSheets);

        const QByteArray before = fileBytes(path("print.pdf"));
        m_fake.dialogs.onPreview = nullptr; // closed without printing
        trigger("mnPrintPreview");
        QCOMPARE(m_fake.dialogs.previewCalls, 2);
        QCOMPARE(fileBytes(path("print.pdf")), before);
        QVERIFY(m_fake.messenger.shown.empty());
    }

    // A cancelled export leaves the old file alone; so does one to a file the user may not
    // write, and the user is told.
    void cancelledOrFailedExportKeepsWhatWasThere() {
        const QString file = path("old.csv");
        QFile f(file);
        QVERIFY(f.open(QIODevice::WriteOnly) && f.write("old contents\n") > 0);
        f.close();
        trigger("mnExport"); // no answer: Cancel
        QCOMPARE(fileBytes(file), QByteArray("old contents\n"));
        QVERIFY(m_fake.messenger.shown.empty());
        QVERIFY(::chmod(QFile::encodeName(file).constData(), 0444) == 0);
        m_fake.dialogs.answer = file;
        trigger("mnExport");
        QCOMPARE(fileBytes(file), QByteArray("old contents\n"));
        QVERIFY(m_fake.messenger.shown.size() == 1 &&
                m_fake.messenger.shown[0].first == "Export Report");
        QVERIFY(m_fake.messenger.shown[0].second.find(file.toStdString()) != std::string::npos);
    }

    void fileDialogsThroughTheRealDialog_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("nextType");
        QTest::addColumn<bool>("clickButton");
        QTest::newRow("yearly summary, no .csv, Enter") << "years" << true << false;
        QTest::newRow("payment table, Save") << "table.csv" << false << true;
        QTest::newRow("save as, then open") << "plan.fin" << false << false;
    }

    // Every file dialog through the real Qt dialog: the type the user chose there decides what
    // an export writes, whatever way it is confirmed; a Save As writes the scenario, which the
    // Open dialog then opens.
    void fileDialogsThroughTheRealDialog() {
        QFETCH(QString, name);
        QFETCH(bool, nextType);
        QFETCH(bool, clickButton);
        m_fake.watchdog.reset(); // these dialogs are meant to open
        const auto dialogs = makeSystemDialogs();
        const DesktopServices services{dialogs.get(), &m_fake.registry, &m_fake.launcher,
                                       &m_fake.messenger};
        frmFinCalc window(services);
        window.Form_Load();
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        const QString file = m_dir.filePath(name);
        const bool scenario = name.endsWith(QLatin1String(".fin"));
        driveFileDialog(file, nextType, clickButton);
        window.findChild<QAction*>(scenario ? "mnSaveAs" : "mnExport")->trigger();
        QVERIFY(m_fake.messenger.shown.empty());
        if (scenario) {
            frmFinCalc reopened(services);
            reopened.Form_Load();
            reopened.findChild<QAction*>(QStringLiteral("mnMortgage"))->trigger();
            driveFileDialog(file, false, true);
            reopened.findChild<QAction*>(QStringLiteral("mnOpen"))->trigger();
            QCOMPARE(QString::fromStdString(reopened.calc().ScenarioFileName), file);
            QCOMPARE(reopened.calc().CalculatorMode, window.calc().CalculatorMode);
            return;
        }
        std::string want;
        const WritePiece collect = [&want](std::string_view piece) {
            want += piece;
            return true;
        };
        if (nextType)
            writeYearlyCsv(window.calc().yearlySummary(), false, collect);
        else
            writePaymentTableCsv(window.calc().report, collect);
        QCOMPARE(fileBytes(file), QByteArray::fromStdString(want));
    }
};

QTEST_MAIN(PreviewExportTest)
#include "preview_export_test.moc"
