#pragma once
// What the two start-up probes share: the end of the run at the first paint, and the times of the
// steps of the start. Qt only, so the bare window's probe stays free of the project's code.

#include <QCoreApplication>
#include <QEvent>
#include <QTimer>
#include <QWidget>
#include <cstdio>
#include <cstdlib>
#include <ctime>

// With SELVANE_STARTUP_STEPS set, the time of each step of the start on standard error, and of the
// end of the process's own tear-down. Counted from SELVANE_STARTUP_T0 (nanoseconds of the real-time
// clock, as `date +%s%N` gives them, taken just before the program was started) where it is set,
// so that the loading of the libraries before main shows too; else from main.
class StartupSteps {
  public:
    StartupSteps() : m_shown(qEnvironmentVariableIsSet("SELVANE_STARTUP_STEPS")) {
        bool given = false;
        const qint64 t0 = qEnvironmentVariable("SELVANE_STARTUP_T0").toLongLong(&given);
        s_origin = given ? t0 : now();
        if (m_shown) {
            (*this)("main");
            std::atexit([] { report("torn down"); });
        }
    }
    bool shown() const { return m_shown; }
    void operator()(const char* what) const {
        if (m_shown)
            report(what);
    }

  private:
    static qint64 now() {
        timespec t{};
        clock_gettime(CLOCK_REALTIME, &t);
        return qint64(t.tv_sec) * 1'000'000'000 + t.tv_nsec;
    }
    static void report(const char* what) {
        std::fprintf(stderr, "%6.1f ms  %s\n", static_cast<double>(now() - s_origin) / 1e6, what);
    }
    static inline qint64 s_origin = 0;
    bool m_shown;
};

// Ends the process once the window it watches has painted. It leaves the event loop with exit(),
// not quit(): quit() first closes the windows, and what a program does when its window closes
// (Selvane keeps its settings) is the end of a session, not its start.
class FirstPaint : public QObject {
  public:
    explicit FirstPaint(const StartupSteps& step) : m_step(step) {}

  protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint && !m_painting) {
            m_painting = true;
            m_step("paint begins");
            QTimer::singleShot(0, qApp, [] { QCoreApplication::exit(0); }); // after this paint
        }
        return false;
    }

  private:
    const StartupSteps& m_step;
    bool m_painting = false;
};

// Shows WINDOW and runs the event loop until the window has painted once; the exit status.
inline int showUntilPainted(QWidget& window, const StartupSteps& step) {
    FirstPaint probe(step);
    window.installEventFilter(&probe);
    window.show();
    step("shown");
    const int status = QCoreApplication::exec();
    step("painted");
    return status;
}
