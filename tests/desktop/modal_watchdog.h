#pragma once
// Fails a window test in which a modal window opens: every dialog of the program must reach the
// tests through a fake. A modal window that does open is closed again so the test can finish.

#include <QApplication>
#include <QStringList>
#include <QTimer>
#include <QWidget>

class ModalWatchdog : public QObject {
  public:
    ModalWatchdog() {
        connect(&m_timer, &QTimer::timeout, this, &ModalWatchdog::check);
        m_timer.start(10);
    }
    // Class and title of every modal window seen, for the failure message.
    const QStringList& seen() const { return m_seen; }

  private:
    void check() {
        if (QWidget* w = QApplication::activeModalWidget()) {
            m_seen << QString::fromLatin1(w->metaObject()->className()) + QLatin1String(" \"") +
                          w->windowTitle() + QLatin1Char('"');
            w->close();
        }
    }
    QTimer m_timer;
    QStringList m_seen;
};
