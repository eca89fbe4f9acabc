#include "FunctionRegistry.h"

#include "DemoRules.h"

#include <algorithm>

void FunctionRegistry::add(const QString &code, Handler handler)
{
    m_handlers.insert(code, std::move(handler));
}

QStringList FunctionRegistry::codes() const
{
    QStringList codes = m_handlers.keys();
    std::sort(codes.begin(), codes.end());
    return codes;
}

GatewayReply FunctionRegistry::call(const GatewayCall &call) const
{
    const auto it = m_handlers.constFind(call.code);
    if (it == m_handlers.cend())
        return GatewayReply::refuse(QStringLiteral("未知的功能号：%1").arg(call.code));
    // Whatever a code keeps, no text it is given grows without bound.
    if (const QString tooLong = DemoRules::textTooLong(call.params); !tooLong.isEmpty())
        return GatewayReply::refuse(tooLong);
    return (*it)(call);
}
