#include "desktop/frm_what_if.h"

#include <algorithm>

#include <QCloseEvent>
#include <QComboBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QSignalBlocker>
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

// A list's lines, replaced only where they changed; whether they did.
bool showLines(QListWidget* list, const std::vector<std::string>& lines) {
    QStringList now;
    for (const std::string& line : lines)
        now << qs(line);
    QStringList shown;
    for (int i = 0; i < list->count(); ++i)
        shown << list->item(i)->text();
    if (shown == now)
        return false;
    list->clear();
    list->addItems(now);
    return true;
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

    // The timeline across the top, the rate behind the payment beside the rate shocks, and the
    // comparison across the bottom.
    auto* groups = new QWidget;
    groups->setObjectName(QStringLiteral("whatIfGroups"));
    auto* layout = m_groups = new QGridLayout(groups);
    layout->addWidget(buildTimeline(), 0, 0, 1, 2);
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

// The captions of an editor's numbers for each kind of event, in the order of TimelineEvent's
// kinds; an empty caption hides its input.
const char* const kNumberCaptions[4][4] = {
    {QT_TRANSLATE_NOOP("selvane::frmWhatIf", "&New APR (%)"),
     QT_TRANSLATE_NOOP("selvane::frmWhatIf", "&From payment"), "", ""},
    {QT_TRANSLATE_NOOP("selvane::frmWhatIf", "&Amount"),
     QT_TRANSLATE_NOOP("selvane::frmWhatIf", "&From payment"),
     QT_TRANSLATE_NOOP("selvane::frmWhatIf", "&Until payment"),
     QT_TRANSLATE_NOOP("selvane::frmWhatIf", "E&very (payments)")},
    {QT_TRANSLATE_NOOP("selvane::frmWhatIf", "&Amount"),
     QT_TRANSLATE_NOOP("selvane::frmWhatIf", "A&t payment"), "", ""},
    {QT_TRANSLATE_NOOP("selvane::frmWhatIf", "&From payment"),
     QT_TRANSLATE_NOOP("selvane::frmWhatIf", "&Payments"), "", ""},
};

QGroupBox* frmWhatIf::buildTimeline() {
    auto* box = new QGroupBox(tr("Timeline"), this);
    box->setObjectName(QStringLiteral("fraTimeline"));

    m_events = new QListWidget(box);
    m_events->setObjectName(QStringLiteral("lstEvents"));
    m_events->setAccessibleName(tr("Events"));
    m_events->setMinimumHeight(5 * m_events->fontMetrics().height());
    // An event reads as a sentence: it wraps to the list's width rather than scrolling sideways.
    m_events->setWordWrap(true);
    m_events->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    // Choosing an event shows it in the editor, to be changed in place or removed.
    connect(m_events, &QListWidget::currentRowChanged, this, [this](int row) {
        m_cmdChange->setEnabled(row >= 0 && m_cmdAdd->isEnabled());
        m_cmdRemove->setEnabled(row >= 0 && m_cmdAdd->isEnabled());
        const auto& events = m_calc.plan.timeline.events();
        if (row < 0 || row >= static_cast<int>(events.size()))
            return;
        const EventInputs in = eventInputs(events[static_cast<size_t>(row)]);
        m_kind->setCurrentIndex(static_cast<int>(in.kind));
        for (size_t i = 0; i < m_numbers.size(); ++i)
            m_numbers[i]->setText(qs(in.numbers[i]));
        m_pay->setCurrentIndex(in.skip ? 0 : 1);
        m_keep->setCurrentIndex(in.keepEndDate ? 1 : 0);
    });

    auto* editor = new QFormLayout;
    m_kind = new QComboBox(box);
    m_kind->setObjectName(QStringLiteral("cboEventKind"));
    m_kind->addItems(
        {tr("Rate change"), tr("Extra payment"), tr("One-time amount"), tr("Payment holiday")});
    m_kind->setCurrentIndex(1);
    m_kind->setAccessibleName(tr("Event"));
    // (A list is read out by its entry, so the caption stays a caption, without a shortcut.)
    editor->addRow(new QLabel(tr("Event"), box), m_kind);
    for (size_t i = 0; i < m_numbers.size(); ++i) {
        m_numbers[i] = new QLineEdit(box);
        m_numbers[i]->setObjectName(QStringLiteral("txtEvent%1").arg(i + 1));
        m_numbers[i]->setAlignment(Qt::AlignRight);
        m_numberCaptions[i] = new QLabel(box);
        m_numberCaptions[i]->setBuddy(m_numbers[i]);
        editor->addRow(m_numberCaptions[i], m_numbers[i]);
    }
    m_pay = new QComboBox(box);
    m_pay->setObjectName(QStringLiteral("cboEventPay"));
    m_pay->addItems({tr("Nothing paid, the interest added"), tr("The interest only")});
    m_keep = new QComboBox(box);
    m_keep->setObjectName(QStringLiteral("cboEventKeep"));
    m_keep->addItems({tr("Then keep the payment"), tr("Then keep the end date")});
    editor->addRow(m_pay);
    editor->addRow(m_keep);
    connect(m_kind, &QComboBox::currentIndexChanged, this, &frmWhatIf::showEditor);
    showEditor(m_kind->currentIndex());

    m_cmdAdd = new QPushButton(tr("A&dd"), box);
    m_cmdAdd->setObjectName(QStringLiteral("cmdAddEvent"));
    m_cmdChange = new QPushButton(tr("C&hange"), box);
    m_cmdChange->setObjectName(QStringLiteral("cmdChangeEvent"));
    m_cmdRemove = new QPushButton(tr("Re&move"), box);
    m_cmdRemove->setObjectName(QStringLiteral("cmdRemoveEvent"));
    connect(m_cmdAdd, &QPushButton::clicked, this, [this] { emit eventAdded(editedWords()); });
    connect(m_cmdChange, &QPushButton::clicked, this,
            [this] { emit eventEdited(m_events->currentRow(), editedWords()); });
    connect(m_cmdRemove, &QPushButton::clicked, this,
            [this] { emit eventRemoved(m_events->currentRow()); });
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(m_cmdAdd);
    buttons->addWidget(m_cmdChange);
    buttons->addWidget(m_cmdRemove);
    buttons->addStretch(1);

    m_overpay = new QComboBox(box);
    m_overpay->setObjectName(QStringLiteral("cboOverpay"));
    m_overpay->addItems(
        {tr("Overpayments shorten the plan"), tr("Overpayments lower the payment")});
    m_overpay->setAccessibleName(tr("Overpayments"));
    connect(m_overpay, &QComboBox::activated, this,
            [this](int index) { emit overpayChosen(index == 1); });

    auto* typed = new QVBoxLayout;
    typed->addWidget(m_events, 1);
    typed->addLayout(editor);
    typed->addLayout(buttons);
    typed->addWidget(m_overpay);

    const char* figures[] = {"lblTimelinePayments",       "lblTimelineLastPayment",
                             "lblTimelineTotalPaid",      "lblTimelineTotalInterest",
                             "lblTimelineInterestChange", "lblTimelinePaymentsChange"};
    const char* captions[] = {QT_TR_NOOP("Payments needed"), QT_TR_NOOP("Last payment"),
                              QT_TR_NOOP("Total paid"),      QT_TR_NOOP("Total interest"),
                              QT_TR_NOOP("Interest change"), QT_TR_NOOP("Term change")};
    auto* grid = new QGridLayout;
    grid->setColumnStretch(1, 1);
    for (size_t i = 0; i < m_timelineFigures.size(); ++i) {
        m_timelineCaptions[i] = new QLabel(tr(captions[i]), box);
        m_timelineFigures[i] = figureLabel(box, figures[i]);
        grid->addWidget(m_timelineCaptions[i], static_cast<int>(i), 0);
        grid->addWidget(m_timelineFigures[i], static_cast<int>(i), 1);
    }
    m_stretches = new QListWidget(box);
    m_stretches->setObjectName(QStringLiteral("lstStretches"));
    m_stretches->setAccessibleName(tr("Payment of each stretch"));
    m_stretches->setSelectionMode(QAbstractItemView::NoSelection);
    m_stretches->setMinimumHeight(4 * m_stretches->fontMetrics().height());
    m_stretches->setWordWrap(true);
    m_stretches->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    auto* stretchesCaption = new QLabel(tr("Payment of each stretch"), box);
    m_timelinePayoff = sentenceLabel(box, "lblTimelinePayoff", false);
    auto* shown = new QVBoxLayout;
    shown->addLayout(grid);
    shown->addWidget(m_timelinePayoff);
    shown->addWidget(stretchesCaption);
    shown->addWidget(m_stretches, 1);

    m_timelineMessage = sentenceLabel(box, "lblTimelineMessage", true);
    m_timelineUnavailable = sentenceLabel(box, "lblTimelineUnavailable", false);
    layOutGroup(box, typed, shown, m_timelineMessage, m_timelineUnavailable);
    return box;
}

void frmWhatIf::showEditor(int kind) {
    const auto row = static_cast<size_t>(std::clamp(kind, 0, 3));
    for (size_t i = 0; i < m_numbers.size(); ++i) {
        const char* caption = kNumberCaptions[row][i];
        m_numberCaptions[i]->setText(*caption != 0 ? tr(caption) : QString());
        m_numberCaptions[i]->setVisible(*caption != 0);
        m_numbers[i]->setVisible(*caption != 0);
    }
    m_pay->setVisible(row == static_cast<size_t>(TimelineEvent::Kind::Holiday));
    m_keep->setVisible(row == static_cast<size_t>(TimelineEvent::Kind::Holiday) ||
                       row == static_cast<size_t>(TimelineEvent::Kind::Rate));
}

QStringList frmWhatIf::editedWords() const {
    EventInputs in;
    in.kind = static_cast<TimelineEvent::Kind>(std::clamp(m_kind->currentIndex(), 0, 3));
    for (size_t i = 0; i < m_numbers.size(); ++i)
        in.numbers[i] = m_numbers[i]->text().toStdString();
    in.skip = m_pay->currentIndex() == 0;
    in.keepEndDate = m_keep->currentIndex() == 1;
    QStringList words;
    for (const std::string& w : eventWords(in))
        words << qs(w);
    return words;
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
                                        tr("Total interest"), tr("Length of the plan"),
                                        tr("Paid off")});
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
    showTimeline();
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

void frmWhatIf::showTimeline() {
    const TimelineGroupTexts t = m_calc.plan.timelineTexts();
    const bool unavailable = !t.unavailable.empty();
    // The list follows the state; the chosen row stays where it was, as far as the list reaches,
    // and the editor keeps what the user typed.
    const int row = m_events->currentRow();
    {
        const QSignalBlocker quiet(m_events);
        if (showLines(m_events, t.timeline.events))
            m_events->setCurrentRow(std::min(row, m_events->count() - 1));
    }
    for (QWidget* w :
         std::initializer_list<QWidget*>{m_events, m_kind, m_pay, m_keep, m_cmdAdd, m_overpay})
        w->setEnabled(!unavailable);
    for (QLineEdit* edit : m_numbers)
        edit->setEnabled(!unavailable);
    m_cmdChange->setEnabled(!unavailable && m_events->currentRow() >= 0);
    m_cmdRemove->setEnabled(!unavailable && m_events->currentRow() >= 0);
    m_overpay->setCurrentIndex(m_calc.plan.timeline.lower ? 1 : 0);
    setText(m_timelineMessage, qs(t.refused));
    m_timelineMessage->setVisible(!t.refused.empty() && !unavailable);
    const QString why = qs(unavailable ? t.unavailable : t.timeline.message);
    setText(m_timelineUnavailable, why);
    m_timelineUnavailable->setVisible(!why.isEmpty());
    for (size_t i = 0; i < m_timelineFigures.size(); ++i) {
        m_timelineCaptions[i]->setEnabled(!unavailable);
        m_timelineFigures[i]->setEnabled(!unavailable);
        setFigure(m_timelineFigures[i], m_timelineCaptions[i]->text(), qs(t.timeline.figures[i]));
    }
    setText(m_timelinePayoff, qs(t.payoff));
    m_timelinePayoff->setVisible(!t.payoff.empty());
    showLines(m_stretches, t.timeline.stretches);
    setText(m_shockFrom, qs(t.shockFrom));
    const auto& shock = t.timeline.shock;
    for (size_t r = 0; r < shock.size(); ++r)
        for (size_t column = 0; column < shock[r].size(); ++column)
            setFigure(m_shock[r][column],
                      column == 0
                          ? QString()
                          : qs(shock[r][0]) + QLatin1Char(' ') + m_shockHeadings[column]->text(),
                      qs(shock[r][column]));
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
    for (int row = 0; row < PaidOff; ++row)
        for (int column = 0; column < CompareColumnCount; ++column)
            setItem(m_compare, row, column,
                    qs(t[static_cast<size_t>(row)][static_cast<size_t>(column)]));
    const std::array<std::string, 3> payoff = m_calc.plan.comparePayoff();
    for (int column = 0; column < CompareColumnCount; ++column)
        setItem(m_compare, PaidOff, column, qs(payoff[static_cast<size_t>(column)]));
}

void frmWhatIf::closeEvent(QCloseEvent* event) {
    rememberSize(QStringLiteral("WhatIf"), size());
    event->accept();
    emit closed();
}

} // namespace selvane
