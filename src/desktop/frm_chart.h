#pragma once
// The chart window: the balance and the cumulative principal and interest over the payments,
// the principal and interest of each year as bars, and the yearly summary as a table. It is a
// window of its own, like the About box, and follows the calculator: whenever a calculation
// replaces the report, or the extra payments drawn over it change, it draws anew. It decides
// nothing; the state's handlers do.

#include <QString>
#include <QTimer>
#include <QWidget>
#include <cstdint>

#include "calculator/fincalc.h"
#include "chart/money_chart.h"

class QChartView;
class QLabel;
class QPushButton;
class QTableView;

namespace selvane {

class YearlyModel;

class frmChart : public QWidget {
    Q_OBJECT

  public:
    // The state must outlive the window.
    explicit frmChart(const FinCalc& calc);
    ~frmChart() override;

    // Draws the state's report when it or its extras changed since the last drawing.
    void showState();

    // The text a pointer over payment `payment` of a line shows; state false hides it.
    void showPointText(qint64 payment, bool state);
    QString pointText() const { return m_pointText; } // empty while none is shown

    MoneyCharts& charts() { return m_charts; }
    QWidget* chartArea() const { return m_chartArea; } // both charts, as a saved image shows them
    QChartView* linesView() const { return m_linesView; }
    QTableView* table() const { return m_table; }
    YearlyModel* model() const { return m_model; }
    int drawnColumns() const { return m_drawnColumns; } // the plot width of the last drawing
    int plotColumns() const;                            // the plot width now
    // A report this long is drawn from figures worked out on another thread, so that the main
    // window answers meanwhile; working() tells whether such a drawing is still to come.
    static constexpr std::int64_t kRowsOffThread = 100'000;
    bool working() const { return m_working; }

  signals:
    void saveClicked(); // the Save Image button
    void closed();      // the window was closed

  protected:
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

  private:
    void redraw();
    void drawWorkedOut(ChartData figures, const CurrencyFormat& currency, int columns,
                       std::uint64_t job);

    const FinCalc& m_calc;
    MoneyCharts m_charts;
    ChartSource m_source;
    QWidget* m_chartArea = nullptr;
    QChartView* m_linesView = nullptr;
    QChartView* m_barsView = nullptr;
    QTableView* m_table = nullptr;
    YearlyModel* m_model = nullptr;
    QPushButton* m_cmdSave = nullptr;
    // A resize redraws once the window has settled, not at every step of a drag.
    QTimer m_resizeTimer;
    QString m_pointText;
    QLabel* m_notice = nullptr; // a picture not saved, and why
    std::uint64_t m_shownRevision = 0;
    bool m_drawn = false;
    int m_drawnColumns = 0;
    std::uint64_t m_job = 0; // the drawing last asked for
    bool m_working = false, m_redrawWhenDone = false;
};

} // namespace selvane
