#include "AccountService.h"

#include "AES256.h"
#include "DemoLog.h"
#include "DemoRules.h"
#include "PointsService.h"
#include "RecordQuery.h"
#include "Validation.h"

namespace {
const QString kCustomers = QStringLiteral("customers");
const QString kSmsCodes = QStringLiteral("sms_codes");
const QString kWrongCredentials = QStringLiteral("用户名或密码错误");
const QString kNoCustomer = QStringLiteral("客户不存在，请重新登录");
const QString kRegistration = QStringLiteral("1");
const QString kRecovery = QStringLiteral("2");
} // namespace

void AccountService::registerWith(FunctionRegistry &registry)
{
    registry.add(QStringLiteral("168000"), [this](const GatewayCall &c) { return signIn(c); });
    registry.add(QStringLiteral("168006"), [this](const GatewayCall &c) { return sendSmsCode(c); });
    registry.add(QStringLiteral("168004"),
                 [this](const GatewayCall &c) { return checkRegistration(c); });
    registry.add(QStringLiteral("168001"),
                 [this](const GatewayCall &c) { return createAccount(c); });
    registry.add(QStringLiteral("166021"),
                 [this](const GatewayCall &c) { return findForRecovery(c); });
    registry.add(QStringLiteral("168007"),
                 [this](const GatewayCall &c) { return resetPassword(c); });
    registry.add(QStringLiteral("168003"),
                 [this](const GatewayCall &c) { return changePassword(c); });
    registry.add(QStringLiteral("168002"), [this](const GatewayCall &c) { return changeEmail(c); });
    registry.add(QStringLiteral("166015"),
                 [this](const GatewayCall &c) { return changeMobile(c); });
    registry.add(QStringLiteral("166000"),
                 [this](const GatewayCall &c) { return customerInfo(c); });
    registry.add(QStringLiteral("166012"), [this](const GatewayCall &c) { return changeSex(c); });
}

const QStringList &AccountService::loginFields()
{
    static const QStringList fields{"gddh",   "zjhm",    "khbh",   "system_type", "cz",     "txdz",
                                    "khlx",   "khmm",    "xb",     "txfjid",      "khxm",   "yzbm",
                                    "shzt",   "jyfw",    "srzmid", "khzt",        "sfzmid", "gj",
                                    "zjfzjg", "crmkhbh", "yxdz",   "zcsj",        "hy",     "khzh",
                                    "zjlx",   "takhbh",  "sjhm",   "zjyxq",       "zy"};
    return fields;
}

QJsonObject AccountService::loginRecord(const DemoStore::Record &customer)
{
    QJsonObject record;
    for (const QString &field : loginFields())
        record.insert(field, customer.value(field).toString());
    return record;
}

qsizetype AccountService::findCustomer(const QString &zjlx, const QString &zjhm) const
{
    const QString number = zjhm.trimmed();
    if (number.isEmpty())
        return -1;
    auto sameNumber = [&](const DemoStore::Record &r) {
        return r.value(QStringLiteral("zjhm")).toString().compare(number, Qt::CaseInsensitive) == 0;
    };
    auto sameMobile = [&](const DemoStore::Record &r) {
        return r.value(QStringLiteral("sjhm")).toString() == number;
    };
    if (zjlx == QLatin1String("SJ"))
        return m_store.indexOf(kCustomers, sameMobile);
    if (zjlx.isEmpty()) {
        const qsizetype byNumber = m_store.indexOf(kCustomers, sameNumber);
        return byNumber >= 0 ? byNumber : m_store.indexOf(kCustomers, sameMobile);
    }
    return m_store.indexOf(kCustomers, [&](const DemoStore::Record &r) {
        return r.value(QStringLiteral("zjlx")).toString() == zjlx && sameNumber(r);
    });
}

std::optional<QString> AccountService::decrypt(const QString &cipherText)
{
    return AES256::AES256DecryptWithCiphertext(cipherText);
}

std::optional<QString> AccountService::newPasswordProblem(const QString &cipherText, QString *plain)
{
    const auto password = decrypt(cipherText);
    if (!password)
        return QStringLiteral("密码无法识别，请重新输入");
    if (!DemoRules::isValidPassword(*password))
        return QStringLiteral("用户密码只能为6-20位");
    *plain = *password;
    return std::nullopt;
}

GatewayReply AccountService::updated(qsizetype customerIndex, const QString &prompt)
{
    m_store.markChanged();
    const DemoStore::Record &customer = m_store.table(kCustomers).at(customerIndex);
    return GatewayReply::ok({loginRecord(customer)}, prompt);
}

GatewayReply AccountService::changeCustomer(const GatewayCall &call, const QString &done,
                                            const Change &change)
{
    const qsizetype index = m_store.customerIndex(call.param(QStringLiteral("khbh")));
    if (index < 0)
        return GatewayReply::refuse(kNoCustomer);
    if (const auto problem = change(m_store.table(kCustomers)[index]))
        return GatewayReply::refuse(*problem);
    return updated(index, done);
}

GatewayReply AccountService::signIn(const GatewayCall &call)
{
    const qsizetype index =
        findCustomer(call.param(QStringLiteral("zjlx")), call.param(QStringLiteral("zjhm")));
    if (index < 0)
        return GatewayReply::refuse(kWrongCredentials);
    DemoStore::Record &customer = m_store.table(kCustomers)[index];
    const auto password = decrypt(call.param(QStringLiteral("khmm")));
    if (!password || *password != customer.value(QStringLiteral("khmm")).toString())
        return GatewayReply::refuse(kWrongCredentials);
    if (customer.value(QStringLiteral("khzt")).toString() == QLatin1String("0"))
        return GatewayReply::refuse(QStringLiteral("账户已冻结，请致电客服"));
    customer.insert(QStringLiteral("last_login_time"), DemoRules::now());
    m_store.markChanged();
    return GatewayReply::ok({loginRecord(customer)}, QStringLiteral("登录成功"));
}

GatewayReply AccountService::sendSmsCode(const GatewayCall &call)
{
    const QString mobile = call.param(QStringLiteral("sjhm"));
    const QString purpose = call.param(QStringLiteral("effective_point"));
    if (!Validation::validatePhone(mobile))
        return GatewayReply::refuse(QStringLiteral("请填写正确的手机号码"));
    if (purpose != kRegistration && purpose != kRecovery)
        return GatewayReply::refuse(QStringLiteral("短信用途不正确"));
    const bool known = findCustomer(QStringLiteral("SJ"), mobile) >= 0;
    if (purpose == kRegistration && known)
        return GatewayReply::refuse(QStringLiteral("该手机号码已注册，请直接登录"));
    if (purpose == kRecovery && !known)
        return GatewayReply::refuse(QStringLiteral("该手机号码未注册"));

    forgetSmsCode(mobile, purpose);
    m_store.table(kSmsCodes).append(QJsonObject{{"sjhm", mobile},
                                                {"effective_point", purpose},
                                                {"code", DemoRules::kSmsCode},
                                                {"sent_at", DemoRules::now()}});
    qCInfo(lcDemo).noquote() << "SMS code" << DemoRules::kSmsCode << "for" << mobile
                             << (purpose == kRegistration ? "(registration)" : "(recovery)");
    return GatewayReply::ok({}, QStringLiteral("短信已发送"));
}

std::optional<QString> AccountService::smsProblem(const QString &mobile, const QString &purpose,
                                                  const QString &code) const
{
    const qsizetype i = m_store.indexOf(kSmsCodes, [&](const DemoStore::Record &r) {
        return r.value(QStringLiteral("sjhm")).toString() == mobile &&
               r.value(QStringLiteral("effective_point")).toString() == purpose;
    });
    if (i < 0)
        return QStringLiteral("请先获取验证码");
    if (code.trimmed() != m_store.table(kSmsCodes).at(i).value(QStringLiteral("code")).toString())
        return QStringLiteral("验证码错误，请重新输入");
    return std::nullopt;
}

void AccountService::forgetSmsCode(const QString &mobile, const QString &purpose)
{
    DemoStore::Table &codes = m_store.table(kSmsCodes);
    codes.removeIf([&](const DemoStore::Record &r) {
        return r.value(QStringLiteral("sjhm")).toString() == mobile &&
               r.value(QStringLiteral("effective_point")).toString() == purpose;
    });
}

std::optional<QString> AccountService::registrationProblem(const GatewayCall &call) const
{
    const QString type = call.param(QStringLiteral("zjlx"));
    const QString number = call.param(QStringLiteral("zjhm")).trimmed();
    const QString mobile = call.param(QStringLiteral("sjhm"));
    if (!DemoRules::isDocumentType(type))
        return QStringLiteral("证件类型不正确");
    if (number.isEmpty())
        return QStringLiteral("请填写正确的证件号码");
    if (type == QLatin1String("N") && !Validation::validateIDCardNumber(number))
        return QStringLiteral("请填写正确的身份证号码");
    if (!Validation::validatePhone(mobile))
        return QStringLiteral("请填写正确的手机号码");
    if (findCustomer(type, number) >= 0)
        return QStringLiteral("该证件号码已注册，请直接登录");
    if (findCustomer(QStringLiteral("SJ"), mobile) >= 0)
        return QStringLiteral("该手机号码已注册，请直接登录");
    return smsProblem(mobile, kRegistration, call.param(QStringLiteral("phonecode")));
}

GatewayReply AccountService::checkRegistration(const GatewayCall &call)
{
    if (const auto problem = registrationProblem(call))
        return GatewayReply::refuse(*problem);
    return GatewayReply::ok({}, QStringLiteral("验证通过"));
}

GatewayReply AccountService::createAccount(const GatewayCall &call)
{
    if (const auto problem = registrationProblem(call))
        return GatewayReply::refuse(*problem);
    const QString name = call.param(QStringLiteral("khxm")).trimmed();
    if (name.isEmpty() || name.size() > 20)
        return GatewayReply::refuse(QStringLiteral("姓名长度只能是1- 20位"));
    QString password;
    if (const auto problem = newPasswordProblem(call.param(QStringLiteral("khmm")), &password))
        return GatewayReply::refuse(*problem);

    qlonglong largest = 100000;
    for (const DemoStore::Record &r : m_store.table(kCustomers))
        largest = qMax(largest, r.value(QStringLiteral("khbh")).toString().toLongLong());
    const QString khbh = QString::number(largest + 1);
    const QString type = call.param(QStringLiteral("zjlx"));
    const QString number = call.param(QStringLiteral("zjhm")).trimmed().toUpper();
    // The 17th digit of a resident identity number is odd for men.
    QString sex;
    if (type == QLatin1String("N"))
        sex = (number.at(16).digitValue() % 2) ? QStringLiteral("1") : QStringLiteral("0");

    DemoStore::Record customer;
    for (const QString &field : loginFields())
        customer.insert(field, QString());
    customer.insert("khbh", khbh);
    customer.insert("crmkhbh", QString());
    customer.insert("takhbh", QString());
    customer.insert("khxm", name);
    customer.insert("zjlx", type);
    customer.insert("zjhm", number);
    customer.insert("sjhm", call.param(QStringLiteral("sjhm")));
    customer.insert("khmm", password);
    customer.insert("khlx", QStringLiteral("1"));
    customer.insert("khzt", QStringLiteral("1"));
    customer.insert("shzt", QStringLiteral("0"));
    customer.insert("xb", sex);
    customer.insert("gj", QStringLiteral("CHN"));
    customer.insert("system_type", call.param(QStringLiteral("system_type")));
    customer.insert("zcsj", DemoRules::dateText(m_store.today()));
    customer.insert("nickname", name);
    customer.insert("birthday", type == QLatin1String("N") ? number.mid(6, 8) : QString());
    customer.insert("last_login_time", DemoRules::now());
    m_store.table(kCustomers).append(customer);
    forgetSmsCode(call.param(QStringLiteral("sjhm")), kRegistration);
    qCInfo(lcDemo).noquote() << "registered customer" << khbh << name;
    return updated(m_store.table(kCustomers).size() - 1, QStringLiteral("注册成功"));
}

GatewayReply AccountService::findForRecovery(const GatewayCall &call)
{
    const QString type = call.param(QStringLiteral("zjlx"));
    const qsizetype index =
        type.isEmpty() ? -1 : findCustomer(type, call.param(QStringLiteral("zjhm")));
    if (index < 0)
        return GatewayReply::refuse(QStringLiteral("未找到该证件号码对应的客户"));
    const DemoStore::Record &c = m_store.table(kCustomers).at(index);
    QJsonObject record;
    for (const char *field : {"khxm", "zjlx", "sjhm", "khbh", "zjhm", "khlx"})
        record.insert(QLatin1String(field), c.value(QLatin1String(field)).toString());
    return GatewayReply::ok({record}, QStringLiteral("查询成功"));
}

GatewayReply AccountService::resetPassword(const GatewayCall &call)
{
    const QString khbh = call.param(QStringLiteral("khbh"));
    const qsizetype index = khbh.isEmpty() ? findCustomer(call.param(QStringLiteral("zjlx")),
                                                          call.param(QStringLiteral("zjhm")))
                                           : m_store.customerIndex(khbh);
    if (index < 0 || (call.param(QStringLiteral("zjlx")).isEmpty() && khbh.isEmpty()))
        return GatewayReply::refuse(QStringLiteral("未找到该证件号码对应的客户"));
    const QString mobile = call.param(QStringLiteral("sjhm"));
    if (m_store.table(kCustomers).at(index).value(QStringLiteral("sjhm")).toString() != mobile)
        return GatewayReply::refuse(QStringLiteral("手机号码与客户信息不符"));
    if (const auto problem = smsProblem(mobile, kRecovery, call.param(QStringLiteral("phonecode"))))
        return GatewayReply::refuse(*problem);
    QString password;
    if (const auto problem =
            newPasswordProblem(call.param(QStringLiteral("newpassword")), &password))
        return GatewayReply::refuse(*problem);
    m_store.table(kCustomers)[index].insert(QStringLiteral("khmm"), password);
    forgetSmsCode(mobile, kRecovery);
    return updated(index, QStringLiteral("密码修改成功"));
}

GatewayReply AccountService::changePassword(const GatewayCall &call)
{
    return changeCustomer(
        call, QStringLiteral("密码修改成功"),
        [&](DemoStore::Record &customer) -> std::optional<QString> {
            const QString stored = customer.value(QStringLiteral("khmm")).toString();
            const auto old = decrypt(call.param(QStringLiteral("khmm")));
            if (!old || *old != stored)
                return QStringLiteral("原密码输入错误");
            QString fresh;
            if (auto problem = newPasswordProblem(call.param(QStringLiteral("new_khmm")), &fresh))
                return problem;
            if (fresh == stored)
                return QStringLiteral("您的密码与原密码相同，请修改后重试");
            customer.insert(QStringLiteral("khmm"), fresh);
            return std::nullopt;
        });
}

GatewayReply AccountService::changeEmail(const GatewayCall &call)
{
    // The client sends the password as typed; an encrypted one is taken as well.
    return changeCustomer(call, QStringLiteral("邮箱修改成功"),
                          [&](DemoStore::Record &customer) -> std::optional<QString> {
                              const QString stored =
                                  customer.value(QStringLiteral("khmm")).toString();
                              const QString given = call.param(QStringLiteral("khmm"));
                              if (given != stored && decrypt(given).value_or(QString()) != stored)
                                  return QStringLiteral("您的密码输入错误，请输入重试");
                              const QString address = call.param(QStringLiteral("yxdz")).trimmed();
                              if (!Validation::validateEmail(address))
                                  return QStringLiteral("您的邮箱输入有误，请重新输入");
                              customer.insert(QStringLiteral("yxdz"), address);
                              return std::nullopt;
                          });
}

GatewayReply AccountService::changeMobile(const GatewayCall &call)
{
    return changeCustomer(
        call, QStringLiteral("手机号码修改成功"),
        [&](DemoStore::Record &customer) -> std::optional<QString> {
            const QString mobile = call.param(QStringLiteral("sjhm"));
            if (!Validation::validatePhone(mobile))
                return QStringLiteral("请填写正确的手机号码");
            const qsizetype owner = findCustomer(QStringLiteral("SJ"), mobile);
            if (owner >= 0 && m_store.table(kCustomers).at(owner).value(QStringLiteral("khbh")) !=
                                  customer.value(QStringLiteral("khbh")))
                return QStringLiteral("该手机号码已被其他客户使用");
            customer.insert(QStringLiteral("sjhm"), mobile);
            return std::nullopt;
        });
}

GatewayReply AccountService::customerInfo(const GatewayCall &call)
{
    const QString khbh = call.param(QStringLiteral("khbh"));
    const DemoStore::Record customer = m_store.find(kCustomers, QStringLiteral("khbh"), khbh);
    if (khbh.isEmpty() || customer.isEmpty())
        return GatewayReply::ok({}, QStringLiteral("没有查询到客户信息"));
    QJsonObject record = RecordQuery::published(customer);
    const QJsonObject points = PointsService::balance(m_store, khbh);
    record.insert(QStringLiteral("available_integral"),
                  points.value(QStringLiteral("available_integral")));
    record.insert(QStringLiteral("his_totalpoint"), points.value(QStringLiteral("his_totalpoint")));
    for (const char *field : {"nickname", "birthday", "rela_path", "check_advice",
                              "last_login_time", "temp_login_time"})
        if (!record.contains(QLatin1String(field)))
            record.insert(QLatin1String(field), QString());
    return GatewayReply::ok({record}, QStringLiteral("查询成功"));
}

GatewayReply AccountService::changeSex(const GatewayCall &call)
{
    return changeCustomer(
        call, QStringLiteral("性别修改成功"),
        [&](DemoStore::Record &customer) -> std::optional<QString> {
            const QString sex = call.param(QStringLiteral("xb"));
            if (sex != QLatin1String("0") && sex != QLatin1String("1") && sex != QLatin1String("2"))
                return QStringLiteral("请选择性别");
            // The settings screen sends the profile fields back with the new sex; the server
            // keeps them, except the mobile number and the e-mail address, which have their
            // own checked changes.
            customer.insert(QStringLiteral("xb"), sex);
            for (const char *field : {"nickname", "birthday", "txfjid", "gddh"})
                if (call.hasParam(QLatin1String(field)))
                    customer.insert(QLatin1String(field), call.param(QLatin1String(field)));
            return std::nullopt;
        });
}
