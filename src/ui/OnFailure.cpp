#include "OnFailure.h"

QString OnFailure::noNetwork()
{
    return QStringLiteral("您还没有连接到网络");
}

QString OnFailure::noNetworkShort()
{
    return QStringLiteral("您还没有连接网络");
}

OnFailure OnFailure::silent(std::function<void()> then)
{
    return OnFailure{QString(), std::move(then)};
}
