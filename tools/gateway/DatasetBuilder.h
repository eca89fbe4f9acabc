#pragma once

#include "DemoStore.h"

#include <QDate>
#include <QHash>
#include <QJsonObject>
#include <QString>
#include <optional>

// Turns the compact, hand-edited dataset into the tables the gateway serves: defaults merged
// into every record, dates relative to today resolved, numbers turned into text as the real
// server sends them, net-value series and article bodies generated.
class DatasetBuilder
{
public:
    explicit DatasetBuilder(const QDate &today) : m_today(today) {}

    std::optional<QHash<QString, DemoStore::Table>> build(const QJsonObject &dataset,
                                                          QString *error) const;

    // "{today}", "{today-30}" and "{today+7:yyyy-MM-dd}" inside a text become dates.
    QString resolveDates(const QString &text) const;

    // A net value as the server answers it: the stored one (code, date, value) with its
    // product's name and terms and the publishing details, added when it is served rather
    // than kept in each of the thousands of stored values.
    static DemoStore::Record servedNetValue(DemoStore::Record value,
                                            const DemoStore::Record &product);

private:
    QJsonValue normalise(const QString &table, const QString &key, const QJsonValue &value) const;
    // Code, date and value only: see servedNetValue().
    DemoStore::Table netValues(const QJsonArray &series) const;
    static QString articleHtml(const DemoStore::Record &article);

    QDate m_today;
};
