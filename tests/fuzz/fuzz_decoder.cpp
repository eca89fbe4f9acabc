// A gateway answer as the client decodes it: the envelope, then its records mapped onto
// record types with text, integer and floating-point fields.
#include "FuzzSupport.h"

#include "CommodityTypeModel.h"
#include "QZLoginModel.h"
#include "QZMessageModel.h"
#include "ResponseEnvelope.h"
#include "ScoreHistoryModel.h"
#include "TrustProductModel.h"
#include "UserMoneyModel.h"
#include "modelForProd.h"

namespace {

template <class T> void mapRecords(const ResponseEnvelope &envelope)
{
    const QList<T> records = envelope.recordsAs<T>();
    // Written back as the session store and the automation driver do.
    const QJsonArray written = RecordMapper::toJsonArray(records);
    if (written.size() != records.size())
        __builtin_trap();
    for (const QJsonValue &record : written)
        RecordMapper::map<T>(record.toObject());
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    FuzzSupport::silenceLogs();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const ResponseEnvelope envelope = ResponseEnvelope::fromBody(FuzzSupport::bytesOf(data, size));
    if (envelope.succeeded() != (envelope.flag() == 1))
        __builtin_trap();
    envelope.prompt();
    for (const QJsonValue &record : envelope.records()) {
        for (const QJsonValue &value : record.toObject())
            RecordMapper::textOf(value);
    }
    mapRecords<CommodityTypeModel>(envelope);
    mapRecords<QZLoginModel>(envelope);
    mapRecords<QZMessageModel>(envelope);
    mapRecords<ScoreHistoryModel>(envelope);
    mapRecords<TrustProductModel>(envelope);
    mapRecords<UserMoneyModel>(envelope);
    mapRecords<modelForProd>(envelope);
    return 0;
}
