#include "MessageService.h"

#include "DemoRules.h"
#include "RecordQuery.h"

namespace {
const QString kMessages = QStringLiteral("messages");

// The identifier the read mark refers to: "target_id", or the message's own id without one.
QString targetId(const DemoStore::Record &message)
{
    const QString target = message.value(QStringLiteral("target_id")).toString();
    return target.isEmpty() ? message.value(QStringLiteral("id")).toString() : target;
}
} // namespace

void MessageService::registerWith(FunctionRegistry &registry)
{
    registry.add(QStringLiteral("164010"), [this](const GatewayCall &c) { return messages(c); });
    registry.add(QStringLiteral("164019"), [this](const GatewayCall &c) { return markRead(c); });
    registry.add(QStringLiteral("164020"), [this](const GatewayCall &c) { return unreadCount(c); });
    registry.add(QStringLiteral("164006"), [this](const GatewayCall &c) { return news(c); });
}

DemoStore::Table MessageService::visibleMessages(const GatewayCall &call) const
{
    const QString khbh = call.param(QStringLiteral("khbh"));
    // Product messages and today's messages are left out only when the client says "false".
    const bool products =
        call.param(QStringLiteral("include_product_message")) != QLatin1String("false");
    const bool today = call.param(QStringLiteral("query_today")) != QLatin1String("false");
    const QString todayText = DemoRules::dateText(m_store.today());
    DemoStore::Table visible;
    if (khbh.isEmpty())
        return visible;
    for (const DemoStore::Record &m : m_store.table(kMessages)) {
        if (m.value(QStringLiteral("khbh")).toString() != khbh)
            continue;
        if (!products && m.value(QStringLiteral("message_type")).toString() != QLatin1String("1"))
            continue;
        if (!today && m.value(QStringLiteral("send_time")).toString() >= todayText)
            continue;
        DemoStore::Record view = m;
        view.insert(QStringLiteral("target_id"), targetId(m));
        visible.append(view);
    }
    return visible;
}

GatewayReply MessageService::messages(const GatewayCall &call) const
{
    const QJsonArray records = RecordQuery()
                                   .filter(QStringLiteral("message_type"))
                                   .filter(QStringLiteral("message_status"))
                                   .defaultOrder(QStringLiteral("send_time"), false)
                                   .numberRows(QStringLiteral("rn"))
                                   .run(visibleMessages(call), call);
    return GatewayReply::ok(records, QStringLiteral("查询成功"));
}

GatewayReply MessageService::markRead(const GatewayCall &call)
{
    const QString khbh = call.param(QStringLiteral("khbh"));
    const QString id = call.param(QStringLiteral("message_id"));
    const qsizetype index = m_store.indexOf(kMessages, [&](const DemoStore::Record &m) {
        return !id.isEmpty() && targetId(m) == id &&
               m.value(QStringLiteral("khbh")).toString() == khbh;
    });
    if (index < 0)
        return GatewayReply::refuse(QStringLiteral("消息不存在"));
    const QString status = call.param(QStringLiteral("message_status"));
    DemoStore::Record &message = m_store.table(kMessages)[index];
    const QString wanted = status == QLatin1String("0") ? status : QStringLiteral("1");
    if (message.value(QStringLiteral("message_status")).toString() != wanted) {
        message.insert(QStringLiteral("message_status"), wanted);
        message.insert(QStringLiteral("update_time"), DemoRules::now());
        m_store.markChanged();
    }
    return GatewayReply::ok({RecordQuery::published(message)}, QStringLiteral("操作成功"));
}

GatewayReply MessageService::unreadCount(const GatewayCall &call) const
{
    qsizetype unread = 0;
    for (const DemoStore::Record &m : visibleMessages(call))
        if (m.value(QStringLiteral("message_status")).toString() == QLatin1String("0"))
            ++unread;
    return GatewayReply::ok({QJsonObject{{"unread_count", QString::number(unread)}}},
                            QStringLiteral("查询成功"));
}

GatewayReply MessageService::news(const GatewayCall &call) const
{
    const QString id = call.param(QStringLiteral("id"));
    if (!id.isEmpty()) {
        const DemoStore::Record article =
            m_store.find(QStringLiteral("news"), QStringLiteral("id"), id);
        if (article.isEmpty())
            return GatewayReply::ok({}, QStringLiteral("文章不存在"));
        return GatewayReply::ok({RecordQuery::published(article)}, QStringLiteral("查询成功"));
    }
    const QJsonArray records = RecordQuery()
                                   .filter(QStringLiteral("system_type"))
                                   .filter(QStringLiteral("status"))
                                   .filter(QStringLiteral("article_type"))
                                   .defaultOrder(QStringLiteral("begin_time"), false)
                                   .run(m_store.table(QStringLiteral("news")), call);
    return GatewayReply::ok(records, QStringLiteral("查询成功"));
}
