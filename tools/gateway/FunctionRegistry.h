#pragma once

#include "GatewayCall.h"

#include <QHash>
#include <QStringList>
#include <functional>

// Function code → the operation that answers it.
class FunctionRegistry
{
public:
    using Handler = std::function<GatewayReply(const GatewayCall &)>;

    void add(const QString &code, Handler handler);
    bool contains(const QString &code) const { return m_handlers.contains(code); }
    QStringList codes() const;

    // An unknown code is refused with flag 0, as the server does.
    GatewayReply call(const GatewayCall &call) const;

private:
    QHash<QString, Handler> m_handlers;
};
