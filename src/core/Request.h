#pragma once

#include <QByteArray>
#include <QJsonArray>
#include <QJsonObject>
#include <QString>

// Builds the request envelope every gateway operation sends: an array of one object
// with the function code, its parameters and its paging object.
class Request
{
public:
    static QJsonArray getJsonStr(const QString &code, const QJsonObject &params = {},
                                 const QJsonObject &params_ext = {});

    // The paging object of list operations; orderby is left out when empty.
    static QJsonObject paging(int rowCount, int rowOffset, const QJsonObject &orderby = {});

    // The envelope as the compact UTF-8 JSON text that goes on the wire.
    static QByteArray body(const QJsonArray &envelope);
};
