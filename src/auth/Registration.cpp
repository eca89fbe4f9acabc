#include "Registration.h"

#include "AES256.h"
#include "IdentityDocumentTypes.h"
#include "SignIn.h"
#include "Validation.h"

namespace Registration {
namespace {

const QString kSystemType = QStringLiteral("3");

QJsonObject identityParams(const Applicant &applicant)
{
    return QJsonObject{
        {QStringLiteral("zjlx"), IdentityDocumentTypes::codeForName(applicant.typeName)},
        {QStringLiteral("zjhm"), applicant.number},
        {QStringLiteral("sjhm"), applicant.mobile},
        {QStringLiteral("phonecode"), applicant.code},
        {QStringLiteral("system_type"), kSystemType}};
}

} // namespace

std::optional<QString> checkMobile(const QString &mobile)
{
    if (!Validation::validatePhone(mobile))
        return QStringLiteral("请填写正确的手机号码");
    return std::nullopt;
}

std::optional<QString> checkApplicant(const Applicant &applicant, int codesRequested)
{
    if (applicant.name.isEmpty() || applicant.name.size() > 20)
        return QStringLiteral("姓名长度只能是1- 20位");
    if (const auto problem = SignIn::checkForm(applicant.typeName, applicant.number))
        return problem;
    if (const auto problem = checkMobile(applicant.mobile))
        return problem;
    if (codesRequested < 1)
        return QStringLiteral("请先获取验证码");
    if (applicant.code.isEmpty())
        return QStringLiteral("验证码不能为空");
    return std::nullopt;
}

std::optional<QString> checkPasswords(const QString &password, const QString &confirmation)
{
    if (password.isEmpty())
        return QStringLiteral("请填写密码");
    if (confirmation.isEmpty())
        return QStringLiteral("请输入确认密码");
    if (password != confirmation)
        return QStringLiteral("两次输入的密码不一致");
    if (password.size() < 6 || password.size() > 20)
        return QStringLiteral("用户密码只能为6-20位");
    return std::nullopt;
}

QJsonObject smsCodeParams(const QString &mobile, SmsPurpose purpose)
{
    return QJsonObject{{QStringLiteral("sjhm"), mobile},
                       {QStringLiteral("system_type"), kSystemType},
                       {QStringLiteral("effective_point"), purpose == SmsPurpose::Registration
                                                               ? QStringLiteral("1")
                                                               : QStringLiteral("2")}};
}

QJsonObject checkParams(const Applicant &applicant)
{
    return identityParams(applicant);
}

std::optional<QJsonObject> createParams(const Applicant &applicant, const QString &confirmation)
{
    const auto encrypted = AES256::AES256EncryptWithPlainText(confirmation);
    if (!encrypted)
        return std::nullopt;
    QJsonObject params = identityParams(applicant);
    params.insert(QStringLiteral("khmm"), *encrypted);
    params.insert(QStringLiteral("khxm"), applicant.name);
    return params;
}

} // namespace Registration
