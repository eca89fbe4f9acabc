#include "GatewayRecords.h"

#include "GatewayClient.h"
#include "ResponseEnvelope.h"

#include <QTest>

namespace GatewayRecords {

QJsonArray ask(const QString &code, const QJsonObject &params, const ParamsExt &paramsExt)
{
    QObject receiver;
    QJsonArray records;
    bool answered = false;
    GatewayClient::post(
        Request::getJsonStr(code, params, paramsExt), &receiver,
        [&](const ResponseEnvelope &answer) {
            records = answer.records();
            answered = true;
        },
        [&](const QString &) { answered = true; });
    if (!QTest::qWaitFor([&answered]() { return answered; }, 5000))
        return {};
    return records;
}

} // namespace GatewayRecords
