#pragma once
// The Compare Offers window: the loans a household is offered side by side, each typed into a row
// of its own with its fees, beside the figures the calculator works out for it, the cheapest
// marked; what each has cost by every year as a chart; when one becomes cheaper than another for
// good; and moving the calculator's plan to one of them. Like the Schedule window it decides
// nothing: what the user types and clicks goes out as signals the main window turns into handler
// calls, and it shows the state after every handler.

#include <QAbstractTableModel>
#include <QFontMetrics>
#include <QStyledItemDelegate>
#include <QWidget>
#include <array>
#include <string>

#include "calculator/fincalc.h"
#include "core/cost_lines.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTableView;

namespace selvane {

// The offers table: a row an offer, its inputs edited in place, then its figures, every cell the
// state's text. An edit goes out as `edited`; the cell then shows what the state holds, so a
// refused one keeps its text.
class OffersModel : public QAbstractTableModel {
    Q_OBJECT

  public:
    // The names a Period or Compound cell is chosen from.
    static constexpr int ChoicesRole = Qt::UserRole + 1;

    // Headings are broken onto two lines as they read in `headings`.
    OffersModel(const FinCalc& calc, const QFont& headings, QObject* parent = nullptr);
    // Follows the state: rows added or removed reset the table, new texts repaint it.
    void follow();
    const OffersTexts& texts() const { return m_texts; }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;

  signals:
    void edited(int row, int column, const QString& text);

  private:
    const FinCalc& m_calc;
    OffersTexts m_texts;
    QFontMetrics m_metrics;
};

// The cells' editors: a list of the model's names where the cell has some, taken as soon as one
// is chosen; a line of text elsewhere.
class ChoiceDelegate : public QStyledItemDelegate {
    Q_OBJECT

  public:
    using QStyledItemDelegate::QStyledItemDelegate;
    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                          const QModelIndex& index) const override;
    void setEditorData(QWidget* editor, const QModelIndex& index) const override;
    void setModelData(QWidget* editor, QAbstractItemModel* model,
                      const QModelIndex& index) const override;
};

class frmOffers : public QWidget {
    Q_OBJECT

  public:
    // The state must outlive the window.
    explicit frmOffers(const FinCalc& calc);
    ~frmOffers() override;
    void showState();

  signals:
    void addClicked();
    void offerEdited(int row, int column, const QString& text); // column: an OfferColumn
    void duplicateClicked(int row);
    void removeClicked(int row);
    void switchApplied(const QString& offer, const QString& at, const QString& erc,
                       const QString& costs);
    void switchOffClicked();
    void openClicked();
    void saveClicked();
    void saveAsClicked();
    void printClicked();
    void exportClicked();
    void closed();

  protected:
    void closeEvent(QCloseEvent* event) override;

  private:
    QWidget* buildTable();
    QWidget* buildEvenAfter();
    QWidget* buildSwitch();
    void showTable();
    void showCurrent(); // what goes with the offer the cursor is on
    void showEvenAfter();
    void showSwitch();
    int currentRow() const;      // the offer the table's cursor is on, or -1
    int widthForColumns() const; // the window's width that shows every column whole

    const FinCalc& m_calc;
    OffersModel* m_model = nullptr;
    QTableView* m_table = nullptr;
    bool m_columnsSized = false;
    // The size the window last closed with was given: the columns no longer widen it.
    bool m_sizeRemembered = false;
    QPushButton *m_cmdDuplicate = nullptr, *m_cmdRemove = nullptr;
    QLabel* m_marks = nullptr;
    QLabel* m_note = nullptr;    // the note of the offer the cursor is on
    QLabel* m_refused = nullptr; // why the last change to an offer was refused, in red
    QWidget* m_chart = nullptr;  // the views library's cost chart
    CostChartData m_shownChart;
    QComboBox *m_evenA = nullptr, *m_evenB = nullptr;
    QLabel* m_evenAfter = nullptr;
    QComboBox* m_switchOffer = nullptr;
    QLineEdit *m_switchAt = nullptr, *m_switchErc = nullptr, *m_switchCosts = nullptr;
    QPushButton* m_cmdSwitchOff = nullptr;
    std::array<QLabel*, 6> m_switchCaptions{};
    std::array<QLabel*, 6> m_switchFigures{};
    QLabel *m_switchNever = nullptr, *m_switchUnavailable = nullptr, *m_switchRefused = nullptr;
    // The switch's inputs as last shown: the fields follow the state only where it changed them,
    // so what the user is typing stays while other handlers run.
    std::array<std::string, 4> m_shownSwitch;
    QLabel* m_notice = nullptr; // a file not written, and why
};

} // namespace selvane
