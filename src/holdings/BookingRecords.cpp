#include "BookingRecords.h"

#include "TextValue.h"

namespace BookingRecords {

RowState rowState(const QString &yyzt)
{
    switch (TextValue::intValue(yyzt)) {
    case 1:
        return {QStringLiteral("预约失败"), false};
    case 2:
        return {QStringLiteral("受理中"), true};
    case 3:
        return {QStringLiteral("预约成功"), false};
    default:
        return {};
    }
}

QJsonObject deleteParams(const QString &khbh, const modelForAppointedProd &booking)
{
    return {
        {QStringLiteral("action"), QStringLiteral("D")},
        {QStringLiteral("khbh"), khbh},
        {QStringLiteral("cpdm"), booking.cpdm},
        {QStringLiteral("yyje"), booking.yyje},
        {QStringLiteral("yydh"), booking.yydh},
        {QStringLiteral("yysj"), booking.yysj},
        {QStringLiteral("yyzt"),
         booking.yyzt == QLatin1String("1") ? QStringLiteral("2") : QStringLiteral("1")},
        {QStringLiteral("id"), booking.id},
        {QStringLiteral("back_content"), booking.back_content},
        {QStringLiteral("system_type"), booking.system_type},
    };
}

} // namespace BookingRecords
