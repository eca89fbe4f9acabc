#pragma once

#include "ChangePassModel.h"
#include "QZLoginModel.h"
#include "ResponseEnvelope.h"

#include <QJsonObject>
#include <QString>
#include <optional>

// Password recovery ("166021", "168006", "168007") and the changes of password ("168003"),
// e-mail address ("168002") and mobile number ("166015"): their checks, parameters and
// what an accepted change keeps.
namespace CredentialChanges {

// The number with every occurrence of its characters 4 to 7 replaced by "****"
// ("13812345678" → "138****5678"); a number too short to have them is shown as it is.
QString maskedMobile(const QString &sjhm);

// Recovery's first screen: "请填写正确的证件号码" for an empty number, no other check.
std::optional<QString> checkRecoveryNumber(const QString &number);
QJsonObject findCustomerParams(const QString &typeName, const QString &number);
QJsonObject recoverySmsParams(const ChangePassModel &customer);
// A new password and its confirmation: equal, then 6 to 20 characters.
std::optional<QString> checkNewPassword(const QString &password, const QString &confirmation);
// Nothing when the password cannot be encrypted.
std::optional<QJsonObject> resetPasswordParams(const ChangePassModel &customer,
                                               const QString &confirmation, const QString &code);

// The change of password refuses the old password first, then checks the new one.
std::optional<QString> checkChangedPassword(const QString &oldPassword, const QString &password,
                                            const QString &confirmation);
std::optional<QJsonObject> changePasswordParams(const QString &khbh, const QString &oldPassword,
                                                const QString &confirmation);

// "原邮箱地址为…" for a stored address; nothing when none is stored.
std::optional<QString> emailHeader(const QString &yxdz);
// The address must be one; the password must be the stored one exactly.
std::optional<QString> checkEmailChange(const QString &address, const QString &password,
                                        const QString &storedPassword);
QJsonObject changeEmailParams(const QString &khbh, const QString &password, const QString &address);

// A mobile number, and a code typed (the code itself is never sent).
std::optional<QString> checkMobileChange(const QString &mobile, const QString &code);
QJsonObject changeMobileParams(const QString &khbh, const QString &mobile);

// An accepted change answers with the customer's record: "myDic" is stored afresh from
// it. Nothing is touched, and nothing returned, when the answer holds no record.
std::optional<QZLoginModel> keepUpdatedCustomer(const ResponseEnvelope &answer);

} // namespace CredentialChanges
