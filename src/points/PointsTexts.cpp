#include "PointsTexts.h"

#include "Formatting.h"
#include "TextValue.h"

namespace PointsTexts {

QString points(const QString &value)
{
    return value + QStringLiteral("分");
}

QString unknownPoints()
{
    return QStringLiteral("--分");
}

QString consumedPoints(const QString &xfjf)
{
    return xfjf.isEmpty() ? QStringLiteral("0分") : points(xfjf);
}

QString giftPoints(const QString &point)
{
    return QStringLiteral("%1积分").arg(point);
}

QString giftPrice(const QString &scjg)
{
    return QStringLiteral("市场价：%1元").arg(scjg);
}

HistoryRow historyRow(const ScoreHistoryModel &movement)
{
    HistoryRow row;
    row.date = Formatting::GetFormateDate(movement.w_rq);
    const QString &kind = movement.w_point_from;
    if (kind == QLatin1String("1")) {
        row.dateCaption = QStringLiteral("交易日期：");
        row.description = movement.w_cpmc;
        row.pointsLine =
            QStringLiteral("购买%1产品,获得积分：%2").arg(movement.w_cpmc, movement.w_jf);
    } else if (kind == QLatin1String("2")) {
        row.dateCaption = QStringLiteral("操作日期：");
        row.description = QStringLiteral("手动调整");
        const qint64 change = TextValue::integerValue(movement.w_jf);
        if (change >= 1)
            row.pointsLine = QStringLiteral("获得积分：%1").arg(movement.w_jf);
        else if (change < 0)
            row.pointsLine = QStringLiteral("失去积分：%1").arg(movement.w_jf);
        else // an adjustment by nothing says so rather than leaving the line blank
            row.pointsLine = QStringLiteral("积分无变化");
    } else if (kind == QLatin1String("3")) {
        row.dateCaption = QStringLiteral("到期日期：");
        row.description =
            QStringLiteral("您有%1积分已过期,积分来源于%2").arg(movement.w_point, movement.w_cpmc);
        row.pointsLine = QStringLiteral("过期积分：%1").arg(movement.w_jf);
    } else {
        row.dateCaption = QStringLiteral("兑换日期：");
        row.description = QStringLiteral("使用%1积分兑换%2个%3")
                              .arg(movement.w_point, movement.w_amount, movement.w_cpmc);
        row.pointsLine = QStringLiteral("客户已完成兑换");
    }
    return row;
}

} // namespace PointsTexts
