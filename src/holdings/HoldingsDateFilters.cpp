#include "HoldingsDateFilters.h"

namespace HoldingsDateFilters {
namespace {

const QString kNoPurchases = QStringLiteral("您没有相关时间段的购买记录！");

} // namespace

DateFilterRule boughtRule()
{
    return {kNoPurchases, true};
}

QList<DateFilterEntry> boughtEntries(const QList<UserMoneyModel> &contracts)
{
    QList<DateFilterEntry> entries;
    for (const UserMoneyModel &c : contracts)
        entries.append({c.syqksrq, c.syqksrq, c.ksrq});
    return entries;
}

DateFilterRule tradeRule()
{
    return {kNoPurchases, false};
}

QList<DateFilterEntry> tradeEntries(const QList<UserMoneyModel> &contracts)
{
    QList<DateFilterEntry> entries;
    for (const UserMoneyModel &c : contracts)
        entries.append({c.ksrq, c.ksrq, c.ksrq});
    return entries;
}

DateFilterRule profitRule()
{
    return {QStringLiteral("您没有相关时间段的收益记录！"), false};
}

QList<DateFilterEntry> profitEntries(const QList<ReturnDetailsModel> &incomes)
{
    QList<DateFilterEntry> entries;
    for (const ReturnDetailsModel &i : incomes)
        entries.append({i.fprq, i.ksrq, i.fprq});
    return entries;
}

DateFilterRule specialRule()
{
    return {kNoPurchases, false};
}

QList<DateFilterEntry> specialEntries(const QList<SpecialTradeModel> &trades)
{
    QList<DateFilterEntry> entries;
    for (const SpecialTradeModel &t : trades)
        entries.append({t.sxrq, t.sxrq, t.sxrq});
    return entries;
}

} // namespace HoldingsDateFilters
