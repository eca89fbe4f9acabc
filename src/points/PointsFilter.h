#pragma once

#include "CommodityTypeModel.h"
#include "ScoreModel.h"

#include <QList>
#include <QString>

// The filter screen's buttons and the on-device filtering of the gift catalogue.
namespace PointsFilter {

// The choice "不限" (and the quantity order) of every group.
inline constexpr qint64 kAny = -1;
// Button 1 of the category group, then one button per category; later categories are not
// offered.
inline constexpr int kTypeButtons = 6;

struct FilterButton
{
    QString title;
    qint64 tag = kAny;
};

// "不限" and the first five categories, each tagged with its id.
QList<FilterButton> typeButtons(const QList<CommodityTypeModel> &categories);
// "不限" and the five ranges, tagged 0 to 4.
QList<FilterButton> pointButtons();
// By total quantity (-1), by points (0), what the customer can afford (1).
QList<FilterButton> orderButtons();

// The catalogue after one filtering with the three choices as decimal texts, in this order:
// the category unless "-1"; the points range ("0" 1-20, "1" 20-50, "2" 50-100, "3" 100-1000,
// "4" 1000 and up, bounds inclusive, anything else all); the order: "-1" ascending by
// `total_num`, "0" ascending by `point`, both as text ("100" before "20"), or "1" without the
// gifts costing more than availableIntegral, in list order.
QList<ScoreModel> selectProduct(QList<ScoreModel> catalogue, const QString &category,
                                const QString &pointButton, const QString &orderButton,
                                const QString &availableIntegral);

} // namespace PointsFilter
