#include "TradeEventTexts.h"

#include "Formatting.h"
#include "IdentityDocumentTypes.h"

namespace TradeEventTexts {

QString documentType(const QString &code)
{
    for (const IdentityDocumentType &type : IdentityDocumentTypes::pickerTypes()) {
        if (type.code == code)
            return type.name;
    }
    return QString();
}

QString customerType(const QString &code)
{
    if (code == QLatin1String("1"))
        return QStringLiteral("个人");
    if (code == QLatin1String("0"))
        return QStringLiteral("机构");
    return QString();
}

QString incomeAttribution(const QString &code)
{
    if (code == QLatin1String("00"))
        return QStringLiteral("转出方");
    if (code == QLatin1String("01"))
        return QStringLiteral("受让方");
    return QStringLiteral("--");
}

namespace {

Section productSection(const UserMoneyModel &contract)
{
    return {QStringLiteral("产品名称"), {{QStringLiteral("产品名称"), contract.cpqc}}};
}

} // namespace

QList<Section> transferSections(const UserMoneyModel &contract, const SpecialTradeModel &trade)
{
    return {
        productSection(contract),
        {QStringLiteral("出让人信息"),
         {{QStringLiteral("证件类型"), documentType(trade.zjlx)},
          {QStringLiteral("证件号码"), trade.zjhm},
          {QStringLiteral("出让人姓名"), trade.crrxm},
          {QStringLiteral("客户类型"), customerType(trade.khlx)}}},
        {QStringLiteral("转让信息"),
         {{QStringLiteral("计划编号"), contract.cpdm},
          {QStringLiteral("收益权代码"), trade.syqdm},
          {QStringLiteral("出让合同编号"), trade.crhtid},
          {QStringLiteral("转让协议编号"), trade.zrxyid},
          {QStringLiteral("转让协议生效日"), Formatting::GetFormateDate(trade.sxrq)},
          {QStringLiteral("转让金额"), HoldingsTexts::roundedTenThousands(trade.je)},
          {QStringLiteral("售期收益归属"), incomeAttribution(trade.sqsygs)},
          {QStringLiteral("转让前收益归属"), incomeAttribution(trade.zrqsygs)},
          {QStringLiteral("转让当日收益归属"), incomeAttribution(trade.zrdrsygs)},
          {QStringLiteral("转让后收益归属"), incomeAttribution(trade.zrhsygs)}}},
        {QStringLiteral("受让人信息"),
         {{QStringLiteral("证件类型"), documentType(trade.targetinvestcerttype)},
          {QStringLiteral("证件号码"), trade.targetinvestcertno},
          {QStringLiteral("受让人姓名"), trade.srrxm},
          {QStringLiteral("客户类型"), customerType(trade.targetinvesttype)}}},
    };
}

QList<Section> redemptionSections(const UserMoneyModel &contract, const SpecialTradeModel &trade)
{
    return {
        productSection(contract),
        {QStringLiteral("赎回信息"),
         {{QStringLiteral("证件类型"), documentType(trade.zjlx)},
          {QStringLiteral("证件号码"), trade.zjhm},
          {QStringLiteral("投资者姓名"), trade.tzzxm},
          {QStringLiteral("客户类型"), customerType(trade.khlx)},
          {QStringLiteral("计划编号"), trade.cpdm},
          {QStringLiteral("受益权代码"), trade.syqdm},
          {QStringLiteral("信托合同编号"), trade.crhtid},
          {QStringLiteral("赎回开放日"), Formatting::GetFormateDate(trade.shkfr)},
          {QStringLiteral("赎回申请日期"), Formatting::GetFormateDate(trade.shsqrq)},
          {QStringLiteral("赎回份额"), trade.je + QStringLiteral("份")}}},
    };
}

} // namespace TradeEventTexts
