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

class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
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
    void findRateClicked();
    void useRateClicked();
    void keepClicked();
    void clearKeptClicked();
    void closed(); // the window was closed

  protected:
    void closeEvent(QCloseEvent* event) override;

  private:
    QGroupBox* buildExtras();
    QGroupBox* buildRate();
    QGroupBox* buildCompare();
    void showExtras();
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

    QPushButton* m_cmdFindRate = nullptr;
    QPushButton* m_cmdUseRate = nullptr;
    QLabel* m_apr = nullptr;
    QLabel* m_realApr = nullptr;
    QLabel* m_rateMessage = nullptr;

    QPushButton* m_cmdKeep = nullptr;
    QPushButton* m_cmdClearKept = nullptr;
    QTableWidget* m_compare = nullptr;
};

} // namespace selvane
