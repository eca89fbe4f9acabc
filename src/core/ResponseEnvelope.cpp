#include "ResponseEnvelope.h"

#include "TextValue.h"

#include <QJsonDocument>
#include <QJsonParseError>

#include <algorithm>
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

std::optional<ResponseEnvelope> ResponseEnvelope::decode(const QByteArray &body)
{
    QJsonParseError error;
    const QJsonDocument doc = QJsonDocument::fromJson(body, &error);
    if (error.error != QJsonParseError::NoError || !doc.isArray())
        return std::nullopt;
    const QJsonArray array = doc.array();
    if (array.isEmpty())
        return ResponseEnvelope();
    if (!array.first().isObject())
        return std::nullopt;
    return ResponseEnvelope(array.first().toObject());
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

ResponseEnvelope ResponseEnvelope::withRecordsCappedAt(qsizetype count) const
{
    QJsonArray records = this->records();
    if (records.size() <= count)
        return *this;
    while (records.size() > std::max<qsizetype>(count, 0))
        records.removeLast();
    QJsonObject data = object().value(QStringLiteral("data")).toObject();
    data.insert(QStringLiteral("record1"), records);
    QJsonObject envelope = object();
    envelope.insert(QStringLiteral("data"), data);
    return ResponseEnvelope(envelope);
}
