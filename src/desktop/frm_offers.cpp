#include "desktop/frm_offers.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QFileInfo>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QStyle>
#include <QTableView>
#include <QVBoxLayout>
#include <algorithm>

#include "desktop/readable_colours.h"
#include "desktop/recent_files_menu.h"
#include "desktop/sentences.h"
#include "desktop/views.h"

namespace selvane {

namespace {

QString qs(const std::string& s) {
    return QString::fromStdString(s);
}

constexpr int kColumns = static_cast<int>(kOfferInputColumns + kOfferFigureColumns);

template <std::size_t N> QStringList listOf(const std::array<std::string, N>& names) {
    QStringList list;
    for (const std::string& name : names)
        list << qs(name);
    return list;
}

bool sameCells(const OffersTexts& a, const OffersTexts& b) {
    return a.inputs == b.inputs && a.figures == b.figures && a.cheapest == b.cheapest &&
           a.lowestAprc == b.lowestAprc && a.notes == b.notes && a.periods == b.periods &&
           a.compounds == b.compounds;
}

// A heading on two lines, broken at the blank that leaves the shorter longest line, so that a
// column of short figures need not be as wide as its heading ("Total" over "interest").
QString twoLines(const QString& heading, const QFontMetrics& metrics) {
    QString best = heading;
    int widest = metrics.horizontalAdvance(heading);
    for (qsizetype at = heading.indexOf(QLatin1Char(' ')); at >= 0;
         at = heading.indexOf(QLatin1Char(' '), at + 1)) {
        const int wide = std::max(metrics.horizontalAdvance(heading.left(at)),
                                  metrics.horizontalAdvance(heading.mid(at + 1)));
        if (wide < widest) {
            widest = wide;
            best = heading.left(at) + QLatin1Char('\n') + heading.mid(at + 1);
        }
    }
    return best;
}

// A list of the offers' names, the entry named `keep` chosen again where it is still there, else
// entry `otherwise`.
void showNames(QComboBox* box, const QStringList& names, const QString& keep, int otherwise) {
    const QSignalBlocker quiet(box);
    QStringList shown;
    for (int i = 0; i < box->count(); ++i)
        shown << box->itemText(i);
    if (shown != names) {
        box->clear();
        box->addItems(names);
    }
    const int at = names.indexOf(keep);
    box->setCurrentIndex(at >= 0 ? at : std::min(otherwise, static_cast<int>(names.size()) - 1));
}

} // namespace

OffersModel::OffersModel(const FinCalc& calc, const QFont& headings, QObject* parent)
    : QAbstractTableModel(parent), m_calc(calc), m_texts(calc.offersTexts()), m_metrics(headings) {}

void OffersModel::follow() {
    OffersTexts now = m_calc.offersTexts();
    if (now.inputs.size() != m_texts.inputs.size()) {
        beginResetModel();
        m_texts = std::move(now);
        endResetModel();
        return;
    }
    const bool cells = !sameCells(now, m_texts);
    const bool headers = now.headers != m_texts.headers;
    m_texts = std::move(now);
    if (cells && rowCount() > 0)
        emit dataChanged(index(0, 0), index(rowCount() - 1, kColumns - 1));
    if (headers)
        emit headerDataChanged(Qt::Horizontal, 0, kColumns - 1);
}

int OffersModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(m_texts.inputs.size());
}

int OffersModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : kColumns;
}

QVariant OffersModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= rowCount())
        return {};
    const auto row = static_cast<std::size_t>(index.row());
    const auto column = static_cast<std::size_t>(index.column());
    const auto input = static_cast<OfferColumn>(column);
    const bool typed = column < kOfferInputColumns;
    switch (role) {
    case Qt::DisplayRole:
    case Qt::EditRole:
        return qs(typed ? m_texts.inputs[row][column]
                        : m_texts.figures[row][column - kOfferInputColumns]);
    case Qt::TextAlignmentRole: {
        const bool words = typed && (input == OfferColumn::Name || input == OfferColumn::Period ||
                                     input == OfferColumn::Compound);
        return QVariant::fromValue((words ? Qt::AlignLeft : Qt::AlignRight) | Qt::AlignVCenter);
    }
    case Qt::FontRole: {
        // The marks the legend under the table explains.
        const bool cheapest = row < m_texts.cheapest.size() && m_texts.cheapest[row];
        const bool lowestAprc = row < m_texts.lowestAprc.size() && m_texts.lowestAprc[row];
        if (!cheapest && !lowestAprc)
            return {};
        QFont marked;
        if (cheapest)
            marked.setBold(true);
        if (lowestAprc)
            marked.setUnderline(true);
        return marked;
    }
    case Qt::ToolTipRole:
        return row < m_texts.notes.size() && !m_texts.notes[row].empty() ? qs(m_texts.notes[row])
                                                                         : QVariant();
    case ChoicesRole:
        if (typed && input == OfferColumn::Period)
            return listOf(m_texts.periods);
        if (typed && input == OfferColumn::Compound)
            return listOf(m_texts.compounds);
        return {};
    default:
        return {};
    }
}

QVariant OffersModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || section < 0 || section >= kColumns)
        return {};
    const QString heading = qs(m_texts.headers[static_cast<std::size_t>(section)]);
    if (role == Qt::AccessibleTextRole)
        return heading;
    if (role != Qt::DisplayRole)
        return {};
    return twoLines(heading, m_metrics);
}

Qt::ItemFlags OffersModel::flags(const QModelIndex& index) const {
    if (!index.isValid())
        return Qt::NoItemFlags;
    const Qt::ItemFlags shown = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
    return index.column() < static_cast<int>(kOfferInputColumns) ? shown | Qt::ItemIsEditable
                                                                 : shown;
}

bool OffersModel::setData(const QModelIndex& index, const QVariant& value, int role) {
    if (!index.isValid() || role != Qt::EditRole ||
        index.column() >= static_cast<int>(kOfferInputColumns))
        return false;
    // The state takes the text or refuses it; follow() shows which.
    emit edited(index.row(), index.column(), value.toString());
    return true;
}

QWidget* ChoiceDelegate::createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                                      const QModelIndex& index) const {
    const QStringList choices = index.data(OffersModel::ChoicesRole).toStringList();
    if (choices.isEmpty())
        return QStyledItemDelegate::createEditor(parent, option, index);
    auto* box = new QComboBox(parent);
    box->setObjectName(QStringLiteral("cboOfferChoice"));
    box->addItems(choices);
    // A choice is taken as it is made, as the main window's lists take theirs.
    auto* self = const_cast<ChoiceDelegate*>(this); // (the view's editors are made in const)
    connect(box, &QComboBox::activated, self, [self, box] {
        emit self->commitData(box);
        emit self->closeEditor(box);
    });
    return box;
}

void ChoiceDelegate::setEditorData(QWidget* editor, const QModelIndex& index) const {
    if (auto* box = qobject_cast<QComboBox*>(editor))
        box->setCurrentIndex(box->findText(index.data(Qt::EditRole).toString()));
    else
        QStyledItemDelegate::setEditorData(editor, index);
}

void ChoiceDelegate::setModelData(QWidget* editor, QAbstractItemModel* model,
                                  const QModelIndex& index) const {
    if (auto* box = qobject_cast<QComboBox*>(editor))
        model->setData(index, box->currentText(), Qt::EditRole);
    else
        QStyledItemDelegate::setModelData(editor, model, index);
}

frmOffers::frmOffers(const FinCalc& calc) : m_calc(calc) {
    setObjectName(QStringLiteral("frmOffers"));
    setAttribute(Qt::WA_DeleteOnClose);

    auto* menus = new QMenuBar(this);
    QMenu* file = menus->addMenu(tr("&File"));
    file->setObjectName(QStringLiteral("mnOffersFile"));
    auto entry = [this, file](const char* name, const QString& caption, const char* keys,
                              void (frmOffers::*clicked)()) {
        QAction* a = file->addAction(caption);
        a->setObjectName(QLatin1String(name));
        if (*keys != 0)
            a->setShortcut(QKeySequence(QLatin1String(keys)));
        connect(a, &QAction::triggered, this, clicked);
    };
    entry("mnOpenOffers", tr("&Open..."), "Ctrl+O", &frmOffers::openClicked);
    entry("mnSaveOffers", tr("&Save"), "Ctrl+S", &frmOffers::saveClicked);
    entry("mnSaveOffersAs", tr("Save &As..."), "Ctrl+Shift+S", &frmOffers::saveAsClicked);
    entry("mnPrintOffers", tr("&Print..."), "Ctrl+P", &frmOffers::printClicked);
    entry("mnExportOffers", tr("&Export..."), "Ctrl+E", &frmOffers::exportClicked);
    file->addSeparator();
    QAction* close = file->addAction(tr("&Close"));
    close->setObjectName(QStringLiteral("mnCloseOffers"));
    connect(close, &QAction::triggered, this, &QWidget::close);

    m_chart = views().makeCostChart(this);
    m_chart->setObjectName(QStringLiteral("chCosts"));
    m_chart->setAccessibleName(tr("Cost over time"));
    auto* side = new QVBoxLayout;
    side->addWidget(buildEvenAfter());
    side->addWidget(buildSwitch(), 1);
    auto* below = new QHBoxLayout;
    below->addWidget(m_chart, 3);
    below->addLayout(side, 2);

    m_notice = sentence(this, "offersNotice", true);
    auto* all = new QVBoxLayout(this);
    all->setMenuBar(menus);
    all->addWidget(buildTable(), 2);
    all->addLayout(below, 3);
    all->addWidget(m_notice);
    showState();

    // As wide as the table's columns with a household's amounts in them, as far as the screen
    // allows (the host fits it on the screen it opens on); the columns widen with the offers.
    const QSize last = rememberedSize(QStringLiteral("CompareOffers"));
    m_sizeRemembered = !last.isEmpty();
    resize(last.isEmpty() ? QSize(std::max(widthForColumns(), 900), 860) : last);
}

int frmOffers::widthForColumns() const {
    const QFontMetrics metrics(m_table->font());
    const int amount = metrics.horizontalAdvance(qs(m_calc.currency().amount(999999.99))) +
                       metrics.horizontalAdvance(QStringLiteral("MM"));
    const int figures = static_cast<int>(kOfferInputColumns);
    const int aprc = figures + 5; // then the APR: the two rates, narrower than amounts
    int columns = 0;
    for (int c = 0; c < kColumns; ++c) {
        const bool money = c >= figures && c != aprc && c != aprc + 1;
        columns += std::max(m_table->columnWidth(c), money ? amount : 0);
    }
    // The window's and the group's margins around the table, its frame and its scroll bar.
    const QWidget* box = m_table->parentWidget();
    const auto sides = [](const QMargins& m) { return m.left() + m.right(); };
    return sides(layout()->contentsMargins()) + sides(box->contentsMargins()) +
           sides(box->layout()->contentsMargins()) + 2 * m_table->frameWidth() +
           style()->pixelMetric(QStyle::PM_ScrollBarExtent) + columns;
}

frmOffers::~frmOffers() = default;

QWidget* frmOffers::buildTable() {
    auto* box = new QGroupBox(tr("Offers"), this);
    box->setObjectName(QStringLiteral("fraOffers"));
    m_table = new QTableView(box);
    m_model = new OffersModel(m_calc, m_table->horizontalHeader()->font(), this);
    connect(m_model, &OffersModel::edited, this, &frmOffers::offerEdited);
    m_table->setObjectName(QStringLiteral("tblOffers"));
    m_table->setAccessibleName(tr("Offers"));
    m_table->setModel(m_model);
    m_table->setItemDelegate(new ChoiceDelegate(m_table));
    m_table->setSelectionMode(QAbstractItemView::SingleSelection);
    m_table->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed |
                             QAbstractItemView::AnyKeyPressed);
    m_table->setWordWrap(false);
    m_table->verticalHeader()->hide(); // an offer goes by its name
    m_table->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    m_table->verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 10);
    m_table->horizontalHeader()->setStretchLastSection(false);
    // Eight offers show without scrolling.
    m_table->setMinimumHeight(m_table->horizontalHeader()->sizeHint().height() +
                              8 * m_table->verticalHeader()->defaultSectionSize() +
                              m_table->horizontalScrollBar()->sizeHint().height() +
                              2 * m_table->frameWidth());
    connect(m_table->selectionModel(), &QItemSelectionModel::currentChanged, this,
            [this] { showCurrent(); });

    auto* add = new QPushButton(tr("&Add"), box);
    add->setObjectName(QStringLiteral("cmdAddOffer"));
    add->setToolTip(tr("A new offer, with the figures of the plan where there is one"));
    m_cmdDuplicate = new QPushButton(tr("&Duplicate"), box);
    m_cmdDuplicate->setObjectName(QStringLiteral("cmdDuplicateOffer"));
    m_cmdRemove = new QPushButton(tr("&Remove"), box);
    m_cmdRemove->setObjectName(QStringLiteral("cmdRemoveOffer"));
    // The new offer is the last row, a copy the row after the one copied: the cursor goes there.
    connect(add, &QPushButton::clicked, this, [this] {
        emit addClicked();
        m_table->setCurrentIndex(m_model->index(m_model->rowCount() - 1, 0));
    });
    connect(m_cmdDuplicate, &QPushButton::clicked, this, [this] {
        const int row = currentRow();
        const int before = m_model->rowCount();
        emit duplicateClicked(row);
        if (m_model->rowCount() > before)
            m_table->setCurrentIndex(m_model->index(row + 1, 0));
    });
    connect(m_cmdRemove, &QPushButton::clicked, this, [this] {
        const int row = currentRow();
        emit removeClicked(row);
        m_table->setCurrentIndex(m_model->index(std::min(row, m_model->rowCount() - 1), 0));
    });
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(add);
    buttons->addWidget(m_cmdDuplicate);
    buttons->addWidget(m_cmdRemove);
    buttons->addStretch(1);

    m_marks = new QLabel(box);
    m_marks->setObjectName(QStringLiteral("lblOfferMarks"));
    m_marks->setWordWrap(true);
    m_note = sentence(box, "lblOfferNote", false);
    m_refused = sentence(box, "lblOffersRefused", true);
    auto* layout = new QVBoxLayout(box);
    layout->addWidget(m_table, 1);
    layout->addLayout(buttons);
    layout->addWidget(m_marks);
    layout->addWidget(m_note);
    layout->addWidget(m_refused);
    return box;
}

QWidget* frmOffers::buildEvenAfter() {
    auto* box = new QGroupBox(tr("Cheaper for good"), this);
    box->setObjectName(QStringLiteral("fraEvenAfter"));
    m_evenA = new QComboBox(box);
    m_evenA->setObjectName(QStringLiteral("cboEvenAfterA"));
    m_evenB = new QComboBox(box);
    m_evenB->setObjectName(QStringLiteral("cboEvenAfterB"));
    m_evenAfter = new QLabel(box);
    m_evenAfter->setObjectName(QStringLiteral("lblEvenAfter"));
    m_evenAfter->setWordWrap(true);
    auto* form = new QFormLayout(box);
    auto* captionA = new QLabel(tr("&Offer"), box);
    captionA->setBuddy(m_evenA);
    auto* captionB = new QLabel(tr("A&gainst"), box);
    captionB->setBuddy(m_evenB);
    form->addRow(captionA, m_evenA);
    form->addRow(captionB, m_evenB);
    form->addRow(m_evenAfter);
    // Which two offers are compared is the window's own choice; the sentence is the state's.
    for (QComboBox* list : {m_evenA, m_evenB})
        connect(list, &QComboBox::activated, this, [this] { showEvenAfter(); });
    return box;
}

QWidget* frmOffers::buildSwitch() {
    auto* box = new QGroupBox(tr("Switch the plan to an offer"), this);
    box->setObjectName(QStringLiteral("fraSwitch"));
    m_switchOffer = new QComboBox(box);
    m_switchOffer->setObjectName(QStringLiteral("cboSwitchOffer"));
    auto field = [box](const char* name) {
        auto* edit = new QLineEdit(box);
        edit->setObjectName(QLatin1String(name));
        edit->setAlignment(Qt::AlignRight);
        return edit;
    };
    m_switchAt = field("txtSwitchAt");
    m_switchErc = field("txtSwitchErc");
    m_switchCosts = field("txtSwitchCosts");
    auto* form = new QFormLayout;
    const std::pair<QString, QWidget*> rows[] = {{tr("&To offer"), m_switchOffer},
                                                 {tr("After &payment"), m_switchAt},
                                                 {tr("Early-repayment &charge (%)"), m_switchErc},
                                                 {tr("&Switching costs"), m_switchCosts}};
    for (const auto& [caption, input] : rows) {
        auto* label = new QLabel(caption, box);
        label->setBuddy(input);
        form->addRow(label, input);
    }
    auto* apply = new QPushButton(tr("App&ly"), box);
    apply->setObjectName(QStringLiteral("cmdApplySwitch"));
    m_cmdSwitchOff = new QPushButton(tr("Tur&n Off"), box);
    m_cmdSwitchOff->setObjectName(QStringLiteral("cmdSwitchOff"));
    connect(apply, &QPushButton::clicked, this, [this] {
        emit switchApplied(m_switchOffer->currentText(), m_switchAt->text(), m_switchErc->text(),
                           m_switchCosts->text());
    });
    connect(m_cmdSwitchOff, &QPushButton::clicked, this, &frmOffers::switchOffClicked);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(apply);
    buttons->addWidget(m_cmdSwitchOff);
    buttons->addStretch(1);

    auto* figures = new QGridLayout;
    figures->setColumnStretch(1, 1);
    for (std::size_t i = 0; i < m_switchFigures.size(); ++i) {
        m_switchCaptions[i] = new QLabel(box);
        m_switchFigures[i] = new QLabel(box);
        m_switchFigures[i]->setObjectName(QStringLiteral("lblSwitchFigure%1").arg(i + 1));
        m_switchFigures[i]->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        m_switchFigures[i]->setTextInteractionFlags(Qt::TextSelectableByMouse);
        figures->addWidget(m_switchCaptions[i], static_cast<int>(i), 0);
        figures->addWidget(m_switchFigures[i], static_cast<int>(i), 1);
    }
    m_switchRefused = sentence(box, "lblSwitchRefused", true);
    m_switchUnavailable = sentence(box, "lblSwitchUnavailable", false);
    m_switchNever = sentence(box, "lblSwitchNever", false);
    auto* layout = new QVBoxLayout(box);
    layout->addLayout(form);
    layout->addLayout(buttons);
    layout->addWidget(m_switchRefused);
    layout->addLayout(figures);
    layout->addWidget(m_switchUnavailable);
    layout->addWidget(m_switchNever);
    layout->addStretch(1);
    return box;
}

int frmOffers::currentRow() const {
    const int row = m_table->currentIndex().row();
    return row < m_model->rowCount() ? row : -1;
}

void frmOffers::showState() {
    const QString file = QFileInfo(qs(m_calc.OffersFileName)).fileName();
    const QString title =
        file.isEmpty() ? tr("Compare Offers") : tr("Compare Offers - %1").arg(file);
    if (windowTitle() != title)
        setWindowTitle(title);
    showTable();
    showEvenAfter();
    showSwitch();
    setText(m_notice, m_calc.notice);

    CostChartData chart{{}, tr("Years").toStdString(), tr("Paid so far").toStdString()};
    for (const OfferBook::CostLine& line : m_calc.offers.costLines())
        chart.lines.push_back({line.name, line.points});
    if (chart != m_shownChart) {
        views().showCostChart(m_chart, chart, m_calc.currency());
        m_shownChart = std::move(chart);
    }
}

void frmOffers::showTable() {
    const OffersTexts before = m_model->texts();
    const int row = currentRow();
    m_model->follow();
    const OffersTexts& t = m_model->texts();
    if (m_table->currentIndex().row() < 0 && m_model->rowCount() > 0)
        m_table->setCurrentIndex(m_model->index(std::clamp(row, 0, m_model->rowCount() - 1), 0));
    // The columns as wide as their texts: a few offers, measured afresh when a text changed.
    if (!m_columnsSized || t.inputs != before.inputs || t.figures != before.figures ||
        t.headers != before.headers) {
        m_table->resizeColumnsToContents();
        m_columnsSized = true;
        // Wider texts (a language's longer headings, larger amounts) widen a window the user has
        // not sized, as far as its screen allows; it never narrows on its own.
        if (!m_sizeRemembered && screen() != nullptr) {
            const int want = std::min(widthForColumns(), screen()->availableGeometry().width());
            if (want > width())
                resize(want, height());
        }
    }
    if (m_marks->text() != qs(t.marks))
        m_marks->setText(qs(t.marks));
    setText(m_refused, t.refused);
    showCurrent();
}

void frmOffers::showCurrent() {
    const int row = currentRow();
    m_cmdDuplicate->setEnabled(row >= 0);
    m_cmdRemove->setEnabled(row >= 0);
    const auto& notes = m_model->texts().notes;
    setText(m_note, row >= 0 && static_cast<std::size_t>(row) < notes.size()
                        ? notes[static_cast<std::size_t>(row)]
                        : std::string());
}

void frmOffers::showEvenAfter() {
    QStringList names;
    for (const Offer& o : m_calc.offers.offers())
        names << qs(o.name);
    // Each list keeps its offer, or its place where the offer was renamed or removed; the two
    // name different offers where there are two.
    showNames(m_evenA, names, m_evenA->currentText(), std::max(m_evenA->currentIndex(), 0));
    showNames(m_evenB, names, m_evenB->currentText(),
              m_evenB->currentIndex() >= 0 ? m_evenB->currentIndex() : 1);
    if (names.size() > 1 && m_evenA->currentIndex() == m_evenB->currentIndex()) {
        const QSignalBlocker quiet(m_evenB);
        m_evenB->setCurrentIndex(m_evenA->currentIndex() == 0 ? 1 : 0);
    }
    m_evenA->setEnabled(names.size() > 1);
    m_evenB->setEnabled(names.size() > 1);
    const int a = m_evenA->currentIndex(), b = m_evenB->currentIndex();
    setText(m_evenAfter, a >= 0 && b >= 0 ? m_calc.offers.evenAfterText(static_cast<std::size_t>(a),
                                                                        static_cast<std::size_t>(b))
                                          : std::string());
}

void frmOffers::showSwitch() {
    const SwitchTexts t = m_calc.switchTexts();
    QStringList names;
    for (const Offer& o : m_calc.offers.offers())
        names << qs(o.name);
    const std::array<std::string, 4> inputs = {t.offer, t.at, t.erc, t.costs};
    // The fields show the state's switch where it changed; else what the user has typed stays.
    const bool changed = inputs != m_shownSwitch;
    showNames(m_switchOffer, names, changed ? qs(t.offer) : m_switchOffer->currentText(), 0);
    if (changed) {
        m_shownSwitch = inputs;
        m_switchAt->setText(qs(t.at));
        m_switchErc->setText(qs(t.erc));
        m_switchCosts->setText(qs(t.costs));
    }
    m_cmdSwitchOff->setEnabled(t.on);
    setText(m_switchRefused, t.refused);
    setText(m_switchUnavailable, t.unavailable);
    setText(m_switchNever, t.never);
    for (std::size_t i = 0; i < m_switchFigures.size(); ++i) {
        const bool shown = !t.figures[i].empty();
        m_switchCaptions[i]->setText(qs(t.labels[i]));
        m_switchFigures[i]->setText(qs(t.figures[i]));
        m_switchFigures[i]->setAccessibleName(qs(t.labels[i]) + QLatin1Char(' ') +
                                              qs(t.figures[i]));
        m_switchCaptions[i]->setVisible(shown);
        m_switchFigures[i]->setVisible(shown);
    }
}

void frmOffers::closeEvent(QCloseEvent* event) {
    rememberSize(QStringLiteral("CompareOffers"), size());
    event->accept();
    emit closed();
}

} // namespace selvane
