#pragma once
// The What If window: extra payments against the plan, the rate behind the payment typed in, and
// a kept plan beside the plan now. A window of its own, like the chart, that follows the
// calculator: it shows the state after every handler the main window runs. It decides nothing;
// what the user types and clicks goes out as signals the main window turns into handler calls.

#include <QString>
#include <QWidget>
#include <array>
#include <cstdint>
#include <optional>
#include <string>

#include "calculator/fincalc.h"

class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QGridLayout;
class QScrollArea;
class QTableWidget;

namespace selvane {

class frmWhatIf : public QWidget {
    Q_OBJECT

  public:
    // The state must outlive the window. The inputs start as the state's extras.
    explicit frmWhatIf(const FinCalc& calc);
    ~frmWhatIf() override;

    // Shows the state: every text comes from the state object.
    void showState();

    // The compare table's rows and columns.
    enum CompareRow { Payment, Payments, TotalPaid, TotalInterest, Years, CompareRowCount };
    enum CompareColumn { Kept, Now, Difference, CompareColumnCount };

  signals:
    // The four inputs' texts after any of them was edited.
    void extrasEdited(const QString& extra, const QString& from, const QString& lump,
                      const QString& at);
    // The rate change's texts and the lender's answer, whenever the change is on and one of
    // them is edited; turning it off.
    void rateChangeEdited(const QString& apr, const QString& from, bool keepEndDate);
    void rateChangeCleared();
    void findRateClicked();
    void useRateClicked();
    void keepClicked();
    void clearKeptClicked();
    void closed(); // the window was closed

  protected:
    void closeEvent(QCloseEvent* event) override;

  private:
    QGroupBox* buildExtras();
    QGroupBox* buildRateChange();
    QGroupBox* buildShock();
    QGroupBox* buildRate();
    QGroupBox* buildCompare();
    QSize naturalSize() const;
    void growToGroups();
    void showExtras();
    void showRateChange();
    void showRate();
    void showCompare();

    const FinCalc& m_calc;

    std::array<QLineEdit*, 4> m_inputs{}; // extra, from, lump, at
    QLabel* m_extrasMessage = nullptr;
    QLabel* m_unavailable = nullptr;
    enum Figure {
        NeededPayments,
        LastPayment,
        FigureTotalPaid,
        FigureTotalInterest,
        InterestSaved,
        PaymentsSaved,
        YearsSaved,
        FigureCount
    };
    std::array<QLabel*, FigureCount> m_figureCaptions{};
    std::array<QLabel*, FigureCount> m_figures{};

    QCheckBox* m_chkRateChange = nullptr;
    std::array<QLineEdit*, 2> m_changeInputs{}; // new APR, from payment
    QRadioButton* m_optKeepPayment = nullptr;
    QRadioButton* m_optKeepEndDate = nullptr;
    QLabel* m_changeMessage = nullptr;
    QLabel* m_changeUnavailable = nullptr;
    std::array<QLabel*, 7> m_changeCaptions{};
    std::array<QLabel*, 7> m_changeFigures{};
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
