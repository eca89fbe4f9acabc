#include "GatewayFault.h"

#include <array>
#include <utility>

namespace {

const std::array<std::pair<GatewayFault::Kind, const char *>, 6> kKindNames{{
    {GatewayFault::Kind::None, "delay"},
    {GatewayFault::Kind::HttpStatus, "status"},
    {GatewayFault::Kind::NotJson, "not_json"},
    {GatewayFault::Kind::EmptyArray, "empty_array"},
    {GatewayFault::Kind::Refuse, "refuse"},
    {GatewayFault::Kind::Drop, "drop"},
}};

std::optional<GatewayFault::Kind> kindFromName(const QString &name)
{
    for (const auto &[kind, text] : kKindNames)
        if (name == QLatin1String(text))
            return kind;
    if (name == QLatin1String("none"))
        return GatewayFault::Kind::None;
    return std::nullopt;
}

} // namespace

GatewayFault GatewayFault::delay(int ms)
{
    GatewayFault fault;
    fault.delayMs = ms;
    return fault;
}

GatewayFault GatewayFault::status(int httpStatus)
{
    GatewayFault fault;
    fault.kind = Kind::HttpStatus;
    fault.httpStatus = httpStatus;
    return fault;
}

GatewayFault GatewayFault::notJson()
{
    GatewayFault fault;
    fault.kind = Kind::NotJson;
    return fault;
}

GatewayFault GatewayFault::emptyArray()
{
    GatewayFault fault;
    fault.kind = Kind::EmptyArray;
    return fault;
}

GatewayFault GatewayFault::refuse(const QString &prompt)
{
    GatewayFault fault;
    fault.kind = Kind::Refuse;
    fault.prompt = prompt;
    return fault;
}

GatewayFault GatewayFault::drop()
{
    GatewayFault fault;
    fault.kind = Kind::Drop;
    return fault;
}

QString GatewayFault::kindName(Kind kind)
{
    for (const auto &[k, text] : kKindNames)
        if (k == kind)
            return QLatin1String(text);
    return {};
}

std::optional<GatewayFault> GatewayFault::fromJson(const QJsonObject &object)
{
    const auto kind = kindFromName(object.value(QStringLiteral("kind")).toString());
    if (!kind)
        return std::nullopt;
    GatewayFault fault;
    fault.kind = *kind;
    fault.delayMs = qMax(0, object.value(QStringLiteral("delay_ms")).toInt());
    fault.httpStatus = object.value(QStringLiteral("status")).toInt(500);
    fault.prompt = object.value(QStringLiteral("prompt")).toString();
    if (fault.kind == Kind::HttpStatus && (fault.httpStatus < 100 || fault.httpStatus > 599))
        return std::nullopt;
    return fault;
}

QJsonObject GatewayFault::toJson() const
{
    QJsonObject object{{QStringLiteral("kind"), kindName(kind)},
                       {QStringLiteral("delay_ms"), delayMs}};
    if (kind == Kind::HttpStatus)
        object.insert(QStringLiteral("status"), httpStatus);
    if (kind == Kind::Refuse)
        object.insert(QStringLiteral("prompt"), prompt);
    return object;
}

std::optional<GatewayFault> GatewayFault::fromText(const QString &text)
{
    QString body = text;
    int extraDelay = 0;
    const qsizetype at = body.lastIndexOf(QLatin1Char('@'));
    if (at > 0) {
        // Only a number after the last '@' is a delay: a prompt may hold an '@' of its own.
        bool ok = false;
        const int ms = body.mid(at + 1).toInt(&ok);
        if (ok && ms >= 0) {
            extraDelay = ms;
            body.truncate(at);
        }
    }
    const qsizetype colon = body.indexOf(QLatin1Char(':'));
    const QString name = colon < 0 ? body : body.left(colon);
    const QString argument = colon < 0 ? QString() : body.mid(colon + 1);
    const auto kind = kindFromName(name);
    if (!kind)
        return std::nullopt;

    GatewayFault fault;
    fault.kind = *kind;
    bool ok = true;
    switch (*kind) {
    case Kind::None:
        fault.delayMs = argument.toInt(&ok);
        break;
    case Kind::HttpStatus:
        fault.httpStatus = argument.toInt(&ok);
        ok = ok && fault.httpStatus >= 100 && fault.httpStatus <= 599;
        break;
    case Kind::Refuse:
        fault.prompt = argument;
        break;
    default:
        break;
    }
    if (!ok || fault.delayMs < 0)
        return std::nullopt;
    fault.delayMs += extraDelay;
    return fault;
}
