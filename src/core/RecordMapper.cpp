#include "RecordMapper.h"

#include <QHash>
#include <QMetaProperty>
#include <QVariant>

#include <cmath>

namespace RecordMapper {
namespace {

struct Field
{
    QString key;
    QMetaProperty property;
    bool isString;
};

// Property lists are looked up once per record type; answers of a thousand records
// then cost one hash look-up each.
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
        fields.append({QString::fromLatin1(p.name()), p, p.metaType().id() == QMetaType::QString});
    }
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
    for (const Field &field : fieldsOf(meta)) {
        const auto it = record.constFind(field.key);
        if (it == record.constEnd())
            continue;
        field.property.writeOnGadget(gadget, variantFor(field, it.value()));
    }
}

QJsonObject toJson(const void *gadget, const QMetaObject &meta)
{
    QJsonObject out;
    for (const Field &field : fieldsOf(meta)) {
        const QVariant v = field.property.readOnGadget(gadget);
        out.insert(field.key, field.isString ? QJsonValue(v.toString()) : QJsonValue::fromVariant(v));
    }
    return out;
}

} // namespace RecordMapper
