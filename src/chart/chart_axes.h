#pragma once
// The axes the charts share: labels put at values of a category axis, and a money axis labelled
// with round amounts in the locale's currency.

#include <QCategoryAxis>
#include <QList>
#include <QString>
#include <utility>

#include "core/currency.h"

namespace selvane {

// An axis whose labels stand at their values rather than between them.
QCategoryAxis* categoryAxis();

// An axis's labels at their values, put on the axis only when they differ from its labels: a
// relabelled axis lays the whole chart out again, which costs more than the new figures.
void setTicks(QCategoryAxis* axis, const QList<std::pair<QString, double>>& ticks, double low,
              double high);

// A money axis whose ticks are round amounts written in the locale's currency.
void setMoneyTicks(QCategoryAxis* axis, double low, double high, const CurrencyFormat& currency);

} // namespace selvane
