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
    return decode(body).value_or(ResponseEnvelope());
}

std::optional<ResponseEnvelope> ResponseEnvelope::decode(const QByteArray &body)
{
    if (std::optional<RecordDecoder::Head> head = RecordDecoder::readHead(body)) {
        if (!head->isObject)
            return std::nullopt;
        ResponseEnvelope envelope;
        envelope.m_head = std::move(head);
        envelope.m_body = body;
        return envelope;
    }
    // What the decoder does not take whole, QJsonDocument (a little more lenient) decides.
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

QJsonObject ResponseEnvelope::object() const
{
    // A body the decoder took is well-formed, so this parse cannot fail.
    if (m_head && !m_object)
        m_object = QJsonDocument::fromJson(m_body).array().first().toObject();
    QJsonObject object = m_object.value_or(QJsonObject());
    if (m_recordCap < 0)
        return object;
    QJsonObject data = object.value(QStringLiteral("data")).toObject();
    QJsonArray records = data.value(QStringLiteral("record1")).toArray();
    if (records.size() <= m_recordCap)
        return object;
    while (records.size() > m_recordCap)
        records.removeLast();
    data.insert(QStringLiteral("record1"), records);
    object.insert(QStringLiteral("data"), data);
    return object;
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

ResponseEnvelope ResponseEnvelope::withRecordsCappedAt(qsizetype count) const
{
    ResponseEnvelope capped = *this;
    count = std::max<qsizetype>(count, 0);
    capped.m_recordCap = m_recordCap < 0 ? count : std::min(m_recordCap, count);
    return capped;
}
