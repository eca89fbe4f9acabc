#include "Request.h"

#include <QJsonDocument>

QJsonArray Request::getJsonStr(const QString &code, const QJsonObject &params,
                               const QJsonObject &params_ext)
{
    return QJsonArray{QJsonObject{
        {QStringLiteral("code"), code},
        {QStringLiteral("params"), params},
        {QStringLiteral("params_ext"), params_ext},
    }};
}

QJsonObject Request::paging(int rowCount, int rowOffset, const QJsonObject &orderby)
{
    QJsonObject ext{
        {QStringLiteral("row_count"), QString::number(rowCount)},
        {QStringLiteral("row_offset"), QString::number(rowOffset)},
    };
    if (!orderby.isEmpty())
        ext.insert(QStringLiteral("orderby"), orderby);
    return ext;
}

QByteArray Request::body(const QJsonArray &envelope)
{
    return QJsonDocument(envelope).toJson(QJsonDocument::Compact);
}
