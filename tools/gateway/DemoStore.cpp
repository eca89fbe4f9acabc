#include "DemoStore.h"

#include <QJsonArray>

namespace {
const QString kStateFormat = QStringLiteral("chenglan-demo-state/1");
}

DemoStore::DemoStore(QObject *parent) : QObject(parent) {}

void DemoStore::reset(const QHash<QString, Table> &tables, const QDate &today)
{
    m_tables = tables;
    m_today = today;
}

const DemoStore::Table &DemoStore::table(const QString &name) const
{
    static const Table empty;
    const auto it = m_tables.constFind(name);
    return it == m_tables.cend() ? empty : *it;
}

DemoStore::Table &DemoStore::table(const QString &name)
{
    return m_tables[name];
}

qsizetype DemoStore::indexOf(const QString &name, const QString &key, const QString &value) const
{
    return indexOf(name, [&](const Record &r) { return r.value(key).toString() == value; });
}

qsizetype DemoStore::indexOf(const QString &name,
                             const std::function<bool(const Record &)> &match) const
{
    const Table &records = table(name);
    for (qsizetype i = 0; i < records.size(); ++i)
        if (match(records.at(i)))
            return i;
    return -1;
}

DemoStore::Record DemoStore::find(const QString &name, const QString &key,
                                  const QString &value) const
{
    const qsizetype i = indexOf(name, key, value);
    return i < 0 ? Record() : table(name).at(i);
}

QString DemoStore::nextId(const QString &name) const
{
    qlonglong largest = 0;
    for (const Record &r : table(name)) {
        const QJsonValue id = r.value(QStringLiteral("id"));
        largest =
            qMax(largest, id.isDouble() ? qlonglong(id.toDouble()) : id.toString().toLongLong());
    }
    return QString::number(largest + 1);
}

QStringList DemoStore::persistentTables()
{
    return {QStringLiteral("customers"), QStringLiteral("bookings"), QStringLiteral("messages"),
            QStringLiteral("registrations"), QStringLiteral("feedback")};
}

QJsonObject DemoStore::state() const
{
    QJsonObject tables;
    for (const QString &name : persistentTables()) {
        QJsonArray records;
        for (const Record &r : table(name))
            records.append(r);
        tables.insert(name, records);
    }
    return {{QStringLiteral("format"), kStateFormat}, {QStringLiteral("tables"), tables}};
}

bool DemoStore::applyState(const QJsonObject &state, QString *error)
{
    if (state.value(QStringLiteral("format")).toString() != kStateFormat) {
        if (error)
            *error = QStringLiteral("not a demo gateway state file");
        return false;
    }
    const QJsonObject tables = state.value(QStringLiteral("tables")).toObject();
    for (const QString &name : persistentTables()) {
        if (!tables.contains(name))
            continue;
        Table records;
        for (const QJsonValue &v : tables.value(name).toArray())
            records.append(v.toObject());
        m_tables.insert(name, records);
    }
    return true;
}

void DemoStore::markChanged()
{
    emit changed();
}
