#pragma once
// What the two start-up probes share: the end of the run at the first paint, and the times of the
// steps of the start. Qt only, so the bare window's probe stays free of the project's code.

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <QTimer>
#include <cstdio>

// Ends the process once the window it watches has painted.
class FirstPaint : public QObject {
  protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint)
            QTimer::singleShot(0, qApp, &QCoreApplication::quit); // after this paint completes
        return false;
    }
};

// With SELVANE_STARTUP_STEPS set, the time since the start of each step, on standard error.
class StartupSteps {
  public:
    StartupSteps() : m_shown(qEnvironmentVariableIsSet("SELVANE_STARTUP_STEPS")) {
        m_clock.start();
    }
    bool shown() const { return m_shown; }
    void operator()(const char* what) const {
        if (m_shown)
            std::fprintf(stderr, "%6.1f ms  %s\n",
                         static_cast<double>(m_clock.nsecsElapsed()) / 1e6, what);
    }

  private:
    QElapsedTimer m_clock;
    bool m_shown;
};
