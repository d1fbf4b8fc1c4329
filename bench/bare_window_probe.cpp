// The yardstick of start-up: a bare Qt Widgets window of 40 controls (a menu bar of five menus,
// 17 captions over 17 text boxes, three lists and three buttons), ending the process as soon as
// it has painted once, as selvane-startup-probe does for the calculator.

#include <QApplication>
#include <QComboBox>
#include <QElapsedTimer>
#include <QEvent>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenuBar>
#include <QPushButton>
#include <QTimer>
#include <cstdio>

namespace {
class FirstPaint : public QObject {
  protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint)
            QTimer::singleShot(0, qApp, &QCoreApplication::quit); // after this paint completes
        return false;
    }
};
} // namespace

// With SELVANE_STARTUP_STEPS set, the time each step of the start took goes to standard error.
int main(int argc, char* argv[]) {
    QElapsedTimer clock;
    clock.start();
    const bool steps = qEnvironmentVariableIsSet("SELVANE_STARTUP_STEPS");
    auto step = [&](const char* what) {
        if (steps)
            std::fprintf(stderr, "%6.1f ms  %s\n", static_cast<double>(clock.nsecsElapsed()) / 1e6,
                         what);
    };
    QApplication app(argc, argv);
    step("application");
    QMainWindow window;
    for (const char* menu : {"&File", "&View", "F&unction", "&Tools", "&Help"})
        window.menuBar()->addMenu(QLatin1String(menu))->addAction(QStringLiteral("Entry"));
    auto* client = new QWidget(&window);
    auto* grid = new QGridLayout(client);
    for (int i = 0; i < 17; ++i) {
        grid->addWidget(new QLabel(QStringLiteral("Caption %1").arg(i), client), 2 * (i / 6),
                        i % 6);
        grid->addWidget(new QLineEdit(QStringLiteral("1234.56"), client), 2 * (i / 6) + 1, i % 6);
    }
    for (int i = 0; i < 3; ++i) {
        auto* list = new QComboBox(client);
        list->addItems({QStringLiteral("Monthly"), QStringLiteral("Yearly")});
        grid->addWidget(list, 6, i);
        grid->addWidget(new QPushButton(QStringLiteral("Button %1").arg(i), client), 7, i);
    }
    window.setCentralWidget(client);
    step("window made");
    FirstPaint probe;
    window.installEventFilter(&probe);
    window.show();
    step("shown");
    const int status = QApplication::exec();
    step("painted");
    return status;
}
