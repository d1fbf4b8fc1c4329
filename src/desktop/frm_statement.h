#pragma once
// The Check a Lender's Statement window: the lender's payment table, opened from a file or
// pasted, beside our reckoning of it under the conventions found, the cells that differ marked,
// and what the differences come to. Like the other windows beside the main one it decides
// nothing: the buttons go out as signals the main window turns into handler calls, and it shows
// the state after every handler.

#include <QAbstractTableModel>
#include <QWidget>
#include <array>
#include <cstdint>
#include <optional>

#include "calculator/fincalc.h"

class QLabel;
class QPushButton;
class QTableView;

namespace selvane {

// The statement's rows and ours side by side, every cell the state's text; a cell that differs
// from its twin is shown bold in the warning colour.
class StatementModel : public QAbstractTableModel {
    Q_OBJECT

  public:
    explicit StatementModel(QObject* parent = nullptr) : QAbstractTableModel(parent) {}
    void show(StatementTexts texts); // resets the table
    const StatementTexts& texts() const { return m_texts; }
    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    bool differs(int row, int column) const;

  private:
    StatementTexts m_texts;
};

class frmStatement : public QWidget {
    Q_OBJECT

  public:
    // The state must outlive the window.
    explicit frmStatement(const FinCalc& calc);
    void showState();
    const StatementModel& model() const { return *m_model; }

  signals:
    void openClicked();
    void pasted(const QString& text); // the clipboard's text, when Paste is clicked
    void clearClicked();
    void saveClicked();
    void closed();

  protected:
    void closeEvent(QCloseEvent* event) override;

  private:
    void paste();
    void widenForColumns(); // until the user sizes the window

    const FinCalc& m_calc;
    StatementModel* m_model = nullptr;
    QTableView* m_table = nullptr;
    QLabel *m_refused = nullptr, *m_sentence = nullptr, *m_notice = nullptr;
    std::array<QLabel*, 4> m_summary{};
    QPushButton *m_clear = nullptr, *m_save = nullptr;
    // What the table shows: the statement and plan it was made for.
    std::optional<std::pair<std::uint64_t, std::optional<StatementPlan>>> m_shown;
    bool m_sizeRemembered = false;
};

} // namespace selvane
