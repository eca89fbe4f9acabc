// A gateway answer as the client decodes it: the envelope, then its records mapped onto
// record types with text, integer and floating-point fields. The answers read straight
// from the body must agree with the same answers read through QJsonDocument.
#include "FuzzSupport.h"

#include "CommodityTypeModel.h"
#include "QZLoginModel.h"
#include "QZMessageModel.h"
#include "ResponseEnvelope.h"
#include "ScoreHistoryModel.h"
#include "TrustProductModel.h"
#include "UserMoneyModel.h"
#include "modelForProd.h"

#include <QJsonDocument>

namespace {

// The envelope as QJsonDocument reads the body, when it does.
std::optional<ResponseEnvelope> throughDocument(const QByteArray &body)
{
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(body, &error);
    if (error.error != QJsonParseError::NoError || !document.isArray() ||
        document.array().isEmpty() || !document.array().first().isObject())
        return std::nullopt;
    return ResponseEnvelope(document.array().first().toObject());
}

template <class T>
void mapRecords(const ResponseEnvelope &envelope, const std::optional<ResponseEnvelope> &reference)
{
    const QList<T> records = envelope.recordsAs<T>();
    if (reference && RecordMapper::toJsonArray(records) !=
                         RecordMapper::toJsonArray(RecordMapper::mapAll<T>(reference->records())))
        __builtin_trap();
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
    const QByteArray body = FuzzSupport::bytesOf(data, size);
    const ResponseEnvelope envelope = ResponseEnvelope::fromBody(body);
    if (envelope.succeeded() != (envelope.flag() == 1))
        __builtin_trap();
    const std::optional<ResponseEnvelope> reference = throughDocument(body);
    if (envelope.isPresent() != reference.has_value())
        __builtin_trap();
    if (reference &&
        (envelope.flag() != reference->flag() || envelope.prompt() != reference->prompt() ||
         envelope.object() != reference->object()))
        __builtin_trap();
    envelope.prompt();
    for (const QJsonValue &record : envelope.records()) {
        for (const QJsonValue &value : record.toObject())
            RecordMapper::textOf(value);
    }
    mapRecords<CommodityTypeModel>(envelope, reference);
    mapRecords<QZLoginModel>(envelope, reference);
    mapRecords<QZMessageModel>(envelope, reference);
    mapRecords<ScoreHistoryModel>(envelope, reference);
    mapRecords<TrustProductModel>(envelope, reference);
    mapRecords<UserMoneyModel>(envelope, reference);
    mapRecords<modelForProd>(envelope, reference);
    return 0;
}
