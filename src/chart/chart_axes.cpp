#include "chart/chart_axes.h"

#include <QStringList>
#include <algorithm>
#include <vector>

#include "core/chart_data.h"

namespace selvane {

QCategoryAxis* categoryAxis() {
    auto* axis = new QCategoryAxis;
    axis->setLabelsPosition(QCategoryAxis::AxisLabelsPositionOnValue);
    return axis;
}

void setTicks(QCategoryAxis* axis, const QList<std::pair<QString, double>>& ticks, double low,
              double high) {
    const QStringList labels = axis->categoriesLabels();
    bool same = labels.size() == ticks.size() && axis->min() == low && axis->max() == high;
    for (qsizetype i = 0; same && i < ticks.size(); ++i)
        same = labels[i] == ticks[i].first && axis->endValue(labels[i]) == ticks[i].second;
    if (same)
        return;
    for (const QString& label : labels)
        axis->remove(label);
    for (const auto& [label, value] : ticks)
        axis->append(label, value);
    axis->setRange(low, high);
}

void setMoneyTicks(QCategoryAxis* axis, double low, double high, const CurrencyFormat& currency) {
    const std::vector<double> ticks = niceTicks(std::min(low, 0.0), std::max(high, 0.0), 6, 1);
    QList<std::pair<QString, double>> labelled;
    for (double t : ticks)
        labelled.append({QString::fromStdString(currency.whole(t)), t});
    if (!ticks.empty())
        setTicks(axis, labelled, ticks.front(), ticks.back());
    else
        setTicks(axis, labelled, axis->min(), axis->max());
}

} // namespace selvane
