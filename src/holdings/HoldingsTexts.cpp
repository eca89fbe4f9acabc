#include "HoldingsTexts.h"

#include "Formatting.h"
#include "TextValue.h"

namespace HoldingsTexts {

QString roundedTenThousands(double yuan)
{
    return TextValue::format("%.0f万元", yuan / 10000);
}

QString roundedTenThousands(const QString &yuan)
{
    return roundedTenThousands(TextValue::doubleValue(yuan));
}

QString boughtDate(const QString &syqksrq)
{
    const QString caption = QStringLiteral("成立日期：");
    if (syqksrq.size() < 8)
        return caption + syqksrq;
    return caption + syqksrq.mid(0, 4) + u'-' + syqksrq.mid(4, 2) + u'-' + syqksrq.mid(6, 2);
}

QString truncatedTenThousands(const QString &yuan)
{
    return TextValue::format("%lld万元", TextValue::integerValue(yuan) / 10000);
}

bool isPaidBack(const UserMoneyModel &contract)
{
    return TextValue::doubleValue(contract.htyxje) == 0;
}

QList<Section> boughtDetailSections(const UserMoneyModel &contract)
{
    return {
        {QStringLiteral("基本信息"),
         {{QStringLiteral("产品名称"), contract.cpqc},
          {QStringLiteral("受益权名称"), contract.syqmc},
          {QStringLiteral("发行规模"), roundedTenThousands(contract.ipomaxsize)},
          {QStringLiteral("存续期限"), contract.xtqx}}},
        {QStringLiteral("合同信息"), {}},
        {QStringLiteral("特殊交易"), {}},
        {QStringLiteral("收益信息"), {}},
        {QStringLiteral("更多信息"), {}},
    };
}

QString tradeName(const UserMoneyModel &contract)
{
    return contract.syqmc.isEmpty() ? contract.cpqc : contract.syqmc;
}

QString tradeAmount(const QString &htyxje)
{
    return QStringLiteral("金额：") + truncatedTenThousands(htyxje);
}

QString incomeKind(const QString &fhfs)
{
    if (fhfs == QLatin1String("2"))
        return QStringLiteral("返本");
    if (fhfs == QLatin1String("1"))
        return QStringLiteral("分红");
    return QStringLiteral("售期收益");
}

QString profitDate(const QString &fprq)
{
    return QStringLiteral("合同分配日期 ") + Formatting::GetFormateDate(fprq);
}

QString profitKind(const QString &fhfs)
{
    return incomeKind(fhfs) + QStringLiteral("：");
}

QString profitAmount(const QString &fpje)
{
    return u'+' + Formatting::stringTofengeString(fpje) + QStringLiteral("元");
}

QString incomeAmount(const QString &fpje)
{
    return TextValue::format("+%.2f", TextValue::doubleValue(fpje));
}

QString specialAmount(const QString &je)
{
    const qint64 amount = TextValue::integerValue(je);
    if (amount > 9999)
        return TextValue::format("金额：%lld万元", amount / 10000);
    return QStringLiteral("金额：%1份").arg(je);
}

QString specialDate(const QString &sxrq)
{
    return QStringLiteral("生效日期：") + Formatting::GetFormateDate(sxrq);
}

QString specialImage(const QString &jylx)
{
    if (jylx == kTransfer)
        return QStringLiteral("transfer");
    if (jylx == kRedemption)
        return QStringLiteral("getback");
    return QString();
}

} // namespace HoldingsTexts
