#pragma once

#include <QJsonObject>
#include <QString>
#include <optional>

// Opening an account: the first screen's checks and its two operations ("168006" for the
// SMS code, "168004" for the identity and code check), the second screen's password
// checks and "168001", which creates the account.
namespace Registration {

// What the first screen hands to the second.
struct Applicant
{
    QString name;
    QString typeName; // the document type's display name
    QString number;
    QString mobile;
    QString code; // the verification code as typed
};

// Who a code is for: "effective_point" "1" opens an account, "2" recovers a password.
enum class SmsPurpose
{
    Registration,
    Recovery
};

// "请填写正确的手机号码" for a number that is not a mobile number.
std::optional<QString> checkMobile(const QString &mobile);
// The next button's checks in their order; codesRequested counts the codes the screen
// has asked for successfully. The first alert that applies.
std::optional<QString> checkApplicant(const Applicant &applicant, int codesRequested);
// The second screen's checks: both fields typed, equal, 6 to 20 characters.
std::optional<QString> checkPasswords(const QString &password, const QString &confirmation);

QJsonObject smsCodeParams(const QString &mobile, SmsPurpose purpose);
QJsonObject checkParams(const Applicant &applicant);
// Nothing when the password cannot be encrypted.
std::optional<QJsonObject> createParams(const Applicant &applicant, const QString &confirmation);

} // namespace Registration
