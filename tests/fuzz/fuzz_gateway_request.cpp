// A request body as the demo gateway reads it: the JSON envelope, then the hand-written scan
// that recovers the order of the "orderby" keys, and the parameters as the function codes
// read them. The gateway's envelope check itself is private to its HTTP side, so this follows
// the same steps over the pieces it is built from.
#include "FuzzSupport.h"

#include "GatewayCall.h"
#include "JsonKeyOrder.h"

#include <QJsonArray>
#include <QJsonDocument>

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    FuzzSupport::silenceLogs();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray body = FuzzSupport::bytesOf(data, size);
    const QStringList orderPath = {QStringLiteral("0"), QStringLiteral("params_ext"),
                                   QStringLiteral("orderby")};
    const QStringList keys = JsonKeyOrder::keysAt(body, orderPath);

    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(body, &error);
    if (error.error != QJsonParseError::NoError) {
        // The scan only follows texts the JSON parser accepted.
        if (!keys.isEmpty())
            __builtin_trap();
        return 0;
    }
    // Only a one-object array goes further, as the gateway refuses anything else.
    if (document.isArray() && document.array().size() == 1 && document.array().at(0).isObject()) {
        const QJsonObject envelope = document.array().at(0).toObject();
        GatewayCall call{envelope.value(QStringLiteral("code")).toString(),
                         envelope.value(QStringLiteral("params")).toObject(),
                         envelope.value(QStringLiteral("params_ext")).toObject(),
                         {}};
        const QJsonObject orderBy = call.paramsExt.value(QStringLiteral("orderby")).toObject();
        for (const QString &key : keys) {
            const QString direction = orderBy.value(key).toString().toLower();
            if (direction == u"asc" || direction == u"desc")
                call.orderBy.append({key, direction == u"asc"});
        }
        for (auto it = call.params.constBegin(); it != call.params.constEnd(); ++it) {
            call.param(it.key());
            call.hasParam(it.key());
        }
    }
    // Other paths of the same body, as a deeper or stray "orderby" would lead the scan.
    JsonKeyOrder::keysAt(body, {QStringLiteral("0")});
    JsonKeyOrder::keysAt(body, {QStringLiteral("0"), QStringLiteral("params")});
    JsonKeyOrder::keysAt(body, {});
    return 0;
}
