#pragma once
// The Schedule window: the plan on the calendar. The date the loan is paid out and the first
// payment's, the lender's day count and rounding, the dated payments, the payoff date and the
// totals of each calendar year. Like the What If window it decides nothing: what the user sets
// goes out as signals the main window turns into handler calls, and it shows the state after
// every handler.

#include <QAbstractTableModel>
#include <QWidget>
#include <array>
#include <cstdint>
#include <optional>
#include <vector>

#include "calculator/fincalc.h"

class QCheckBox;
class QComboBox;
class QDateEdit;
class QLabel;
class QTableView;
class QTableWidget;

namespace selvane {

// The dated payments, worked out a block at a time as the table asks for rows: a million rows
// cost only the rows shown.
class DatedRowsModel : public QAbstractTableModel {
    Q_OBJECT

  public:
    explicit DatedRowsModel(const FinCalc& calc, QObject* parent = nullptr);
    // Follows the state: resets where the schedule changed.
    void follow();
    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

  private:
    const FinCalc& m_calc;
    const DatedSchedule* m_schedule = nullptr;
    std::tuple<std::uint64_t, CalendarInput, std::int64_t, double> m_key;
    static constexpr std::int64_t kBlock = 256;
    mutable std::int64_t m_blockStart = -1;
    mutable std::vector<std::array<QString, 6>> m_block;
};

class frmSchedule : public QWidget {
    Q_OBJECT

  public:
    // The state must outlive the window.
    explicit frmSchedule(const FinCalc& calc);
    ~frmSchedule() override;
    void showState();

  signals:
    void startChosen(const QString& iso); // empty: the plan has no dates
    void firstChosen(const QString& iso); // empty: one payment period after the start
    void basisChosen(int basis);          // a DayCount
    void roundingChosen(bool cents);
    void closed();

  protected:
    void closeEvent(QCloseEvent* event) override;

  private:
    QString chosenStart() const;
    QString chosenFirst() const;

    const FinCalc& m_calc;
    QCheckBox* m_chkDates = nullptr;
    QDateEdit* m_start = nullptr;
    QCheckBox* m_chkFirst = nullptr;
    QDateEdit* m_first = nullptr;
    QComboBox* m_basis = nullptr;
    QComboBox* m_rounding = nullptr;
    QLabel* m_refused = nullptr;
    QLabel* m_unavailable = nullptr;
    QLabel* m_note = nullptr;
    QLabel* m_payoff = nullptr;
    std::array<QLabel*, 4> m_figures{};
    std::array<QLabel*, 4> m_captions{};
    QTableView* m_rows = nullptr;
    DatedRowsModel* m_model = nullptr;
    QTableWidget* m_years = nullptr;
};

} // namespace selvane
