// A request body as the demo gateway reads it: the envelope check, the scan that recovers
// the order of the "orderby" keys, and the parameters as the function codes read them.
#include "FuzzSupport.h"

#include "GatewayCall.h"

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    FuzzSupport::silenceLogs();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    QString error;
    const std::optional<GatewayCall> call =
        GatewayCall::fromBody(FuzzSupport::bytesOf(data, size), &error);
    // Exactly one of the two: a call, or the reason there is none.
    if (call.has_value() == !error.isEmpty())
        __builtin_trap();
    if (!call)
        return 0;
    for (auto it = call->params.constBegin(); it != call->params.constEnd(); ++it)
        call->param(it.key());
    for (const OrderKey &key : call->orderBy) {
        if (!call->paramsExt.value(QStringLiteral("orderby")).toObject().contains(key.field))
            __builtin_trap();
    }
    return 0;
}
