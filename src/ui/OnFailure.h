#pragma once

#include <QString>
#include <functional>

// What a failed request does once the network indicator is off: the message alert with
// `message` (none when it is empty), then the screen's own follow-up.
struct OnFailure
{
    // "您还没有连接到网络", what almost every screen says.
    static QString noNetwork();
    // "您还没有连接网络", the activity registration's own wording.
    static QString noNetworkShort();
    // No alert at all, only the follow-up.
    static OnFailure silent(std::function<void()> then = {});

    QString message = noNetwork();
    std::function<void()> then;
};
