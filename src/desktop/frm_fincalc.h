#pragma once
// The calculator's desktop window. It owns the state object and forwards every user action to
// one of its handlers, then shows the state: only what changed, and with signals blocked, so that
// showing never runs a handler of its own accord. It decides nothing about the calculation.

#include <QMainWindow>
#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "calculator/fincalc.h"
#include "desktop/qt_host.h"

class QAction;
class QComboBox;
class QGroupBox;
class QKeyEvent;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

namespace selvane {

// The width of a label that shows all of its caption, at least the width its table gives it.
int captionWidth(const QLabel* label, int tableWidth);

class ReportView;
class frmOffers;
class frmStatement;

class frmFinCalc : public QMainWindow {
    Q_OBJECT

  public:
    // Services left null in `services` are the desktop's own.
    explicit frmFinCalc(const DesktopServices& services = {});
    ~frmFinCalc() override;

    FinCalc& calc() { return m_calc; }
    const FinCalc& calc() const { return m_calc; }
    // The details view sizes the window for a screen this many pixels high (0: the screen's own).
    void pretendScreenHeight(int pixels) { m_screenHeight = pixels; }
    QtHost& host() { return m_host; }

    // Start-up: the state's Form_Load, then the window placed and filled from the state.
    void Form_Load();
    // File > Open's steps for path, without the dialog (a path on the command line, a dropped
    // file, an entry of File > Recent Files), then the state shown.
    void openScenario(const QString& path);
    void openScenarioBytes(const std::string& path); // a path of any bytes, as the system has it
    // What main runs after start-up: opens the file the command line names, if any.
    void openCommandLineFile(const std::vector<std::string>& arguments);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;

  private:
    // Runs a handler of the state for an action of the user, then shows what it changed.
    template <class Handler> void run(Handler&& handler) {
        m_calc.actionStarted();
        handler();
        showState();
    }

    void buildTopStrip(QWidget* client);
    void buildFields(QWidget* client);
    void focusFirstField(); // the first field in reading order that can be typed into
    void buildMenus();
    frmOffers* makeOffersWindow(); // Compare Offers, its buttons wired to the state's handlers
    frmStatement* makeStatementWindow(); // Check a Lender's Statement, likewise
    QLabel* makeLabel(QWidget* parent, const char* name, const QRect& rect, const QString& caption,
                      std::string_view tooltip);
    QComboBox* makeList(QWidget* parent, const char* name, const QRect& rect);

    bool fieldKeyPress(int index, QKeyEvent* event);
    void fieldKeyRelease(int index, QKeyEvent* event);
    void takeFieldText(int index);
    bool labelClicked(QObject* label);
    bool listFilter(QComboBox* box, QEvent* event);

    void showState();
    void showList(QComboBox* box, const ComboList& list);
    void showField(int index);
    void showWindowSize();
    void showNotice();
    void placeNotice();

    // The window is as wide as the calculator sets it, or wider when the user widens it: then
    // the controls stretch across by the window's width over the set width (m_across); heights,
    // and the widths of the buttons, stay.
    enum class Stretch { Whole, KeepWidth, Caption };
    struct Stretched {
        QWidget* widget;
        QRect place; // at the width the calculator sets, in its parent
        Stretch how;
    };
    QWidget* stretched(QWidget* widget, Stretch how);
    QRect across(const QRect& place) const;
    void stretchAcross();

    QtHost m_host;
    FinCalc m_calc;

    QPushButton* m_btnSave = nullptr;
    QPushButton* m_btnOpen = nullptr;
    QPushButton* m_btnPrint = nullptr;
    QPushButton* m_btnDetails = nullptr;
    QPushButton* m_btnCalculate = nullptr;
    QLabel* m_Label1 = nullptr;
    QLabel* m_Label2 = nullptr;
    QLabel* m_lblResult = nullptr;
    QComboBox* m_cmCompound = nullptr;
    QComboBox* m_cmPeriod = nullptr;
    QComboBox* m_cmResult = nullptr;
    std::array<QGroupBox*, 3> m_fraSL{};
    std::array<QLabel*, kFieldCount> m_lblSL{};
    std::array<QLineEdit*, kFieldCount> m_txtSL{};
    std::array<int, kFieldCount> m_readingOrder{}; // field indices, row by row, left to right
    QPlainTextEdit* m_txtComments = nullptr;
    ReportView* m_rtDetails = nullptr;
    QLabel* m_notice = nullptr; // the state's notice, over the foot of the window while it has one
    QAction* m_mnTable = nullptr;
    QAction* m_mnUseRate = nullptr;
    QAction* m_mnClearKept = nullptr;

    // What is on screen, where the widget cannot be asked cheaply.
    std::string m_shownComments;
    std::uint64_t m_shownReport = 0;
    bool m_reportShown = false;
    bool m_placed = false;
    bool m_shownDetails = false;
    int m_screenHeight = 0; // pixels; 0 asks the screen

    std::vector<Stretched> m_stretched;
    double m_across = 1.0;
    int m_setWidth = 0;    // what the calculator sets, at least what shows every control whole
    int m_chosenWidth = 0; // what the user made it (or it was when last closed), 0 for none
};

} // namespace selvane
