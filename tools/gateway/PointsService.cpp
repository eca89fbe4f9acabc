#include "PointsService.h"

#include "RecordQuery.h"

namespace {
QString text(const DemoStore::Record &r, const char *key)
{
    return r.value(QLatin1String(key)).toVariant().toString();
}
} // namespace

void PointsService::registerWith(FunctionRegistry &registry)
{
    registry.add(QStringLiteral("170001"), [this](const GatewayCall &c) { return categories(c); });
    registry.add(QStringLiteral("170003"), [this](const GatewayCall &c) { return gifts(c); });
    registry.add(QStringLiteral("170006"), [this](const GatewayCall &c) { return account(c); });
    registry.add(QStringLiteral("170008"), [this](const GatewayCall &c) { return history(c); });
}

QJsonObject PointsService::balance(const DemoStore &store, const QString &khbh)
{
    qlonglong earned = 0, spent = 0, expired = 0;
    bool redeemed = false;
    for (const DemoStore::Record &h : store.table(QStringLiteral("points"))) {
        if (text(h, "khbh") != khbh)
            continue;
        const QString kind = text(h, "w_point_from");
        if (kind == QLatin1String("1") || kind == QLatin1String("2")) {
            earned += text(h, "w_jf").toLongLong();
        } else if (kind == QLatin1String("3")) {
            expired += text(h, "w_point").toLongLong();
        } else {
            spent += text(h, "w_point").toLongLong();
            redeemed = true;
        }
    }
    const DemoStore::Record customer =
        store.find(QStringLiteral("customers"), QStringLiteral("khbh"), khbh);
    QJsonObject account{{"available_integral", QString::number(earned - spent - expired)},
                        // An account that never redeemed anything has no consumed figure at all.
                        {"xfjf", redeemed ? QString::number(spent) : QString()},
                        {"subpoint", QStringLiteral("0")},
                        {"his_totalpoint", QString::number(earned)},
                        {"gqjf", QString::number(expired)},
                        {"khbh", khbh}};
    for (const char *field : {"khxm", "zjhm", "zjlx", "crmkhbh"})
        account.insert(QLatin1String(field), text(customer, field));
    return account;
}

GatewayReply PointsService::categories(const GatewayCall &call) const
{
    const QJsonArray records = RecordQuery()
                                   .filter(QStringLiteral("pstatus"))
                                   .run(m_store.table(QStringLiteral("gift_categories")), call);
    return GatewayReply::ok(records, QStringLiteral("查询成功"));
}

GatewayReply PointsService::gifts(const GatewayCall &call) const
{
    // Gifts taken off the shelf ("pstatus" other than "1") are never offered.
    DemoStore::Table onShelf;
    for (const DemoStore::Record &g : m_store.table(QStringLiteral("gifts")))
        if (text(g, "pstatus") == QLatin1String("1"))
            onShelf.append(g);
    const QJsonArray records =
        RecordQuery().filter(QStringLiteral("category_id")).run(onShelf, call);
    return GatewayReply::ok(records, QStringLiteral("查询成功"));
}

GatewayReply PointsService::account(const GatewayCall &call) const
{
    const QString khbh = call.param(QStringLiteral("khbh"));
    if (khbh.isEmpty() ||
        m_store.find(QStringLiteral("customers"), QStringLiteral("khbh"), khbh).isEmpty())
        return GatewayReply::ok({}, QStringLiteral("没有积分账户"));
    return GatewayReply::ok({balance(m_store, khbh)}, QStringLiteral("查询成功"));
}

GatewayReply PointsService::history(const GatewayCall &call) const
{
    if (call.param(QStringLiteral("khbh")).isEmpty())
        return GatewayReply::ok({}, QStringLiteral("没有积分账户"));
    const QJsonArray records = RecordQuery()
                                   .filter(QStringLiteral("khbh"))
                                   .filter(QStringLiteral("w_point_from"))
                                   .defaultOrder(QStringLiteral("w_rq"), false)
                                   .numberRows(QStringLiteral("rn"))
                                   .run(m_store.table(QStringLiteral("points")), call);
    return GatewayReply::ok(records, QStringLiteral("查询成功"));
}
