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

private:
    QJsonValue normalise(const QString &table, const QString &key, const QJsonValue &value) const;
    DemoStore::Table netValues(const QJsonArray &series, const DemoStore::Table &products) const;
    static QString articleHtml(const DemoStore::Record &article);

    QDate m_today;
};
