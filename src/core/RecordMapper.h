#pragma once

#include <QJsonArray>
#include <QJsonObject>
#include <QJsonValue>
#include <QList>
#include <QMetaObject>
#include <QMetaProperty>
#include <QString>
#include <QVariantList>

// Fills record types (Q_GADGETs whose properties are named like the answer's keys) from
// JSON objects, so adding a record type never means writing a mapping function.
// A key without a property is ignored; a property without a key stays empty.
namespace RecordMapper {

// The text a JSON value stands for in a string field: numbers as decimal text (integral
// values without fraction or exponent), booleans "1"/"0", null and absent as empty.
QString textOf(const QJsonValue &value);

void fill(void *gadget, const QMetaObject &meta, const QJsonObject &record);
QJsonObject toJson(const void *gadget, const QMetaObject &meta);

template <class T> T map(const QJsonObject &record)
{
    T value;
    fill(&value, T::staticMetaObject, record);
    return value;
}

template <class T> QList<T> mapAll(const QJsonArray &records)
{
    QList<T> out;
    out.reserve(records.size());
    for (const QJsonValue &record : records)
        out.append(map<T>(record.toObject()));
    return out;
}

template <class T> QJsonObject toJson(const T &value)
{
    return toJson(&value, T::staticMetaObject);
}

template <class T> QJsonArray toJsonArray(const QList<T> &values)
{
    QJsonArray out;
    for (const T &value : values)
        out.append(toJson(value));
    return out;
}

// Writes a text into a record's string property: what QMetaProperty::writeOnGadget() ends
// in, minus the QVariant wrapping and checks on the way, which took over a tenth of the
// decode time of a thousand product records. Inline, as it runs once per value.
inline void writeString(void *gadget, const QMetaProperty &property, const QString &text)
{
    const QMetaObject *owner = property.enclosingMetaObject();
    if (!owner->d.static_metacall) {
        property.writeOnGadget(gadget, text);
        return;
    }
    int status = -1;
    int flags = 0;
    void *argv[] = {const_cast<QString *>(&text), nullptr, &status, &flags}; // only read
    owner->d.static_metacall(reinterpret_cast<QObject *>(gadget), QMetaObject::WriteProperty,
                             property.relativePropertyIndex(), argv);
}

// Lets a property holding a list of records be set from a JSON array, as the automation
// driver's `open` does; registering twice is harmless.
template <class T> void registerListConversion()
{
    if (QMetaType::hasRegisteredConverterFunction<QVariantList, QList<T>>())
        return;
    QMetaType::registerConverter<QVariantList, QList<T>>([](const QVariantList &list) {
        QList<T> records;
        for (const QVariant &record : list)
            records.append(map<T>(QJsonObject::fromVariantMap(record.toMap())));
        return records;
    });
}

} // namespace RecordMapper
