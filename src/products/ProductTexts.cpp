#include "ProductTexts.h"

#include "Constant.h"
#include "TextValue.h"

namespace ProductTexts {
namespace {
constexpr int kTenThousand = 10000;
}

QString saleBadgeImage(const QString &w_xszt)
{
    if (w_xszt == QLatin1String("1"))
        return QStringLiteral("rexiao");
    if (w_xszt == QLatin1String("2"))
        return QStringLiteral("yuyue");
    return QStringLiteral("shouwan");
}

QString yieldText(const QString &w_yqnhsyl)
{
    return w_yqnhsyl + QStringLiteral("％");
}

QString listStartAmount(const QString &w_qdje)
{
    return TextValue::format("%d万元", TextValue::intValue(w_qdje) / kTenThousand);
}

QString trustListStartAmount(const QString &w_qdje)
{
    const double d = TextValue::doubleValue(w_qdje);
    if (d / kTenThousand >= 1)
        return TextValue::format("%.f万元", d / kTenThousand);
    return TextValue::format("%d元", TextValue::intValue(w_qdje));
}

QString detailStartAmount(const QString &w_qdje)
{
    if (w_qdje.isEmpty())
        return QString();
    const int value = TextValue::intValue(w_qdje);
    if (value > 9999)
        return TextValue::format("%d万元", value / kTenThousand);
    return w_qdje + QStringLiteral("元");
}

QString issueSize(const QString &w_xtgm)
{
    if (w_xtgm.isEmpty())
        return QString();
    return TextValue::format("%d万元", TextValue::intValue(w_xtgm) / kTenThousand);
}

QString trustIssueSize(const QString &w_xtgm)
{
    const int size = TextValue::intValue(w_xtgm);
    const double tenThousands = TextValue::doubleValue(w_xtgm) / kTenThousand;
    if (size > 9999 && size % kTenThousand == 0)
        return TextValue::format("%.f万元", tenThousands);
    if (size > 9999)
        return TextValue::format("%.4f万元", tenThousands);
    return TextValue::format("%d元", size);
}

QString trustStartAmount(const QString &w_qdje)
{
    const int value = TextValue::intValue(w_qdje);
    if (value > 9999)
        return TextValue::format("%d万元", value / kTenThousand);
    return TextValue::format("%lld元", TextValue::integerValue(w_qdje));
}

QString fundUse(const QString &w_zjyt)
{
    static const QHash<QString, QString> labels = {
        {QStringLiteral("1"), QStringLiteral("证券投资类")},
        {QStringLiteral("2"), QStringLiteral("固定收益类")},
        {QStringLiteral("3"), QStringLiteral("现金管理类")},
        {QStringLiteral("4"), QStringLiteral("股权投资类")},
    };
    return labels.value(w_zjyt);
}

QString riskControl(const QString &w_fxkzcs)
{
    static const QHash<QString, QString> labels = {
        {QStringLiteral("1"), QStringLiteral("土地、房产抵押")},
        {QStringLiteral("2"), QStringLiteral("股权质押")},
        {QStringLiteral("3"), QStringLiteral("上市公司股票质押")},
        {QStringLiteral("4"), QStringLiteral("其他抵质押")},
        {QStringLiteral("5"), QStringLiteral("保证")},
        {QStringLiteral("6"), QStringLiteral("其他")},
    };
    return labels.value(w_fxkzcs);
}

QString distributionMethod(const QString &w_syfpfs)
{
    return Constant::shareConstant()->translate(QStringLiteral("26050"), w_syfpfs);
}

QString subscriptionSteps(const modelForProd &p)
{
    return QStringLiteral("1.预约登记\n%1\n\n2.缴款\n%2\n\n3.签署信托合同\n%3")
        .arg(p.w_yydj, p.w_jk, p.w_qsxtht);
}

QList<QPair<QString, QString>> detailRows(const modelForProd &p)
{
    return {
        {QStringLiteral("产品名称"), p.w_cpmc},
        {QStringLiteral("发行规模"), issueSize(p.w_xtgm)},
        {QStringLiteral("信托期限"), p.w_xtqx},
        {QStringLiteral("产品推介期"), p.w_cptjq},
        {QStringLiteral("预期年化收益率"), p.w_sysm},
        {QStringLiteral("信托募集账户信息"), p.w_mjzh},
        {QStringLiteral("信托资金用途"), fundUse(p.w_zjyt)},
        {QStringLiteral("风险控制措施"), riskControl(p.w_fxkzcs)},
        {QStringLiteral("信息披露"), p.w_xxpl},
        {QStringLiteral("起点金额"), detailStartAmount(p.w_qdje)},
        {QStringLiteral("分配方式"), distributionMethod(p.w_syfpfs)},
        {QStringLiteral("计息方式"), p.w_jxfs},
        {QStringLiteral("特别提示"), p.w_tbts},
        {QStringLiteral("认购流程"), subscriptionSteps(p)},
        {QStringLiteral("委托人简介"), p.w_str},
    };
}

} // namespace ProductTexts
