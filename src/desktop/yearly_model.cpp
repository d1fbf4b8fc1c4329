#include "desktop/yearly_model.h"

#include <QLocale>
#include <algorithm>
#include <cstdlib>
#include <limits>

#include "core/report_export.h"
#include "desktop/ui_text.h"

namespace selvane {

YearlyModel::YearlyModel(QObject* parent) : QAbstractTableModel(parent) {}

void YearlyModel::setReport(const DetailsReport* report, std::int64_t paymentsPerYear,
                            bool investment, const CurrencyFormat& currency,
                            const std::optional<PaymentDates>& dates) {
    beginResetModel();
    m_summary.reset();
    if (report != nullptr && !report->empty())
        m_summary.emplace(*report, std::max<std::int64_t>(paymentsPerYear, 1), dates);
    m_investment = investment;
    m_currency = currency;
    m_cache.clear();
    m_computed = 0;
    endResetModel();
}

int YearlyModel::rowCount(const QModelIndex& parent) const {
    if (parent.isValid() || !m_summary || m_summary->yearCount() == 0)
        return 0;
    // A view counts rows in int; a report of ten million monthly payments is under a million years.
    const std::int64_t rows = m_summary->yearCount() + 1;
    return static_cast<int>(std::min<std::int64_t>(rows, std::numeric_limits<int>::max()));
}

int YearlyModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : ColumnCount;
}

YearRow YearlyModel::yearRow(int row) const {
    if (!m_summary || row < 0 || row >= rowCount())
        return {};
    return shown(row).row;
}

const YearlyModel::Shown& YearlyModel::shown(int row) const {
    const bool total = row == rowCount() - 1;
    const std::int64_t year = total ? 0 : row + 1;
    for (auto it = m_cache.begin(); it != m_cache.end(); ++it)
        if (it->row.year == year) {
            m_cache.splice(m_cache.begin(), m_cache, it);
            return m_cache.front();
        }
    ++m_computed;
    Shown s{total ? m_summary->total() : m_summary->year(year), {}};
    const auto texts = yearRowTexts(s.row, m_currency);
    for (size_t c = 0; c < texts.size(); ++c)
        s.texts[c] = c == Year ? uiText(texts[c]) : QString::fromStdString(texts[c]);
    m_cache.push_front(std::move(s));
    if (m_cache.size() > kCacheRows)
        m_cache.pop_back();
    return m_cache.front();
}

QVariant YearlyModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= rowCount())
        return {};
    if (role == Qt::TextAlignmentRole) {
        const Qt::Alignment align = index.column() == Year ? Qt::AlignLeft | Qt::AlignVCenter
                                                           : Qt::AlignRight | Qt::AlignVCenter;
        return QVariant::fromValue(align);
    }
    if (role != Qt::DisplayRole)
        return {};
    if (index.column() < Year || index.column() > Balance)
        return {};
    if (!m_summary)
        return {};
    return shown(index.row()).texts[static_cast<size_t>(index.column())];
}

QVariant YearlyModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal)
        return {};
    if (role == Qt::TextAlignmentRole)
        return QVariant::fromValue(section == Year ? Qt::AlignLeft | Qt::AlignVCenter
                                                   : Qt::AlignRight | Qt::AlignVCenter);
    if (role != Qt::DisplayRole)
        return {};
    switch (section) {
    case Year:
        return tr("Year");
    case Payments:
        return tr("Payments");
    case Principal:
        return uiText(yearlyPrincipalCaption(m_investment));
    case Interest:
        return uiText(yearlyInterestCaption(m_investment));
    case Balance:
        return tr("Balance at Year End");
    default:
        return {};
    }
}

} // namespace selvane
