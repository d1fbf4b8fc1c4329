// The yardstick of start-up: a bare Qt Widgets window of 40 controls (a menu bar of five menus,
// 17 captions over 17 text boxes, three lists and three buttons), ending the process as soon as
// it has painted once, as selvane-startup-probe does for the calculator.

#include <QApplication>
#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenuBar>
#include <QPushButton>

#include "first_paint.h"

int main(int argc, char* argv[]) {
    const StartupSteps step;
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
    return showUntilPainted(window, step);
}
