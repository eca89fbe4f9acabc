#pragma once

#include <QJsonArray>
#include <QJsonObject>
#include <QList>
#include <QString>
#include <optional>

// One ordering key of "orderby", in the order the client wrote them.
struct OrderKey
{
    QString field;
    bool ascending = true;
};

// A request envelope as the gateway received it, reduced to what a function code needs.
struct GatewayCall
{
    QString code;
    QJsonObject params;
    QJsonObject paramsExt;
    QList<OrderKey> orderBy;

    // The call a request body carries: a JSON array of one object with a decimal "code" and
    // optional "params"/"params_ext" objects. Nothing, with the reason in *error, otherwise.
    static std::optional<GatewayCall> fromBody(const QByteArray &body, QString *error);

    // A parameter as text; absent and non-string values read as the empty string.
    QString param(const QString &key) const;
    bool hasParam(const QString &key) const { return params.contains(key); }
};

// What a function code answers: the first object of the response array.
struct GatewayReply
{
    int flag = 1;
    QString prompt;
    QJsonArray records;

    static GatewayReply ok(const QJsonArray &records = {}, const QString &prompt = {});
    static GatewayReply refuse(const QString &prompt);

    // {"flag": .., "prompt": .., "data": {"record1": [...]}}
    QJsonObject toEnvelope() const;
};
