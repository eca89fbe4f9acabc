#include "GatewayCall.h"

#include "JsonKeyOrder.h"

#include <QJsonDocument>
#include <QJsonValue>
#include <QRegularExpression>

std::optional<GatewayCall> GatewayCall::fromBody(const QByteArray &body, QString *error)
{
    const auto refuse = [error](const QString &reason) {
        if (error)
            *error = reason;
        return std::nullopt;
    };
    QJsonParseError parseError;
    const QJsonDocument document = QJsonDocument::fromJson(body, &parseError);
    if (parseError.error != QJsonParseError::NoError)
        return refuse(QStringLiteral("body is not JSON: %1").arg(parseError.errorString()));
    if (!document.isArray() || document.array().size() != 1 || !document.array().at(0).isObject())
        return refuse(QStringLiteral("body must be an array of exactly one object"));
    const QJsonObject object = document.array().at(0).toObject();
    const QJsonValue code = object.value(QStringLiteral("code"));
    static const QRegularExpression digits(QStringLiteral("^[0-9]+$"));
    if (!code.isString() || !digits.match(code.toString()).hasMatch())
        return refuse(QStringLiteral("\"code\" must be a string of decimal digits"));
    for (const char *key : {"params", "params_ext"}) {
        const QJsonValue value = object.value(QLatin1String(key));
        if (!value.isUndefined() && !value.isNull() && !value.isObject())
            return refuse(QStringLiteral("\"%1\" must be an object").arg(QLatin1String(key)));
    }
    GatewayCall call;
    call.code = code.toString();
    call.params = object.value(QStringLiteral("params")).toObject();
    call.paramsExt = object.value(QStringLiteral("params_ext")).toObject();
    // The server applies the ordering keys in the order the client wrote them, which a
    // QJsonObject forgets.
    const QJsonObject orderBy = call.paramsExt.value(QStringLiteral("orderby")).toObject();
    const QStringList keys = JsonKeyOrder::keysAt(
        body, {QStringLiteral("0"), QStringLiteral("params_ext"), QStringLiteral("orderby")});
    for (const QString &key : keys) {
        const QString direction = orderBy.value(key).toString().toLower();
        if (direction == QLatin1String("asc") || direction == QLatin1String("desc"))
            call.orderBy.append({key, direction == QLatin1String("asc")});
    }
    return call;
}

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
