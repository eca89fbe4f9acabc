#include "ChartViewModel.h"

#include "TextValue.h"

#include <algorithm>

namespace {
constexpr qint64 kChartSpanSeconds = 24 * 2592000LL; // 720 days
}

ChartViewModel ChartViewModel::ChartViewModelWithNav(double nav, const QString &jzrq)
{
    // A short date gives a short text rather than failing.
    return ChartViewModel{
        nav, QStringLiteral("%1年%2月%3日").arg(jzrq.mid(0, 4), jzrq.mid(4, 2), jzrq.mid(6, 2))};
}

QString ChartViewModel::cutOffDate(const QDateTime &now)
{
    return now.addSecs(-kChartSpanSeconds).toString(QStringLiteral("yyyyMMdd"));
}

QList<ChartViewModel> ChartViewModel::chartSeries(const QList<NetProductModel> &records,
                                                  const QDateTime &now)
{
    QList<NetProductModel> sorted = records;
    std::stable_sort(
        sorted.begin(), sorted.end(),
        [](const NetProductModel &a, const NetProductModel &b) { return a.w_jzrq < b.w_jzrq; });
    const qint64 cutOff = TextValue::integerValue(cutOffDate(now));
    QList<ChartViewModel> points;
    for (const NetProductModel &record : std::as_const(sorted)) {
        if (TextValue::integerValue(record.w_jzrq) >= cutOff)
            points.append(
                ChartViewModelWithNav(TextValue::doubleValue(record.w_jz), record.w_jzrq));
    }
    return points;
}
