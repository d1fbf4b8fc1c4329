// The floor of start-up for the calculator's own window: a bare Qt Widgets window built of the
// controls the calculator's window shows at start, in their places, fonts and texts (a menu bar of
// five menus and their 21 entries; a top frame of three picture buttons, three captions over three
// editable lists and two buttons, one bold; three frames with bold captions holding 17 captions
// over 17 text boxes; a read-only text box of a help topic with its scroll bar always shown), and
// nothing of the calculator: no state, no figures, no settings, no help files. It ends the process
// as soon as it has painted once, as selvane-startup-probe does. What the calculator spends beyond
// this twin is its own; what the twin spends beyond the 40-control window is the cost of the
// window's make-up in Qt.

#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenuBar>
#include <QPainter>
#include <QPixmap>
#include <QPlainTextEdit>
#include <QPushButton>

#include "first_paint.h"

namespace {

// Twips as the window lays them out: 15 to a pixel.
QRect px(int left, int top, int width, int height) {
    return {left / 15, top / 15, width / 15, height / 15};
}

QIcon picture(QColor colour) {
    QPixmap image(16, 15);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.fillRect(2, 2, 12, 11, colour);
    return QIcon(image);
}

const char* const kTopic =
    "Welcome. Choose what to work out from the Function menu: a personal loan, a mortgage, a "
    "lease, an income from capital or an investment. Then choose the result you want in Select "
    "Result Type, fill in the fields in the Setup and Results frames, and press Calculate or "
    "Enter. The answer appears in its field, and the Interim Results frame shows where the plan "
    "stands after the number of payments you give it. Click a field's caption to read what it "
    "means here. Details shows the plan payment by payment; File > Print prints it. Save and "
    "Open keep scenarios in small text files that you can reopen at any time, and the Tools "
    "menu answers what comes next: extra payments, the rate behind an offer, a change of rate.";

} // namespace

int main(int argc, char* argv[]) {
    const StartupSteps step;
    QApplication app(argc, argv);
    step("application");
    QMainWindow window;
    QFont plain;
    plain.setFamilies({QStringLiteral("Liberation Sans"), QStringLiteral("Arial")});
    plain.setPointSize(8);
    plain.setBold(false); // so that the fields inside the bold-captioned frames are plain
    window.setFont(plain);
    QFont bold = plain;
    bold.setBold(true);
    const std::initializer_list<std::pair<const char*, int>> menus = {
        {"&File", 7}, {"&View", 2}, {"F&unction", 5}, {"&Tools", 5}, {"&Help", 2}};
    for (const auto& [menu, entries] : menus) {
        QMenu* m = window.menuBar()->addMenu(QLatin1String(menu));
        for (int e = 0; e < entries; ++e)
            m->addAction(QStringLiteral("&Entry %1").arg(e));
    }
    auto* client = new QWidget(&window);
    window.setCentralWidget(client);

    auto* top = new QGroupBox(client);
    top->setGeometry(px(120, 0, 9135, 735));
    for (int b = 0; b < 3; ++b) {
        auto* button = new QPushButton(top);
        button->setGeometry(px(120 + 480 * b, 240, 375, 375));
        button->setIcon(picture(QColor::fromHsv(120 * b, 160, 200)));
        button->setIconSize(QSize(16, 15));
    }
    struct List {
        const char* caption;
        int left, width;
    };
    for (const List& l : {List{"Compound Period", 1680, 1455}, List{"Payment Period", 3360, 1455},
                          List{"Select Result Type", 4920, 1935}}) {
        const auto [caption, left, width] = l;
        (new QLabel(QLatin1String(caption), top))->setGeometry(px(left, 150, width, 195));
        auto* list = new QComboBox(top);
        list->setGeometry(px(left, 360, width, 315));
        list->setLineEdit(new QLineEdit(list));
        list->addItems({QStringLiteral("Monthly"), QStringLiteral("Yearly")});
        list->setEditText(QStringLiteral("Select"));
    }
    (new QPushButton(QStringLiteral("Details"), top))->setGeometry(px(6960, 360, 855, 315));
    auto* calculate = new QPushButton(QStringLiteral("Calculate"), top);
    calculate->setGeometry(px(7920, 360, 1095, 315));
    calculate->setFont(bold);

    const char* const captions[] = {"Interim Results", "Results", "Setup"};
    QGroupBox* frames[3];
    for (int f = 0; f < 3; ++f) {
        frames[f] = new QGroupBox(QLatin1String(captions[f]), client);
        frames[f]->setGeometry(px(120, 3240 - 1200 * f, 5895, 1095));
        frames[f]->setFont(bold);
    }
    const int perFrame[] = {6, 5, 6};
    for (int f = 0, field = 0; f < 3; ++f) {
        for (int i = 0; i < perFrame[f]; ++i, ++field) {
            auto* label = new QLabel(QStringLiteral("Caption %1").arg(field), frames[f]);
            label->setGeometry(px(120 + 960 * i, 240, 900, 195));
            label->setFont(plain);
            auto* edit = new QLineEdit(QStringLiteral("1,234.56"), frames[f]);
            edit->setGeometry(px(120 + 960 * i, 480, 900, 315));
            edit->setFont(plain);
        }
    }
    auto* comments = new QPlainTextEdit(QLatin1String(kTopic), client);
    comments->setGeometry(px(6120, 840, 3135, 3495));
    comments->setReadOnly(true);
    comments->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    comments->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    window.resize(625, 289 + window.menuBar()->sizeHint().height());
    window.setWindowTitle(QStringLiteral("Personal Loans"));
    step("window made");
    return showUntilPainted(window, step);
}
