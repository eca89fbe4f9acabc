#include "OnFailure.h"

#include "GatewayClient.h"

QString OnFailure::noNetwork()
{
    return QStringLiteral("您还没有连接到网络");
}

QString OnFailure::noNetworkShort()
{
    return QStringLiteral("您还没有连接网络");
}

QString OnFailure::badAnswer()
{
    return QStringLiteral("服务器返回的数据有误，请稍后再试");
}

QString OnFailure::refusal(const QString &prompt)
{
    return prompt.trimmed().isEmpty() ? QStringLiteral("操作失败，请稍后再试") : prompt;
}

QString OnFailure::messageFor(const QString &error) const
{
    if (message.isEmpty())
        return message;
    // "No network" would send the customer to check a connection that works.
    return GatewayClient::isBadAnswer(error) ? badAnswer() : message;
}

OnFailure OnFailure::silent(std::function<void()> then)
{
    return OnFailure{QString(), std::move(then)};
}
