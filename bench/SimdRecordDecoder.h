#pragma once

#include <QByteArray>
#include <QList>
#include <QMetaObject>
#include <QtGlobal>
#include <functional>

// Prototype: the records of a gateway answer ("data"."record1" of its first object) read
// straight from the body into record types, with simdjson's On-Demand API, by the same
// rules as RecordMapper: every value as its text, absent keys empty, a base record's
// fields filled too. Whatever is not a well-formed answer gives no records.
class SimdRecordDecoder final
{
    Q_DISABLE_COPY_MOVE(SimdRecordDecoder)

public:
    SimdRecordDecoder() = delete;

    template <class T> static QList<T> records(const QByteArray &body)
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
        if (!ok)
            out.clear();
        return out;
    }

    // Walks every record's values without making a text of any: the parse's own share of
    // records(). Returns the bytes of text seen.
    static qsizetype walk(const QByteArray &body);

    // Whether the body is one well-formed JSON document, every value read as QJsonDocument
    // would (On-Demand checks only what it visits): what the envelope must know before it
    // can take records() from a body whose other parts it skipped.
    static bool isWellFormed(const QByteArray &body);

private:
    // `append(-1)` makes a new empty record and returns it to be filled; `append(n)` first
    // says how many there will be.
    static bool decode(const QByteArray &body, const QMetaObject &meta,
                       const std::function<void *(qsizetype)> &append);
};
