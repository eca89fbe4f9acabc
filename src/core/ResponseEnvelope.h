#pragma once

#include "RecordDecoder.h"
#include "RecordMapper.h"

#include <QByteArray>
#include <QJsonArray>
#include <QJsonObject>
#include <QString>
#include <optional>

// The first object of a gateway answer. An answer whose body is not a non-empty JSON
// array has no envelope: its flag reads 0, its prompt and records are empty.
//
// Made from a body, it reads the flag, the prompt and the records straight from the body
// (RecordDecoder); the body becomes a QJsonObject only when a screen asks for a generic
// value (object(), records()).
class ResponseEnvelope
{
public:
    ResponseEnvelope() = default;
    explicit ResponseEnvelope(const QJsonObject &object);

    static ResponseEnvelope fromBody(const QByteArray &body);
    // Stricter, for the transport: nothing when the body is not a JSON array or its first
    // element is not an object; an empty array decodes to an absent envelope.
    static std::optional<ResponseEnvelope> decode(const QByteArray &body);

    bool isPresent() const { return m_head.has_value() || m_object.has_value(); }
    QJsonObject object() const;

    // "flag" as an integer (a number or a numeric text); 0 when missing.
    int flag() const;
    bool succeeded() const { return flag() == 1; }
    QString prompt() const;
    // "data"."record1"; empty when missing or not an array.
    QJsonArray records() const;

    // The same envelope keeping no more than `count` records.
    ResponseEnvelope withRecordsCappedAt(qsizetype count) const;

    template <class T> QList<T> recordsAs() const
    {
        if (m_head) {
            if (auto decoded = RecordDecoder::records<T>(m_body)) {
                if (m_recordCap >= 0 && decoded->size() > m_recordCap)
                    decoded->resize(m_recordCap);
                return *decoded;
            }
        }
        return RecordMapper::mapAll<T>(records());
    }

private:
    QJsonValue value(const QString &key) const;

    // From a body the decoder took: the body, and the first object once asked for.
    std::optional<RecordDecoder::Head> m_head;
    QByteArray m_body;
    mutable std::optional<QJsonObject> m_object;
    qsizetype m_recordCap = -1; // none
};
