#include "RecordQuery.h"

#include <algorithm>

RecordQuery &RecordQuery::filter(const QString &param, Match match, const QString &columns)
{
    m_filters.append({param, (columns.isEmpty() ? param : columns).split(QLatin1Char('|')), match});
    return *this;
}

RecordQuery &RecordQuery::defaultOrder(const QString &column, bool ascending)
{
    m_defaultOrder.append({column, ascending});
    return *this;
}

RecordQuery &RecordQuery::numberRows(const QString &column)
{
    m_rowNumberColumn = column;
    return *this;
}

RecordQuery &RecordQuery::countInto(const QString &column)
{
    m_countColumn = column;
    return *this;
}

bool RecordQuery::matches(const QString &column, const QString &value, Match match)
{
    switch (match) {
    case Match::Equal:
        if (value.contains(QLatin1Char(',')))
            return value.split(QLatin1Char(','), Qt::SkipEmptyParts).contains(column);
        return column == value;
    case Match::AtMost:
        return column.toLongLong() <= value.toLongLong();
    case Match::FromDate:
        return column.toLongLong() >= value.toLongLong();
    case Match::UntilDate:
        return column.toLongLong() <= value.toLongLong();
    case Match::Contains:
        return column.contains(value, Qt::CaseInsensitive);
    }
    return false;
}

DemoStore::Table RecordQuery::filtered(const DemoStore::Table &records,
                                       const GatewayCall &call) const
{
    DemoStore::Table kept;
    for (const DemoStore::Record &r : records) {
        bool pass = true;
        for (const Filter &f : m_filters) {
            const QString value = call.param(f.param).trimmed();
            if (value.isEmpty())
                continue;
            const bool any =
                std::any_of(f.columns.cbegin(), f.columns.cend(), [&](const QString &c) {
                    return matches(r.value(c).toVariant().toString(), value, f.match);
                });
            if (!any) {
                pass = false;
                break;
            }
        }
        if (pass)
            kept.append(r);
    }
    return kept;
}

DemoStore::Table RecordQuery::ordered(DemoStore::Table records, const GatewayCall &call) const
{
    const QList<OrderKey> &keys = call.orderBy.isEmpty() ? m_defaultOrder : call.orderBy;
    if (keys.isEmpty())
        return records;
    // The server compares its columns as text: "100" sorts before "20".
    std::stable_sort(records.begin(), records.end(),
                     [&](const DemoStore::Record &a, const DemoStore::Record &b) {
                         for (const OrderKey &k : keys) {
                             const int c =
                                 QString::compare(a.value(k.field).toVariant().toString(),
                                                  b.value(k.field).toVariant().toString());
                             if (c != 0)
                                 return k.ascending ? c < 0 : c > 0;
                         }
                         return false;
                     });
    return records;
}

DemoStore::Table RecordQuery::paged(const DemoStore::Table &records, const QJsonObject &paramsExt,
                                    qsizetype *offset)
{
    auto number = [&](const char *key, qlonglong fallback) {
        const QJsonValue v = paramsExt.value(QLatin1String(key));
        bool ok = false;
        const qlonglong n =
            v.isDouble() ? qlonglong(v.toDouble()) : v.toString().trimmed().toLongLong(&ok);
        return (v.isDouble() || ok) && n >= 0 ? n : fallback;
    };
    const qlonglong start = qMin<qlonglong>(number("row_offset", 0), records.size());
    const qlonglong count = number("row_count", records.size());
    if (offset)
        *offset = start;
    return records.mid(start, qMin<qlonglong>(count, records.size() - start));
}

QJsonObject RecordQuery::published(const DemoStore::Record &record)
{
    QJsonObject out;
    for (auto it = record.begin(); it != record.end(); ++it)
        if (!it.key().startsWith(QLatin1Char('_')))
            out.insert(it.key(), it.value());
    return out;
}

QJsonArray RecordQuery::run(const DemoStore::Table &records, const GatewayCall &call) const
{
    const DemoStore::Table matching = ordered(filtered(records, call), call);
    qsizetype offset = 0;
    const DemoStore::Table page = paged(matching, call.paramsExt, &offset);
    QJsonArray out;
    for (qsizetype i = 0; i < page.size(); ++i) {
        QJsonObject r = published(page.at(i));
        if (!m_rowNumberColumn.isEmpty())
            r.insert(m_rowNumberColumn, QString::number(offset + i + 1));
        if (!m_countColumn.isEmpty())
            r.insert(m_countColumn, QString::number(matching.size()));
        out.append(r);
    }
    return out;
}
