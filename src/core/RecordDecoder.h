#pragma once

#include <QByteArray>
#include <QJsonValue>
#include <QList>
#include <QMetaObject>
#include <QtGlobal>
#include <functional>
#include <optional>

// Reads a gateway answer straight from its body with simdjson, without building a
// QJsonDocument first, which cost twice the parse for a large answer. The head is read (and
// the whole body checked) by the DOM parser; the records ("data"."record1" of its first
// object) are walked On-Demand into record types by the same rules as RecordMapper (every
// value as its text, absent keys empty, a base record's fields filled).
class RecordDecoder final
{
    Q_DISABLE_COPY_MOVE(RecordDecoder)

public:
    RecordDecoder() = delete;

    // The first object's "flag" and "prompt" (undefined when absent or when the first
    // element is not an object). Nothing when the body is not a non-empty array that this
    // reader takes whole and in every value; QJsonDocument, more lenient, then decides.
    struct Head
    {
        QJsonValue flag;
        QJsonValue prompt;
        bool isObject = false; // the first element
    };
    static std::optional<Head> readHead(const QByteArray &body);

    // The records of a body readHead() took; nothing when they are not where expected.
    template <class T> static std::optional<QList<T>> records(const QByteArray &body)
    {
        QList<T> out;
        const bool ok = decode(body, T::staticMetaObject, [&out](qsizetype count) -> void * {
            if (count >= 0) {
                out.reserve(count);
                return nullptr;
            }
            out.emplaceBack();
            return &out.last();
        });
        return ok ? std::optional<QList<T>>(std::move(out)) : std::nullopt;
    }

private:
    // `append(n)` says how many records there will be; `append(-1)` makes a new empty one
    // and returns it to be filled.
    static bool decode(const QByteArray &body, const QMetaObject &meta,
                       const std::function<void *(qsizetype)> &append);
};
