#pragma once

#include <QByteArray>
#include <QJsonArray>
#include <QJsonObject>
#include <QList>
#include <QPair>
#include <QString>
#include <optional>

// Field → "asc" or "desc", in the order the server applies them. The order matters (bookings
// sort by state first, then by time), so it is a list, not a JSON object.
using OrderBy = QList<QPair<QString, QString>>;

// The paging object of list operations; an empty one is sent as {}.
struct ParamsExt
{
    std::optional<int> rowCount;
    std::optional<int> rowOffset;
    OrderBy orderby;

    bool isEmpty() const { return !rowCount && !rowOffset && orderby.isEmpty(); }
    // As a JSON object; orderby's keys then come out in JSON's own order.
    QJsonObject toJson() const;
};

// One request: the function code, its parameters and its paging object.
class RequestEnvelope
{
public:
    RequestEnvelope(const QString &code, const QJsonObject &params, const ParamsExt &paramsExt);

    QString code() const { return m_code; }
    QJsonObject params() const { return m_params; }
    const ParamsExt &paramsExt() const { return m_paramsExt; }

    // The envelope as JSON: an array of one object.
    QJsonArray toJsonArray() const;
    operator QJsonArray() const { return toJsonArray(); }
    // The compact UTF-8 text that goes on the wire, orderby's keys in the caller's order.
    QByteArray body() const;

private:
    QString m_code;
    QJsonObject m_params;
    ParamsExt m_paramsExt;
};

// Builds the request envelope every gateway operation sends.
class Request
{
public:
    static RequestEnvelope getJsonStr(const QString &code, const QJsonObject &params = {},
                                      const ParamsExt &params_ext = {});

    // The paging object of a list: page size, offset, and the order when there is one.
    static ParamsExt paging(int rowCount, int rowOffset, const OrderBy &orderby = {});

    static QByteArray body(const RequestEnvelope &envelope) { return envelope.body(); }
};
