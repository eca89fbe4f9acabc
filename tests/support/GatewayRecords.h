#pragma once

#include "RecordMapper.h"
#include "Request.h"

#include <QJsonArray>
#include <QJsonObject>
#include <QString>

// What the gateway answers to an enquiry, asked as a screen asks it: for tests whose screen
// is handed records by its opener (the account overview hands over the contracts, say).
namespace GatewayRecords {

// The answer's records; empty when the request fails or takes longer than five seconds.
QJsonArray ask(const QString &code, const QJsonObject &params, const ParamsExt &paramsExt = {});

template <class Record>
QList<Record> askFor(const QString &code, const QJsonObject &params,
                     const ParamsExt &paramsExt = {})
{
    return RecordMapper::mapAll<Record>(ask(code, params, paramsExt));
}

} // namespace GatewayRecords
