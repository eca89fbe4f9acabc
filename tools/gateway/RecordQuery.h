#pragma once

#include "DemoStore.h"
#include "GatewayCall.h"

#include <QJsonArray>
#include <QList>
#include <QString>

// The one list pipeline every list code goes through, as the server runs it on its tables:
// filter by the request's parameters, order by "orderby" (or the code's default order),
// then cut the page given by "row_offset" and "row_count".
class RecordQuery
{
public:
    enum class Match
    {
        Equal,     // column equals the value; a value "1,2" admits either
        AtMost,    // column as an integer is at most the value
        FromDate,  // column as an eight-digit date is on or after the value
        UntilDate, // column as an eight-digit date is on or before the value
        Contains,  // column contains the value, ignoring case
    };

    // A parameter that restricts the records when it is present and not empty. `columns`
    // defaults to the parameter's name; "a|b" matches when either column matches.
    RecordQuery &filter(const QString &param, Match match = Match::Equal,
                        const QString &columns = {});
    // The order used when the request carries no "orderby".
    RecordQuery &defaultOrder(const QString &column, bool ascending);
    // Writes the 1-based row number of each answered record into `column`.
    RecordQuery &numberRows(const QString &column);
    // Writes the number of records that passed the filter (before paging) into `column`.
    RecordQuery &countInto(const QString &column);

    QJsonArray run(const DemoStore::Table &records, const GatewayCall &call) const;

    // The steps on their own, for the codes that need to look between them.
    DemoStore::Table filtered(const DemoStore::Table &records, const GatewayCall &call) const;
    DemoStore::Table ordered(DemoStore::Table records, const GatewayCall &call) const;
    static DemoStore::Table paged(const DemoStore::Table &records, const QJsonObject &paramsExt,
                                  qsizetype *offset = nullptr);
    // The record without the server's own "_" keys.
    static QJsonObject published(const DemoStore::Record &record);

private:
    struct Filter
    {
        QString param;
        QStringList columns;
        Match match;
    };
    static bool matches(const QString &column, const QString &value, Match match);

    QList<Filter> m_filters;
    QList<OrderKey> m_defaultOrder;
    QString m_rowNumberColumn;
    QString m_countColumn;
};
