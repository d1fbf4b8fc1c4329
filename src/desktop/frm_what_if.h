#pragma once
// The What If window: the plan's timeline of rate changes, extras, one-time amounts and payment
// holidays with the schedule they make, the rate shocks, the rate behind the payment typed in, and
// a kept plan beside the plan now. A window of its own, like the chart, that follows the
// calculator: it shows the state after every handler the main window runs. It decides nothing;
// what the user types and clicks goes out as signals the main window turns into handler calls.

#include <QString>
#include <QStringList>
#include <QWidget>
#include <array>
#include <cstdint>
#include <optional>
#include <string>

#include "calculator/fincalc.h"

class QComboBox;
class QListWidget;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QGridLayout;
class QScrollArea;
class QTableWidget;

namespace selvane {

class frmWhatIf : public QWidget {
    Q_OBJECT

  public:
    // The state must outlive the window.
    explicit frmWhatIf(const FinCalc& calc);
    ~frmWhatIf() override;

    // Shows the state: every text comes from the state object.
    void showState();

    // The compare table's rows and columns.
    enum CompareRow {
        Payment,
        Payments,
        TotalPaid,
        TotalInterest,
        Years,
        PaidOff,
        CompareRowCount
    };
    enum CompareColumn { Kept, Now, Difference, CompareColumnCount };

  signals:
    // The timeline: an event added from the editor's words, event i changed to them or removed,
    // and the overpayment choice.
    void eventAdded(const QStringList& words);
    void eventEdited(int index, const QStringList& words);
    void eventRemoved(int index);
    void overpayChosen(bool lower);
    void findRateClicked();
    void useRateClicked();
    void keepClicked();
    void clearKeptClicked();
    void closed(); // the window was closed

  protected:
    void closeEvent(QCloseEvent* event) override;

  private:
    QGroupBox* buildTimeline();
    QGroupBox* buildShock();
    QGroupBox* buildRate();
    QGroupBox* buildCompare();
    QSize naturalSize() const;
    void growToGroups();
    void showTimeline();
    void showEditor(int kind); // the inputs the kind of event has, captioned for it
    QStringList editedWords() const;
    void showRate();
    void showCompare();

    const FinCalc& m_calc;

    QListWidget* m_events = nullptr;
    QComboBox* m_kind = nullptr;
    std::array<QLabel*, 4> m_numberCaptions{};
    std::array<QLineEdit*, 4> m_numbers{};
    QComboBox* m_pay = nullptr;  // a holiday's: nothing or the interest
    QComboBox* m_keep = nullptr; // a rate change's or a holiday's: the payment or the end date
    QPushButton *m_cmdAdd = nullptr, *m_cmdChange = nullptr, *m_cmdRemove = nullptr;
    QComboBox* m_overpay = nullptr;
    QLabel* m_timelineMessage = nullptr;     // why the last event was refused, in red
    QLabel* m_timelineUnavailable = nullptr; // why there are no figures
    std::array<QLabel*, 6> m_timelineCaptions{};
    std::array<QLabel*, 6> m_timelineFigures{};
    QListWidget* m_stretches = nullptr;
    QLabel* m_timelinePayoff = nullptr; // the payoff date, where the plan has dates
    QLabel* m_shockFrom = nullptr;
    std::array<std::array<QLabel*, 3>, 3> m_shock{}; // a row a shock: APR, payment, interest

    QPushButton* m_cmdFindRate = nullptr;
    QPushButton* m_cmdUseRate = nullptr;
    QLabel* m_apr = nullptr;
    QLabel* m_realApr = nullptr;
    QLabel* m_rateMessage = nullptr;
    QLabel *m_aprCaption = nullptr, *m_realAprCaption = nullptr;
    std::array<QLabel*, 3> m_shockHeadings{};

    QPushButton* m_cmdKeep = nullptr;
    QPushButton* m_cmdClearKept = nullptr;
    QTableWidget* m_compare = nullptr;
    QScrollArea* m_scroll = nullptr; // the groups, scrolled where the screen is too small
    QSize m_needed;                  // the window's size the groups needed when last shown
    QGridLayout* m_groups = nullptr;
};

} // namespace selvane
