#pragma once

#include "ScoreHistoryModel.h"

#include <QString>

// What the points screen shows for the customer's points, a gift and a points movement.
namespace PointsTexts {

// "%@分".
QString points(const QString &value);
// The header before (or without) a points account: "--分".
QString unknownPoints();
// The consumed points: "0分" for an account that never redeemed anything (empty `xfjf`).
QString consumedPoints(const QString &xfjf);
// "%@积分" and "市场价：%@元" of a gift.
QString giftPoints(const QString &point);
QString giftPrice(const QString &scjg);

// The four texts of a history row.
struct HistoryRow
{
    QString dateCaption; // dhrqLabel
    QString date;        // czrqLabel, yyyy-MM-dd
    QString description; // dhfsLabel
    QString pointsLine;  // hdjfLabel
};

// By `w_point_from`: "1" a purchase, "2" a manual adjustment, "3" an expiry, anything else a
// redemption.
HistoryRow historyRow(const ScoreHistoryModel &movement);

} // namespace PointsTexts
