#include "AccountTexts.h"

#include "TextValue.h"

namespace AccountTexts {

QString tenThousandsText(double yuan)
{
    return TextValue::format("%.2f万元", yuan / 10000);
}

QString tenThousandsFigure(double yuan)
{
    return TextValue::format("%.2f", yuan / 10000);
}

std::optional<QString> incomeText(const QList<ReturnDetailsModel> &records)
{
    if (records.isEmpty())
        return QStringLiteral("0.00元");
    for (const ReturnDetailsModel &record : records) {
        if (record.syhtljsy.isEmpty())
            continue;
        const double income = TextValue::doubleValue(record.syhtljsy);
        if (income > 10000)
            return tenThousandsText(income);
        return record.syhtljsy + QStringLiteral("元");
    }
    return std::nullopt;
}

std::optional<QString> unreadBadge(const QList<MessageNumModel> &records)
{
    if (records.isEmpty() || TextValue::doubleValue(records.first().unread_count) <= 0)
        return std::nullopt;
    return records.first().unread_count;
}

} // namespace AccountTexts
