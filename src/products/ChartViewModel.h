#pragma once

#include "NetProductModel.h"

#include <QDateTime>
#include <QList>
#include <QString>

// One point of the net-value chart: the value and its date as the chart writes it.
class ChartViewModel
{
public:
    double nav = 0;       // the net value
    QString introduction; // "2015年12月31日"

    // A point from a value and its eight-digit date (yyyyMMdd).
    static ChartViewModel ChartViewModelWithNav(double nav, const QString &jzrq);

    // The chart shows two years: 24 periods of 30 days before `now`, as yyyyMMdd.
    static QString cutOffDate(const QDateTime &now);
    // The records dated on or after the cut-off, oldest first, as points. The records may come
    // in any order; the history list keeps them all.
    static QList<ChartViewModel> chartSeries(const QList<NetProductModel> &records,
                                             const QDateTime &now);
};
