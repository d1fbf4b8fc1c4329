// The window built from the layout tables, and the state shown in it. What the user does in it
// is forwarded to the state in frm_fincalc_events.cpp.

#include "desktop/frm_fincalc.h"

#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QFocusFrame>
#include <QGroupBox>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <algorithm>

#include "desktop/accessibility.h"
#include "desktop/field_layout.h"
#include "desktop/frm_offers.h"
#include "desktop/frm_schedule.h"
#include "desktop/frm_statement.h"
#include "desktop/frm_what_if.h"
#include "desktop/icons.h"
#include "desktop/open_paths.h"
#include "desktop/readable_colours.h"
#include "desktop/recent_files_menu.h"
#include "desktop/report_view.h"
#include "desktop/ui_text.h"

namespace selvane {

namespace {

QString qs(const std::string& s) {
    return QString::fromStdString(s);
}
QColor rgb(std::uint32_t colour) {
    return QColor::fromRgb(static_cast<QRgb>(colour));
}

// The twips sizes were laid out for a narrow 8-point system font; Liberation Sans, with Arial's
// metrics, fits them at the same size.
QFont windowFont() {
    QFont f;
    f.setFamilies(
        {QStringLiteral("Liberation Sans"), QStringLiteral("Arial"), QStringLiteral("Helvetica")});
    f.setPointSize(8);
    f.setBold(false);
    return f;
}

void setBackground(QWidget* w, const QColor& colour) {
    setFieldBackground(w, colour); // with dark text where a dark palette would give light text
}

void setCaption(QLabel* label, const QString& caption, int tableWidth) {
    label->setText(caption);
    label->resize(captionWidth(label, tableWidth), label->height());
}

} // namespace

frmFinCalc::frmFinCalc(const DesktopServices& services) : m_host(this, services), m_calc(m_host) {
    setObjectName(QStringLiteral("frmFinCalc"));
    setFont(windowFont());
    auto* client = new QWidget(this);
    setCentralWidget(client);
    buildTopStrip(client);
    buildFields(client);

    m_txtComments = new QPlainTextEdit(client);
    m_txtComments->setObjectName(QStringLiteral("txtComments"));
    m_txtComments->setGeometry(toPixels(place(Control::txtComments).rect));
    m_txtComments->setReadOnly(true); // it only shows the help topics
    m_txtComments->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    // Its lines wrap at its width, a word too long for it anywhere: it never scrolls across.
    m_txtComments->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    stretched(m_txtComments, Stretch::Whole);

    m_rtDetails = new ReportView(client);
    m_rtDetails->setObjectName(QStringLiteral("rtDetails"));
    m_rtDetails->setGeometry(toPixels(place(Control::rtDetails).rect));
    stretched(m_rtDetails, Stretch::Whole);
    connect(m_rtDetails, &ReportView::copyRefused, this, [this](std::int64_t) {
        // The count stopped at the limit: how much more the selection holds is not known.
        const QLocale english(QLocale::English);
        const qint64 limit = ReportView::kMaxCopyBytes;
        m_host.tell(tr("Copy").toStdString(),
                    tr("The selection holds more than %1 MB of text, and "
                       "at most %1 MB (%2 bytes) can be copied at a time. "
                       "Select a part of the report and copy again.")
                        .arg(english.toString(limit / 1'000'000), english.toString(limit))
                        .toStdString());
    });

    // What the user asked for and did not get is said here, over the foot of the window, with no
    // dialog to dismiss; it goes with the next action.
    m_notice = new QLabel(client);
    m_notice->setObjectName(QStringLiteral("notice"));
    m_notice->setWordWrap(true);
    m_notice->setMargin(4);
    m_notice->setFrameShape(QFrame::Box);
    m_notice->setAutoFillBackground(true);
    m_notice->setTextInteractionFlags(Qt::TextSelectableByMouse);
    QPalette alert = m_notice->palette();
    alert.setColor(QPalette::Window, QColor(255, 228, 225));
    alert.setColor(QPalette::WindowText, QColor(128, 0, 0));
    m_notice->setPalette(alert);
    m_notice->setAccessibleName(tr("Notice"));
    m_notice->hide();

    // The comments box and the report take the focus, to scroll, select and copy, but the style
    // marks neither when it has it: a ring in the highlight colour around the box does.
    auto* focusRing = new QFocusFrame(client);
    focusRing->setObjectName(QStringLiteral("focusRing"));
    QPalette ring = focusRing->palette();
    ring.setColor(QPalette::WindowText, ring.color(QPalette::Active, QPalette::Highlight));
    focusRing->setPalette(ring);
    m_chosenWidth = rememberedSize(QStringLiteral("Main")).width();
    connect(qApp, &QApplication::focusChanged, focusRing,
            [this, focusRing](QWidget*, QWidget* now) {
                focusRing->setWidget(now == m_txtComments || now == m_rtDetails ? now : nullptr);
            });

    buildMenus();
    describeControls(this);
    // The chart window's buttons run the state's handlers and show the outcome, as the menus do.
    // (The chart window comes from the views library, loaded the first time it is asked for.)
    m_host.setChartMaker([this] {
        return views().makeChartWindow(
            m_calc, [this] { run([&] { m_calc.mnSaveChart_Click(); }); },
            [this] { run([&] { m_calc.chartClosed(); }); });
    });
    m_host.setWhatIfMaker([this] {
        auto* whatIf = new frmWhatIf(m_calc);
        auto words = [](const QStringList& list) {
            std::vector<std::string> w;
            for (const QString& word : list)
                w.push_back(word.toStdString());
            return w;
        };
        connect(whatIf, &frmWhatIf::eventAdded, this, [this, words](const QStringList& list) {
            run([&] { m_calc.addEvent(words(list)); });
        });
        connect(whatIf, &frmWhatIf::eventEdited, this,
                [this, words](int index, const QStringList& list) {
                    run([&] { m_calc.editEvent(static_cast<std::size_t>(index), words(list)); });
                });
        connect(whatIf, &frmWhatIf::eventRemoved, this, [this](int index) {
            run([&] { m_calc.removeEvent(static_cast<std::size_t>(index)); });
        });
        connect(whatIf, &frmWhatIf::overpayChosen, this,
                [this](bool lower) { run([&] { m_calc.chooseOverpay(lower); }); });
        connect(whatIf, &frmWhatIf::findRateClicked, this,
                [this] { run([&] { m_calc.mnFindRate_Click(); }); });
        connect(whatIf, &frmWhatIf::useRateClicked, this,
                [this] { run([&] { m_calc.mnUseRate_Click(); }); });
        connect(whatIf, &frmWhatIf::keepClicked, this,
                [this] { run([&] { m_calc.mnKeep_Click(); }); });
        connect(whatIf, &frmWhatIf::clearKeptClicked, this,
                [this] { run([&] { m_calc.mnClearKept_Click(); }); });
        connect(whatIf, &frmWhatIf::closed, this, [this] { run([&] { m_calc.whatIfClosed(); }); });
        return whatIf;
    });
    m_host.setScheduleMaker([this] {
        auto* schedule = new frmSchedule(m_calc);
        connect(schedule, &frmSchedule::startChosen, this, [this](const QString& iso) {
            run([&] {
                if (iso.isEmpty())
                    m_calc.datesOff();
                else
                    m_calc.setStartDate(iso.toStdString());
            });
        });
        connect(schedule, &frmSchedule::firstChosen, this, [this](const QString& iso) {
            run([&] { m_calc.setFirstPaymentDate(iso.toStdString()); });
        });
        connect(schedule, &frmSchedule::basisChosen, this, [this](int basis) {
            run([&] { m_calc.chooseBasis(static_cast<DayCount>(basis)); });
        });
        connect(schedule, &frmSchedule::roundingChosen, this,
                [this](bool cents) { run([&] { m_calc.chooseRounding(cents); }); });
        connect(schedule, &frmSchedule::closed, this,
                [this] { run([&] { m_calc.scheduleClosed(); }); });
        return schedule;
    });
    m_host.setOffersMaker([this] { return makeOffersWindow(); });
    m_host.setStatementMaker([this] { return makeStatementWindow(); });
    // A file dropped on the window opens as File > Open opens it.
    new ScenarioDropFilter(this, [this](const QString& path) { openScenario(path); });
    showState();
}

frmFinCalc::~frmFinCalc() = default;

frmOffers* frmFinCalc::makeOffersWindow() {
    auto* offers = new frmOffers(m_calc);
    const auto at = [](int row) { return static_cast<std::size_t>(row); };
    const auto text = [](const QString& t) { return t.toStdString(); };
    connect(offers, &frmOffers::addClicked, this, [this] { run([&] { m_calc.addOffer(); }); });
    connect(
        offers, &frmOffers::offerEdited, this,
        [this, at, text](int row, int column, const QString& typed) {
            run([&] { m_calc.editOffer(at(row), static_cast<OfferColumn>(column), text(typed)); });
        });
    connect(offers, &frmOffers::duplicateClicked, this,
            [this, at](int row) { run([&] { m_calc.duplicateOffer(at(row)); }); });
    connect(offers, &frmOffers::removeClicked, this,
            [this, at](int row) { run([&] { m_calc.removeOffer(at(row)); }); });
    connect(offers, &frmOffers::switchApplied, this,
            [this, text](const QString& offer, const QString& after, const QString& erc,
                         const QString& costs) {
                run([&] { m_calc.setSwitch(text(offer), text(after), text(erc), text(costs)); });
            });
    connect(offers, &frmOffers::switchOffClicked, this,
            [this] { run([&] { m_calc.switchOff(); }); });
    const std::pair<void (frmOffers::*)(), void (FinCalc::*)()> files[] = {
        {&frmOffers::openClicked, &FinCalc::mnOpenOffers_Click},
        {&frmOffers::saveClicked, &FinCalc::mnSaveOffers_Click},
        {&frmOffers::saveAsClicked, &FinCalc::mnSaveOffersAs_Click},
        {&frmOffers::printClicked, &FinCalc::mnPrintOffers_Click},
        {&frmOffers::exportClicked, &FinCalc::mnExportOffers_Click}};
    for (const auto& [clicked, handler] : files)
        connect(offers, clicked, this, [this, handler] { run([&] { (m_calc.*handler)(); }); });
    connect(offers, &frmOffers::closed, this,
            [this] { run([&] { m_calc.compareOffersClosed(); }); });
    return offers;
}

frmStatement* frmFinCalc::makeStatementWindow() {
    auto* window = new frmStatement(m_calc);
    connect(window, &frmStatement::openClicked, this,
            [this] { run([&] { m_calc.mnOpenStatement_Click(); }); });
    connect(window, &frmStatement::pasted, this, [this](const QString& text) {
        run([&] { m_calc.pasteStatement(text.toStdString()); });
    });
    connect(window, &frmStatement::clearClicked, this,
            [this] { run([&] { m_calc.statementOff(); }); });
    connect(window, &frmStatement::saveClicked, this,
            [this] { run([&] { m_calc.mnSaveComparison_Click(); }); });
    connect(window, &frmStatement::closed, this,
            [this] { run([&] { m_calc.statementClosed(); }); });
    return window;
}

QLabel* frmFinCalc::makeLabel(QWidget* parent, const char* name, const QRect& rect,
                              const QString& caption, std::string_view tooltip) {
    auto* label = new QLabel(parent);
    label->setObjectName(QLatin1String(name));
    label->setGeometry(rect);
    setCaption(label, caption, rect.width());
    stretched(label, Stretch::Caption);
    if (!tooltip.empty())
        label->setToolTip(uiText(tooltip));
    label->installEventFilter(this);
    return label;
}

QComboBox* frmFinCalc::makeList(QWidget* parent, const char* name, const QRect& rect) {
    auto* box = new QComboBox(parent);
    box->setObjectName(QLatin1String(name));
    box->setGeometry(rect);
    stretched(box, Stretch::Whole);
    // The text part can be typed into, but only a choice from the list means anything: typed
    // text never becomes an entry or selects one. Qt would select the entry a typed text names
    // when the text part is left, and complete a typed letter into an entry's text: neither.
    // Made editable with a text part of its own, as setEditable(true) makes it but for building
    // the list's popup, which is then built the first time the list opens.
    auto* text = new QLineEdit(box);
    text->setPalette(box->palette());
    box->setLineEdit(text);
    box->setInsertPolicy(QComboBox::NoInsert);
    box->setCompleter(nullptr);
    disconnect(box->lineEdit(), &QLineEdit::editingFinished, box, nullptr);
    box->setFocusPolicy(Qt::StrongFocus); // a turn of the wheel does not take the focus
    box->setEditText(tr("Select"));
    box->installEventFilter(this);
    box->lineEdit()->installEventFilter(this);
    return box;
}

void frmFinCalc::buildTopStrip(QWidget* client) {
    auto* frame1 = new QGroupBox(client);
    frame1->setObjectName(QStringLiteral("Frame1"));
    frame1->setGeometry(toPixels(place(Control::Frame1).rect));
    stretched(frame1, Stretch::Whole);

    auto pictureButton = [&](Control c, const char* name, ButtonPicture picture,
                             const QString& spoken) {
        auto* b = new QPushButton(frame1);
        b->setObjectName(QLatin1String(name));
        b->setGeometry(toPixels(place(c).rect));
        stretched(b, Stretch::KeepWidth);
        b->setIcon(buttonIcon(picture));
        b->setIconSize(QSize(16, 15));
        b->setAccessibleName(spoken);
        return b;
    };
    m_btnSave = pictureButton(Control::btnSave, "btnSave", ButtonPicture::Save, tr("Save"));
    m_btnOpen = pictureButton(Control::btnOpen, "btnOpen", ButtonPicture::Open, tr("Open"));
    m_btnPrint = pictureButton(Control::btnPrint, "btnPrint", ButtonPicture::Print, tr("Print"));

    auto label = [&](Control c, const char* name) {
        const ControlPlace& p = place(c);
        return makeLabel(frame1, name, toPixels(p.rect), uiText(p.caption), p.tooltip);
    };
    m_Label2 = label(Control::Label2, "Label2");
    m_cmCompound = makeList(frame1, "cmCompound", toPixels(place(Control::cmCompound).rect));
    m_Label1 = label(Control::Label1, "Label1");
    m_cmPeriod = makeList(frame1, "cmPeriod", toPixels(place(Control::cmPeriod).rect));
    m_lblResult = label(Control::lblResult, "lblResult");
    m_cmResult = makeList(frame1, "cmResult", toPixels(place(Control::cmResult).rect));

    auto button = [&](Control c, const char* name) {
        auto* b = new QPushButton(uiText(place(c).caption), frame1);
        b->setObjectName(QLatin1String(name));
        b->setGeometry(toPixels(place(c).rect));
        stretched(b, Stretch::KeepWidth);
        return b;
    };
    m_btnDetails = button(Control::btnDetails, "btnDetails");
    m_btnCalculate = button(Control::btnCalculate, "btnCalculate");
    QFont bold = m_btnCalculate->font();
    bold.setBold(true);
    m_btnCalculate->setFont(bold);

    // The buttons run exactly what their menu entries run.
    connect(m_btnSave, &QPushButton::clicked, this,
            [this] { run([&] { m_calc.btnSave_Click(); }); });
    connect(m_btnOpen, &QPushButton::clicked, this,
            [this] { run([&] { m_calc.btnOpen_Click(); }); });
    connect(m_btnPrint, &QPushButton::clicked, this,
            [this] { run([&] { m_calc.btnPrint_Click(); }); });
    connect(m_btnDetails, &QPushButton::clicked, this,
            [this] { run([&] { m_calc.btnDetails_Click(); }); });
    connect(m_btnCalculate, &QPushButton::clicked, this,
            [this] { run([&] { m_calc.btnCalculate_Click(); }); });

    // `activated` comes only from the user, also for the entry already selected: a choice in
    // the opened list, by mouse or keys, and Up or Down in the closed list, which is a keyboard
    // choice as in most desktop programs. The wheel chooses nothing (listFilter).
    connect(m_cmCompound, &QComboBox::activated, this,
            [this](int i) { run([&] { m_calc.chooseCompound(i); }); });
    connect(m_cmPeriod, &QComboBox::activated, this,
            [this](int i) { run([&] { m_calc.choosePeriod(i); }); });
    connect(m_cmResult, &QComboBox::activated, this,
            [this](int i) { run([&] { m_calc.chooseResult(i); }); });
}

void frmFinCalc::buildFields(QWidget* client) {
    const QFont plain = font();
    for (int f = 0; f < kFrameCount; ++f) {
        const FramePlace& p = kFrames[static_cast<size_t>(f)];
        auto* frame = new QGroupBox(uiText(p.caption), client);
        frame->setObjectName(QStringLiteral("fraSL_%1").arg(f));
        frame->setGeometry(toPixels(p.rect));
        stretched(frame, Stretch::Whole);
        QFont bold = plain;
        bold.setBold(true);
        frame->setFont(bold); // the caption only: every field sets its own plain font
        m_fraSL[static_cast<size_t>(f)] = frame;
    }
    for (int i = 0; i < kFieldCount; ++i) {
        const FieldPlace& p = kFields[static_cast<size_t>(i)];
        QGroupBox* frame = m_fraSL[static_cast<size_t>(p.frame)];
        const QByteArray labelName = QStringLiteral("lblSL_%1").arg(i).toLatin1();
        QLabel* label =
            makeLabel(frame, labelName.constData(), fieldLabelRect(i), QString(), p.labelTooltip);
        label->setFont(plain);
        auto* edit = new QLineEdit(frame);
        edit->setObjectName(QStringLiteral("txtSL_%1").arg(i));
        edit->setFont(plain);
        edit->setGeometry(fieldTextRect(i));
        stretched(edit, Stretch::Whole);
        if (!p.textTooltip.empty())
            edit->setToolTip(uiText(p.textTooltip));
        edit->installEventFilter(this);
        // Pasting, cutting, undo and input methods change the text without a key press the
        // filter sees; the state follows every edit the user makes.
        connect(edit, &QLineEdit::textEdited, this, [this, i] { takeFieldText(i); });
        m_lblSL[static_cast<size_t>(i)] = label;
        m_txtSL[static_cast<size_t>(i)] = edit;
    }
    // PER exists like every field but lies hidden under INFL.
    m_lblSL[field::PER]->hide();
    m_txtSL[field::PER]->hide();

    // Tab goes through the fields in reading order, row by row from the top, left to right (the
    // fields are made in index order, which puts Tax after Asset Value).
    for (int i = 0; i < kFieldCount; ++i)
        m_readingOrder[static_cast<size_t>(i)] = i;
    auto placeOf = [](int i) {
        const FieldPlace& p = kFields[static_cast<size_t>(i)];
        return std::make_pair(kFrames[static_cast<size_t>(p.frame)].rect.top, p.left);
    };
    std::stable_sort(m_readingOrder.begin(), m_readingOrder.end(),
                     [&](int a, int b) { return placeOf(a) < placeOf(b); });
    for (size_t k = 1; k < m_readingOrder.size(); ++k)
        setTabOrder(m_txtSL[static_cast<size_t>(m_readingOrder[k - 1])],
                    m_txtSL[static_cast<size_t>(m_readingOrder[k])]);
}

void frmFinCalc::focusFirstField() {
    for (const int i : m_readingOrder) {
        QLineEdit* edit = m_txtSL[static_cast<size_t>(i)];
        if (!edit->isHidden() && edit->isEnabled() && !edit->isReadOnly()) {
            edit->setFocus(Qt::OtherFocusReason);
            return;
        }
    }
}

void frmFinCalc::buildMenus() {
    // Captions carry an access key ("&File": Alt+F), which Qt underlines and does not show.
    auto entry = [this](QMenu* menu, const char* name, const QString& caption, auto handler) {
        QAction* a = menu->addAction(caption);
        a->setObjectName(QLatin1String(name));
        connect(a, &QAction::triggered, this,
                [this, handler] { run([&] { (m_calc.*handler)(); }); });
        return a;
    };
    QMenu* file = menuBar()->addMenu(tr("&File"));
    file->setObjectName(QStringLiteral("mnFile"));
    // The shortcuts people expect from a desktop program; the captions stay as they are.
    entry(file, "mnOpen", tr("&Open"), &FinCalc::mnOpen_Click)->setShortcut(QKeySequence("Ctrl+O"));
    auto* recent = new RecentFilesMenu(file);
    connect(recent, &RecentFilesMenu::fileChosen, this, &frmFinCalc::openScenario);
    connect(recent, &RecentFilesMenu::fileGone, this, [this](const QString& path) {
        m_host.showMessage(QT_TRANSLATE_NOOP("selvane::FinCalc", "Recent Files"),
                           recentFileGoneText(path).toStdString());
    });
    entry(file, "mnSave", tr("&Save"), &FinCalc::mnSave_Click)->setShortcut(QKeySequence("Ctrl+S"));
    entry(file, "mnSaveAs", tr("Save &As ..."), &FinCalc::mnSaveAs_Click)
        ->setShortcut(QKeySequence("Ctrl+Shift+S"));
    entry(file, "mnPrint", tr("&Print"), &FinCalc::mnPrint_Click)
        ->setShortcut(QKeySequence("Ctrl+P"));
    entry(file, "mnPrintPreview", tr("Print Pre&view"), &FinCalc::mnPrintPreview_Click);
    entry(file, "mnExport", tr("&Export Report ..."), &FinCalc::mnExport_Click)
        ->setShortcut(QKeySequence("Ctrl+E"));

    QMenu* view = menuBar()->addMenu(tr("&View"));
    view->setObjectName(QStringLiteral("mnView"));
    m_mnTable = entry(view, "mnTable", tr("&Details"), &FinCalc::mnTable_Click);
    m_mnTable->setCheckable(true);
    entry(view, "mnChart", tr("&Chart"), &FinCalc::mnChart_Click);

    QMenu* function = menuBar()->addMenu(tr("F&unction"));
    function->setObjectName(QStringLiteral("mnFunction"));
    entry(function, "mnPersonalLoan", tr("&Personal Loans"), &FinCalc::mnPersonalLoan_Click);
    entry(function, "mnMortgage", tr("&Mortgages"), &FinCalc::mnMortgage_Click);
    entry(function, "mnLease", tr("&Leases"), &FinCalc::mnLease_Click);
    entry(function, "mnIncome", tr("&Income"), &FinCalc::mnIncome_Click);
    entry(function, "mnInvestment", tr("In&vestment"), &FinCalc::mnInvestment_Click);

    QMenu* tools = menuBar()->addMenu(tr("&Tools"));
    tools->setObjectName(QStringLiteral("mnTools"));
    entry(tools, "mnWhatIf", tr("&What If..."), &FinCalc::mnWhatIf_Click);
    entry(tools, "mnSchedule", tr("&Schedule..."), &FinCalc::mnSchedule_Click);
    entry(tools, "mnCompareOffers", tr("C&ompare Offers..."), &FinCalc::mnCompareOffers_Click);
    entry(tools, "mnCheckStatement", tr("Check a &Lender's Statement..."),
          &FinCalc::mnCheckStatement_Click);
    entry(tools, "mnFindRate", tr("&Find the Rate"), &FinCalc::mnFindRate_Click);
    m_mnUseRate = entry(tools, "mnUseRate", tr("&Use This Rate"), &FinCalc::mnUseRate_Click);
    entry(tools, "mnKeep", tr("&Keep for Comparison"), &FinCalc::mnKeep_Click);
    m_mnClearKept = entry(tools, "mnClearKept", tr("&Clear Kept"), &FinCalc::mnClearKept_Click);

    QMenu* help = menuBar()->addMenu(tr("&Help"));
    help->setObjectName(QStringLiteral("mnHelp"));
    entry(help, "mnTopics", tr("&General"), &FinCalc::mnTopics_Click)
        ->setShortcut(QKeySequence("F1"));
    help->addSeparator()->setObjectName(QStringLiteral("mnDivider1"));
    entry(help, "mnAbout", tr("&About Selvane"), &FinCalc::mnAbout_Click);

    // F10 opens the first menu; the arrow keys go on from there.
    auto* menuKey = new QAction(this);
    menuKey->setShortcut(QKeySequence(Qt::Key_F10));
    connect(menuKey, &QAction::triggered, this,
            [this] { menuBar()->setActiveAction(menuBar()->actions().value(0)); });
    addAction(menuKey);
    // Ctrl+Q closes the window as its close button does, as on every desktop; no menu shows it.
    auto* quitKey = new QAction(this);
    quitKey->setObjectName(QStringLiteral("quitKey"));
    quitKey->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q));
    connect(quitKey, &QAction::triggered, this, &QWidget::close);
    addAction(quitKey);
}

void frmFinCalc::Form_Load() {
    // The window writes CSV files as the spreadsheets of the user's locale read them.
    m_calc.csvFollowsLocale = true;
    m_calc.keysFollowLocale = true; // and types the decimal comma the user's keyboard has
    run([&] { m_calc.Form_Load(); });
    // Typing starts in the first field that takes it, not on the first button.
    focusFirstField();
}

void frmFinCalc::openScenario(const QString& path) {
    openScenarioBytes(path.toStdString());
}

void frmFinCalc::openScenarioBytes(const std::string& path) {
    run([&] { m_calc.openScenario(path); });
}

void frmFinCalc::openCommandLineFile(const std::vector<std::string>& arguments) {
    const std::string path = scenarioArgument(arguments);
    if (!path.empty())
        openScenarioBytes(path);
}

// ----- showing the state

void frmFinCalc::showState() {
    const QString caption = uiText(m_calc.caption);
    if (windowTitle() != caption)
        setWindowTitle(caption);

    showList(m_cmCompound, m_calc.cmCompound);
    showList(m_cmPeriod, m_calc.cmPeriod);
    showList(m_cmResult, m_calc.cmResult);
    for (int i = 0; i < kFieldCount; ++i)
        showField(i);

    if (m_calc.comments != m_shownComments) {
        m_shownComments = m_calc.comments;
        QString text = qs(m_shownComments);
        text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
        m_txtComments->setPlainText(text);
    }
    if (m_mnTable->isChecked() != m_calc.detailsChecked) {
        const QSignalBlocker block(m_mnTable);
        m_mnTable->setChecked(m_calc.detailsChecked);
    }
    // The view keeps a pointer to the report; it is set again only when the report was replaced.
    if (!m_reportShown || m_calc.reportRevision != m_shownReport) {
        m_rtDetails->setReport(&m_calc.report);
        m_shownReport = m_calc.reportRevision;
        m_reportShown = true;
    }
    const bool rateFound = m_calc.plan.rateUsable();
    if (m_mnUseRate->isEnabled() != rateFound)
        m_mnUseRate->setEnabled(rateFound);
    if (m_mnClearKept->isEnabled() != m_calc.plan.kept.has_value())
        m_mnClearKept->setEnabled(m_calc.plan.kept.has_value());
    showWindowSize();
    showNotice();
    if (QWidget* chart = m_host.chartWindow())
        views().showChartState(chart);
    if (frmWhatIf* whatIf = m_host.whatIfWindow())
        whatIf->showState();
    if (frmSchedule* schedule = m_host.scheduleWindow())
        schedule->showState();
    if (frmOffers* offers = m_host.offersWindow())
        offers->showState();
    if (frmStatement* statement = m_host.statementWindow())
        statement->showState();
}

void frmFinCalc::showNotice() {
    const QString notice = qs(m_calc.notice);
    if (notice == m_notice->text() && m_notice->isVisible() != notice.isEmpty())
        return;
    m_notice->setText(notice);
    m_notice->setVisible(!notice.isEmpty());
    if (notice.isEmpty())
        return;
    placeNotice();
    m_notice->raise();
    QAccessibleEvent said(m_notice, QAccessible::Alert);
    QAccessible::updateAccessibility(&said);
}

void frmFinCalc::placeNotice() {
    const QWidget* client = centralWidget();
    const int width = client->width() - 8;
    const int height = m_notice->heightForWidth(width);
    m_notice->setGeometry(4, client->height() - height - 4, width, height);
}

void frmFinCalc::showList(QComboBox* box, const ComboList& list) {
    const QSignalBlocker block(box);
    bool same = box->count() == static_cast<int>(list.entries.size());
    for (int i = 0; same && i < box->count(); ++i)
        same = box->itemText(i) == uiText(list.entries[static_cast<size_t>(i)]);
    if (!same) {
        box->clear();
        for (const std::string& e : list.entries)
            box->addItem(uiText(e));
        box->setCurrentIndex(list.selected);
    } else if (box->currentIndex() != list.selected) {
        box->setCurrentIndex(list.selected);
    }
    setBackground(box, rgb(list.back));
    setBackground(box->lineEdit(), rgb(list.back));
}

void frmFinCalc::showField(int i) {
    const ParameterField& f = m_calc.fields[static_cast<size_t>(i)];
    QLabel* label = m_lblSL[static_cast<size_t>(i)];
    QLineEdit* edit = m_txtSL[static_cast<size_t>(i)];

    const QString caption = uiText(f.caption);
    if (label->text() != caption)
        setCaption(label, caption, across(fieldLabelRect(i)).width());
    nameAfterLabel(edit, label);
    const QString text = qs(f.text);
    // A number the program writes shows from its first digit: cut off at the left, a long
    // number would pass for a short one.
    if (edit->text() != text) {
        edit->setText(text);
        edit->setCursorPosition(0);
    }
    // A text longer than its box shows whole in the tooltip, after the box's own tip (the line
    // edit keeps two pixels of margin on each side of its contents).
    const QString tip = uiText(kFields[static_cast<size_t>(i)].textTooltip);
    const bool cut = edit->fontMetrics().horizontalAdvance(text) > edit->contentsRect().width() - 4;
    const QString shownTip = !cut ? tip : tip.isEmpty() ? text : tip + QLatin1Char('\n') + text;
    if (edit->toolTip() != shownTip)
        edit->setToolTip(shownTip);
    setBackground(edit, rgb(f.back));
    if (edit->isReadOnly() != f.locked)
        edit->setReadOnly(f.locked);
    if (edit->isEnabled() != f.enabled) {
        edit->setEnabled(f.enabled);
        label->setEnabled(f.enabled);
    }
}

} // namespace selvane
