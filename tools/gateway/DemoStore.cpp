#include "DemoStore.h"

#include <QJsonArray>

namespace {
const QString kStateFormat = QStringLiteral("chenglan-demo-state/1");

// The field that names a record of a persistent table; empty where none is required.
QString keyOf(const QString &table)
{
    if (table == QLatin1String("customers"))
        return QStringLiteral("khbh");
    if (table == QLatin1String("bookings") || table == QLatin1String("messages"))
        return QStringLiteral("id");
    return {};
}
} // namespace

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

qsizetype DemoStore::customerIndex(const QString &khbh) const
{
    return khbh.isEmpty() ? -1 : indexOf(QStringLiteral("customers"), QStringLiteral("khbh"), khbh);
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
    auto refuse = [error](const QString &why) {
        if (error)
            *error = why;
        return false;
    };
    if (state.value(QStringLiteral("format")).toString() != kStateFormat)
        return refuse(QStringLiteral("its \"format\" is not \"%1\"").arg(kStateFormat));
    const QJsonValue tables = state.value(QStringLiteral("tables"));
    if (!tables.isObject())
        return refuse(QStringLiteral("its \"tables\" is not an object"));
    // Checked whole before anything is taken, so that a bad table cannot leave half a state.
    QHash<QString, Table> taken;
    for (const QString &name : persistentTables()) {
        const QJsonValue records = tables.toObject().value(name);
        if (records.isUndefined())
            continue;
        if (!records.isArray())
            return refuse(QStringLiteral("its table \"%1\" is not an array").arg(name));
        Table &table = taken[name];
        for (const QJsonValue &record : records.toArray()) {
            if (!record.isObject())
                return refuse(QStringLiteral("its table \"%1\" holds something other than records")
                                  .arg(name));
            // Every field is kept as text; a number or an object where text belongs matches
            // nothing, so that customers would silently be unknown.
            const QJsonObject fields = record.toObject();
            const QString where =
                QStringLiteral("its table \"%1\" record %2").arg(name).arg(table.size() + 1);
            for (auto it = fields.begin(); it != fields.end(); ++it)
                if (!it.value().isString())
                    return refuse(QStringLiteral("%1: \"%2\" is not text").arg(where, it.key()));
            const QString key = keyOf(name);
            if (!key.isEmpty() && fields.value(key).toString().isEmpty())
                return refuse(QStringLiteral("%1 has no \"%2\"").arg(where, key));
            table.append(fields);
        }
    }
    for (auto it = taken.cbegin(); it != taken.cend(); ++it)
        m_tables.insert(it.key(), it.value());
    return true;
}

void DemoStore::markChanged()
{
    emit changed();
}
