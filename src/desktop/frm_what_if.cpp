#include "desktop/frm_what_if.h"

#include <algorithm>

#include <QButtonGroup>
#include <QCheckBox>
#include <QCloseEvent>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QScrollArea>
#include <QTableWidget>
#include <QVBoxLayout>

#include "desktop/readable_colours.h"
#include "desktop/recent_files_menu.h"

namespace selvane {

namespace {

QString qs(const std::string& s) {
    return QString::fromStdString(s);
}

// A figure the window cannot show: extras that do not apply, or nothing kept.
const QString kNone = QStringLiteral("\u2013");

QLabel* figureLabel(QWidget* parent, const char* name) {
    auto* label = new QLabel(kNone, parent);
    label->setObjectName(QLatin1String(name));
    label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    return label;
}

// A sentence wraps to the width its group has: it never widens the window, which would otherwise
// grow towards the sentence's width on one line when it appears.
void wrapToGroup(QLabel* label) {
    label->setWordWrap(true);
    QSizePolicy policy = label->sizePolicy(); // wrapping gave it a height for its width
    policy.setHorizontalPolicy(QSizePolicy::Ignored);
    label->setSizePolicy(policy);
}

// A sentence under a group's inputs and figures; a warning is in the readable red.
QLabel* sentenceLabel(QWidget* parent, const char* name, bool warning) {
    auto* label = new QLabel(parent);
    label->setObjectName(QLatin1String(name));
    wrapToGroup(label);
    if (warning) {
        QPalette red = label->palette();
        red.setColor(QPalette::WindowText, warningColour(red.color(QPalette::Window)));
        label->setPalette(red);
    }
    return label;
}

// The inputs beside the figures, and the group's sentences under them.
void layOutGroup(QGroupBox* box, QLayout* typed, QLayout* shown, QLabel* message,
                 QLabel* unavailable) {
    auto* columns = new QHBoxLayout;
    columns->addLayout(typed, 1);
    columns->addSpacing(16);
    columns->addLayout(shown, 1);
    auto* all = new QVBoxLayout(box);
    all->addLayout(columns);
    all->addWidget(message);
    all->addWidget(unavailable);
}

void setText(QLabel* label, const QString& text) {
    if (label->text() != text)
        label->setText(text);
}

// A figure is called what it is and what it says ("Total paid 24,045.54"), so that a screen
// reader tells the figures of a group apart.
void setFigure(QLabel* label, const QString& called, const QString& text) {
    setText(label, text);
    const QString name = called.isEmpty() ? text : called + QLatin1Char(' ') + text;
    if (label->accessibleName() != name)
        label->setAccessibleName(name);
}

void setItem(QTableWidget* table, int row, int column, const QString& text) {
    QTableWidgetItem* item = table->item(row, column);
    if (item == nullptr) {
        item = new QTableWidgetItem;
        item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
        item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
        table->setItem(row, column, item);
    }
    if (item->text() != text)
        item->setText(text);
}

} // namespace

frmWhatIf::frmWhatIf(const FinCalc& calc) : m_calc(calc) {
    setObjectName(QStringLiteral("frmWhatIf"));
    setAttribute(Qt::WA_DeleteOnClose); // closing unloads the window, as the chart's
    setWindowTitle(tr("What If"));

    // The two questions about the plan's payments side by side, the rate shock under the rate
    // change it follows, and the comparison across the bottom.
    auto* groups = new QWidget;
    groups->setObjectName(QStringLiteral("whatIfGroups"));
    auto* layout = m_groups = new QGridLayout(groups);
    layout->addWidget(buildExtras(), 0, 0);
    layout->addWidget(buildRateChange(), 0, 1);
    layout->addWidget(buildRate(), 1, 0);
    layout->addWidget(buildShock(), 1, 1);
    layout->addWidget(buildCompare(), 2, 0, 1, 2);
    layout->setColumnStretch(0, 1);
    layout->setColumnStretch(1, 1);
    layout->setRowStretch(3, 1); // a taller window leaves the room below the groups
    // On a screen too small for the groups (a laptop at a large scale) they scroll inside the
    // window, which stays on the screen.
    m_scroll = new QScrollArea(this);
    m_scroll->setWidget(groups);
    m_scroll->setWidgetResizable(true);
    m_scroll->setFrameShape(QFrame::NoFrame);
    auto* window = new QVBoxLayout(this);
    window->setContentsMargins(0, 0, 0, 0);
    window->addWidget(m_scroll);
    showState();
    // The size it had when last closed, else the size its groups need; the host fits it on the
    // screen it opens on. A size set here is the window's own: Qt no longer refits it to its
    // contents as they change.
    const QSize last = rememberedSize(QStringLiteral("WhatIf"));
    m_needed = naturalSize();
    resize(last.isEmpty() ? m_needed : last);
}

frmWhatIf::~frmWhatIf() = default;

QSize frmWhatIf::naturalSize() const {
    // As narrow as the groups allow and as tall as they are at that width. A label's new text
    // reaches only the layout of its group box, not the layouts nested in it, until the window
    // lays itself out; so every layout measures afresh.
    for (QLayout* layout : m_scroll->widget()->findChildren<QLayout*>())
        layout->invalidate();
    const QSize least = m_scroll->widget()->minimumSizeHint();
    return {least.width(), std::max(least.height(), m_groups->totalHeightForWidth(least.width()))};
}

QGroupBox* frmWhatIf::buildExtras() {
    auto* box = new QGroupBox(tr("Extra payments"), this);
    box->setObjectName(QStringLiteral("fraExtras"));

    const std::array<std::string, 4> texts = m_calc.plan.extrasTexts();
    const struct {
        const char *name, *caption;
    } inputs[] = {
        {"txtExtra", QT_TR_NOOP("&Extra each payment")},
        {"txtFrom", QT_TR_NOOP("&From payment")},
        {"txtLump", QT_TR_NOOP("&One-time amount")},
        {"txtAt", QT_TR_NOOP("&At payment")},
    };
    auto* typed = new QFormLayout;
    for (size_t i = 0; i < m_inputs.size(); ++i) {
        auto* edit = new QLineEdit(qs(texts[i]), box);
        edit->setObjectName(QLatin1String(inputs[i].name));
        edit->setAlignment(Qt::AlignRight);
        // Every edit the user makes goes to the state, which takes the four texts or says why not.
        connect(edit, &QLineEdit::textEdited, this, [this] {
            emit extrasEdited(m_inputs[0]->text(), m_inputs[1]->text(), m_inputs[2]->text(),
                              m_inputs[3]->text());
        });
        m_inputs[i] = edit;
        auto* caption = new QLabel(tr(inputs[i].caption), box);
        caption->setBuddy(edit);
        typed->addRow(caption, edit);
    }

    const struct {
        const char *name, *caption;
    } figures[FigureCount] = {
        {"lblNeededPayments", QT_TR_NOOP("Payments needed")},
        {"lblLastPayment", QT_TR_NOOP("Last payment")},
        {"lblTotalPaid", QT_TR_NOOP("Total paid")},
        {"lblTotalInterest", QT_TR_NOOP("Total interest")},
        {"lblInterestSaved", QT_TR_NOOP("Interest saved")},
        {"lblPaymentsSaved", QT_TR_NOOP("Payments saved")},
        {"lblYearsSaved", QT_TR_NOOP("Years saved")},
    };
    auto* shown = new QGridLayout;
    shown->setColumnStretch(1, 1);
    for (int i = 0; i < FigureCount; ++i) {
        m_figureCaptions[i] = new QLabel(tr(figures[i].caption), box);
        m_figures[i] = figureLabel(box, figures[i].name);
        shown->addWidget(m_figureCaptions[i], i, 0);
        shown->addWidget(m_figures[i], i, 1);
    }

    m_extrasMessage = sentenceLabel(box, "lblExtrasMessage", true);
    m_unavailable = sentenceLabel(box, "lblExtrasUnavailable", false);
    layOutGroup(box, typed, shown, m_extrasMessage, m_unavailable);
    return box;
}

QGroupBox* frmWhatIf::buildRateChange() {
    auto* box = new QGroupBox(tr("Rate change"), this);
    box->setObjectName(QStringLiteral("fraRateChange"));
    const RateChangeTexts texts = m_calc.plan.rateChangeTexts();

    m_chkRateChange = new QCheckBox(tr("C&hange the rate"), box);
    m_chkRateChange->setObjectName(QStringLiteral("chkRateChange"));
    m_chkRateChange->setChecked(texts.on);
    const struct {
        const char *name, *caption;
        const std::string& text;
    } inputs[] = {{"txtNewApr", QT_TR_NOOP("&New APR (%)"), texts.apr},
                  {"txtChangeFrom", QT_TR_NOOP("From pa&yment"), texts.from}};
    auto* typed = new QFormLayout;
    typed->addRow(m_chkRateChange);
    for (size_t i = 0; i < m_changeInputs.size(); ++i) {
        auto* edit = new QLineEdit(qs(inputs[i].text), box);
        edit->setObjectName(QLatin1String(inputs[i].name));
        edit->setAlignment(Qt::AlignRight);
        m_changeInputs[i] = edit;
        auto* caption = new QLabel(tr(inputs[i].caption), box);
        caption->setBuddy(edit);
        typed->addRow(caption, edit);
    }
    m_optKeepPayment = new QRadioButton(tr("Keep the &payment"), box);
    m_optKeepPayment->setObjectName(QStringLiteral("optKeepPayment"));
    m_optKeepEndDate = new QRadioButton(tr("Keep the en&d date"), box);
    m_optKeepEndDate->setObjectName(QStringLiteral("optKeepEndDate"));
    (texts.keepEndDate ? m_optKeepEndDate : m_optKeepPayment)->setChecked(true);
    auto* answers = new QButtonGroup(box);
    answers->addButton(m_optKeepPayment);
    answers->addButton(m_optKeepEndDate);
    typed->addRow(m_optKeepPayment);
    typed->addRow(m_optKeepEndDate);

    // Every edit, and every choice of the lender's answer, goes to the state while the change is
    // on; turning it off removes it.
    auto edited = [this] {
        if (m_chkRateChange->isChecked())
            emit rateChangeEdited(m_changeInputs[0]->text(), m_changeInputs[1]->text(),
                                  m_optKeepEndDate->isChecked());
    };
    for (QLineEdit* edit : m_changeInputs)
        connect(edit, &QLineEdit::textEdited, this, edited);
    connect(answers, &QButtonGroup::buttonClicked, this, edited);
    connect(m_chkRateChange, &QCheckBox::clicked, this, [this, edited](bool on) {
        if (on)
            edited();
        else
            emit rateChangeCleared();
    });

    const char* figures[] = {"lblChangePayment",   "lblChangePayments",      "lblChangeLastPayment",
                             "lblChangeTotalPaid", "lblChangeTotalInterest", "lblChangeInterest",
                             "lblChangeTerm"};
    const char* captions[] = {QT_TR_NOOP("Payment from the change"),
                              QT_TR_NOOP("Payments needed"),
                              QT_TR_NOOP("Last payment"),
                              QT_TR_NOOP("Total paid"),
                              QT_TR_NOOP("Total interest"),
                              QT_TR_NOOP("Interest change"),
                              QT_TR_NOOP("Term change")};
    auto* shown = new QGridLayout;
    shown->setColumnStretch(1, 1);
    for (size_t i = 0; i < m_changeFigures.size(); ++i) {
        m_changeCaptions[i] = new QLabel(tr(captions[i]), box);
        m_changeFigures[i] = figureLabel(box, figures[i]);
        shown->addWidget(m_changeCaptions[i], static_cast<int>(i), 0);
        shown->addWidget(m_changeFigures[i], static_cast<int>(i), 1);
    }

    m_changeMessage = sentenceLabel(box, "lblChangeMessage", true);
    m_changeUnavailable = sentenceLabel(box, "lblChangeUnavailable", false);
    layOutGroup(box, typed, shown, m_changeMessage, m_changeUnavailable);
    return box;
}

QGroupBox* frmWhatIf::buildShock() {
    auto* box = new QGroupBox(tr("Rate shock"), this);
    box->setObjectName(QStringLiteral("fraShock"));
    m_shockFrom = new QLabel(box);
    m_shockFrom->setObjectName(QStringLiteral("lblShockFrom"));
    auto* grid = new QGridLayout(box);
    grid->addWidget(m_shockFrom, 0, 0, 1, 3);
    const char* headings[] = {QT_TR_NOOP("APR"), QT_TR_NOOP("Payment"),
                              QT_TR_NOOP("Total interest")};
    for (int column = 0; column < 3; ++column) {
        auto* heading = m_shockHeadings[static_cast<size_t>(column)] =
            new QLabel(tr(headings[column]), box);
        heading->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        grid->addWidget(heading, 1, column);
        for (int row = 0; row < 3; ++row) {
            const std::string name =
                "lblShock" + std::to_string(row + 1) + "_" + std::to_string(column);
            QLabel* label = figureLabel(box, name.c_str());
            m_shock[static_cast<size_t>(row)][static_cast<size_t>(column)] = label;
            grid->addWidget(label, row + 2, column);
        }
    }
    grid->setRowStretch(5, 1);
    return box;
}

QGroupBox* frmWhatIf::buildRate() {
    auto* box = new QGroupBox(tr("Find the rate"), this);
    box->setObjectName(QStringLiteral("fraRate"));
    m_cmdFindRate = new QPushButton(tr("Find the &Rate"), box);
    m_cmdFindRate->setObjectName(QStringLiteral("cmdFindRate"));
    m_cmdUseRate = new QPushButton(tr("&Use This Rate"), box);
    m_cmdUseRate->setObjectName(QStringLiteral("cmdUseRate"));
    connect(m_cmdFindRate, &QPushButton::clicked, this, &frmWhatIf::findRateClicked);
    connect(m_cmdUseRate, &QPushButton::clicked, this, &frmWhatIf::useRateClicked);

    m_apr = figureLabel(box, "lblFoundApr");
    m_realApr = figureLabel(box, "lblFoundRealApr");
    m_rateMessage = new QLabel(box);
    m_rateMessage->setObjectName(QStringLiteral("lblRateMessage"));
    wrapToGroup(m_rateMessage);

    auto* grid = new QGridLayout(box);
    m_aprCaption = new QLabel(tr("APR"), box);
    m_realAprCaption = new QLabel(tr("Real APR"), box);
    grid->addWidget(m_aprCaption, 0, 0);
    grid->addWidget(m_apr, 0, 1);
    grid->addWidget(m_cmdFindRate, 0, 3);
    grid->addWidget(m_realAprCaption, 1, 0);
    grid->addWidget(m_realApr, 1, 1);
    grid->addWidget(m_cmdUseRate, 1, 3);
    grid->addWidget(m_rateMessage, 2, 0, 1, 4);
    grid->setColumnStretch(2, 1);
    return box;
}

QGroupBox* frmWhatIf::buildCompare() {
    auto* box = new QGroupBox(tr("Compare"), this);
    box->setObjectName(QStringLiteral("fraCompare"));
    m_cmdKeep = new QPushButton(tr("&Keep for Comparison"), box);
    m_cmdKeep->setObjectName(QStringLiteral("cmdKeep"));
    m_cmdClearKept = new QPushButton(tr("&Clear"), box);
    m_cmdClearKept->setObjectName(QStringLiteral("cmdClearKept"));
    connect(m_cmdKeep, &QPushButton::clicked, this, &frmWhatIf::keepClicked);
    connect(m_cmdClearKept, &QPushButton::clicked, this, &frmWhatIf::clearKeptClicked);

    m_compare = new QTableWidget(CompareRowCount, CompareColumnCount, box);
    m_compare->setObjectName(QStringLiteral("tblCompare"));
    m_compare->setAccessibleName(box->title());
    m_compare->setHorizontalHeaderLabels({tr("Kept"), tr("Now"), tr("Difference")});
    m_compare->setVerticalHeaderLabels({tr("Payment"), tr("Number of payments"), tr("Total paid"),
                                        tr("Total interest"), tr("Length of the plan")});
    m_compare->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_compare->setWordWrap(false);
    m_compare->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    m_compare->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    m_compare->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_compare->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    // The whole table, no more: five rows under the header.
    const int rows = m_compare->horizontalHeader()->sizeHint().height() +
                     CompareRowCount * m_compare->verticalHeader()->defaultSectionSize() +
                     2 * m_compare->frameWidth();
    m_compare->setFixedHeight(rows);
    const QFontMetrics fm(m_compare->font());
    m_compare->setMinimumWidth(m_compare->verticalHeader()->sizeHint().width() +
                               3 * fm.horizontalAdvance(QStringLiteral("-$9,999,999.99MM")));

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(m_cmdKeep);
    buttons->addWidget(m_cmdClearKept);
    buttons->addStretch(1);
    auto* all = new QVBoxLayout(box);
    all->addLayout(buttons);
    all->addWidget(m_compare);
    return box;
}

void frmWhatIf::showState() {
    showExtras();
    showRateChange();
    showRate();
    showCompare();
    growToGroups();
}

void frmWhatIf::growToGroups() {
    if (!isVisible())
        return; // the host sizes it before it shows
    // Longer figures, or a wrapped sentence shown, need more room than the groups had: a window
    // as large as they needed before grows with them rather than scrolling, as far as the screen
    // has room, and stays on the screen. One the user made smaller scrolls. A sentence never
    // widens it (it wraps to its group).
    // (The scroll area fills the window, margins and all.)
    const QSize before = m_needed;
    m_needed = naturalSize();
    m_needed.setHeight(std::max(m_needed.height(), m_groups->totalHeightForWidth(width())));
    QSize grown = size();
    if (width() >= before.width())
        grown.setWidth(std::max(width(), m_needed.width()));
    if (height() >= before.height())
        grown.setHeight(std::max(height(), m_needed.height()));
    const QScreen* shownOn = screen();
    if (shownOn == nullptr || grown == size())
        return;
    const QRect room = shownOn->availableGeometry();
    resize(grown.boundedTo(room.size() - (frameGeometry().size() - size())));
    QRect place = frameGeometry();
    place.moveRight(std::min(place.right(), room.right()));
    place.moveBottom(std::min(place.bottom(), room.bottom()));
    move(place.topLeft());
}

void frmWhatIf::showExtras() {
    const WhatIfTexts t = m_calc.plan.whatIfTexts();
    const bool unavailable = m_calc.plan.extrasUnavailable().has_value();
    // A refused text says why, while the extras can be typed; the figures stay those of the
    // last extras taken.
    setText(m_extrasMessage, qs(t.refused));
    m_extrasMessage->setVisible(!t.refused.empty() && !unavailable);
    setText(m_unavailable, qs(t.unavailable + (t.note.empty() ? "" : t.note)));
    m_unavailable->setVisible(!m_unavailable->text().isEmpty());
    for (QLineEdit* edit : m_inputs)
        edit->setEnabled(!unavailable);
    for (int i = 0; i < FigureCount; ++i) {
        m_figureCaptions[i]->setEnabled(!unavailable);
        m_figures[i]->setEnabled(!unavailable);
        setFigure(m_figures[i], m_figureCaptions[i]->text(), qs(t.figures[static_cast<size_t>(i)]));
    }
}

void frmWhatIf::showRateChange() {
    const RateChangeTexts t = m_calc.plan.rateChangeTexts();
    const bool unavailable = !t.unavailable.empty();
    // The check follows the state (a script or another window may change it); the texts are the
    // user's own while typed.
    m_chkRateChange->setChecked(t.on);
    m_chkRateChange->setEnabled(!unavailable);
    for (QLineEdit* edit : m_changeInputs)
        edit->setEnabled(t.on && !unavailable);
    m_optKeepPayment->setEnabled(t.on && !unavailable);
    m_optKeepEndDate->setEnabled(t.on && !unavailable);
    const QString message = qs(t.refused.empty() ? t.message : t.refused);
    setText(m_changeMessage, message);
    m_changeMessage->setVisible(!message.isEmpty());
    setText(m_changeUnavailable, qs(t.unavailable));
    m_changeUnavailable->setVisible(unavailable);
    for (size_t i = 0; i < m_changeFigures.size(); ++i) {
        m_changeCaptions[i]->setEnabled(t.on && !unavailable);
        m_changeFigures[i]->setEnabled(t.on && !unavailable);
        setFigure(m_changeFigures[i], m_changeCaptions[i]->text(), qs(t.figures[i]));
    }
    setText(m_shockFrom, qs(t.shockFrom));
    for (size_t row = 0; row < t.shock.size(); ++row)
        for (size_t column = 0; column < t.shock[row].size(); ++column)
            setFigure(m_shock[row][column],
                      column == 0 ? QString()
                                  : qs(t.shock[row][0]) + QLatin1Char(' ') +
                                        m_shockHeadings[column]->text(),
                      qs(t.shock[row][column]));
}

void frmWhatIf::showRate() {
    const RateTexts t = m_calc.plan.rateTexts();
    setFigure(m_apr, m_aprCaption->text(), qs(t.apr));
    setFigure(m_realApr, m_realAprCaption->text(), qs(t.realApr));
    setText(m_rateMessage, qs(t.message.empty() ? t.note : t.message));
    m_rateMessage->setVisible(!m_rateMessage->text().isEmpty());
    m_cmdUseRate->setEnabled(t.usable);
}

void frmWhatIf::showCompare() {
    const CompareTexts t = m_calc.plan.compareTexts();
    m_cmdClearKept->setEnabled(m_calc.plan.kept.has_value());
    for (int row = 0; row < CompareRowCount; ++row)
        for (int column = 0; column < CompareColumnCount; ++column)
            setItem(m_compare, row, column,
                    qs(t[static_cast<size_t>(row)][static_cast<size_t>(column)]));
}

void frmWhatIf::closeEvent(QCloseEvent* event) {
    rememberSize(QStringLiteral("WhatIf"), size());
    event->accept();
    emit closed();
}

} // namespace selvane
