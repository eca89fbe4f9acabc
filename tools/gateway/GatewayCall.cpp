#include "GatewayCall.h"

#include <QJsonValue>

QString GatewayCall::param(const QString &key) const
{
    const QJsonValue value = params.value(key);
    if (value.isString())
        return value.toString();
    if (value.isDouble())
        return QString::number(value.toDouble(), 'g', 15);
    return {};
}

GatewayReply GatewayReply::ok(const QJsonArray &records, const QString &prompt)
{
    GatewayReply reply;
    reply.records = records;
    reply.prompt = prompt.isEmpty() ? QStringLiteral("操作成功") : prompt;
    return reply;
}

GatewayReply GatewayReply::refuse(const QString &prompt)
{
    GatewayReply reply;
    reply.flag = 0;
    reply.prompt = prompt;
    return reply;
}

QJsonObject GatewayReply::toEnvelope() const
{
    return QJsonObject{{QStringLiteral("flag"), flag},
                       {QStringLiteral("prompt"), prompt},
                       {QStringLiteral("data"), QJsonObject{{QStringLiteral("record1"), records}}}};
}
