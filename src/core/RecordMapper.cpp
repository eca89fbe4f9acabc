#include "RecordMapper.h"

#include <QCborMap>
#include <QCborValue>
#include <QHash>
#include <QMetaProperty>
#include <QVariant>

#include <algorithm>
#include <cmath>

namespace RecordMapper {
namespace {

struct Field
{
    QString key;
    QCborValue cborKey; // compares with a record's key without making a QString of it
    QMetaProperty property;
    bool isString;
};

// Property lists are built once per record type and sorted the way QJsonObject keeps
// its keys, so that a record is walked in step with them (see fill()).
const QList<Field> &fieldsOf(const QMetaObject &meta)
{
    thread_local QHash<const QMetaObject *, QList<Field>> cache;
    auto it = cache.find(&meta);
    if (it != cache.end())
        return *it;
    QList<Field> fields;
    // From 0, not propertyOffset(): a record type may take fields from a base record.
    for (int i = 0; i < meta.propertyCount(); ++i) {
        const QMetaProperty p = meta.property(i);
        const QString key = QString::fromLatin1(p.name());
        fields.append({key, QCborValue(key), p, p.metaType().id() == QMetaType::QString});
    }
    std::sort(fields.begin(), fields.end(),
              [](const Field &a, const Field &b) { return a.key < b.key; });
    return *cache.insert(&meta, fields);
}

QVariant variantFor(const Field &field, const QJsonValue &value)
{
    if (field.isString)
        return textOf(value);
    if (value.isNull() || value.isUndefined())
        return QVariant(field.property.metaType());
    QVariant v = value.isString() ? QVariant(value.toString()) : value.toVariant();
    // A numeric field may arrive as text; an unconvertible value leaves the field at zero.
    if (!v.convert(field.property.metaType()))
        return QVariant(field.property.metaType());
    return v;
}

} // namespace

QString textOf(const QJsonValue &value)
{
    switch (value.type()) {
    case QJsonValue::String:
        return value.toString();
    case QJsonValue::Bool:
        return value.toBool() ? QStringLiteral("1") : QStringLiteral("0");
    case QJsonValue::Double: {
        const double d = value.toDouble();
        // The parser keeps integers exact up to 64 bits, beyond what a double holds;
        // toInteger() is 0 unless the value is such an integer.
        const qint64 integer = value.toInteger();
        if (double(integer) == d)
            return QString::number(integer);
        // Larger integral values are still written out in digits, never with an exponent.
        if (std::isfinite(d) && d == std::trunc(d))
            return QString::number(d, 'f', QLocale::FloatingPointShortest);
        return QString::number(d, 'g', QLocale::FloatingPointShortest);
    }
    default:
        return QString();
    }
}

void fill(void *gadget, const QMetaObject &meta, const QJsonObject &record)
{
    // A binary search per field was a third of the mapping time. Records of one answer
    // usually carry the fields' keys in the same sorted order, so the key that follows
    // the last one found is compared first (the same data seen as a CBOR map compares
    // keys without converting them); only when it is not the one a search is made.
    const QCborMap keys = QCborMap::fromJsonObject(record);
    const qsizetype size = record.size();
    qsizetype next = 0;
    for (const Field &field : fieldsOf(meta)) {
        qsizetype at = next;
        if (at >= size || (keys.constBegin() + at).key().compare(field.cborKey) != 0) {
            const auto found = record.constFind(field.key);
            if (found == record.constEnd())
                continue;
            at = found - record.constBegin();
        }
        next = at + 1;
        const QJsonValueConstRef value = (record.constBegin() + at).value();
        if (field.isString)
            writeString(gadget, field.property,
                        value.type() == QJsonValue::String ? value.toString() : textOf(value));
        else
            field.property.writeOnGadget(gadget, variantFor(field, value));
    }
}

QJsonObject toJson(const void *gadget, const QMetaObject &meta)
{
    QJsonObject out;
    for (const Field &field : fieldsOf(meta)) {
        const QVariant v = field.property.readOnGadget(gadget);
        out.insert(field.key,
                   field.isString ? QJsonValue(v.toString()) : QJsonValue::fromVariant(v));
    }
    return out;
}

} // namespace RecordMapper
