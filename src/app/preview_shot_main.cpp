// Writes a picture of File > Print Preview, a PDF of the pages it shows and a PDF of what
// File > Print writes to a file on the same paper, for the documentation: the two PDFs show the
// same sheets. Usage: selvane-preview-shot OUTPUT.png PREVIEW.pdf PRINT.pdf (run from the folder
// that holds the help topics).

#include <QAction>
#include <QApplication>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QTimer>
#include <cstdio>

#include "core/printed_pages.h"
#include "desktop/frm_fincalc.h"
#include "desktop/icons.h"
#include "desktop/printing.h"
#include "desktop/qt_host.h"
#include "desktop/ui_text.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    // In the desktop's language, as the program starts.
    selvane::installTranslations(QLocale::system());
    if (argc != 4) {
        std::fprintf(stderr, "usage: %s OUTPUT.png PREVIEW.pdf PRINT.pdf\n", argv[0]);
        return 2;
    }
    QApplication::setWindowIcon(selvane::programIcon());
    selvane::frmFinCalc window;
    window.Form_Load();
    window.show();

    int status = 1;
    // The preview is modal: it is looked at, drawn and closed from inside its own event loop.
    QTimer::singleShot(800, &window, [&] {
        auto* dialog = qobject_cast<QPrintPreviewDialog*>(QApplication::activeModalWidget());
        if (dialog == nullptr) {
            std::fprintf(stderr, "the print preview did not open\n");
            QApplication::exit(1);
            return;
        }
        dialog->resize(900, 760);
        QTimer::singleShot(500, dialog, [&, dialog] {
            const bool shot = dialog->grab().save(QString::fromLocal8Bit(argv[1]));
            // The pages the preview shows, painted into a PDF by the preview's own painter.
            QPrinter pdf(QPrinter::HighResolution);
            pdf.setOutputFormat(QPrinter::PdfFormat);
            pdf.setOutputFileName(QString::fromLocal8Bit(argv[2]));
            pdf.setPageLayout(dialog->printer()->pageLayout());
            const selvane::FinCalc& calc = window.calc();
            const auto layout = selvane::PrintedPages::layout(calc.reportInputs(), calc.currency());
            const bool pages = selvane::paintPages(layout, pdf, {}, selvane::printerRange(pdf));
            // File > Print to a PDF file on that paper: what follows the accepted print dialog.
            QPrinter print(QPrinter::HighResolution);
            print.setOutputFormat(QPrinter::PdfFormat);
            print.setOutputFileName(QString::fromLocal8Bit(argv[3]));
            print.setPageLayout(dialog->printer()->pageLayout());
            const bool printed = selvane::printWithProgress(&window, print, layout).ok;
            status = shot && pages && printed ? 0 : 1;
            if (status != 0)
                std::fprintf(stderr, "cannot write %s, %s or %s\n", argv[1], argv[2], argv[3]);
            dialog->reject();
            window.close();
        });
    });
    QTimer::singleShot(0, &window, [&] {
        window.findChild<QAction*>(QStringLiteral("mnPrintPreview"))->trigger();
    });
    QApplication::exec();
    return status;
}
