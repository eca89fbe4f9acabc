#include "ResponseEnvelope.h"

#include "TextValue.h"

#include <QJsonDocument>
#include <QJsonParseError>

#include <cmath>
#include <limits>

ResponseEnvelope::ResponseEnvelope(const QJsonObject &object) : m_object(object) {}

ResponseEnvelope ResponseEnvelope::fromBody(const QByteArray &body)
{
    if (std::optional<RecordDecoder::Head> head = RecordDecoder::readHead(body)) {
        ResponseEnvelope envelope;
        envelope.m_head = std::move(head);
        envelope.m_body = body;
        return envelope;
    }
    QJsonParseError error;
    const QJsonDocument doc = QJsonDocument::fromJson(body, &error);
    if (error.error != QJsonParseError::NoError || !doc.isArray() || doc.array().isEmpty())
        return ResponseEnvelope();
    return ResponseEnvelope(doc.array().first().toObject());
}

QJsonObject ResponseEnvelope::object() const
{
    // A body the decoder took is well-formed, so this parse cannot fail.
    if (m_head && !m_object)
        m_object = QJsonDocument::fromJson(m_body).array().first().toObject();
    return m_object.value_or(QJsonObject());
}

QJsonValue ResponseEnvelope::value(const QString &key) const
{
    if (m_head)
        return key == QLatin1String("flag") ? m_head->flag : m_head->prompt;
    return object().value(key);
}

int ResponseEnvelope::flag() const
{
    const QJsonValue flag = value(QStringLiteral("flag"));
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
    return value(QStringLiteral("prompt")).toString();
}

QJsonArray ResponseEnvelope::records() const
{
    return object()
        .value(QStringLiteral("data"))
        .toObject()
        .value(QStringLiteral("record1"))
        .toArray();
}
