#include "SignIn.h"

#include "AES256.h"
#include "FunctionCodes.h"
#include "GatewayClient.h"
#include "IdentityDocumentTypes.h"
#include "RecordMapper.h"
#include "Request.h"
#include "Validation.h"

#include <algorithm>

namespace SignIn {

namespace {

// A customer the session can hold and the store can keep: an object with a customer
// number, every field of a sane length.
bool isSoundCustomer(const QJsonValue &record)
{
    if (!record.isObject())
        return false;
    const auto customer = RecordMapper::map<QZLoginModel>(record.toObject());
    if (customer.khbh.trimmed().isEmpty())
        return false;
    const QJsonObject fields = RecordMapper::toJson(customer);
    return std::all_of(fields.begin(), fields.end(), [](const QJsonValue &field) {
        return field.toString().size() <= kMaxCustomerFieldLength;
    });
}

} // namespace

std::optional<QString> checkForm(const QString &typeName, const QString &number)
{
    if (typeName == IdentityDocumentTypes::idCard().name) {
        if (!Validation::validateIDCardNumber(number))
            return QStringLiteral("请填写正确的身份证号码");
    } else if (number.isEmpty()) {
        return QStringLiteral("请填写正确的证件号码");
    }
    return std::nullopt;
}

std::optional<QJsonObject> params(const QString &zjlx, const QString &zjhm, const QString &password)
{
    const auto encrypted = AES256::AES256EncryptWithPlainText(password, AES256::kPasswordKey);
    if (!encrypted)
        return std::nullopt;
    return QJsonObject{{QStringLiteral("zjlx"), zjlx},
                       {QStringLiteral("zjhm"), zjhm},
                       {QStringLiteral("khmm"), *encrypted}};
}

QStringList gestureTypeNames()
{
    QStringList names{IdentityDocumentTypes::mobile().name};
    for (const auto &type : IdentityDocumentTypes::pickerTypes())
        names.append(type.name);
    return names;
}

std::optional<QJsonObject> gestureParams(const SavedSignIn &saved)
{
    auto out = params(QString(), saved.numberID, saved.password);
    if (!out)
        return std::nullopt;
    const QString code = gestureTypeNames().contains(saved.type)
                             ? IdentityDocumentTypes::codeForName(saved.type)
                             : QString();
    if (code.isEmpty())
        out->remove(QStringLiteral("zjlx"));
    else
        out->insert(QStringLiteral("zjlx"), code);
    return out;
}

Result resultOf(const ResponseEnvelope &answer)
{
    Result result;
    const QJsonValue record = answer.records().first();
    if (answer.succeeded() && isSoundCustomer(record)) {
        result.outcome = Result::Outcome::SignedIn;
        result.customer = RecordMapper::map<QZLoginModel>(record.toObject());
    } else {
        // A success without a sound customer cannot sign anybody in, and a refusal
        // without words still says what happened.
        result.prompt = answer.succeeded() || answer.prompt().isEmpty() ? QStringLiteral("登录失败")
                                                                        : answer.prompt();
    }
    return result;
}

void send(const QJsonObject &params, QObject *receiver, std::function<void(const Result &)> done)
{
    GatewayClient::post(
        Request::getJsonStr(FunctionCode::SignIn, params), receiver,
        [done](const ResponseEnvelope &answer) { done(resultOf(answer)); },
        [done](const QString &) {
            done(Result{Result::Outcome::NetworkFailure, QString(), QZLoginModel()});
        });
}

void storeFormSignIn(const QZLoginModel &customer, const QString &typeName, const QString &number,
                     const QString &password)
{
    SessionStore::storeSignIn(typeName, number, password);
    SessionStore::setLoginInStatus();
    SessionStore::storeMyDic(customer);
    SessionStore::beginSession(customer);
}

} // namespace SignIn
