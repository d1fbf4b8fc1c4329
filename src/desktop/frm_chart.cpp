#include "desktop/frm_chart.h"

#include <QApplication>
#include <QChartView>
#include <QCloseEvent>
#include <QCursor>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QSplitter>
#include <QStyle>
#include <QTableView>
#include <QThreadPool>
#include <QToolTip>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>
#include <memory>

#include "desktop/readable_colours.h"
#include "desktop/recent_files_menu.h"
#include "desktop/ui_text.h"
#include "desktop/yearly_model.h"

namespace selvane {

namespace {

QChartView* chartView(QChart* chart, QWidget* parent, const char* name) {
    auto* view = new QChartView(chart, parent);
    view->setObjectName(QLatin1String(name));
    view->setRenderHint(QPainter::Antialiasing);
    view->setMinimumSize(320, 160);
    return view;
}

// Widths that fit the largest figures a household plan shows, measured once rather than by
// asking every row of a long summary for its size.
void sizeColumns(QTableView* table) {
    const QFontMetrics fm(table->font());
    const int pad = fm.horizontalAdvance(QStringLiteral("MM"));
    const QString money = QStringLiteral("$9,999,999.99");
    // The headings and the total's caption in the user's language, as the model shows them.
    const QAbstractItemModel* model = table->model();
    auto heading = [&](int c) {
        return fm.horizontalAdvance(model->headerData(c, Qt::Horizontal).toString()) + pad;
    };
    const int widths[] = {std::max(fm.horizontalAdvance(uiText("Total")) + pad, heading(0)),
                          heading(1), fm.horizontalAdvance(money) + pad,
                          fm.horizontalAdvance(money) + pad, heading(4)};
    for (int c = 0; c < YearlyModel::ColumnCount; ++c)
        table->setColumnWidth(c, widths[c]);
}

} // namespace

frmChart::frmChart(const FinCalc& calc) : m_calc(calc) {
    setObjectName(QStringLiteral("frmChart"));
    setAttribute(Qt::WA_DeleteOnClose); // closing unloads the window, as the About box
    setWindowTitle(tr("Chart"));

    m_chartArea = new QWidget(this);
    m_chartArea->setObjectName(QStringLiteral("chartArea"));
    m_linesView = chartView(m_charts.lines(), m_chartArea, "chLines");
    m_barsView = chartView(m_charts.bars(), m_chartArea, "chBars");
    // The lines take three fifths of the height, the bars the rest, as in a saved image.
    auto* charts = new QVBoxLayout(m_chartArea);
    charts->setContentsMargins(0, 0, 0, 0);
    charts->setSpacing(0);
    charts->addWidget(m_linesView, 3);
    charts->addWidget(m_barsView, 2);

    m_model = new YearlyModel(this);
    m_table = new QTableView(this);
    m_table->setObjectName(QStringLiteral("tblYears"));
    m_table->setModel(m_model);
    m_table->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_table->setWordWrap(false);
    m_table->verticalHeader()->hide();
    // Every row is one line high: the view never asks a row for its size, so a summary of a
    // million years scrolls as lightly as one of thirty.
    m_table->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    m_table->verticalHeader()->setDefaultSectionSize(m_table->fontMetrics().height() + 6);
    m_table->horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    // Columns keep their widths: a table made narrower (or one whose scroll bar appears) scrolls
    // sideways rather than cutting the last column short.
    m_table->horizontalHeader()->setStretchLastSection(false);
    sizeColumns(m_table);

    auto* splitter = new QSplitter(Qt::Horizontal, this);
    splitter->setObjectName(QStringLiteral("splCharts"));
    splitter->addWidget(m_chartArea);
    splitter->addWidget(m_table);
    splitter->setStretchFactor(0, 3);
    splitter->setStretchFactor(1, 2);
    splitter->setChildrenCollapsible(false);

    m_cmdSave = new QPushButton(tr("Save &Image..."), this);
    m_cmdSave->setObjectName(QStringLiteral("cmdSaveImage"));
    connect(m_cmdSave, &QPushButton::clicked, this, &frmChart::saveClicked);
    // A picture that could not be saved is said here too, where the user asked for it (the main
    // window, which says it as well, may lie under this one).
    m_notice = new QLabel(this);
    m_notice->setObjectName(QStringLiteral("chartNotice"));
    m_notice->setWordWrap(true);
    QPalette red = m_notice->palette();
    red.setColor(QPalette::WindowText, warningColour(red.color(QPalette::Window)));
    m_notice->setPalette(red);
    m_notice->hide();
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(m_notice, 1);
    buttons->addStretch(0);
    buttons->addWidget(m_cmdSave);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(splitter, 1);
    layout->addLayout(buttons);

    int tableWidth =
        m_table->frameWidth() * 2 + 4 + m_table->style()->pixelMetric(QStyle::PM_ScrollBarExtent);
    for (int c = 0; c < YearlyModel::ColumnCount; ++c)
        tableWidth += m_table->columnWidth(c);
    resize(760 + tableWidth, 760);
    splitter->setSizes({width() - tableWidth, tableWidth});
    // The size it had when last closed; the host fits it on the screen it opens on.
    if (const QSize last = rememberedSize(QStringLiteral("Chart")); !last.isEmpty())
        resize(last);

    connect(&m_charts, &MoneyCharts::hovered, this, &frmChart::showPointText);
    m_resizeTimer.setSingleShot(true);
    m_resizeTimer.setInterval(60);
    connect(&m_resizeTimer, &QTimer::timeout, this, [this] {
        if (m_drawn && plotColumns() != m_drawnColumns)
            redraw();
    });
}

frmChart::~frmChart() = default;

int frmChart::plotColumns() const {
    const QRectF plot = m_charts.lines()->plotArea();
    // Before the first layout the plot has no size yet; the view's width is near it.
    const double width = plot.width() > 1 ? plot.width() : m_linesView->viewport()->width() - 120;
    return std::max(1, static_cast<int>(std::lround(width)));
}

void frmChart::showState() {
    const QString notice = QString::fromStdString(m_calc.notice);
    if (m_notice->text() != notice)
        m_notice->setText(notice);
    m_notice->setVisible(!notice.isEmpty());
    // The extras, the rate change and the timeline drawn over the balance change without a new
    // report, as they are typed.
    const ChartSource source = m_calc.chartSource();
    // Dates set or changed name the years anew.
    const bool newReport =
        !m_drawn || m_calc.reportRevision != m_shownRevision || source.dates != m_source.dates;
    if (!newReport && source.extras == m_source.extras && source.change == m_source.change &&
        source.timeline == m_source.timeline)
        return;
    m_shownRevision = m_calc.reportRevision;
    m_source = source;
    if (newReport) {
        m_model->setReport(m_source.report, m_source.paymentsPerYear, m_source.investment,
                           m_calc.currency(), m_source.dates);
        showPointText(0, false);
    }
    redraw();
}

void frmChart::redraw() {
    m_drawnColumns = plotColumns();
    m_drawn = true;
    if (m_source.report == nullptr || m_source.report->rowCount() < kRowsOffThread) {
        ++m_job; // a drawing still being worked out is not wanted any more
        m_charts.update(m_source, m_drawnColumns);
        return;
    }
    // One drawing is worked out at a time; what comes meanwhile is drawn after it, from the
    // state as it is then, and the drawing in between is not shown.
    if (m_working) {
        m_redrawWhenDone = true;
        return;
    }
    m_working = true;
    const std::uint64_t job = ++m_job;
    // The worker reads its own copy of the report (the checkpoints, not the rows: a few hundred
    // kilobytes for ten million payments), as the next calculation rebuilds the state's.
    auto report = std::make_shared<const DetailsReport>(*m_source.report);
    ChartSource source = m_source;
    source.report = report.get();
    const int columns = m_drawnColumns;
    const QPointer<frmChart> window(this);
    QThreadPool::globalInstance()->start([window, report, source, columns, job] {
        auto figures = std::make_shared<ChartData>(source.data(columns));
        // Back on the window's thread, where the pointer may be looked at.
        QMetaObject::invokeMethod(
            qApp, [window, figures, currency = source.currency, columns, job] {
                if (window)
                    window->drawWorkedOut(std::move(*figures), currency, columns, job);
            });
    });
}

void frmChart::drawWorkedOut(ChartData figures, const CurrencyFormat& currency, int columns,
                             std::uint64_t job) {
    m_working = false;
    if (m_redrawWhenDone) {
        m_redrawWhenDone = false;
        redraw();
        return;
    }
    if (job == m_job)
        m_charts.show(std::move(figures), currency, columns);
}

void frmChart::showPointText(qint64 payment, bool state) {
    m_pointText =
        state ? QString::fromStdString(chartPointText(
                    m_source, payment, [](const char* text) { return uiText(text).toStdString(); }))
              : QString();
    if (m_pointText.isEmpty())
        QToolTip::hideText();
    else
        QToolTip::showText(QCursor::pos(), m_pointText, m_linesView);
}

void frmChart::closeEvent(QCloseEvent* event) {
    QToolTip::hideText();
    rememberSize(QStringLiteral("Chart"), size());
    event->accept();
    emit closed();
}

void frmChart::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    m_resizeTimer.start();
}

} // namespace selvane
