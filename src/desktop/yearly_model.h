#pragma once
// The yearly summary as a table: one row a year and a total row last. A year is worked out only
// when the view asks for it, and a handful of recently shown years are kept, so a report of ten
// million payments costs no more than the rows on screen.

#include <QAbstractTableModel>
#include <array>
#include <cstdint>
#include <list>
#include <optional>

#include "core/currency.h"
#include "core/details_text.h"
#include "core/yearly_summary.h"

namespace selvane {

class YearlyModel : public QAbstractTableModel {
    Q_OBJECT

  public:
    enum Column { Year, Payments, Principal, Interest, Balance, ColumnCount };

    explicit YearlyModel(QObject* parent = nullptr);

    // Shows the years of report (which must outlive the model, or be replaced first); null shows
    // nothing. Always resets the model: the report behind the same address may have changed.
    // With dates, by calendar year.
    void setReport(const DetailsReport* report, std::int64_t paymentsPerYear, bool investment,
                   const CurrencyFormat& currency,
                   const std::optional<PaymentDates>& dates = std::nullopt);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

    // The year (or, for the last row, the total) a table row shows.
    YearRow yearRow(int row) const;
    // How many years were worked out since the last reset: what laziness is measured by.
    std::int64_t yearsComputed() const { return m_computed; }

  private:
    static constexpr size_t kCacheRows = 128; // a few screens of rows

    std::optional<YearlySummary> m_summary;
    bool m_investment = false;
    CurrencyFormat m_currency;
    // A year worked out, with the texts its cells show (each repaint asks for every cell).
    struct Shown {
        YearRow row;
        std::array<QString, ColumnCount> texts;
    };
    const Shown& shown(int row) const;
    mutable std::list<Shown> m_cache; // most recently used first; a total row has year 0
    mutable std::int64_t m_computed = 0;
};

} // namespace selvane
