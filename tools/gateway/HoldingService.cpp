#include "HoldingService.h"

#include "DemoRules.h"
#include "RecordQuery.h"

namespace {
const QString kContracts = QStringLiteral("contracts");
const QString kIncomes = QStringLiteral("incomes");
const QString kTrades = QStringLiteral("special_trades");

QString text(const DemoStore::Record &r, const char *key)
{
    return r.value(QLatin1String(key)).toVariant().toString();
}

QString kindName(const QString &fhfs)
{
    if (fhfs == QLatin1String("2"))
        return QStringLiteral("返本");
    if (fhfs == QLatin1String("1"))
        return QStringLiteral("分红");
    return QStringLiteral("售期收益");
}

// The empty "cp_status" "0" asks for contracts in any state.
GatewayCall withoutAnyStatus(GatewayCall call)
{
    if (call.param(QStringLiteral("cp_status")) == QLatin1String("0"))
        call.params.remove(QStringLiteral("cp_status"));
    return call;
}
} // namespace

void HoldingService::registerWith(FunctionRegistry &registry)
{
    registry.add(QStringLiteral("80205032"), [this](const GatewayCall &c) { return contracts(c); });
    registry.add(QStringLiteral("80205034"),
                 [this](const GatewayCall &c) { return purchasedProducts(c); });
    registry.add(QStringLiteral("80205037"), [this](const GatewayCall &c) { return incomes(c); });
    registry.add(QStringLiteral("80205038"),
                 [this](const GatewayCall &c) { return specialTrades(c); });
}

double HoldingService::paidIncome(const QString &contractNo) const
{
    double sum = 0;
    for (const DemoStore::Record &i : m_store.table(kIncomes))
        if (text(i, "htid") == contractNo && text(i, "fhfs") != QLatin1String("2"))
            sum += text(i, "fpje").toDouble();
    return sum;
}

double HoldingService::customerIncome(const QString &cusId) const
{
    double sum = 0;
    for (const DemoStore::Record &c : m_store.table(kContracts))
        if (text(c, "cus_id") == cusId)
            sum += paidIncome(text(c, "contractno"));
    return sum;
}

DemoStore::Table HoldingService::contractsOf(const QString &cusId) const
{
    DemoStore::Table own;
    for (const DemoStore::Record &c : m_store.table(kContracts))
        if (!cusId.isEmpty() && text(c, "cus_id") == cusId)
            own.append(contractView(c));
    return own;
}

DemoStore::Record HoldingService::contractView(const DemoStore::Record &contract) const
{
    DemoStore::Record view = contract;
    const QString number = text(contract, "contractno");
    const QString cusId = text(contract, "cus_id");
    const QDate today = m_store.today();

    double total = 0;
    for (const DemoStore::Record &c : m_store.table(kContracts))
        if (text(c, "cus_id") == cusId)
            total += text(c, "htyxje").toDouble();
    view.insert(QStringLiteral("zhtyxje"), DemoRules::money(total));

    if (!contract.contains(QStringLiteral("fpje")))
        view.insert(QStringLiteral("fpje"), DemoRules::money(paidIncome(number)));

    // The special-transaction mark and date follow the transactions on record.
    QString lastTrade;
    for (const DemoStore::Record &t : m_store.table(kTrades))
        if (text(t, "htid") == number)
            lastTrade = qMax(lastTrade, text(t, "sxrq"));
    if (!contract.contains(QStringLiteral("tsjybs")))
        view.insert(QStringLiteral("tsjybs"),
                    lastTrade.isEmpty() ? QStringLiteral("0") : QStringLiteral("1"));
    if (!contract.contains(QStringLiteral("tsjysj")))
        view.insert(QStringLiteral("tsjysj"), lastTrade);

    const QDate start = DemoRules::parseDate(text(contract, "syqksrq"));
    const QDate end = DemoRules::parseDate(text(contract, "syqjsrq"));
    if (!contract.contains(QStringLiteral("htyclts")) && start.isValid())
        view.insert(QStringLiteral("htyclts"),
                    QString::number(
                        qMax<qint64>(0, start.daysTo(end.isValid() ? qMin(today, end) : today))));
    if (!contract.contains(QStringLiteral("jlhtdqts")))
        view.insert(QStringLiteral("jlhtdqts"),
                    QString::number(end.isValid() ? qMax<qint64>(0, today.daysTo(end)) : 0));
    // "0": still holds money (unredeemed principal); "1": paid back.
    view.insert(QStringLiteral("sfyx"), text(contract, "htyxje").toDouble() > 0
                                            ? QStringLiteral("0")
                                            : QStringLiteral("1"));
    return view;
}

GatewayReply HoldingService::contracts(const GatewayCall &call) const
{
    const QJsonArray records =
        RecordQuery()
            .filter(QStringLiteral("sfyx"))
            .filter(QStringLiteral("cp_status"), RecordQuery::Match::Equal,
                    QStringLiteral("status"))
            .filter(QStringLiteral("start_date"), RecordQuery::Match::FromDate,
                    QStringLiteral("ksrq"))
            .filter(QStringLiteral("end_date"), RecordQuery::Match::UntilDate,
                    QStringLiteral("ksrq"))
            .filter(QStringLiteral("product_name"), RecordQuery::Match::Contains,
                    QStringLiteral("cpqc|cpmc"))
            .defaultOrder(QStringLiteral("ksrq"), false)
            .countInto(QStringLiteral("total_cnt"))
            .run(contractsOf(call.param(QStringLiteral("cus_id"))), withoutAnyStatus(call));
    return GatewayReply::ok(records, QStringLiteral("查询成功"));
}

GatewayReply HoldingService::purchasedProducts(const GatewayCall &call) const
{
    DemoStore::Table products;
    for (const DemoStore::Record &c : contractsOf(call.param(QStringLiteral("cus_id")))) {
        const DemoStore::Record product =
            m_store.find(QStringLiteral("products"), QStringLiteral("w_cpdm"), text(c, "cpdm"));
        const bool holding = text(c, "htyxje").toDouble() > 0;
        products.append(DemoStore::Record{
            {"sjhm", text(c, "sjhm")},
            {"sjhm2", text(c, "sjhm2")},
            {"kz_xsqsrq", text(c, "ksrq")},
            {"kz_xszzrq", text(c, "syqksrq")},
            {"projid", text(c, "cpdm")},
            {"projcode", text(c, "cpdm")},
            {"cpid", text(product, "id")},
            {"cpcode", text(c, "cpdm")},
            {"cpmc", text(c, "cpmc")},
            {"ksrq", text(c, "ksrq")},
            {"syqksrq", text(c, "syqksrq")},
            {"xtqx", text(c, "xtqx")},
            {"cpfxgm", text(c, "ipomaxsize")},
            {"oaid", text(c, "oaid")},
            {"yhzh", text(c, "yhzh")},
            {"yqnsy", text(c, "nhsyl")},
            {"htje", text(c, "htje")},
            {"zt", holding ? QStringLiteral("1") : QStringLiteral("2")},
            {"cy", holding ? QStringLiteral("1") : QStringLiteral("0")},
        });
    }
    const QJsonArray records = RecordQuery()
                                   .filter(QStringLiteral("cy"))
                                   .filter(QStringLiteral("zt"))
                                   .filter(QStringLiteral("project_id"), RecordQuery::Match::Equal,
                                           QStringLiteral("projid"))
                                   .filter(QStringLiteral("start_date"),
                                           RecordQuery::Match::FromDate, QStringLiteral("ksrq"))
                                   .filter(QStringLiteral("end_date"),
                                           RecordQuery::Match::UntilDate, QStringLiteral("ksrq"))
                                   .defaultOrder(QStringLiteral("ksrq"), false)
                                   .countInto(QStringLiteral("total_cnt"))
                                   .numberRows(QStringLiteral("rowcount"))
                                   .run(products, call);
    return GatewayReply::ok(records, QStringLiteral("查询成功"));
}

DemoStore::Record HoldingService::incomeView(const DemoStore::Record &income) const
{
    DemoStore::Record view = income;
    const DemoStore::Record contract =
        contractView(m_store.find(kContracts, QStringLiteral("contractno"), text(income, "htid")));
    const QString cusId = text(contract, "cus_id");
    const DemoStore::Record customer =
        m_store.find(QStringLiteral("customers"), QStringLiteral("crmkhbh"), cusId);
    const QString fhfs = text(income, "fhfs");
    const QString contractIncome = DemoRules::money(paidIncome(text(income, "htid")));
    const QDate end = DemoRules::parseDate(text(contract, "syqjsrq"));

    view.insert(QStringLiteral("cus_id"), cusId);
    view.insert(QStringLiteral("khbh"), text(customer, "khbh"));
    view.insert(QStringLiteral("takhbh"), text(customer, "takhbh"));
    for (const char *field :
         {"syqmc", "syqdm", "ksrq", "cpmc", "cpdm", "htje", "oaid", "htyclts", "jlhtdqts"})
        view.insert(QLatin1String(field), text(contract, field));
    view.insert(QStringLiteral("jsrq"), text(contract, "syqjsrq"));
    view.insert(QStringLiteral("syfpzh"), text(contract, "yhzh"));
    view.insert(QStringLiteral("syfpfs"), text(contract, "dividendmethod"));
    view.insert(QStringLiteral("yqnsy"), text(contract, "nhsyl"));
    view.insert(QStringLiteral("feye"), text(contract, "htyxje"));
    view.insert(QStringLiteral("htyjclts"), text(contract, "htyclts"));
    view.insert(QStringLiteral("htisjs"),
                end.isValid() && end < m_store.today() ? QStringLiteral("1") : QStringLiteral("0"));
    view.insert(QStringLiteral("fhfsname"), kindName(fhfs));
    view.insert(QStringLiteral("htljsy"), contractIncome);
    view.insert(QStringLiteral("cphtljsy"), contractIncome);
    view.insert(QStringLiteral("syhtljsy"), DemoRules::money(customerIncome(cusId)));
    view.insert(QStringLiteral("dsyfpje"), QStringLiteral("0.00"));
    return view;
}

GatewayReply HoldingService::incomes(const GatewayCall &call) const
{
    const QString cusId = call.param(QStringLiteral("cus_id"));
    // "sffb" "1" asks for the distributions of the one contract named by "htid".
    if (cusId.isEmpty() || (call.param(QStringLiteral("sffb")) == QLatin1String("1") &&
                            call.param(QStringLiteral("htid")).isEmpty()))
        return GatewayReply::ok({}, QStringLiteral("查询成功"));
    DemoStore::Table views;
    for (const DemoStore::Record &i : m_store.table(kIncomes)) {
        DemoStore::Record view = incomeView(i);
        if (text(view, "cus_id") == cusId)
            views.append(view);
    }
    QJsonArray records = RecordQuery()
                             .filter(QStringLiteral("htid"))
                             .filter(QStringLiteral("cpmc"), RecordQuery::Match::Contains)
                             .filter(QStringLiteral("start_date"), RecordQuery::Match::FromDate,
                                     QStringLiteral("fprq"))
                             .filter(QStringLiteral("end_date"), RecordQuery::Match::UntilDate,
                                     QStringLiteral("fprq"))
                             .defaultOrder(QStringLiteral("fprq"), false)
                             .countInto(QStringLiteral("total_cnt"))
                             .numberRows(QStringLiteral("rowcount"))
                             .run(views, call);
    for (QJsonValueRef r : records) {
        QJsonObject o = r.toObject();
        o.insert(QStringLiteral("owcount"), o.value(QStringLiteral("rowcount")));
        r = o;
    }
    return GatewayReply::ok(records, QStringLiteral("查询成功"));
}

GatewayReply HoldingService::specialTrades(const GatewayCall &call) const
{
    const QString cusId = call.param(QStringLiteral("cus_id"));
    DemoStore::Table own;
    for (const DemoStore::Record &t : m_store.table(kTrades)) {
        const DemoStore::Record contract =
            m_store.find(kContracts, QStringLiteral("contractno"), text(t, "htid"));
        if (!cusId.isEmpty() && text(contract, "cus_id") == cusId)
            own.append(t);
    }
    const QJsonArray records = RecordQuery()
                                   .filter(QStringLiteral("htid"))
                                   .filter(QStringLiteral("jylx"))
                                   .defaultOrder(QStringLiteral("sxrq"), false)
                                   .countInto(QStringLiteral("total_cnt"))
                                   .numberRows(QStringLiteral("rowcount"))
                                   .run(own, call);
    return GatewayReply::ok(records, QStringLiteral("查询成功"));
}
