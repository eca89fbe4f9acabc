#pragma once

#include "Request.h"
#include "ResponseEnvelope.h"

#include <QJsonArray>
#include <QString>
#include <functional>

class QNetworkAccessManager;
class QObject;

// Posts request envelopes to the gateway and runs exactly one continuation on the main
// thread: success (2xx) with the response envelope, failure with the error text.
//
// Each request is tied to a receiver: when the receiver is destroyed before the answer
// arrives the continuation is dropped, so nothing runs on a screen that is gone.
// The network-activity indicator is switched on when posting and off on every answer.
class GatewayClient
{
public:
    using Success = std::function<void(const ResponseEnvelope &)>;
    using Failure = std::function<void(const QString &error)>;

    static void post(const RequestEnvelope &envelope, QObject *receiver, Success onSuccess,
                     Failure onFailure);

    // The platform's default: a request that makes no progress for this long fails.
    static constexpr int kDefaultTimeoutMs = 60000;
    static void setTimeout(int milliseconds);
    static int timeout();

    // The largest answer taken; the largest real one (1,000 net values) is about 0.3 MB.
    static constexpr qint64 kMaxAnswerBytes = 2 * 1024 * 1024;
    // Whether a failure's error says the server answered, but not with an answer: not
    // JSON, no envelope, or too large.
    static bool isBadAnswer(const QString &error);

private:
    static QNetworkAccessManager *network();
};
