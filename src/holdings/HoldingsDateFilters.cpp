#include "HoldingsDateFilters.h"

namespace HoldingsDateFilters {
namespace {

const QString kNoPurchases = QStringLiteral("您没有相关时间段的购买记录！");

template <class Record, class Dates>
QList<DateFilterEntry> entriesOf(const QList<Record> &records, Dates dates)
{
    QList<DateFilterEntry> entries;
    entries.reserve(records.size());
    for (const Record &record : records)
        entries.append(dates(record));
    return entries;
}

} // namespace

DateFilterRule boughtRule()
{
    return {kNoPurchases, true};
}

QList<DateFilterEntry> boughtEntries(const QList<UserMoneyModel> &contracts)
{
    return entriesOf(contracts, [](const UserMoneyModel &c) -> DateFilterEntry {
        return {c.syqksrq, c.syqksrq, c.ksrq};
    });
}

DateFilterRule tradeRule()
{
    return {kNoPurchases, false};
}

QList<DateFilterEntry> tradeEntries(const QList<UserMoneyModel> &contracts)
{
    return entriesOf(contracts, [](const UserMoneyModel &c) -> DateFilterEntry {
        return {c.ksrq, c.ksrq, c.ksrq};
    });
}

DateFilterRule profitRule()
{
    return {QStringLiteral("您没有相关时间段的收益记录！"), false};
}

QList<DateFilterEntry> profitEntries(const QList<ReturnDetailsModel> &incomes)
{
    return entriesOf(incomes, [](const ReturnDetailsModel &i) -> DateFilterEntry {
        return {i.fprq, i.ksrq, i.fprq};
    });
}

DateFilterRule specialRule()
{
    return {kNoPurchases, false};
}

QList<DateFilterEntry> specialEntries(const QList<SpecialTradeModel> &trades)
{
    return entriesOf(trades, [](const SpecialTradeModel &t) -> DateFilterEntry {
        return {t.sxrq, t.sxrq, t.sxrq};
    });
}

} // namespace HoldingsDateFilters
