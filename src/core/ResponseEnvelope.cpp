#include "ResponseEnvelope.h"

#include "TextValue.h"

#include <QJsonDocument>
#include <QJsonParseError>

#include <cmath>
#include <limits>

ResponseEnvelope::ResponseEnvelope(const QJsonObject &object) : m_object(object) {}

ResponseEnvelope ResponseEnvelope::fromBody(const QByteArray &body)
{
    QJsonParseError error;
    const QJsonDocument doc = QJsonDocument::fromJson(body, &error);
    if (error.error != QJsonParseError::NoError || !doc.isArray() || doc.array().isEmpty())
        return ResponseEnvelope();
    return ResponseEnvelope(doc.array().first().toObject());
}

int ResponseEnvelope::flag() const
{
    const QJsonValue flag = object().value(QStringLiteral("flag"));
    if (flag.isString())
        return TextValue::intValue(flag.toString());
    if (flag.isBool())
        return flag.toBool() ? 1 : 0;
    if (flag.isDouble()) {
        const double d = flag.toDouble();
        if (!std::isfinite(d) || std::fabs(d) > std::numeric_limits<int>::max())
            return 0;
        return int(d);
    }
    return 0;
}

QString ResponseEnvelope::prompt() const
{
    return object().value(QStringLiteral("prompt")).toString();
}

QJsonArray ResponseEnvelope::records() const
{
    return object()
        .value(QStringLiteral("data"))
        .toObject()
        .value(QStringLiteral("record1"))
        .toArray();
}
