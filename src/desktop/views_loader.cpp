#include <QCoreApplication>
#include <QLabel>
#include <QLibrary>
#include <QMessageBox>
#include <QStringList>
#include <dlfcn.h>

#include "desktop/views.h"

namespace selvane {

namespace {

// Where the library cannot be loaded (an install with it missing), the chart, printing and the
// workbook say so when asked for and do nothing; the rest of the program works on.
class MissingViews : public Views, public PrintSession {
  public:
    explicit MissingViews(QString why) : m_why(std::move(why)) {}
    QWidget* makeChartWindow(FinCalc&, std::function<void()>, std::function<void()>) override {
        tell();
        return nullptr;
    }
    void showChartState(QWidget*) override {}
    QSize chartAreaSize(QWidget*) override { return {}; }
    // Compare Offers works on without its chart: the chart's place says why it is empty.
    QWidget* makeCostChart(QWidget* parent) override {
        auto* missing = new QLabel(message(), parent);
        missing->setWordWrap(true);
        missing->setAlignment(Qt::AlignCenter);
        return missing;
    }
    void showCostChart(QWidget*, const CostChartData&, const CurrencyFormat&) override {}
    // (The state tells the user of a file it could not write.)
    WriteOutcome writeChartImage(const ChartSource&, const std::string& path, QSize) override {
        return {path, false, m_why.toStdString()};
    }
    WriteOutcome writeWorkbook(const std::string& path, const DetailsReport&, const YearlySummary&,
                               bool, const CurrencyFormat&, const WorkProgress&) override {
        return {path, false, m_why.toStdString()};
    }
    WriteOutcome writeTableWorkbook(const std::string& path, const TableSheet&,
                                    const CurrencyFormat&) override {
        return {path, false, m_why.toStdString()};
    }
    std::unique_ptr<PrintSession> printSession() override {
        return std::make_unique<MissingViews>(m_why);
    }
    bool choosePrinter(QWidget*, QPrinter&, std::int64_t) override { return tell(); }
    bool preview(QWidget*, QPrinter&, const std::function<bool(QPrinter&)>&) override {
        return tell();
    }
    WriteOutcome print(QWidget*, Dialogs&, const PrintedPages&) override {
        tell();
        return {};
    }
    bool preview(QWidget*, Dialogs&, const PrintedPages&) override { return tell(); }

  private:
    QString m_why;
    QString message() const {
        return QCoreApplication::translate("Views", "The chart and printing part of Selvane "
                                                    "is not installed:\n%1")
            .arg(m_why);
    }
    bool tell() const {
        QMessageBox::warning(nullptr, QStringLiteral("Selvane"), message());
        return false;
    }
};

} // namespace

Views& views() {
    static Views* const loaded = []() -> Views* {
        using Entry = Views* (*)();
        // A program linked with the library has the entry point already.
        if (auto* entry = reinterpret_cast<Entry>(dlsym(RTLD_DEFAULT, "selvaneViews")))
            return entry();
        // Beside the program (the build tree), else where the package installs it.
        const QStringList folders = {QCoreApplication::applicationDirPath(),
                                     QLatin1String(SELVANE_VIEWS_DIR)};
        QStringList tried;
        for (const QString& folder : folders) {
            QLibrary library(folder + QStringLiteral("/libselvane-views.so"));
            // Every symbol bound at once: the library takes a few helpers from the program, and
            // one missing is said here rather than ending the program at its first use.
            library.setLoadHints(QLibrary::ResolveAllSymbolsHint);
            if (auto* entry = reinterpret_cast<Entry>(library.resolve("selvaneViews")))
                return entry(); // the library stays loaded for the rest of the run
            tried << library.errorString();
        }
        return new MissingViews(tried.join(QLatin1Char('\n')));
    }();
    return *loaded;
}

} // namespace selvane
