#include "Request.h"

#include <QJsonDocument>

namespace {

QByteArray compact(const QJsonObject &object)
{
    return QJsonDocument(object).toJson(QJsonDocument::Compact);
}

// A JSON string literal, escaped as Qt escapes it.
QByteArray quoted(const QString &text)
{
    const QByteArray array = QJsonDocument(QJsonArray{text}).toJson(QJsonDocument::Compact);
    return array.mid(1, array.size() - 2);
}

} // namespace

QJsonObject ParamsExt::toJson() const
{
    QJsonObject ext;
    if (rowCount)
        ext.insert(QStringLiteral("row_count"), QString::number(*rowCount));
    if (rowOffset)
        ext.insert(QStringLiteral("row_offset"), QString::number(*rowOffset));
    if (!orderby.isEmpty()) {
        QJsonObject order;
        for (const auto &[field, direction] : orderby)
            order.insert(field, direction);
        ext.insert(QStringLiteral("orderby"), order);
    }
    return ext;
}

RequestEnvelope::RequestEnvelope(const QString &code, const QJsonObject &params,
                                 const ParamsExt &paramsExt)
    : m_code(code), m_params(params), m_paramsExt(paramsExt)
{
}

QJsonArray RequestEnvelope::toJsonArray() const
{
    return QJsonArray{QJsonObject{
        {QStringLiteral("code"), m_code},
        {QStringLiteral("params"), m_params},
        {QStringLiteral("params_ext"), m_paramsExt.toJson()},
    }};
}

QByteArray RequestEnvelope::body() const
{
    // Written by hand because a JSON object would sort orderby's keys.
    ParamsExt paging = m_paramsExt;
    paging.orderby.clear();
    QByteArray ext = compact(paging.toJson());
    if (!m_paramsExt.orderby.isEmpty()) {
        QByteArray order = "{";
        for (const auto &[field, direction] : m_paramsExt.orderby) {
            if (order.size() > 1)
                order += ',';
            order += quoted(field) + ':' + quoted(direction);
        }
        order += '}';
        ext.chop(1); // the closing brace
        ext += (ext.size() > 1 ? "," : "") + QByteArray("\"orderby\":") + order + '}';
    }
    return "[{\"code\":" + quoted(m_code) + ",\"params\":" + compact(m_params) +
           ",\"params_ext\":" + ext + "}]";
}

RequestEnvelope Request::getJsonStr(const QString &code, const QJsonObject &params,
                                    const ParamsExt &params_ext)
{
    return RequestEnvelope(code, params, params_ext);
}

ParamsExt Request::paging(int rowCount, int rowOffset, const OrderBy &orderby)
{
    return ParamsExt{rowCount, rowOffset, orderby};
}
