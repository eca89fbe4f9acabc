#pragma once

#include "Request.h"

#include <QJsonObject>
#include <QString>

// The enquiries about one contract that the special-transaction list and the income
// detail send, all records at once.
namespace HoldingsQueries {

// "80205038": the contract's transfers and redemptions.
QJsonObject specialTradeParams(const QString &crmkhbh, const QString &contractno);
ParamsExt specialTradePaging();

// "80205037" for one contract (`sffb` "1"), latest distribution first.
QJsonObject contractIncomeParams(const QString &crmkhbh, const QString &contractno);
ParamsExt contractIncomePaging();

} // namespace HoldingsQueries
