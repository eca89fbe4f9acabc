// Registration, recovery and the credential changes without any screen: the checks in their
// order, the masked mobile number, the encrypted parameters and the send-code countdown.
#include "AES256.h"
#include "CredentialChanges.h"
#include "Registration.h"
#include "SmsCountdown.h"

#include <QSignalSpy>
#include <QTest>
#include <functional>

using Check = std::function<std::optional<QString>()>;
Q_DECLARE_METATYPE(Check)

namespace {

Registration::Applicant applicant(const QString &name, const QString &type, const QString &number,
                                  const QString &mobile = "13900001111",
                                  const QString &code = "123456")
{
    return {name, type, number, mobile, code};
}

QString decrypted(const QJsonObject &params, const char *key)
{
    return AES256::AES256DecryptWithCiphertext(params.value(key).toString()).value_or("<none>");
}

} // namespace

class TestAuthRules final : public QObject
{
    Q_OBJECT

private slots:
    // The first alert that applies, or "" when the form may be sent.
    void checks_data()
    {
        QTest::addColumn<Check>("check");
        QTest::addColumn<QString>("alert");
        using namespace Registration;
        using namespace CredentialChanges;
        const QString id = "310104198803162418";
        // clang-format off
        QTest::newRow("name empty before all")     << Check([] { return checkApplicant(applicant("", "身份证", "", "1", ""), 0); }) << "姓名长度只能是1- 20位";
        QTest::newRow("name of 21")                << Check([=] { return checkApplicant(applicant(QString(21, u'张'), "身份证", id), 1); }) << "姓名长度只能是1- 20位";
        QTest::newRow("name of 20, bad id card")   << Check([] { return checkApplicant(applicant(QString(20, u'张'), "身份证", "310104198803162419"), 1); }) << "请填写正确的身份证号码";
        QTest::newRow("passport without number")   << Check([] { return checkApplicant(applicant("赵新客", "护照", ""), 1); }) << "请填写正确的证件号码";
        QTest::newRow("passport, bad mobile")      << Check([] { return checkApplicant(applicant("赵新客", "护照", "G1", "1390000111"), 1); }) << "请填写正确的手机号码";
        QTest::newRow("code typed, none asked")    << Check([=] { return checkApplicant(applicant("赵新客", "身份证", id), 0); }) << "请先获取验证码";
        QTest::newRow("code empty")                << Check([=] { return checkApplicant(applicant("赵新客", "身份证", id, "13900001111", ""), 1); }) << "验证码不能为空";
        QTest::newRow("applicant complete")        << Check([=] { return checkApplicant(applicant("赵新客", "身份证", id), 1); }) << "";
        QTest::newRow("password empty")            << Check([] { return checkPasswords("", ""); }) << "请填写密码";
        QTest::newRow("confirmation empty")        << Check([] { return checkPasswords("abc123", ""); }) << "请输入确认密码";
        QTest::newRow("registration mismatch")     << Check([] { return checkPasswords("abc12", "abc123"); }) << "两次输入的密码不一致";
        QTest::newRow("registration 5 characters") << Check([] { return checkPasswords("abc12", "abc12"); }) << "用户密码只能为6-20位";
        QTest::newRow("registration 21")           << Check([] { return checkPasswords(QString(21, u'a'), QString(21, u'a')); }) << "用户密码只能为6-20位";
        QTest::newRow("recovery number empty")     << Check([] { return checkRecoveryNumber(""); }) << "请填写正确的证件号码";
        QTest::newRow("new mismatch before length") << Check([] { return checkNewPassword("ab", "abc"); }) << "您前后两次输入的密码不一致，请重新输入";
        QTest::newRow("new both empty")            << Check([] { return checkNewPassword("", ""); }) << "用户密码只能为6-20位";
        QTest::newRow("change same as old first")  << Check([] { return checkChangedPassword("abc123", "abc123", "x"); }) << "您的密码与原密码相同，请修改后重试";
        QTest::newRow("change mismatch")           << Check([] { return checkChangedPassword("abc123", "xyz789", "xyz788"); }) << "您前后两次输入的密码不一致，请重新输入";
        QTest::newRow("email not an address")      << Check([] { return checkEmailChange("wang@chenglan", "abc123", "abc123"); }) << "您的邮箱输入有误，请重新输入";
        QTest::newRow("email wrong password")      << Check([] { return checkEmailChange("a@chenglan.cn", "abc12", "abc123"); }) << "您的密码输入错误，请输入重试";
        QTest::newRow("email padded password")     << Check([] { return checkEmailChange("a@chenglan.cn", "abc123 ", "abc123"); }) << "您的密码输入错误，请输入重试";
        QTest::newRow("mobile invalid")            << Check([] { return checkMobileChange("1390000111", "1"); }) << "请填写正确的手机号码";
        QTest::newRow("mobile without code")       << Check([] { return checkMobileChange("13900001111", ""); }) << "验证码有误，请从新填写";
        // clang-format on
    }

    void checks()
    {
        QFETCH(Check, check);
        QFETCH(QString, alert);
        QCOMPARE(check().value_or(QString()), alert);
    }

    void maskedMobile_data()
    {
        QTest::addColumn<QString>("sjhm");
        QTest::addColumn<QString>("shown");
        // clang-format off
        QTest::newRow("eleven digits")        << "13812345678" << "138****5678";
        QTest::newRow("middle occurs again")  << "13812381238" << "138********";
        QTest::newRow("one digit throughout") << "11111111111" << "********111";
        QTest::newRow("too short for four")   << "13812" << "138****";
        QTest::newRow("three characters")     << "138" << "138";
        QTest::newRow("empty")                << "" << "";
        // clang-format on
    }

    void maskedMobile()
    {
        QFETCH(QString, sjhm);
        QFETCH(QString, shown);
        QCOMPARE(CredentialChanges::maskedMobile(sjhm), shown);
    }

    // What the screen tests cannot read on the wire: the encrypted passwords.
    void parameters()
    {
        ChangePassModel found;
        found.sjhm = "13812345678";
        const QJsonObject reset =
            CredentialChanges::resetPasswordParams(found, "new123", " 1234").value();
        QCOMPARE(reset.keys(), (QStringList{"khbh", "newpassword", "phonecode", "sjhm",
                                            "system_type", "zjhm", "zjlx"}));
        QCOMPARE(reset.value("khbh"), QJsonValue(""));
        QCOMPARE(decrypted(reset, "newpassword"), QString("new123"));
        QCOMPARE(reset.value("phonecode").toString(), QString(" 1234")); // as typed
        const QJsonObject changed =
            CredentialChanges::changePasswordParams("100001", "abc123", "xyz789").value();
        QCOMPARE(decrypted(changed, "khmm"), QString("abc123"));
        QCOMPARE(decrypted(changed, "new_khmm"), QString("xyz789"));
    }

    void countdownNamesTheSecondsLeftThenOffersACode()
    {
        QCOMPARE(SmsCountdown::title(60), QString("60秒后点击重试"));
        QCOMPARE(SmsCountdown::title(0), QString("点击发送验证码"));
        SmsCountdown countdown;
        countdown.setInterval(1);
        QSignalSpy steps(&countdown, &SmsCountdown::stepped);
        countdown.start();
        QVERIFY(countdown.isRunning());
        QTRY_VERIFY(!countdown.isRunning());
        QCOMPARE(steps.size(), 61);
        QCOMPARE(steps.first().first().toInt(), 60);
        QCOMPARE(steps.at(59).first().toInt(), 1);
        QCOMPARE(steps.last().first().toInt(), 0);
    }
};

QTEST_GUILESS_MAIN(TestAuthRules)
#include "test_auth_rules.moc"
