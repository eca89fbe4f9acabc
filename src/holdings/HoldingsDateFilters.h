#pragma once

#include "DateFilter.h"
#include "ReturnDetailsModel.h"
#include "SpecialTradeModel.h"
#include "UserMoneyModel.h"

#include <QList>

// Which dates each holdings list filters on, and what it says when nothing is left.
namespace HoldingsDateFilters {

// Bought products: the right's start date, both ends; the start picker reaches back to the
// earliest contract start; the end picker is bounded too.
DateFilterRule boughtRule();
QList<DateFilterEntry> boughtEntries(const QList<UserMoneyModel> &contracts);

// Unredeemed principal: the contract's start date.
DateFilterRule tradeRule();
QList<DateFilterEntry> tradeEntries(const QList<UserMoneyModel> &contracts);

// Distributed income: distributed after the start, and a contract started before the end.
DateFilterRule profitRule();
QList<DateFilterEntry> profitEntries(const QList<ReturnDetailsModel> &incomes);

// Special transactions: the effective date.
DateFilterRule specialRule();
QList<DateFilterEntry> specialEntries(const QList<SpecialTradeModel> &trades);

} // namespace HoldingsDateFilters
