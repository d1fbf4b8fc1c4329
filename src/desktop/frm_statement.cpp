#include "desktop/frm_statement.h"

#include <QApplication>
#include <QClipboard>
#include <QCloseEvent>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeySequence>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QShortcut>
#include <QTableView>
#include <QVBoxLayout>
#include <algorithm>

#include "desktop/readable_colours.h"
#include "desktop/recent_files_menu.h"
#include "desktop/sentences.h"

namespace selvane {

namespace {
QString qs(const std::string& s) {
    return QString::fromStdString(s);
}
constexpr int kColumns = 2 + 2 * static_cast<int>(kStatementColumns);
} // namespace

void StatementModel::show(StatementTexts texts) {
    beginResetModel();
    m_texts = std::move(texts);
    endResetModel();
}

int StatementModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(m_texts.rows.size());
}

int StatementModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : kColumns;
}

// Columns: the payment's number, its date, the lender's four figures, then ours.
bool StatementModel::differs(int row, int column) const {
    if (row < 0 || row >= rowCount() || column < 2)
        return false;
    const auto figure = static_cast<std::size_t>(column - 2) % kStatementColumns;
    return m_texts.rows[static_cast<std::size_t>(row)].differs[figure];
}

QVariant StatementModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= rowCount())
        return {};
    const auto& row = m_texts.rows[static_cast<std::size_t>(index.row())];
    const QString text = qs(row.cells[static_cast<std::size_t>(index.column())]);
    switch (role) {
    case Qt::DisplayRole:
        return text;
    case Qt::AccessibleTextRole:
        return differs(index.row(), index.column()) ? tr("%1, differs").arg(text) : text;
    case Qt::TextAlignmentRole:
        return QVariant::fromValue(Qt::AlignRight | Qt::AlignVCenter);
    case Qt::FontRole:
        if (differs(index.row(), index.column())) {
            QFont bold;
            bold.setBold(true);
            return bold;
        }
        return {};
    case Qt::ForegroundRole:
        if (differs(index.row(), index.column()))
            return warningColour(QApplication::palette().color(QPalette::Base));
        return {};
    default:
        return {};
    }
}

QVariant StatementModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole || section < 0 ||
        section >= kColumns)
        return {};
    return qs(m_texts.headers[static_cast<std::size_t>(section)]);
}

frmStatement::frmStatement(const FinCalc& calc) : m_calc(calc) {
    setObjectName(QStringLiteral("frmStatement"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(tr("Check a Lender's Statement"));

    const auto button = [this](const char* name, const QString& caption) {
        auto* b = new QPushButton(caption, this);
        b->setObjectName(QLatin1String(name));
        return b;
    };
    QPushButton* open = button("cmdOpenStatement", tr("&Open..."));
    QPushButton* paste = button("cmdPasteStatement", tr("&Paste"));
    m_save = button("cmdSaveComparison", tr("&Save Comparison..."));
    m_clear = button("cmdClearStatement", tr("C&lear"));
    QPushButton* close = button("cmdCloseStatement", tr("&Close"));
    connect(open, &QPushButton::clicked, this, &frmStatement::openClicked);
    connect(paste, &QPushButton::clicked, this, &frmStatement::paste);
    connect(m_save, &QPushButton::clicked, this, &frmStatement::saveClicked);
    connect(m_clear, &QPushButton::clicked, this, &frmStatement::clearClicked);
    connect(close, &QPushButton::clicked, this, &QWidget::close);
    // Ctrl+V pastes a statement wherever the focus is in the window.
    auto* pasteKeys = new QShortcut(QKeySequence::Paste, this);
    connect(pasteKeys, &QShortcut::activated, this, &frmStatement::paste);
    auto* buttons = new QHBoxLayout;
    for (QPushButton* b : {open, paste, m_save, m_clear})
        buttons->addWidget(b);
    buttons->addStretch(1);
    buttons->addWidget(close);

    m_refused = sentence(this, "statementRefused", true);
    m_sentence = sentence(this, "statementSentence", false);
    QFont bold = m_sentence->font();
    bold.setBold(true);
    m_sentence->setFont(bold);
    m_notice = sentence(this, "statementNotice", true);

    m_model = new StatementModel(this);
    m_table = new QTableView(this);
    m_table->setObjectName(QStringLiteral("tblStatement"));
    m_table->setModel(m_model);
    m_table->verticalHeader()->hide();
    m_table->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_table->setAccessibleName(tr("The lender's rows beside ours"));
    m_table->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);

    auto* all = new QVBoxLayout(this);
    all->addLayout(buttons);
    all->addWidget(m_refused);
    all->addWidget(m_sentence);
    for (std::size_t i = 0; i < m_summary.size(); ++i) {
        m_summary[i] = sentence(this, ("statementSummary" + std::to_string(i)).c_str(), false);
        all->addWidget(m_summary[i]);
    }
    all->addWidget(m_table, 1);
    all->addWidget(m_notice);

    const QSize remembered = rememberedSize(QStringLiteral("Statement"));
    m_sizeRemembered = remembered.isValid();
    resize(m_sizeRemembered ? remembered : QSize(1000, 620));
    showState();
}

void frmStatement::paste() {
    emit pasted(QGuiApplication::clipboard()->text());
}

void frmStatement::showState() {
    const StatementCheck& check = m_calc.statement;
    const QString file = QFileInfo(qs(check.source)).fileName();
    const QString title = file.isEmpty() ? tr("Check a Lender's Statement")
                                         : tr("Check a Lender's Statement - %1").arg(file);
    if (windowTitle() != title)
        setWindowTitle(title);
    // The table is made again only for another statement or plan; the sentences every time.
    const auto key = std::make_pair(check.revision(), m_calc.statementPlan());
    const bool again = !m_shown || *m_shown != key;
    const StatementTexts t = m_calc.statementTexts(again);
    if (again) {
        m_model->show(t);
        m_shown = key;
        widenForColumns();
    }
    setText(m_refused, t.refused);
    setText(m_sentence, t.sentence);
    for (std::size_t i = 0; i < m_summary.size(); ++i)
        setText(m_summary[i], t.summary[i]);
    setText(m_notice, m_calc.notice);
    m_clear->setEnabled(check.statement.has_value());
    m_save->setEnabled(check.statement.has_value());
}

void frmStatement::widenForColumns() {
    if (m_sizeRemembered)
        return;
    m_table->resizeColumnsToContents();
    const QMargins margins = layout()->contentsMargins();
    const int wanted = m_table->horizontalHeader()->length() + 2 * m_table->frameWidth() +
                       m_table->verticalScrollBar()->sizeHint().width() + margins.left() +
                       margins.right();
    if (wanted <= width())
        return;
    const QScreen* screen = this->screen();
    if (screen == nullptr) {
        resize(wanted, height());
        return;
    }
    // Wider, but still on the screen: moved left where it would reach past its edge.
    const QRect room = screen->availableGeometry();
    resize(std::min(wanted, room.width()), height());
    const int over = frameGeometry().right() - room.right();
    if (over > 0)
        move(std::max(room.left(), x() - over), y());
}

void frmStatement::closeEvent(QCloseEvent* event) {
    rememberSize(QStringLiteral("Statement"), size());
    event->accept();
    emit closed();
}

} // namespace selvane
