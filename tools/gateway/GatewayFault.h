#pragma once

#include <QJsonObject>
#include <QString>
#include <optional>

// A failure the gateway plays instead of (or before) its normal answer, so that tests and QA
// can see how the client copes with a slow, broken or refusing server.
struct GatewayFault
{
    enum class Kind
    {
        None,       // answer normally, after `delayMs`
        HttpStatus, // answer with `httpStatus` and a short text body
        NotJson,    // status 200 with a body that is not JSON
        EmptyArray, // status 200 with "[]"
        Refuse,     // status 200 with flag 0 and `prompt`
        Drop,       // close the connection without an answer
    };

    Kind kind = Kind::None;
    int delayMs = 0;
    int httpStatus = 500;
    QString prompt;

    static GatewayFault delay(int ms);
    static GatewayFault status(int httpStatus);
    static GatewayFault notJson();
    static GatewayFault emptyArray();
    static GatewayFault refuse(const QString &prompt);
    static GatewayFault drop();

    // {"kind": "delay"|"status"|"not_json"|"empty_array"|"refuse"|"drop", "delay_ms": N,
    //  "status": N, "prompt": "..."}; nothing when the object does not describe a fault.
    static std::optional<GatewayFault> fromJson(const QJsonObject &object);
    QJsonObject toJson() const;

    // The command-line form: "delay:MS", "status:CODE", "not_json", "empty_array",
    // "refuse:PROMPT", "drop", optionally followed by "@MS" to delay any of them.
    static std::optional<GatewayFault> fromText(const QString &text);

    static QString kindName(Kind kind);
};
