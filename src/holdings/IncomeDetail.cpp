#include "IncomeDetail.h"

#include "Formatting.h"
#include "HoldingsTexts.h"
#include "TextValue.h"

#include <QDateTime>
#include <QTimeZone>

#include <cmath>

namespace IncomeDetail {
namespace {

const QString kDividend = QStringLiteral("1");
const QString kSellingPeriod = QStringLiteral("0");
const QString kPrincipalBack = QStringLiteral("2");

qint64 secondsOf(const QString &date)
{
    const QDate day = QDate::fromString(date, QStringLiteral("yyyyMMdd"));
    if (!day.isValid())
        return 0;
    return QDateTime(day, QTime(0, 0), QTimeZone(8 * 3600)).toSecsSinceEpoch();
}

// The earliest dividend: records come latest first.
const CustomerIncomeModel *earliestDividend(const QList<CustomerIncomeModel> &records)
{
    for (auto it = records.crbegin(); it != records.crend(); ++it) {
        if (it->fhfs == kDividend)
            return &*it;
    }
    return nullptr;
}

QString percent(double y)
{
    if (!std::isfinite(y))
        return QStringLiteral("--");
    return TextValue::format("%.1f", y) + QStringLiteral("％");
}

QString yieldAsReceived(const UserMoneyModel &contract)
{
    return contract.nhsyl.isEmpty() ? QStringLiteral("--") : contract.nhsyl;
}

} // namespace

double days(const QString &from, const QString &to)
{
    return double(secondsOf(to) - secondsOf(from)) / 86400;
}

bool receivedByTransfer(const UserMoneyModel &contract, const QList<SpecialTradeModel> &trades,
                        const QString &zjhm)
{
    for (const SpecialTradeModel &trade : trades) {
        if (trade.jylx == HoldingsTexts::kTransfer && trade.sxrq == contract.tsjysj &&
            !zjhm.isEmpty() && zjhm == trade.targetinvestcertno)
            return true;
    }
    return false;
}

QString yieldText(const UserMoneyModel &contract, const QList<CustomerIncomeModel> &records,
                  bool transferReceiver)
{
    const CustomerIncomeModel *r = earliestDividend(records);
    const double F = TextValue::doubleValue(contract.fpje);
    const double H = TextValue::doubleValue(contract.htje);
    // Only the empty text says there was no special transaction; a missing key is not that.
    const bool noSpecialTrade = !contract.tsjysj.isNull() && contract.tsjysj.isEmpty();
    if (noSpecialTrade) {
        const double year = r ? days(r->ksrq, r->fprq) / 365 : 0;
        if (year == 0)
            return yieldAsReceived(contract);
        double f0 = 0;
        for (const CustomerIncomeModel &record : records) {
            if (record.fhfs == kSellingPeriod)
                f0 = TextValue::doubleValue(record.fpje);
        }
        return H == 0 ? QStringLiteral("--") : percent((F - f0) / H / year * 100);
    }
    const double span = transferReceiver ? days(contract.tsjysj, r ? r->fprq : QString()) / 365
                                         : days(contract.syqksrq, contract.tsjysj) / 365;
    if (H == 0 || span == 0)
        return QStringLiteral("--");
    return percent(F / H / span * 100);
}

Header header(const UserMoneyModel &contract, const QList<CustomerIncomeModel> &records,
              bool transferReceiver)
{
    Header h;
    for (const CustomerIncomeModel &record : records) {
        if (!record.syfpzh.isEmpty())
            h.syfpzh = record.syfpzh;
    }
    bool isFanben = false;
    for (const CustomerIncomeModel &record : records)
        isFanben = isFanben || record.fhfs == kPrincipalBack;

    h.yield = yieldText(contract, records, transferReceiver);
    h.cybj = TextValue::format("%.0f万元", TextValue::doubleValue(contract.htje) / 10000);
    h.ljsy = TextValue::format("%.2f元", TextValue::doubleValue(contract.fpje));
    h.fpfs = contract.dividendmethodname;
    h.qxrq = Formatting::GetFormateDate(contract.syqksrq);
    h.jsrq = Formatting::GetFormateDate(contract.syqjsrq);
    h.jljs = contract.jlhtdqts;
    if (contract.htyclts.isEmpty()) {
        const qint64 yclDay = qint64(days(contract.syqksrq, contract.syqjsrq));
        h.ycl = QString::number(yclDay - TextValue::integerValue(contract.jlhtdqts));
    } else {
        h.ycl = contract.htyclts;
    }

    const double run = TextValue::doubleValue(contract.htyclts);
    const double left = TextValue::doubleValue(contract.jlhtdqts);
    const double progress = run / (run + left);
    // Both day counts 0 leave nothing to divide: the bar stays empty.
    h.progress = std::isfinite(progress) ? progress : 0;
    h.labelA = QStringLiteral("已获得收益：%1元").arg(contract.fpje);
    h.labelB = TextValue::format("已获得收益%.2f元", TextValue::doubleValue(contract.fpje));
    if (isFanben) {
        h.progress = 1.0;
        h.grey = true;
        h.jljs = QStringLiteral("0");
        h.showsA = true;
    } else if (left == 0) {
        h.grey = true;
        h.showsA = true;
    }
    return h;
}

} // namespace IncomeDetail
