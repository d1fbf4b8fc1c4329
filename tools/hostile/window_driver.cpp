#include "window_driver.h"

#include <QAbstractItemView>
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
#include <QPrinter>
#include <QProgressDialog>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <algorithm>
#include <string_view>

#include "core/fields.h"
#include "core/printed_pages.h"
#include "desktop/frm_fincalc.h"
#include "desktop/report_view.h"

namespace selvane {
namespace {

// The file dialogs answer with the script's path; the print dialog is accepted with "Print to
// File" at that path, and the window prints the pages through its own progress-driven printing.
// A user who has waited kPatience for a long printout cancels it.
struct ScriptedDialogs : Dialogs {
    static constexpr int kPatienceMs = 3000;
    std::optional<QString> answer;
    QWidget* window = nullptr;
    QTimer patience;
    ScriptedDialogs() {
        patience.setSingleShot(true);
        QObject::connect(&patience, &QTimer::timeout, [this] {
            if (!window)
                return;
            if (auto* progress = window->findChild<QProgressDialog*>())
                progress->cancel();
        });
    }
    std::optional<QString> openFile(QWidget*, const FileDialogSettings&) override { return answer; }
    std::optional<QString> saveFile(QWidget*, const FileDialogSettings&) override { return answer; }
    bool choosePrinter(QWidget* parent, QPrinter& printer, std::int64_t) override {
        if (!answer)
            return false;
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(*answer);
        window = parent;
        patience.start(kPatienceMs); // the printout follows at once
        return true;
    }
};

// No message box may stop the run: messages are only counted.
struct CountingMessenger : Messenger {
    int shown = 0;
    void showMessage(const std::string&, const std::string&) override { ++shown; }
};

// Lets the event loop finish what an action started: posted events, layout, painting.
void settle() {
    QCoreApplication::sendPostedEvents();
    QCoreApplication::processEvents(QEventLoop::AllEvents);
    QCoreApplication::processEvents(QEventLoop::AllEvents);
}

std::pair<std::string_view, std::string_view> splitWord(std::string_view s) {
    const size_t blank = s.find(' ');
    if (blank == std::string_view::npos)
        return {s, {}};
    return {s.substr(0, blank), s.substr(blank + 1)};
}

std::optional<int> number(std::string_view s) {
    while (!s.empty() && s.back() == ' ')
        s.remove_suffix(1);
    if (s.empty() || s.size() > 9)
        return std::nullopt;
    int n = 0;
    for (char c : s) {
        if (c < '0' || c > '9')
            return std::nullopt;
        n = n * 10 + (c - '0');
    }
    return n;
}

class Driver {
  public:
    Driver() : m_window(DesktopServices{&m_dialogs, nullptr, nullptr, &m_messenger}) {}

    void start() {
        m_window.Form_Load();
        m_window.show();
        (void)QTest::qWaitForWindowExposed(&m_window);
        settle();
    }

    // Runs one line; the bytes it produced, or nullopt when the line is not understood.
    std::optional<long long> run(std::string_view line) {
        const auto [word, arg] = splitWord(line);
        if (word == "calculate") {
            named<QPushButton>("btnCalculate")->click();
        } else if (word == "details") {
            named<QAction>("mnTable")->trigger();
        } else if (word == "dump") {
            return lookAtEverything();
        } else if (word == "mode") {
            std::string name(arg);
            while (!name.empty() && name.back() == ' ')
                name.pop_back();
            QAction* a = m_window.findChild<QAction*>(QString::fromStdString("mn" + name));
            if (!a)
                return std::nullopt;
            a->trigger();
        } else if (word == "result" || word == "compound" || word == "period") {
            const auto n = number(arg);
            if (!n)
                return std::nullopt;
            const char* box = word == "result"     ? "cmResult"
                              : word == "compound" ? "cmCompound"
                                                   : "cmPeriod";
            choose(named<QComboBox>(box), *n);
        } else if (word == "type" || word == "erase" || word == "clear" || word == "enter") {
            const auto [index, text] =
                word == "type" ? splitWord(arg) : std::pair{arg, std::string_view()};
            const auto i = number(index);
            if (!i || *i >= kFieldCount)
                return std::nullopt;
            QLineEdit* edit = field(*i);
            // A user cannot reach a field that is hidden or disabled: the keys go nowhere.
            if (!edit->isVisible() || !edit->isEnabled())
                return 0;
            edit->setFocus();
            if (word == "type") {
                typeText(edit, QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())));
            } else if (word == "erase") {
                QTest::keyClick(edit, Qt::Key_Backspace);
            } else if (word == "clear") {
                edit->selectAll();
                QTest::keyClick(edit, Qt::Key_Delete);
            } else {
                QTest::keyClick(edit, Qt::Key_Return);
            }
        } else if (word == "help") {
            std::string target(arg);
            while (!target.empty() && target.back() == ' ')
                target.pop_back();
            if (target == "General") {
                named<QAction>("mnTopics")->trigger();
            } else {
                const auto i = number(target);
                const QString name =
                    i ? QStringLiteral("lblSL_%1").arg(*i) : QString::fromStdString(target);
                QLabel* label = m_window.findChild<QLabel*>(name);
                if (!label)
                    return std::nullopt;
                if (label->isVisible() && label->isEnabled())
                    QTest::mouseClick(label, Qt::LeftButton);
            }
        } else if (word == "open" || word == "save" || word == "saveas" || word == "print") {
            m_dialogs.answer = QString::fromUtf8(arg.data(), static_cast<qsizetype>(arg.size()));
            const char* action = word == "open"     ? "mnOpen"
                                 : word == "save"   ? "mnSave"
                                 : word == "saveas" ? "mnSaveAs"
                                                    : "mnPrint";
            const QString path = *m_dialogs.answer;
            named<QAction>(action)->trigger();
            m_dialogs.patience.stop();
            m_dialogs.answer.reset();
            return word == "print" ? static_cast<long long>(QFileInfo(path).size()) : 0LL;
        } else {
            return std::nullopt;
        }
        return 0;
    }

  private:
    template <class T> T* named(const char* name) {
        T* w = m_window.findChild<T*>(QLatin1String(name));
        if (!w)
            qFatal("no widget %s", name);
        return w;
    }
    QLineEdit* field(int i) {
        return named<QLineEdit>(QStringLiteral("txtSL_%1").arg(i).toLatin1().constData());
    }

    // Each character as its own key: printable ASCII as the key that gives it, a tab as the
    // Tab key, anything else (such as a euro sign) as a key event that carries its text, the
    // way a keyboard layout or an input method delivers it.
    static void typeText(QLineEdit* edit, const QString& text) {
        for (qsizetype i = 0; i < text.size(); ++i) {
            const QChar c = text[i];
            if (c.unicode() >= 0x20 && c.unicode() < 0x7f) {
                QTest::keyClick(edit, static_cast<char>(c.unicode()));
            } else if (c == u'\t') {
                QTest::keyClick(edit, Qt::Key_Tab);
            } else {
                const qsizetype n = c.isHighSurrogate() && i + 1 < text.size() ? 2 : 1;
                QTest::sendKeyEvent(QTest::Click, edit, Qt::Key_unknown, text.mid(i, n),
                                    Qt::NoModifier);
                i += n - 1;
            }
        }
    }

    // As a user picks an entry: open the list, move to the entry, press Enter.
    static void choose(QComboBox* box, int index) {
        if (!box->isEnabled() || index >= box->count())
            return;
        box->showPopup();
        QAbstractItemView* view = box->view();
        view->setCurrentIndex(view->model()->index(index, 0));
        QTest::keyClick(view, Qt::Key_Return);
    }

    // With SELVANE_HOSTILE_SHOTS set to a folder, each look at everything leaves a picture of
    // the window there, so what the user saw can be looked at afterwards.
    void shoot() {
        const QString folder = qEnvironmentVariable("SELVANE_HOSTILE_SHOTS");
        if (folder.isEmpty())
            return;
        m_window.grab().save(QStringLiteral("%1/look-%2-%3.png")
                                 .arg(folder)
                                 .arg(QCoreApplication::applicationPid())
                                 .arg(++m_shots, 3, 10, QLatin1Char('0')));
    }

    long long lookAtEverything() {
        m_window.repaint();
        auto* report = named<ReportView>("rtDetails");
        if (!report->isVisible() || !report->report()) {
            shoot();
            return 0;
        }
        report->scrollToLine(report->report()->lineCount());
        report->viewport()->repaint();
        report->selectAll();
        shoot();
        long long bytes = 0;
        const int refusedBefore = m_messenger.shown;
        report->copy();
        if (m_messenger.shown == refusedBefore)
            bytes =
                QGuiApplication::clipboard()->mimeData()->data(QStringLiteral("text/plain")).size();
        report->clearSelection();
        return bytes;
    }

    ScriptedDialogs m_dialogs;
    CountingMessenger m_messenger;
    int m_shots = 0;
    frmFinCalc m_window;
};

} // namespace

std::optional<std::string> driveWindow(const std::vector<std::string>& lines,
                                       const StepDone& done) {
    // The heartbeat: the longest gap between two of its beats, or since the last one, is the
    // longest the window went without answering.
    QElapsedTimer clock;
    qint64 lastBeat = 0, longest = 0;
    QTimer heartbeat;
    QObject::connect(&heartbeat, &QTimer::timeout, [&] {
        const qint64 now = clock.nsecsElapsed();
        longest = std::max(longest, now - lastBeat);
        lastBeat = now;
    });
    heartbeat.start(2);
    auto begin = [&] {
        clock.restart();
        lastBeat = 0;
        longest = 0;
    };
    auto finish = [&](size_t index, long long bytes) {
        const qint64 now = clock.nsecsElapsed();
        longest = std::max(longest, now - lastBeat);
        done(index, static_cast<double>(longest) / 1e9, static_cast<double>(now) / 1e9, bytes);
    };

    begin();
    Driver driver;
    driver.start();
    finish(0, 0);
    for (size_t i = 0; i < lines.size(); ++i) {
        std::string_view line = lines[i];
        if (!line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        const size_t start = line.find_first_not_of(" \t");
        begin();
        std::optional<long long> bytes = 0;
        if (start != std::string_view::npos && line[start] != '#') {
            bytes = driver.run(line.substr(start));
            if (!bytes)
                return "line " + std::to_string(i + 1) + ": cannot run '" + std::string(line) + "'";
            settle();
        }
        finish(i + 1, *bytes);
    }
    return std::nullopt;
}

} // namespace selvane
