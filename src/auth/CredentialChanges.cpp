#include "CredentialChanges.h"

#include "AES256.h"
#include "IdentityDocumentTypes.h"
#include "Registration.h"
#include "SessionStore.h"
#include "Validation.h"

namespace CredentialChanges {

QString maskedMobile(const QString &sjhm)
{
    const QString middle = sjhm.mid(3, 4);
    if (middle.isEmpty())
        return sjhm;
    QString masked = sjhm;
    return masked.replace(middle, QStringLiteral("****"));
}

std::optional<QString> checkRecoveryNumber(const QString &number)
{
    if (number.isEmpty())
        return QStringLiteral("请填写正确的证件号码");
    return std::nullopt;
}

QJsonObject findCustomerParams(const QString &typeName, const QString &number)
{
    return QJsonObject{{QStringLiteral("zjlx"), IdentityDocumentTypes::codeForName(typeName)},
                       {QStringLiteral("zjhm"), number}};
}

QJsonObject recoverySmsParams(const ChangePassModel &customer)
{
    return Registration::smsCodeParams(customer.sjhm, Registration::SmsPurpose::Recovery);
}

std::optional<QString> checkNewPassword(const QString &password, const QString &confirmation)
{
    if (password != confirmation)
        return QStringLiteral("您前后两次输入的密码不一致，请重新输入");
    if (password.size() < 6 || password.size() > 20)
        return QStringLiteral("用户密码只能为6-20位");
    return std::nullopt;
}

std::optional<QJsonObject> resetPasswordParams(const ChangePassModel &customer,
                                               const QString &confirmation, const QString &code)
{
    const auto encrypted = AES256::AES256EncryptWithPlainText(confirmation);
    if (!encrypted)
        return std::nullopt;
    // The customer is named by the document and the mobile number; "khbh" stays empty.
    return QJsonObject{{QStringLiteral("khbh"), QString()},
                       {QStringLiteral("newpassword"), *encrypted},
                       {QStringLiteral("system_type"), QStringLiteral("3")},
                       {QStringLiteral("sjhm"), customer.sjhm},
                       {QStringLiteral("zjlx"), customer.zjlx},
                       {QStringLiteral("zjhm"), customer.zjhm},
                       {QStringLiteral("phonecode"), code}};
}

std::optional<QString> checkChangedPassword(const QString &oldPassword, const QString &password,
                                            const QString &confirmation)
{
    if (oldPassword == password)
        return QStringLiteral("您的密码与原密码相同，请修改后重试");
    return checkNewPassword(password, confirmation);
}

std::optional<QJsonObject> changePasswordParams(const QString &khbh, const QString &oldPassword,
                                                const QString &confirmation)
{
    const auto oldEncrypted = AES256::AES256EncryptWithPlainText(oldPassword);
    const auto newEncrypted = AES256::AES256EncryptWithPlainText(confirmation);
    if (!oldEncrypted || !newEncrypted)
        return std::nullopt;
    return QJsonObject{{QStringLiteral("khbh"), khbh},
                       {QStringLiteral("khmm"), *oldEncrypted},
                       {QStringLiteral("new_khmm"), *newEncrypted}};
}

std::optional<QString> emailHeader(const QString &yxdz)
{
    if (yxdz.isEmpty())
        return std::nullopt;
    return QStringLiteral("原邮箱地址为%1").arg(yxdz);
}

std::optional<QString> checkEmailChange(const QString &address, const QString &password,
                                        const QString &storedPassword)
{
    if (!Validation::validateEmail(address))
        return QStringLiteral("您的邮箱输入有误，请重新输入");
    if (password != storedPassword)
        return QStringLiteral("您的密码输入错误，请输入重试");
    return std::nullopt;
}

QJsonObject changeEmailParams(const QString &khbh, const QString &password, const QString &address)
{
    // This operation takes the password as typed, unlike every other one.
    return QJsonObject{{QStringLiteral("khbh"), khbh},
                       {QStringLiteral("khmm"), password},
                       {QStringLiteral("yxdz"), address}};
}

std::optional<QString> checkMobileChange(const QString &mobile, const QString &code)
{
    if (const auto problem = Registration::checkMobile(mobile))
        return problem;
    if (code.isEmpty())
        return QStringLiteral("验证码有误，请从新填写");
    return std::nullopt;
}

QJsonObject changeMobileParams(const QString &khbh, const QString &mobile)
{
    return QJsonObject{{QStringLiteral("khbh"), khbh}, {QStringLiteral("sjhm"), mobile}};
}

std::optional<QZLoginModel> keepUpdatedCustomer(const ResponseEnvelope &answer)
{
    const auto customers = answer.recordsAs<QZLoginModel>();
    if (customers.isEmpty())
        return std::nullopt;
    SessionStore::storeMyDic(customers.first());
    return customers.first();
}

} // namespace CredentialChanges
