#include "desktop/frm_schedule.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QCoreApplication>
#include <QDateEdit>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QSignalBlocker>
#include <QTableView>
#include <QTableWidget>
#include <QVBoxLayout>

#include "desktop/readable_colours.h"
#include "desktop/recent_files_menu.h"
#include "desktop/sentences.h"

namespace selvane {

namespace {

QString qs(const std::string& s) {
    return QString::fromStdString(s);
}

QDate qdate(const std::string& iso) {
    return QDate::fromString(qs(iso), Qt::ISODate);
}

const char* const kRowHeadings[6] = {QT_TRANSLATE_NOOP("selvane::frmSchedule", "No."),
                                     QT_TRANSLATE_NOOP("selvane::frmSchedule", "Date"),
                                     QT_TRANSLATE_NOOP("selvane::frmSchedule", "Payment"),
                                     QT_TRANSLATE_NOOP("selvane::frmSchedule", "Interest"),
                                     QT_TRANSLATE_NOOP("selvane::frmSchedule", "Principal"),
                                     QT_TRANSLATE_NOOP("selvane::frmSchedule", "Balance")};

} // namespace

DatedRowsModel::DatedRowsModel(const FinCalc& calc, QObject* parent)
    : QAbstractTableModel(parent), m_calc(calc) {}

void DatedRowsModel::follow() {
    const DatedSchedule* s = m_calc.plan.datedSchedule();
    const auto key = s ? std::make_tuple(m_calc.plan.revision, m_calc.plan.calendar, s->payments(),
                                         s->totalInterest())
                       : decltype(m_key){};
    if (s == m_schedule && key == m_key)
        return;
    beginResetModel();
    m_schedule = s;
    m_key = key;
    m_blockStart = -1;
    endResetModel();
}

int DatedRowsModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() || m_schedule == nullptr ? 0 : static_cast<int>(m_schedule->payments());
}

int DatedRowsModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : 6;
}

QVariant DatedRowsModel::data(const QModelIndex& index, int role) const {
    if (m_schedule == nullptr || !index.isValid())
        return {};
    if (role == Qt::TextAlignmentRole)
        return QVariant::fromValue(Qt::AlignRight | Qt::AlignVCenter);
    if (role != Qt::DisplayRole && role != Qt::AccessibleTextRole)
        return {};
    const std::int64_t n = index.row() + 1;
    const std::int64_t start = (n - 1) / kBlock * kBlock + 1;
    if (start != m_blockStart) {
        m_block.clear();
        m_schedule->forEachRow(start, start + kBlock - 1, [&](const DatedRow& r) {
            const auto texts = m_calc.plan.datedRowTexts(r);
            std::array<QString, 6> row;
            for (size_t i = 0; i < row.size(); ++i)
                row[i] = qs(texts[i]);
            m_block.push_back(std::move(row));
        });
        m_blockStart = start;
    }
    const auto at = static_cast<size_t>(n - start);
    return at < m_block.size() ? m_block[at][static_cast<size_t>(index.column())] : QVariant();
}

QVariant DatedRowsModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole || section < 0 || section >= 6)
        return {};
    return QCoreApplication::translate("selvane::frmSchedule", kRowHeadings[section]);
}

frmSchedule::frmSchedule(const FinCalc& calc) : m_calc(calc) {
    setObjectName(QStringLiteral("frmSchedule"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(tr("Schedule"));
    const QString dateFormat = m_calc.currency().dateFieldFormat();
    auto dateField = [&](const char* name, const QString& called) {
        auto* field = new QDateEdit(this);
        field->setObjectName(QLatin1String(name));
        field->setCalendarPopup(true);
        field->setDisplayFormat(dateFormat);
        field->setDateRange(QDate(1, 1, 1), QDate(9999, 12, 31));
        field->setDate(QDate::currentDate());
        field->setAccessibleName(called);
        return field;
    };

    auto* dates = new QGroupBox(tr("Dates"), this);
    dates->setObjectName(QStringLiteral("fraDates"));
    m_chkDates = new QCheckBox(tr("&Paid out on"), dates);
    m_chkDates->setObjectName(QStringLiteral("chkDates"));
    m_start = dateField("dtStart", tr("Paid out on"));
    m_chkFirst = new QCheckBox(tr("&First payment on"), dates);
    m_chkFirst->setObjectName(QStringLiteral("chkFirst"));
    m_first = dateField("dtFirst", tr("First payment on"));
    m_basis = new QComboBox(dates);
    m_basis->setObjectName(QStringLiteral("cboBasis"));
    m_basis->addItems({tr("The calculator's equal periods"), tr("30/360"), tr("Actual/365"),
                       tr("Actual/360"), tr("Actual/actual")});
    m_basis->setAccessibleName(tr("Day count"));
    m_rounding = new QComboBox(dates);
    m_rounding->setObjectName(QStringLiteral("cboRounding"));
    m_rounding->addItems({tr("No rounding"), tr("Interest to the cent")});
    m_rounding->setAccessibleName(tr("Rounding"));
    auto* form = new QFormLayout;
    form->addRow(m_chkDates, m_start);
    form->addRow(m_chkFirst, m_first);
    auto* basisCaption = new QLabel(tr("&Day count"), dates);
    basisCaption->setBuddy(m_basis);
    form->addRow(basisCaption, m_basis);
    auto* roundingCaption = new QLabel(tr("&Rounding"), dates);
    roundingCaption->setBuddy(m_rounding);
    form->addRow(roundingCaption, m_rounding);

    // The figures beside the inputs.
    auto* figures = new QGridLayout;
    const char* captions[] = {QT_TR_NOOP("Payments"), QT_TR_NOOP("Last payment"),
                              QT_TR_NOOP("Total paid"), QT_TR_NOOP("Total interest")};
    const char* names[] = {"lblDatedPayments", "lblDatedLastPayment", "lblDatedTotalPaid",
                           "lblDatedTotalInterest"};
    for (size_t i = 0; i < m_figures.size(); ++i) {
        m_captions[i] = new QLabel(tr(captions[i]), dates);
        m_figures[i] = new QLabel(dates);
        m_figures[i]->setObjectName(QLatin1String(names[i]));
        m_figures[i]->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        m_figures[i]->setTextInteractionFlags(Qt::TextSelectableByMouse);
        figures->addWidget(m_captions[i], static_cast<int>(i), 0);
        figures->addWidget(m_figures[i], static_cast<int>(i), 1);
    }
    m_payoff = sentence(dates, "lblPayoff", false);
    figures->addWidget(m_payoff, 4, 0, 1, 2);
    figures->setRowStretch(5, 1);
    auto* columns = new QHBoxLayout;
    columns->addLayout(form, 1);
    columns->addSpacing(16);
    columns->addLayout(figures, 1);
    m_refused = sentence(dates, "lblDatesRefused", true);
    m_unavailable = sentence(dates, "lblScheduleUnavailable", false);
    m_note = sentence(dates, "lblBasisNote", false);
    auto* datesLayout = new QVBoxLayout(dates);
    datesLayout->addLayout(columns);
    datesLayout->addWidget(m_refused);
    datesLayout->addWidget(m_unavailable);
    datesLayout->addWidget(m_note);

    m_model = new DatedRowsModel(m_calc, this);
    m_rows = new QTableView(this);
    m_rows->setObjectName(QStringLiteral("tblDatedRows"));
    m_rows->setAccessibleName(tr("Payments by date"));
    m_rows->setModel(m_model);
    m_rows->verticalHeader()->hide();
    m_rows->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    m_rows->verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
    m_rows->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    m_rows->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_rows->setWordWrap(false);

    m_years = new QTableWidget(0, 6, this);
    m_years->setObjectName(QStringLiteral("tblCalendarYears"));
    m_years->setAccessibleName(tr("Calendar years"));
    m_years->setHorizontalHeaderLabels(
        {tr("Year"), tr("Payments"), tr("Paid"), tr("Principal"), tr("Interest"), tr("Balance")});
    m_years->verticalHeader()->hide();
    m_years->verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
    m_years->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    m_years->setEditTriggers(QAbstractItemView::NoEditTriggers);

    auto* all = new QVBoxLayout(this);
    all->addWidget(dates);
    all->addWidget(new QLabel(tr("Payments by date"), this));
    all->addWidget(m_rows, 3);
    all->addWidget(new QLabel(tr("Calendar years"), this));
    all->addWidget(m_years, 2);

    // Each choice goes out as the state's handler will take it.
    connect(m_chkDates, &QCheckBox::toggled, this, [this] { emit startChosen(chosenStart()); });
    connect(m_start, &QDateEdit::dateChanged, this, [this] {
        if (m_chkDates->isChecked())
            emit startChosen(chosenStart());
    });
    connect(m_chkFirst, &QCheckBox::toggled, this, [this] { emit firstChosen(chosenFirst()); });
    connect(m_first, &QDateEdit::dateChanged, this, [this] {
        if (m_chkFirst->isChecked())
            emit firstChosen(chosenFirst());
    });
    connect(m_basis, &QComboBox::activated, this, [this](int i) { emit basisChosen(i); });
    connect(m_rounding, &QComboBox::activated, this,
            [this](int i) { emit roundingChosen(i == 1); });
    showState();
    const QSize last = rememberedSize(QStringLiteral("Schedule"));
    resize(last.isEmpty() ? QSize(760, 640) : last);
}

frmSchedule::~frmSchedule() = default;

QString frmSchedule::chosenStart() const {
    return m_chkDates->isChecked() ? m_start->date().toString(Qt::ISODate) : QString();
}

QString frmSchedule::chosenFirst() const {
    return m_chkFirst->isChecked() ? m_first->date().toString(Qt::ISODate) : QString();
}

void frmSchedule::showState() {
    const CalendarTexts t = m_calc.plan.calendarTexts();
    {
        // The fields follow the state: a refused date shows the one in use again.
        const QSignalBlocker a(m_chkDates), b(m_start), c(m_chkFirst), d(m_first), e(m_basis),
            f(m_rounding);
        m_chkDates->setChecked(!t.start.empty());
        if (!t.start.empty())
            m_start->setDate(qdate(t.start));
        m_chkFirst->setChecked(!t.first.empty());
        if (!t.first.empty())
            m_first->setDate(qdate(t.first));
        else if (!t.start.empty() && m_calc.plan.solved)
            m_first->setDate(qdate(isoDateText(
                m_calc.plan.paymentDates(m_calc.plan.solved->paymentsPerMonth)->first())));
        m_basis->setCurrentIndex(static_cast<int>(m_calc.plan.calendar.basis));
        m_rounding->setCurrentIndex(m_calc.plan.calendar.cents ? 1 : 0);
    }
    m_start->setEnabled(!t.start.empty());
    m_chkFirst->setEnabled(!t.start.empty());
    m_first->setEnabled(!t.start.empty() && !t.first.empty());
    m_rounding->setEnabled(m_calc.plan.calendar.basis != DayCount::Periodic);
    setText(m_refused, t.refused);
    setText(m_unavailable, t.unavailable);
    setText(m_note, t.basisNote);
    setText(m_payoff, t.payoff);
    for (size_t i = 0; i < m_figures.size(); ++i) {
        m_figures[i]->setText(qs(t.figures[i]));
        m_figures[i]->setAccessibleName(m_captions[i]->text() + QLatin1Char(' ') +
                                        qs(t.figures[i]));
    }
    m_model->follow();
    m_years->setRowCount(static_cast<int>(t.years.size()));
    for (size_t r = 0; r < t.years.size(); ++r)
        for (size_t c = 0; c < t.years[r].size(); ++c) {
            QTableWidgetItem* item = m_years->item(static_cast<int>(r), static_cast<int>(c));
            if (item == nullptr) {
                item = new QTableWidgetItem;
                item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
                m_years->setItem(static_cast<int>(r), static_cast<int>(c), item);
            }
            if (item->text() != qs(t.years[r][c]))
                item->setText(qs(t.years[r][c]));
        }
}

void frmSchedule::closeEvent(QCloseEvent* event) {
    rememberSize(QStringLiteral("Schedule"), size());
    event->accept();
    emit closed();
}

} // namespace selvane
