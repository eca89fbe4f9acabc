#include "HoldingsQueries.h"

namespace HoldingsQueries {
namespace {

constexpr int kAllRecords = 1000;

} // namespace

QJsonObject specialTradeParams(const QString &crmkhbh, const QString &contractno)
{
    return {{QStringLiteral("cus_id"), crmkhbh}, {QStringLiteral("htid"), contractno}};
}

ParamsExt specialTradePaging()
{
    return Request::paging(kAllRecords, 0);
}

QJsonObject contractIncomeParams(const QString &crmkhbh, const QString &contractno)
{
    return {
        {QStringLiteral("cus_id"), crmkhbh},           {QStringLiteral("start_date"), QString()},
        {QStringLiteral("end_date"), QString()},       {QStringLiteral("cpmc"), QString()},
        {QStringLiteral("sffb"), QStringLiteral("1")}, {QStringLiteral("htid"), contractno},
    };
}

ParamsExt contractIncomePaging()
{
    return Request::paging(kAllRecords, 0, {{QStringLiteral("fprq"), QStringLiteral("desc")}});
}

} // namespace HoldingsQueries
