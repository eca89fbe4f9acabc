#pragma once

#include <QString>
#include <functional>

// What a failed request does once the network indicator is off: the message alert with
// `message` (none when it is empty), then the screen's own follow-up. When the server did
// answer, but with something that is not an answer, the alert says so instead.
struct OnFailure
{
    // "您还没有连接到网络", what almost every screen says.
    static QString noNetwork();
    // "您还没有连接网络", the activity registration's own wording.
    static QString noNetworkShort();
    // "服务器返回的数据有误，请稍后再试": the answer was not JSON, had no envelope or was too
    // large.
    static QString badAnswer();
    // What a refusal says: the server's prompt, or "操作失败，请稍后再试" when it gave none
    // (an alert with no words would leave the customer guessing).
    static QString refusal(const QString &prompt);
    // No alert at all, only the follow-up.
    static OnFailure silent(std::function<void()> then = {});

    // The alert for the gateway client's error: none when silent, else the true reason.
    QString messageFor(const QString &error) const;

    QString message = noNetwork();
    std::function<void()> then;
};
