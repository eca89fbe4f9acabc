#pragma once

#include <QDate>
#include <QHash>
#include <QJsonObject>
#include <QList>
#include <QObject>
#include <QStringList>
#include <functional>

// The gateway's tables: records as the server keeps them, seeded from the dataset and changed
// by the function codes. Keys starting with "_" are the server's own and never leave it.
class DemoStore : public QObject
{
    Q_OBJECT

public:
    using Record = QJsonObject;
    using Table = QList<Record>;

    explicit DemoStore(QObject *parent = nullptr);

    // Replaces every table with those of an already expanded dataset (see DatasetBuilder).
    void reset(const QHash<QString, Table> &tables, const QDate &today);

    QDate today() const { return m_today; }
    QStringList tableNames() const { return m_tables.keys(); }

    const Table &table(const QString &name) const;
    Table &table(const QString &name);

    // Position of the first record whose `key` equals `value`, or -1.
    qsizetype indexOf(const QString &name, const QString &key, const QString &value) const;
    qsizetype indexOf(const QString &name, const std::function<bool(const Record &)> &match) const;
    Record find(const QString &name, const QString &key, const QString &value) const;
    // Position of the customer with the number `khbh`; -1 for an empty or unknown number.
    qsizetype customerIndex(const QString &khbh) const;

    // One more than the largest numeric `id` of the table, as text.
    QString nextId(const QString &name) const;

    // The tables that customers change and that a state file keeps.
    static QStringList persistentTables();
    QJsonObject state() const;
    // Takes the tables of a state; a state of another shape changes nothing and says why.
    bool applyState(const QJsonObject &state, QString *error = nullptr);

    // Called by a function code after it changed a persistent table.
    void markChanged();

signals:
    void changed();

private:
    QHash<QString, Table> m_tables;
    QDate m_today;
};
