// The demo gateway as the client and the end-to-end tests meet it: a real HTTP peer on loopback.

#include "AES256.h"
#include "AdvertisementModel.h"
#include "AppointmentModel.h"
#include "ChangePassModel.h"
#include "CommodityTypeModel.h"
#include "CustomerIncomeModel.h"
#include "DemoGateway.h"
#include "DemoRules.h"
#include "FunctionCodes.h"
#include "JsonKeyOrder.h"
#include "KhxxModel.h"
#include "MessageNumModel.h"
#include "NetProductModel.h"
#include "ProductAnnouncementsModel.h"
#include "PurchasedProductsModel.h"
#include "QZActivityBookingModel.h"
#include "QZActivityModel.h"
#include "QZHomeModel.h"
#include "QZInformationModel.h"
#include "QZLoginModel.h"
#include "QZMessageModel.h"
#include "ReadedMesModel.h"
#include "ReturnDetailsModel.h"
#include "ScoreDetailModel.h"
#include "ScoreHistoryModel.h"
#include "ScoreModel.h"
#include "SpecialTradeModel.h"
#include "TrustProductModel.h"
#include "UserMoneyModel.h"
#include "Validation.h"
#include "YbmNumberModel.h"
#include "modelForAppointedProd.h"
#include "modelForProd.h"

#include <QDir>
#include <QElapsedTimer>
#include <QJsonArray>
#include <QJsonDocument>
#include <QLoggingCategory>
#include <QMetaProperty>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QSignalSpy>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <QtTest>
#include <algorithm>
#include <memory>
#include <optional>
#include <vector>

#ifdef Q_OS_LINUX
#include <linux/capability.h>
#include <sys/syscall.h>
#include <unistd.h>
#endif

namespace {

using namespace FunctionCode;

const QString kCustomer1 = QStringLiteral("100001");
const QString kCustomer1Id = QStringLiteral("310104198803162418");
const QString kPassword = QStringLiteral("abc123");

// The forms the screens send. "{enc:abc123}" stands for the password as the client encrypts it.
// clang-format off
const char kBooking[] = R"({"action":"A","khbh":"100001","cpdm":"CL001","yyje":"2000000","yydh":"13812345678","yyzt":"2","system_type":"3","back_content":"","yysj":"","id":""})";
const char kDeletion[] = R"({"action":"D","khbh":"100001","id":"1","yyzt":"1","back_content":"","system_type":"3"})";
const char kRegistration[] = R"({"booking_start_time":"","booking_end_time":"","action":"A","khbh":"100001","id":"","activity_id":"1","status":"1","booking_time":"","visit_user":"","visit_time":"","system_type":"3","contact_name":"王澄宇","contact_number":"13812345678","booking_count":"2"})";
const char kQuestionnaire[] = R"({"khbh":"","sjhm":"","activity_id":"10","pcontent":"希望增加更多线上活动","system_type":"3"})";
const char kNewAccount[] = R"({"zjlx":"N","zjhm":"440305199001010026","khmm":"{enc:qwe789}","sjhm":"13900001111","khxm":"赵新","system_type":"3","phonecode":"123456"})";
const char kRecovery[] = R"({"khbh":"","newpassword":"{enc:xyz789}","system_type":"3","sjhm":"15912345678","zjlx":"P","zjhm":"E12345678","phonecode":"123456"})";
const char kPasswordChange[] = R"({"khbh":"100001","khmm":"{enc:abc123}","new_khmm":"{enc:abc456}"})";
const char kReadMark[] = R"({"khbh":"100001","send_cust":"3","message_id":"1","message_type":"1","message_status":"1"})";
const char kWholeList[] = R"({"row_count":"1000","row_offset":"0"})";
// clang-format on

QJsonObject object(const char *json)
{
    return QJsonDocument::fromJson(json).object();
}

// A form with the keys of `changes` set.
QJsonObject form(const char *json, const QJsonObject &changes = {})
{
    QJsonObject params = object(json);
    for (auto it = changes.begin(); it != changes.end(); ++it)
        params.insert(it.key(), it.value());
    return params;
}

QJsonObject withEncryption(QJsonObject params)
{
    for (auto it = params.begin(); it != params.end(); ++it) {
        const QString value = it.value().toString();
        if (value.startsWith(QLatin1String("{enc:")) && value.endsWith(QLatin1Char('}')))
            it.value() = AES256::AES256EncryptWithPlainText(value.mid(5, value.size() - 6))
                             .value_or(QString());
    }
    return params;
}

QJsonObject signInForm(const QString &zjlx, const QString &zjhm, const QString &password)
{
    return {{"zjlx", zjlx}, {"zjhm", zjhm}, {"khmm", "{enc:" + password + "}"}};
}

// One request of each screen, with the record type the screen maps the answer to.
struct Contract
{
    const char *tag;
    const char *code;
    QJsonObject params;
    const char *paramsExt;
    QString smsCodeFor;        // "mobile,purpose": an SMS code to ask for first
    const QMetaObject *record; // nullptr: the screen reads only flag and prompt
};

const QList<Contract> &contracts()
{
    // clang-format off
    static const QList<Contract> table{
        {"167002 splash", SplashAdverts, object(R"({"is_display":"1"})"), "{}", {}, &AdvertisementModel::staticMetaObject},
        {"164002 carousel", Carousel, object(R"({"system_type":"3","is_enabled":"1"})"), "{}", {}, &QZHomeModel::staticMetaObject},
        {"164021 products", HotProducts, object(R"({"w_sfxs":"1"})"), R"({"row_count":"10","row_offset":"0","orderby":{"w_sfrx":"asc"}})", {}, &modelForProd::staticMetaObject},
        {"164000 securities", TrustProducts, object(R"({"w_cplx":"2","w_sfxs":"1","w_zt":"1"})"), R"({"row_count":"10","row_offset":"0","orderby":{"w_sfrx":"asc"}})", {}, &TrustProductModel::staticMetaObject},
        {"164000 one product", TrustProducts, object(R"({"w_cpdm":"CL001"})"), "{}", {}, &modelForProd::staticMetaObject},
        {"164012 net values", NetValues, object(R"({"w_cpdm":"ZQ002"})"), R"({"row_count":"1000","row_offset":"0","orderby":{"w_jzrq":"asc"}})", {}, &NetProductModel::staticMetaObject},
        {"164014 announcements", Announcements, object(R"({"prod_code":"CL001","is_display":"1","status":"1","notice_level":"3"})"), "{}", {}, &ProductAnnouncementsModel::staticMetaObject},
        {"166002 bookings", Bookings, object(R"({"khbh":"100001"})"), R"({"row_count":"10","row_offset":"0","orderby":{"yyzt_sort":"asc","yysj":"desc"}})", {}, &modelForAppointedProd::staticMetaObject},
        {"166002 open bookings of a product", Bookings, object(R"({"khbh":"100001","cpdm":"CL002","yyzt":"1,2"})"), "{}", {}, &AppointmentModel::staticMetaObject},
        {"166003 add booking", BookingAction, form(kBooking), "{}", {}, nullptr},
        {"80205032 contracts", Contracts, object(R"({"cus_id":"CRM20150001","start_date":"","end_date":"","product_name":"","cp_status":"0"})"), R"({"row_count":"1000","row_offset":"0","orderby":{"ksrq":"desc"}})", {}, &UserMoneyModel::staticMetaObject},
        {"80205032 unredeemed", Contracts, object(R"({"cus_id":"CRM20150001","start_date":"","end_date":"","product_name":"","cp_status":"0","sfyx":"0"})"), R"({"row_count":"1000","row_offset":"0","orderby":{"ksrq":"desc"}})", {}, &UserMoneyModel::staticMetaObject},
        {"80205034 purchased", PurchasedProducts, object(R"({"cus_id":"CRM20150001","start_date":"","end_date":"","project_id":"","cy":"1","zt":""})"), R"({"row_count":"10","row_offset":"0","orderby":{"ksrq":"desc"}})", {}, &PurchasedProductsModel::staticMetaObject},
        {"80205037 incomes of the customer", IncomeDistributions, object(R"({"cus_id":"CRM20150001","start_date":"","end_date":"","cpmc":"","sffb":"0","htid":""})"), R"({"row_count":"1000","row_offset":"0","orderby":{"fprq":"desc"}})", {}, &ReturnDetailsModel::staticMetaObject},
        {"80205037 incomes of a contract", IncomeDistributions, object(R"({"cus_id":"CRM20150001","start_date":"","end_date":"","cpmc":"","sffb":"1","htid":"HT2021-0158"})"), R"({"row_count":"1000","row_offset":"0","orderby":{"fprq":"desc"}})", {}, &CustomerIncomeModel::staticMetaObject},
        {"80205038 special trades", SpecialTransactions, object(R"({"cus_id":"CRM20150001","htid":"HT2025-0312"})"), kWholeList, {}, &SpecialTradeModel::staticMetaObject},
        {"164020 unread", UnreadMessageCount, object(R"({"khbh":"100001","send_cust":"3","system_type":"3"})"), "{}", {}, &MessageNumModel::staticMetaObject},
        {"164010 messages", Messages, object(R"({"khbh":"100001","send_cust":"3","query_today":"true","include_product_message":"true","system_type":"3"})"), R"({"row_count":"10","row_offset":"0","orderby":{"send_time":"desc"}})", {}, &QZMessageModel::staticMetaObject},
        {"164019 read mark", MarkMessageRead, form(kReadMark), "{}", {}, &ReadedMesModel::staticMetaObject},
        {"164006 news", News, object(R"({"system_type":"3","status":"1"})"), R"({"row_count":"10","row_offset":"0","orderby":{"begin_time":"desc"}})", {}, &QZInformationModel::staticMetaObject},
        {"164006 one article", News, object(R"({"id":"3"})"), "{}", {}, &QZInformationModel::staticMetaObject},
        {"164008 activities", Activities, {}, R"({"row_count":"10","row_offset":"0","orderby":{"booking_start_time":"desc"}})", {}, &QZActivityModel::staticMetaObject},
        {"166004 registrations", ActivityRegistrations, object(R"({"zjhm":"310104198803162418"})"), R"({"row_count":"10","row_offset":"0"})", {}, &QZActivityBookingModel::staticMetaObject},
        {"166017 places", ActivityPlaces, object(R"({"activity_id":"1"})"), "{}", {}, &YbmNumberModel::staticMetaObject},
        {"166005 register", JoinActivity, form(kRegistration), "{}", {}, nullptr},
        {"166018 questionnaire", Questionnaire, form(kQuestionnaire), "{}", {}, nullptr},
        {"170001 categories", GiftCategories, {}, "{}", {}, &CommodityTypeModel::staticMetaObject},
        {"170003 gifts", GiftCatalogue, {}, "{}", {}, &ScoreModel::staticMetaObject},
        {"170006 points account", PointsBalance, object(R"({"khbh":"100001"})"), "{}", {}, &ScoreDetailModel::staticMetaObject},
        {"170008 points history", PointsHistory, object(R"({"khbh":"100001"})"), R"({"row_count":"1000","row_offset":"0","orderby":{"w_rq":"desc"}})", {}, &ScoreHistoryModel::staticMetaObject},
        {"166000 customer information", CustomerInfo, object(R"({"khbh":"100001"})"), "{}", {}, &KhxxModel::staticMetaObject},
        {"166012 sex", ChangeSex, object(R"({"khbh":"100001","nickname":"澄宇","birthday":"19880316","txfjid":"","sjhm":"13812345678","gddh":"021-64381234","yxdz":"wangcy@example.com","xb":"2"})"), "{}", {}, nullptr},
        {"168000 sign-in", SignIn, signInForm("N", kCustomer1Id, kPassword), "{}", {}, &QZLoginModel::staticMetaObject},
        {"168006 SMS code", SendSmsCode, object(R"({"sjhm":"13900001111","system_type":"3","effective_point":"1"})"), "{}", {}, nullptr},
        {"168004 identity check", CheckRegistration, form(kNewAccount), "{}", "13900001111,1", nullptr},
        {"168001 new account", Register, form(kNewAccount), "{}", "13900001111,1", &QZLoginModel::staticMetaObject},
        {"166021 recovery look-up", FindCustomerForRecovery, object(R"({"zjlx":"P","zjhm":"E12345678"})"), "{}", {}, &ChangePassModel::staticMetaObject},
        {"168007 new password", ResetPassword, form(kRecovery), "{}", "15912345678,2", &QZLoginModel::staticMetaObject},
        {"168003 change password", ChangePassword, form(kPasswordChange), "{}", {}, &QZLoginModel::staticMetaObject},
        {"168002 change e-mail", ChangeEmail, object(R"({"khbh":"100001","khmm":"abc123","yxdz":"new@example.com"})"), "{}", {}, &QZLoginModel::staticMetaObject},
        {"166015 change mobile", ChangeMobile, object(R"({"khbh":"100001","sjhm":"13811112222"})"), "{}", {}, nullptr},
    };
    // clang-format on
    return table;
}

struct HttpResult
{
    bool finished = false;
    int status = 0;
    QNetworkReply::NetworkError error = QNetworkReply::NoError;
    QByteArray body;
    QByteArray contentType;
    QByteArray allow;
    qlonglong length = -1;
};

// What a folder holds, files' bytes and times included, to tell that nothing was written there.
QStringList snapshot(const QString &folder)
{
    QStringList seen;
    const auto filters = QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System;
    for (const QFileInfo &entry : QDir(folder).entryInfoList(filters, QDir::Name)) {
        QFile file(entry.filePath());
        const bool readable = entry.isFile() && file.open(QIODevice::ReadOnly);
        seen << entry.fileName() + QString::fromLatin1((readable ? file.readAll() : "").toHex()) +
                    entry.lastModified().toString(Qt::ISODateWithMs);
        if (entry.isDir() && !entry.isSymLink())
            seen << snapshot(entry.filePath());
    }
    return seen;
}

// Root reads a file whatever its mode: for a while, this thread gives up the capabilities
// that let it, so that a file of mode 000 is as unreadable to it as to anyone.
#ifdef Q_OS_LINUX
class WithoutReadOverride final
{
public:
    WithoutReadOverride()
    {
        if (syscall(SYS_capget, &m_header, m_saved) != 0)
            return;
        __user_cap_data_struct reduced[2] = {m_saved[0], m_saved[1]};
        reduced[0].effective &= ~((1u << CAP_DAC_OVERRIDE) | (1u << CAP_DAC_READ_SEARCH));
        m_reduced = syscall(SYS_capset, &m_header, reduced) == 0;
    }
    ~WithoutReadOverride()
    {
        if (m_reduced)
            syscall(SYS_capset, &m_header, m_saved);
    }
    Q_DISABLE_COPY_MOVE(WithoutReadOverride)

private:
    __user_cap_header_struct m_header{_LINUX_CAPABILITY_VERSION_3, 0};
    __user_cap_data_struct m_saved[2] = {};
    bool m_reduced = false;
};
#else
struct WithoutReadOverride
{
};
#endif

} // namespace

class TestGateway final : public QObject
{
    Q_OBJECT

    std::unique_ptr<QNetworkAccessManager> m_network;
    std::unique_ptr<DemoGateway> m_gateway;

    HttpResult send(const QByteArray &verb, const QUrl &url, const QByteArray &body = {},
                    const QList<QPair<QByteArray, QByteArray>> &headers = {})
    {
        QNetworkRequest request(url);
        request.setHeader(QNetworkRequest::ContentTypeHeader, "application/json;charset=UTF-8");
        for (const auto &[name, value] : headers)
            request.setRawHeader(name, value);
        QNetworkReply *reply = verb == "HEAD" ? m_network->head(request)
                                              : m_network->sendCustomRequest(request, verb, body);
        QSignalSpy finished(reply, &QNetworkReply::finished);
        HttpResult result;
        result.finished = reply->isFinished() || finished.wait(15000);
        result.status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
        result.error = reply->error();
        result.body = reply->readAll();
        result.contentType = reply->header(QNetworkRequest::ContentTypeHeader).toByteArray();
        result.allow = reply->rawHeader("Allow");
        result.length = reply->header(QNetworkRequest::ContentLengthHeader).toLongLong();
        reply->deleteLater();
        return result;
    }
    HttpResult postBody(const QByteArray &body)
    {
        return send("POST", m_gateway->gatewayUrl(), body);
    }
    // A request to the fault-control route as our tools send it.
    HttpResult control(const QByteArray &verb, const QByteArray &body = {})
    {
        return send(verb, at(m_gateway->gatewayBaseUrl(), DemoGateway::kFaultsPath), body,
                    {{DemoGateway::kControlHeader, "1"}});
    }
    // Raw bytes to the gateway port; everything it answers until it closes (or 5 s pass).
    QByteArray rawExchange(const QByteArray &request, QTcpSocket *socket = nullptr)
    {
        QTcpSocket own;
        if (!socket) {
            socket = &own;
            socket->connectToHost(QHostAddress(m_gateway->gatewayBaseUrl().host()),
                                  quint16(m_gateway->gatewayBaseUrl().port()));
        }
        QByteArray answer;
        const auto reading =
            connect(socket, &QIODevice::readyRead, [&] { answer += socket->readAll(); });
        QSignalSpy closed(socket, &QAbstractSocket::disconnected);
        socket->write(request);
        if (socket->state() != QAbstractSocket::UnconnectedState)
            closed.wait(5000);
        disconnect(reading);
        return answer + socket->readAll();
    }
    static QUrl at(QUrl base, const QString &path)
    {
        base.setPath(path);
        return base;
    }
    // The first object of the answer; an empty object when the answer is not an envelope.
    QJsonObject call(const QString &code, const QJsonObject &params = {},
                     const QJsonObject &paramsExt = {})
    {
        const QJsonObject envelope{
            {"code", code}, {"params", withEncryption(params)}, {"params_ext", paramsExt}};
        const HttpResult result = postBody(QJsonDocument(QJsonArray{envelope}).toJson());
        return result.status == 200 ? QJsonDocument::fromJson(result.body)[0].toObject()
                                    : QJsonObject();
    }
    int flag(const QString &code, const QJsonObject &params = {})
    {
        return call(code, params).value("flag").toInt(-1);
    }
    QString prompt(const QString &code, const QJsonObject &params = {})
    {
        return call(code, params).value("prompt").toString();
    }
    QJsonArray records(const QString &code, const QJsonObject &params = {},
                       const QJsonObject &paramsExt = {})
    {
        return call(code, params, paramsExt).value("data")["record1"].toArray();
    }
    QString field(const QString &code, const QJsonObject &params, const QString &key)
    {
        return records(code, params).at(0)[key].toString();
    }
    int signIn(const QString &zjlx, const QString &zjhm, const QString &password)
    {
        return flag(SignIn, signInForm(zjlx, zjhm, password));
    }
    bool askSmsCode(const QString &mobileAndPurpose)
    {
        const QStringList parts = mobileAndPurpose.split(',');
        return mobileAndPurpose.isEmpty() ||
               flag(SendSmsCode, {{"sjhm", parts.at(0)}, {"effective_point", parts.at(1)}}) == 1;
    }
    // Every page of a list, asked for as the screens do, ten at a time.
    QJsonArray allPages(const QString &code, const QJsonObject &params, const QJsonObject &orderBy)
    {
        QJsonArray all;
        for (int pages = 0; pages < 20; ++pages) {
            const QJsonArray page = records(code, params,
                                            {{"row_count", "10"},
                                             {"row_offset", QString::number(all.size())},
                                             {"orderby", orderBy}});
            for (const QJsonValue &record : page)
                all.append(record);
            if (page.isEmpty())
                break;
        }
        return all;
    }
    QJsonArray table(const QString &name) const
    {
        QJsonArray records;
        for (const QJsonObject &record : m_gateway->records(name))
            records.append(record);
        return records;
    }
    void restart()
    {
        m_gateway = std::make_unique<DemoGateway>();
        QVERIFY2(m_gateway->start(), qPrintable(m_gateway->lastError()));
    }

private slots:
    void initTestCase()
    {
        QLoggingCategory::setFilterRules("chenglan.demo.debug=false\nchenglan.demo.info=false");
    }
    void init()
    {
        m_network = std::make_unique<QNetworkAccessManager>();
        restart();
    }
    void cleanup()
    {
        m_gateway.reset();
        m_network.reset();
        QLoggingCategory::setFilterRules("chenglan.demo.debug=false\nchenglan.demo.info=false");
    }

    void servesEveryCodeTheScreensSend()
    {
        QStringList sent;
        for (const Contract &contract : contracts())
            sent.append(QString::fromLatin1(contract.code));
        sent.removeDuplicates();
        QStringList served = m_gateway->functionCodes();
        std::sort(sent.begin(), sent.end());
        std::sort(served.begin(), served.end());
        QCOMPARE(served, sent);
    }

    void answersWithTheRecordsTheScreensRead_data()
    {
        QTest::addColumn<int>("index");
        for (qsizetype i = 0; i < contracts().size(); ++i)
            QTest::newRow(contracts().at(i).tag) << int(i);
    }
    void answersWithTheRecordsTheScreensRead()
    {
        QFETCH(int, index);
        const Contract &contract = contracts().at(index);
        QVERIFY(askSmsCode(contract.smsCodeFor));
        const QJsonObject answer = call(contract.code, contract.params, object(contract.paramsExt));
        QVERIFY2(answer.value("prompt").isString(), "not a response envelope");
        QCOMPARE(answer.value("flag").toInt(), 1);
        QVERIFY(answer["data"]["record1"].isArray());
        const QJsonArray list = answer["data"]["record1"].toArray();
        if (!contract.record)
            return;
        QVERIFY2(!list.isEmpty(), "no records");
        const QMetaObject &meta = *contract.record;
        for (const QJsonValue &value : list) {
            const QJsonObject record = value.toObject();
            for (int i = 0; i < meta.propertyCount(); ++i) {
                const QString name = QString::fromLatin1(meta.property(i).name());
                QVERIFY2(record.contains(name), qPrintable(name + " is missing"));
                // The mapper would take either, but a number where text is due (or the
                // reverse) is a change of the server's contract.
                const bool number = meta.property(i).metaType() != QMetaType::fromType<QString>();
                QVERIFY2(record.value(name).isDouble() == number, qPrintable(name));
            }
            for (auto it = record.begin(); it != record.end(); ++it) {
                QVERIFY2(it.value().isString() || meta.indexOfProperty(qPrintable(it.key())) >= 0,
                         qPrintable(it.key() + " is not text"));
                QVERIFY2(!it.key().startsWith('_'), qPrintable(it.key() + " is the server's own"));
            }
        }
    }

    void refusalsCarryAPromptAndChangeNothing_data()
    {
        QTest::addColumn<QString>("code");
        QTest::addColumn<QJsonObject>("params");
        QTest::addColumn<QString>("smsCodeFor");
        QTest::addColumn<QString>("prompt");
        const QString noCustomer = QStringLiteral("客户不存在，请重新登录");
        // clang-format off
        QTest::newRow("unknown code") << "123" << QJsonObject() << "" << "未知的功能号：123";
        QTest::newRow("sign-in with a wrong password") << SignIn << signInForm("N", kCustomer1Id, "abc124") << "" << "用户名或密码错误";
        QTest::newRow("sign-in without a password") << SignIn << signInForm("N", kCustomer1Id, "") << "" << "用户名或密码错误";
        QTest::newRow("sign-in of an unknown number") << SignIn << signInForm("N", "440305199001010026", kPassword) << "" << "用户名或密码错误";
        QTest::newRow("sign-in with the wrong type") << SignIn << signInForm("P", kCustomer1Id, kPassword) << "" << "用户名或密码错误";
        QTest::newRow("sign-in with a blank number") << SignIn << signInForm("N", "  ", kPassword) << "" << "用户名或密码错误";
        QTest::newRow("net values of no product") << NetValues << QJsonObject() << "" << "请指定产品代码";
        QTest::newRow("SMS code for a wrong mobile") << SendSmsCode << object(R"({"sjhm":"12345","effective_point":"1"})") << "" << "请填写正确的手机号码";
        QTest::newRow("SMS code for a known mobile") << SendSmsCode << object(R"({"sjhm":"13812345678","effective_point":"1"})") << "" << "该手机号码已注册，请直接登录";
        QTest::newRow("recovery code for an unknown mobile") << SendSmsCode << object(R"({"sjhm":"13900001111","effective_point":"2"})") << "" << "该手机号码未注册";
        QTest::newRow("SMS code for no purpose") << SendSmsCode << object(R"({"sjhm":"13900001111","effective_point":"3"})") << "" << "短信用途不正确";
        QTest::newRow("registration without a code") << CheckRegistration << form(kNewAccount) << "" << "请先获取验证码";
        QTest::newRow("registration with a wrong code") << CheckRegistration << form(kNewAccount, {{"phonecode", "654321"}}) << "13900001111,1" << "验证码错误，请重新输入";
        QTest::newRow("registration with a bad check digit") << CheckRegistration << form(kNewAccount, {{"zjhm", "440305199001010027"}}) << "13900001111,1" << "请填写正确的身份证号码";
        QTest::newRow("registration of an unknown type") << Register << form(kNewAccount, {{"zjlx", "Q"}}) << "13900001111,1" << "证件类型不正确";
        QTest::newRow("registration of a known number") << Register << form(kNewAccount, {{"zjhm", kCustomer1Id}}) << "13900001111,1" << "该证件号码已注册，请直接登录";
        QTest::newRow("registration without a name") << Register << form(kNewAccount, {{"khxm", " "}}) << "13900001111,1" << "姓名长度只能是1- 20位";
        QTest::newRow("registration with a short password") << Register << form(kNewAccount, {{"khmm", "{enc:ab1}"}}) << "13900001111,1" << "用户密码只能为6-20位";
        QTest::newRow("registration with an unreadable password") << Register << form(kNewAccount, {{"khmm", "plain"}}) << "13900001111,1" << "密码无法识别，请重新输入";
        QTest::newRow("recovery of an unknown number") << FindCustomerForRecovery << object(R"({"zjlx":"N","zjhm":"440305199001010026"})") << "" << "未找到该证件号码对应的客户";
        QTest::newRow("reset without a code") << ResetPassword << form(kRecovery) << "" << "请先获取验证码";
        QTest::newRow("reset with another mobile") << ResetPassword << form(kRecovery, {{"sjhm", "13812345678"}}) << "15912345678,2" << "手机号码与客户信息不符";
        QTest::newRow("reset with a wrong code") << ResetPassword << form(kRecovery, {{"phonecode", "000000"}}) << "15912345678,2" << "验证码错误，请重新输入";
        QTest::newRow("reset to a short password") << ResetPassword << form(kRecovery, {{"newpassword", "{enc:ab1}"}}) << "15912345678,2" << "用户密码只能为6-20位";
        QTest::newRow("password change with a wrong one") << ChangePassword << form(kPasswordChange, {{"khmm", "{enc:wrong1}"}}) << "" << "原密码输入错误";
        QTest::newRow("password change to a short one") << ChangePassword << form(kPasswordChange, {{"new_khmm", "{enc:ab1}"}}) << "" << "用户密码只能为6-20位";
        QTest::newRow("password change to the same") << ChangePassword << form(kPasswordChange, {{"new_khmm", "{enc:abc123}"}}) << "" << "您的密码与原密码相同，请修改后重试";
        QTest::newRow("password change of nobody") << ChangePassword << form(kPasswordChange, {{"khbh", ""}}) << "" << noCustomer;
        QTest::newRow("password change of an unknown") << ChangePassword << form(kPasswordChange, {{"khbh", "999999"}}) << "" << noCustomer;
        QTest::newRow("e-mail change with a wrong password") << ChangeEmail << object(R"({"khbh":"100001","khmm":"abc124","yxdz":"a@b.cn"})") << "" << "您的密码输入错误，请输入重试";
        QTest::newRow("e-mail change to no address") << ChangeEmail << object(R"({"khbh":"100001","khmm":"abc123","yxdz":"not-an-address"})") << "" << "您的邮箱输入有误，请重新输入";
        QTest::newRow("mobile change to another's") << ChangeMobile << object(R"({"khbh":"100001","sjhm":"15912345678"})") << "" << "该手机号码已被其他客户使用";
        QTest::newRow("mobile change to no mobile") << ChangeMobile << object(R"({"khbh":"100001","sjhm":"12345678901"})") << "" << "请填写正确的手机号码";
        QTest::newRow("mobile change of an unknown") << ChangeMobile << object(R"({"khbh":"999999","sjhm":"13811112222"})") << "" << noCustomer;
        QTest::newRow("sex change to no sex") << ChangeSex << object(R"({"khbh":"100001","xb":"3"})") << "" << "请选择性别";
        QTest::newRow("sex change of an unknown") << ChangeSex << object(R"({"khbh":"999999","xb":"1"})") << "" << noCustomer;
        QTest::newRow("booking twice") << BookingAction << form(kBooking, {{"cpdm", "CL002"}}) << "" << "您已预约该产品，客户经理会尽快与您联系";
        QTest::newRow("booking a sold-out product") << BookingAction << form(kBooking, {{"cpdm", "CL006"}}) << "" << "该产品当前不接受预约";
        QTest::newRow("booking an unknown product") << BookingAction << form(kBooking, {{"cpdm", "XX999"}}) << "" << "产品不存在";
        QTest::newRow("booking by an unknown") << BookingAction << form(kBooking, {{"khbh", "999999"}}) << "" << noCustomer;
        QTest::newRow("booking no amount") << BookingAction << form(kBooking, {{"yyje", "abc"}}) << "" << "请填写正确的预约金额";
        QTest::newRow("booking not a number") << BookingAction << form(kBooking, {{"yyje", "nan"}}) << "" << "请填写正确的预约金额";
        QTest::newRow("booking an infinite amount") << BookingAction << form(kBooking, {{"yyje", "inf"}}) << "" << "请填写正确的预约金额";
        QTest::newRow("booking an absurd amount") << BookingAction << form(kBooking, {{"yyje", "1e308"}}) << "" << "请填写正确的预约金额";
        QTest::newRow("booking with a landline for a mobile") << BookingAction << form(kBooking, {{"yydh", "021-12345678"}}) << "" << "请填写正确的预约电话";
        QTest::newRow("booking with a long remark") << BookingAction << form(kBooking, {{"back_content", QString(201, QChar(u'长'))}}) << "" << "输入内容不能超过200个字符";
        QTest::newRow("sex change with a long telephone") << ChangeSex << form(R"({"khbh":"100001","xb":"2"})", {{"gddh", QString(201, '1')}}) << "" << "输入内容不能超过200个字符";
        QTest::newRow("booking with letters for a telephone") << BookingAction << form(kBooking, {{"yydh", "abc"}}) << "" << "请填写正确的预约电话";
        QTest::newRow("booking action unknown") << BookingAction << form(kBooking, {{"action", "X"}}) << "" << "不支持的操作：X";
        QTest::newRow("deleting a settled booking") << BookingAction << form(kDeletion, {{"id", "3"}}) << "" << "该预约已处理，不能删除";
        QTest::newRow("deleting an unknown booking") << BookingAction << form(kDeletion, {{"id", "999"}}) << "" << "预约记录不存在";
        QTest::newRow("deleting another's booking") << BookingAction << form(kDeletion, {{"id", "13"}}) << "" << "预约记录不存在";
        QTest::newRow("read mark on another's message") << MarkMessageRead << form(kReadMark, {{"khbh", "100002"}}) << "" << "消息不存在";
        QTest::newRow("registration not started") << JoinActivity << form(kRegistration, {{"activity_id", "5"}}) << "" << "报名未开始";
        QTest::newRow("registration ended") << JoinActivity << form(kRegistration, {{"activity_id", "6"}}) << "" << "报名已结束";
        QTest::newRow("registration closed") << JoinActivity << form(kRegistration, {{"activity_id", "7"}}) << "" << "报名已结束";
        QTest::newRow("registration paused") << JoinActivity << form(kRegistration, {{"activity_id", "8"}}) << "" << "该活动已暂停报名";
        QTest::newRow("registration full") << JoinActivity << form(kRegistration, {{"activity_id", "3"}}) << "" << "可参与人数已满，敬请期待下一次活动！";
        QTest::newRow("registration over the places left") << JoinActivity << form(kRegistration, {{"activity_id", "2"}, {"booking_count", "3"}}) << "" << "非常抱歉，由于参与名额限制，目前还剩余报名人数为2";
        QTest::newRow("registration for telephone only") << JoinActivity << form(kRegistration, {{"activity_id", "4"}}) << "" << "本活动仅接受电话报名";
        QTest::newRow("registration of another customer type") << JoinActivity << form(kRegistration, {{"activity_id", "9"}, {"khbh", "100002"}}) << "" << "您不在本次活动的邀请范围内";
        QTest::newRow("registration signed out") << JoinActivity << form(kRegistration, {{"khbh", ""}}) << "" << "请先登录";
        QTest::newRow("registration for a questionnaire") << JoinActivity << form(kRegistration, {{"activity_id", "10"}}) << "" << "问卷调查无需报名";
        QTest::newRow("registration with a bad telephone") << JoinActivity << form(kRegistration, {{"contact_number", "12812345678"}}) << "" << "亲，电话号码仿佛有问题哦!";
        QTest::newRow("registration of nobody") << JoinActivity << form(kRegistration, {{"booking_count", "0"}}) << "" << "亲，预约人数至少一人哦!";
        QTest::newRow("questionnaire blank") << Questionnaire << form(kQuestionnaire, {{"pcontent", "  "}}) << "" << "您还没有留下您宝贵的意见";
        QTest::newRow("questionnaire over 500") << Questionnaire << form(kQuestionnaire, {{"pcontent", QString(501, QChar(u'好'))}}) << "" << "字符个数不能大于500";
        QTest::newRow("questionnaire of an activity") << Questionnaire << form(kQuestionnaire, {{"activity_id", "1"}}) << "" << "该活动不是问卷调查";
        QTest::newRow("questionnaire not started") << Questionnaire << form(kQuestionnaire, {{"activity_id", "11"}}) << "" << "问卷调查未开始";
        QTest::newRow("questionnaire ended") << Questionnaire << form(kQuestionnaire, {{"activity_id", "12"}}) << "" << "问卷调查已结束";
        // clang-format on
    }
    void refusalsCarryAPromptAndChangeNothing()
    {
        QFETCH(QString, code);
        QFETCH(QJsonObject, params);
        QFETCH(QString, smsCodeFor);
        QFETCH(QString, prompt);
        QVERIFY(askSmsCode(smsCodeFor));
        QSignalSpy changed(m_gateway.get(), &DemoGateway::stateChanged);
        const QJsonObject answer = call(code, params);
        QCOMPARE(answer.value("flag").toInt(-1), 0);
        QCOMPARE(answer.value("prompt").toString(), prompt);
        QCOMPARE(answer["data"]["record1"].toArray().size(), 0);
        QCOMPARE(changed.size(), 0);
    }

    void everyChangeTakesEffectAndSurvivesARestart_data()
    {
        QTest::addColumn<QString>("code");
        QTest::addColumn<QJsonObject>("params");
        QTest::addColumn<QString>("smsCodeFor");
        QTest::addColumn<QString>("table");    // where the change is kept
        QTest::addColumn<QString>("readCode"); // a request that shows the change ...
        QTest::addColumn<QJsonObject>("readParams");
        QTest::addColumn<QString>("key");      // ... in this field of its first record
        QTest::addColumn<QString>("expected"); // the value or its beginning; empty: no record
        const QString today = QDate::currentDate().toString("yyyy-MM-dd");
        const QJsonObject info{{"khbh", kCustomer1}};
        // clang-format off
        QTest::newRow("sign-in time") << SignIn << signInForm("N", kCustomer1Id, kPassword) << "" << "customers" << CustomerInfo << info << "last_login_time" << today;
        QTest::newRow("registration") << Register << form(kNewAccount) << "13900001111,1" << "customers" << SignIn << signInForm("N", "440305199001010026", "qwe789") << "xb" << "0";
        QTest::newRow("password reset") << ResetPassword << form(kRecovery) << "15912345678,2" << "customers" << SignIn << signInForm("P", "E12345678", "xyz789") << "khbh" << "100002";
        QTest::newRow("password change") << ChangePassword << form(kPasswordChange) << "" << "customers" << SignIn << signInForm("N", kCustomer1Id, "abc456") << "khbh" << "100001";
        QTest::newRow("e-mail change") << ChangeEmail << object(R"({"khbh":"100001","khmm":"abc123","yxdz":"kept@example.cn"})") << "" << "customers" << CustomerInfo << info << "yxdz" << "kept@example.cn";
        QTest::newRow("mobile change") << ChangeMobile << object(R"({"khbh":"100001","sjhm":"13811112222"})") << "" << "customers" << SignIn << signInForm("SJ", "13811112222", kPassword) << "khbh" << "100001";
        QTest::newRow("sex change") << ChangeSex << object(R"({"khbh":"100001","xb":"2","gddh":"021-1234","sjhm":"13900009999"})") << "" << "customers" << CustomerInfo << info << "xb" << "2";
        QTest::newRow("sex change keeps the telephone") << ChangeSex << object(R"({"khbh":"100001","xb":"2","gddh":"021-1234","sjhm":"13900009999"})") << "" << "customers" << CustomerInfo << info << "gddh" << "021-1234";
        QTest::newRow("sex change leaves the mobile") << ChangeSex << object(R"({"khbh":"100001","xb":"2","gddh":"021-1234","sjhm":"13900009999"})") << "" << "customers" << CustomerInfo << info << "sjhm" << "13812345678";
        QTest::newRow("booking made") << BookingAction << form(kBooking) << "" << "bookings" << Bookings << info << "cpdm" << "CL001";
        QTest::newRow("booking made names its product") << BookingAction << form(kBooking) << "" << "bookings" << Bookings << object(R"({"khbh":"100001","cpdm":"CL001"})") << "w_cpmc" << "澄岚·稳盈1号集合资金信托计划";
        QTest::newRow("booking made today") << BookingAction << form(kBooking) << "" << "bookings" << Bookings << object(R"({"khbh":"100001","cpdm":"CL001"})") << "yysj_ss" << QString(today).remove('-');
        QTest::newRow("booking deleted") << BookingAction << form(kDeletion) << "" << "bookings" << Bookings << object(R"({"khbh":"100001","cpdm":"CL002"})") << "id" << "";
        QTest::newRow("read mark") << MarkMessageRead << form(kReadMark) << "" << "messages" << UnreadMessageCount << info << "unread_count" << "6";
        QTest::newRow("activity registration") << JoinActivity << form(kRegistration, {{"activity_id", "2"}}) << "" << "registrations" << ActivityPlaces << object(R"({"activity_id":"2"})") << "joined_num" << "20";
        QTest::newRow("questionnaire answer") << Questionnaire << form(kQuestionnaire) << "" << "feedback" << "" << QJsonObject() << "" << "";
        // clang-format on
    }
    void everyChangeTakesEffectAndSurvivesARestart()
    {
        QFETCH(QString, code);
        QFETCH(QJsonObject, params);
        QFETCH(QString, smsCodeFor);
        QFETCH(QString, table);
        QFETCH(QString, readCode);
        QFETCH(QJsonObject, readParams);
        QFETCH(QString, key);
        QFETCH(QString, expected);
        // What the read shows when it differs from what was expected.
        auto notShown = [&] {
            const QString seen = readCode.isEmpty() ? expected : field(readCode, readParams, key);
            const bool shown = expected.isEmpty() ? seen.isEmpty() : seen.startsWith(expected);
            return shown ? QString() : key + ": \"" + seen + "\"";
        };
        QTemporaryDir dir;
        const QString stateFile = dir.filePath("state.json");
        QVERIFY2(m_gateway->setStateFile(stateFile), qPrintable(m_gateway->lastError()));
        QVERIFY(QFile::exists(stateFile));
        QVERIFY(askSmsCode(smsCodeFor));
        const QJsonArray before = this->table(table);
        QSignalSpy changed(m_gateway.get(), &DemoGateway::stateChanged);
        QCOMPARE(flag(code, params), 1);
        QCOMPARE(changed.size(), 1);
        QCOMPARE(notShown(), QString()); // a sign-in that shows it is saved as well
        const QJsonArray after = this->table(table);
        QVERIFY(after != before);

        restart();
        QCOMPARE(this->table(table), before); // the change lives in the file only
        QVERIFY2(m_gateway->setStateFile(stateFile), qPrintable(m_gateway->lastError()));
        QCOMPARE(this->table(table), after);
        QVERIFY(m_gateway->loadDataset(DemoGateway::kDefaultDataset)); // changes stay on top
        QCOMPARE(this->table(table), after);
        QCOMPARE(notShown(), QString());
    }

    void refusedStateFileIsLeftUntouched_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QString>("reason");
        const QByteArray state = R"({"format":"chenglan-demo-state/1","tables":{"bookings":[]}})";
        // clang-format off
        QTest::newRow("unreadable") << "unreadable" << state << "cannot read the state file";
        QTest::newRow("truncated JSON") << "file" << state.left(state.size() - 5) << "is malformed JSON: unterminated string at byte";
        QTest::newRow("not JSON") << "file" << QByteArray("customers=1") << "is malformed JSON: ";
        QTest::newRow("empty") << "file" << QByteArray() << "is malformed JSON: ";
        QTest::newRow("JSON array") << "file" << QByteArray("[]") << "is not in the demo gateway's format: it is not a JSON object";
        QTest::newRow("another format") << "file" << QByteArray(R"({"format":"something else","tables":{}})") << "its \"format\" is not \"chenglan-demo-state/1\"";
        QTest::newRow("tables not an object") << "file" << QByteArray(R"({"format":"chenglan-demo-state/1","tables":[]})") << "its \"tables\" is not an object";
        QTest::newRow("table not an array") << "file" << QByteArray(R"({"format":"chenglan-demo-state/1","tables":{"bookings":[],"customers":{}}})") << "its table \"customers\" is not an array";
        QTest::newRow("table of numbers") << "file" << QByteArray(R"({"format":"chenglan-demo-state/1","tables":{"bookings":[1]}})") << "its table \"bookings\" holds something other than records";
        QTest::newRow("customer number not text") << "file" << QByteArray(R"({"format":"chenglan-demo-state/1","tables":{"customers":[{"khbh":100001,"khmm":"abc123"}]}})") << "its table \"customers\" record 1: \"khbh\" is not text";
        QTest::newRow("customer without a number") << "file" << QByteArray(R"({"format":"chenglan-demo-state/1","tables":{"customers":[{"khmm":"abc123"}]}})") << "its table \"customers\" record 1 has no \"khbh\"";
        QTest::newRow("booking amount an object") << "file" << QByteArray(R"({"format":"chenglan-demo-state/1","tables":{"bookings":[{"id":"1","yyje":{}}]}})") << "its table \"bookings\" record 1: \"yyje\" is not text";
        QTest::newRow("read-only folder") << "read-only folder" << QByteArray() << "cannot write the state file";
        QTest::newRow("directory") << "directory" << QByteArray() << "is not a regular file";
        QTest::newRow("dangling link") << "dangling link" << QByteArray() << "is not a regular file";
        QTest::newRow("folder missing") << "folder missing" << QByteArray() << "cannot write the state file";
        // clang-format on
    }
    void refusedStateFileIsLeftUntouched()
    {
        QFETCH(QString, kind);
        QFETCH(QByteArray, content);
        QFETCH(QString, reason);
        QTemporaryDir dir;
        const QString path = dir.filePath(kind == "folder missing"     ? "gone/state"
                                          : kind == "read-only folder" ? "locked/state.json"
                                                                       : "state.json");
        if (kind == "directory")
            QVERIFY(QDir(dir.path()).mkpath("state.json/inside"));
        else if (kind == "dangling link")
            QVERIFY(QFile::link(dir.filePath("gone.json"), path));
        else if (kind == "read-only folder")
            QVERIFY(
                QDir(dir.path()).mkdir("locked") &&
                QFile::setPermissions(dir.filePath("locked"), QFile::ReadOwner | QFile::ExeOwner));
        else if (kind != "folder missing") {
            QFile file(path);
            QVERIFY(file.open(QIODevice::WriteOnly) && file.write(content) == content.size());
        }
        const QStringList before = snapshot(dir.path());
        {
            std::optional<WithoutReadOverride> unreadable;
            if (kind == "unreadable") {
                QVERIFY(QFile::setPermissions(path, {}));
                unreadable.emplace();
                if (QFile(path).open(QIODevice::ReadOnly))
                    QSKIP("this process reads files whatever their mode");
            }
            if (kind == "read-only folder")
                unreadable.emplace();
            QVERIFY(!m_gateway->setStateFile(path));
            const QString error = m_gateway->lastError();
            QVERIFY2(error.contains(path) && error.contains(reason), qPrintable(error));
            // Every refusal says why, down to the system's own words.
            QVERIFY2(!error.trimmed().endsWith(':'), qPrintable(error));
            // The gateway goes on with the data it had, and later changes are saved nowhere.
            QCOMPARE(signIn("N", kCustomer1Id, kPassword), 1);
            QCOMPARE(flag(BookingAction, form(kBooking)), 1);
        }
        if (kind == "unreadable")
            QVERIFY(QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner));
        QCOMPARE(snapshot(dir.path()), before);
    }

    void stateFileIsOwnerOnly()
    {
        QTemporaryDir dir;
        const QString stateFile = dir.filePath("state.json");
        const auto othersMay =
            QFile::ReadGroup | QFile::WriteGroup | QFile::ReadOther | QFile::WriteOther;
        QVERIFY(m_gateway->setStateFile(stateFile));
        QCOMPARE(QFile::permissions(stateFile) & othersMay, QFile::Permissions());
        // One left readable by an older gateway is closed at the next write.
        QVERIFY(QFile::setPermissions(stateFile, QFile::permissions(stateFile) | othersMay));
        QCOMPARE(flag(BookingAction, form(kBooking)), 1);
        QCOMPARE(QFile::permissions(stateFile) & othersMay, QFile::Permissions());
    }

    void listensOnIpv6_data()
    {
        QTest::addColumn<QString>("address");
        QTest::addColumn<QString>("host"); // in the URLs
        // clang-format off
        QTest::newRow("every IPv6 address") << "::" << "[::1]";
        QTest::newRow("IPv6 loopback") << "::1" << "[::1]";
        QTest::newRow("every IPv4 address") << "0.0.0.0" << "127.0.0.1";
        // clang-format on
    }
    void listensOnIpv6()
    {
        QFETCH(QString, address);
        QFETCH(QString, host);
        QTcpServer probe;
        if (!probe.listen(QHostAddress::LocalHostIPv6))
            QSKIP("no IPv6 loopback here");
        m_gateway->setListenAddress(QHostAddress(address));
        QVERIFY2(m_gateway->start(), qPrintable(m_gateway->lastError()));
        QVERIFY2(m_gateway->gatewayUrl().toString().startsWith("http://" + host + ":"),
                 qPrintable(m_gateway->gatewayUrl().toString()));
        QCOMPARE(flag(UnreadMessageCount, {{"khbh", kCustomer1}}), 1);
    }

    void logsKeepSecretsOut()
    {
        static QStringList logged;
        logged.clear();
        const QtMessageHandler previous = qInstallMessageHandler(
            [](QtMsgType, const QMessageLogContext &, const QString &text) { logged << text; });
        const QString encrypted = AES256::AES256EncryptWithPlainText(kPassword).value_or("?");
        QLoggingCategory::setFilterRules(QString()); // as a client starts
        QCOMPARE(signIn("N", kCustomer1Id, kPassword), 1);
        const QStringList byDefault = logged;
        QLoggingCategory::setFilterRules("chenglan.demo.body.debug=true");
        QCOMPARE(signIn("N", kCustomer1Id, kPassword), 1);
        qInstallMessageHandler(previous);
        const QString all = logged.join('\n');
        QVERIFY2(!all.contains(encrypted) && !all.contains(kPassword) &&
                     !all.contains(kCustomer1Id),
                 qPrintable(all));
        QVERIFY2(byDefault.join('\n').contains("168000"), qPrintable(byDefault.join('\n')));
        QVERIFY2(!byDefault.join('\n').contains("zjhm"), qPrintable(byDefault.join('\n')));
        QVERIFY2(all.contains("zjhm"), qPrintable(all)); // the body, masked, on asking
    }

    void stateFileThatCannotBeWrittenIsReported()
    {
        QTemporaryDir dir;
        const QString stateFile = dir.filePath("state.json");
        QVERIFY(m_gateway->setStateFile(stateFile));
        QVERIFY(QFile::remove(stateFile) && QDir(dir.path()).mkdir("state.json"));
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("cannot write the state file"));
        QCOMPARE(flag(BookingAction, form(kBooking)), 1);
        const QString error = m_gateway->lastError();
        QVERIFY2(error.startsWith("cannot write the state file " + stateFile), qPrintable(error));
        QVERIFY2(!error.trimmed().endsWith(':'), qPrintable(error));
    }

    void pagesRunThroughTheProductList()
    {
        const QJsonArray all = allPages(HotProducts, {{"w_sfxs", "1"}}, {{"w_sfrx", "asc"}});
        QVERIFY2(all.size() > 30, "the product list must run to a fourth page");
        QSet<QString> codes;
        for (const QJsonValue &p : all) {
            QCOMPARE(p["w_sfxs"].toString(), QStringLiteral("1"));
            codes.insert(p["w_cpdm"].toString());
        }
        QCOMPARE(codes.size(), all.size());
        QCOMPARE(all.first()["w_sfrx"].toString(), QStringLiteral("1")); // hot ones first
        // An offset past the end answers no records; a missing row_count answers all.
        QVERIFY(records(HotProducts, {}, {{"row_count", "10"}, {"row_offset", "500"}}).isEmpty());
        QCOMPARE(records(HotProducts, {{"w_sfxs", "1"}}).size(), all.size());
        // Each record carries the number of records that passed the filter.
        const QJsonObject mine{{"cus_id", "CRM20150001"}};
        const qsizetype held = records(Contracts, mine).size();
        QVERIFY(held > 2);
        QCOMPARE(records(Contracts, mine, {{"row_count", "2"}}).at(0)["total_cnt"].toString(),
                 QString::number(held));
    }

    void ordersByTheKeysInTheOrderWritten_data()
    {
        QTest::addColumn<QByteArray>("orderBy");
        QTest::addColumn<QStringList>("keys");   // "+" ascending, "-" descending
        QTest::addColumn<QString>("firstState"); // of the first booking; empty: any
        // clang-format off
        QTest::newRow("being processed, then newest") << QByteArray(R"({"yyzt_sort":"asc","yysj":"desc"})") << QStringList{"yyzt_sort+", "yysj-"} << "2";
        QTest::newRow("newest, then state") << QByteArray(R"({"yysj":"desc","yyzt_sort":"asc"})") << QStringList{"yysj-", "yyzt_sort+"} << "";
        QTest::newRow("no direction: the newest first") << QByteArray(R"({"yysj":"sideways"})") << QStringList{"yysj-"} << "";
        // clang-format on
    }
    void ordersByTheKeysInTheOrderWritten()
    {
        QFETCH(QByteArray, orderBy);
        QFETCH(QStringList, keys);
        QFETCH(QString, firstState);
        // Sent as text: Qt's JSON objects sort their keys.
        const QByteArray body =
            R"([{"code":"166002","params":{"khbh":"100001"},"params_ext":{"orderby":)" + orderBy +
            "}}]";
        const QJsonArray list =
            QJsonDocument::fromJson(postBody(body).body)[0]["data"]["record1"].toArray();
        QVERIFY(list.size() >= 10);
        for (qsizetype i = 1; i < list.size(); ++i) {
            for (const QString &key : keys) {
                const QString a = list.at(i - 1)[key.chopped(1)].toString(),
                              b = list.at(i)[key.chopped(1)].toString();
                QVERIFY2(a == b || (key.endsWith('+') ? a < b : a > b),
                         qPrintable(key + ": " + a + ", " + b));
                if (a != b)
                    break;
            }
        }
        QVERIFY(firstState.isEmpty() || list.first()["yyzt"].toString() == firstState);
    }

    void ordersColumnsAsText()
    {
        QStringList points;
        for (const QJsonValue &g :
             records(GiftCatalogue, {}, {{"orderby", QJsonObject{{"point", "asc"}}}}))
            points.append(g["point"].toString());
        QVERIFY(std::is_sorted(points.cbegin(), points.cend()));
        QVERIFY(points.indexOf("100") < points.indexOf("20"));
        // The order of the keys comes from the text, escapes and all.
        const QByteArray json =
            R"([{"params_ext":{"orderby":{"z":"asc","a":"desc","m\u0069d":"asc"}}}])";
        QCOMPARE(JsonKeyOrder::keysAt(json, {"0", "params_ext", "orderby"}),
                 (QStringList{"z", "a", "mid"}));
        QVERIFY(JsonKeyOrder::keysAt("[1,", {"0"}).isEmpty());
        QVERIFY(JsonKeyOrder::keysAt(json, {"1"}).isEmpty());
    }

    void listsHoldTheValues_data()
    {
        QTest::addColumn<QString>("code");
        QTest::addColumn<QJsonObject>("params");
        QTest::addColumn<QString>("column");
        QTest::addColumn<QStringList>("values");
        QTest::addColumn<QString>("match"); // "only" these, "every" one of these, or "exactly"
        QTest::addColumn<int>("fewest");
        QTest::addColumn<int>("most"); // -1: any number
        const QJsonObject mine{{"cus_id", "CRM20150001"}};
        // clang-format off
        QTest::newRow("three equal values") << TrustProducts << object(R"({"w_cplx":"2","w_sfxs":"1","w_zt":"1"})") << "w_cplx" << QStringList{"2"} << "only" << 11 << 11;
        QTest::newRow("a list of values") << Bookings << object(R"({"khbh":"100001","yyzt":"1,2"})") << "yyzt" << QStringList{"1", "2"} << "exactly" << 1 << -1;
        QTest::newRow("one open booking of a product") << Bookings << object(R"({"khbh":"100001","cpdm":"CL002","yyzt":"1,2"})") << "cpdm" << QStringList{"CL002"} << "only" << 1 << 1;
        QTest::newRow("no open booking of a product") << Bookings << object(R"({"khbh":"100001","cpdm":"CL001","yyzt":"1,2"})") << "cpdm" << QStringList() << "only" << 0 << 0;
        QTest::newRow("contracts paid back") << Contracts << object(R"({"cus_id":"CRM20150001","cp_status":"0","sfyx":"1"})") << "htyxje" << QStringList{"0"} << "only" << 1 << -1;
        QTest::newRow("incomes of one contract") << IncomeDistributions << object(R"({"cus_id":"CRM20150001","sffb":"1","htid":"HT2021-0158"})") << "htid" << QStringList{"HT2021-0158"} << "only" << 1 << -1;
        QTest::newRow("empty values do not filter") << IncomeDistributions << object(R"({"cus_id":"CRM20150001","cpmc":"","htid":""})") << "fhfs" << QStringList{"0", "1", "2"} << "exactly" << 1 << -1;
        QTest::newRow("an unknown customer") << Contracts << object(R"({"cus_id":"CRM-NOBODY"})") << "cus_id" << QStringList() << "only" << 0 << 0;
        QTest::newRow("no customer") << Bookings << object(R"({"khbh":""})") << "khbh" << QStringList() << "only" << 0 << 0;
        QTest::newRow("products of every sale state") << TrustProducts << QJsonObject() << "w_xszt" << QStringList{"1", "2", "3", "4"} << "every" << 25 << -1;
        QTest::newRow("products of every plan state") << TrustProducts << QJsonObject() << "w_zt" << QStringList{"0", "1", "2", "3"} << "exactly" << 25 << -1;
        QTest::newRow("bookings in every state") << Bookings << object(R"({"khbh":"100001"})") << "yyzt" << QStringList{"1", "2", "3"} << "exactly" << 10 << -1;
        QTest::newRow("contracts held and paid back") << Contracts << mine << "sfyx" << QStringList{"0", "1"} << "exactly" << 3 << -1;
        QTest::newRow("contracts with special transactions") << Contracts << mine << "tsjybs" << QStringList{"0", "1"} << "exactly" << 3 << -1;
        QTest::newRow("transfers and redemptions") << SpecialTransactions << mine << "jylx" << QStringList{"转让", "赎回"} << "exactly" << 2 << -1;
        QTest::newRow("messages of every kind") << Messages << object(R"({"khbh":"100001"})") << "message_type" << QStringList{"1", "2", "3"} << "exactly" << 25 << -1;
        QTest::newRow("news of every kind") << News << object(R"({"system_type":"3","status":"1"})") << "article_type" << QStringList{"1", "2", "3"} << "exactly" << 25 << -1;
        QTest::newRow("activities of every status") << Activities << QJsonObject() << "activity_status" << QStringList{"1", "2", "3"} << "exactly" << 12 << -1;
        QTest::newRow("activities of every channel") << Activities << QJsonObject() << "part_type" << QStringList{"1", "2", "3"} << "exactly" << 12 << -1;
        QTest::newRow("activities and questionnaires") << Activities << QJsonObject() << "acti_type" << QStringList{"1", "2"} << "exactly" << 12 << -1;
        QTest::newRow("gifts on the shelf only") << GiftCatalogue << QJsonObject() << "pstatus" << QStringList{"1"} << "only" << 12 << -1;
        // clang-format on
    }
    void listsHoldTheValues()
    {
        QFETCH(QString, code);
        QFETCH(QJsonObject, params);
        QFETCH(QString, column);
        QFETCH(QStringList, values);
        QFETCH(QString, match);
        QFETCH(int, fewest);
        QFETCH(int, most);
        const QJsonArray list = records(code, params, object(kWholeList));
        QVERIFY2(list.size() >= fewest && (most < 0 || list.size() <= most),
                 qPrintable(QString::number(list.size())));
        QSet<QString> seen;
        for (const QJsonValue &record : list)
            seen.insert(record[column].toString());
        const QSet<QString> wanted(values.cbegin(), values.cend());
        QVERIFY2(match == "every" || wanted.contains(seen),
                 qPrintable(QStringList(seen.cbegin(), seen.cend()).join(',')));
        QVERIFY2(match == "only" || seen.contains(wanted),
                 qPrintable(QStringList(seen.cbegin(), seen.cend()).join(',')));
    }

    void answersTheDatasetsValues_data()
    {
        QTest::addColumn<QString>("code");
        QTest::addColumn<QJsonObject>("params");
        QTest::addColumn<QString>("key");   // empty: no record at all
        QTest::addColumn<QString>("value"); // of the first record
        // clang-format off
        QTest::newRow("sign-in by identity card") << SignIn << signInForm("N", kCustomer1Id, kPassword) << "khbh" << "100001";
        QTest::newRow("sign-in by a number in other case") << SignIn << signInForm("X", "a1234567", kPassword) << "khbh" << "100003";
        QTest::newRow("sign-in by a padded number") << SignIn << signInForm("P", " E12345678 ", kPassword) << "khbh" << "100002";
        QTest::newRow("sign-in by gesture, without a type") << SignIn << signInForm("", kCustomer1Id, kPassword) << "khbh" << "100001";
        QTest::newRow("sign-in by mobile number") << SignIn << signInForm("SJ", "13812345678", kPassword) << "khbh" << "100001";
        QTest::newRow("sign-in by mobile, without a type") << SignIn << signInForm("", "15912345678", kPassword) << "khbh" << "100002";
        QTest::newRow("points available") << PointsBalance << object(R"({"khbh":"100001"})") << "available_integral" << "5890";
        QTest::newRow("points consumed") << PointsBalance << object(R"({"khbh":"100001"})") << "xfjf" << "660";
        QTest::newRow("points never consumed") << PointsBalance << object(R"({"khbh":"100002"})") << "xfjf" << "";
        QTest::newRow("no points account") << PointsBalance << object(R"({"khbh":"999999"})") << "" << "";
        QTest::newRow("an article by its id") << News << object(R"({"id":"3"})") << "id" << "3";
        QTest::newRow("no such article") << News << object(R"({"id":"999"})") << "" << "";
        QTest::newRow("places taken") << ActivityPlaces << object(R"({"activity_id":"2"})") << "joined_num" << "18";
        QTest::newRow("places of no activity") << ActivityPlaces << object(R"({"activity_id":"999"})") << "" << "";
        QTest::newRow("unread messages") << UnreadMessageCount << object(R"({"khbh":"100001","send_cust":"3"})") << "unread_count" << "7";
        QTest::newRow("unread messages of nobody") << UnreadMessageCount << object(R"({"khbh":""})") << "unread_count" << "0";
        QTest::newRow("customer with holdings") << CustomerInfo << object(R"({"khbh":"100001"})") << "khlx" << "3";
        QTest::newRow("customer without holdings") << CustomerInfo << object(R"({"khbh":"100002"})") << "khlx" << "2";
        QTest::newRow("no customer information") << CustomerInfo << object(R"({"khbh":""})") << "" << "";
        QTest::newRow("a product without net values") << NetValues << object(R"({"w_cpdm":"ZQ011"})") << "" << "";
        QTest::newRow("a product without announcements") << Announcements << object(R"({"prod_code":"CL003","notice_level":"3"})") << "" << "";
        // clang-format on
    }
    void answersTheDatasetsValues()
    {
        QFETCH(QString, code);
        QFETCH(QJsonObject, params);
        QFETCH(QString, key);
        QFETCH(QString, value);
        const QJsonArray list = records(code, params);
        QCOMPARE(list.isEmpty(), key.isEmpty());
        QCOMPARE(list.at(0)[key].toString(), value);
    }

    void announcementsFollowTheReadersLevel()
    {
        auto announcements = [&](const char *product, const char *level) {
            return records(Announcements, {{"prod_code", product},
                                           {"is_display", "1"},
                                           {"status", "1"},
                                           {"notice_level", level}});
        };
        QVERIFY(announcements("CL001", "1").size() < announcements("CL001", "2").size());
        QVERIFY(announcements("CL001", "2").size() < announcements("CL001", "3").size());
        QSet<bool> withDocument;
        for (const QJsonValue &a : announcements("CL001", "3"))
            withDocument.insert(a["rela_path"].toString().endsWith(".pdf"));
        QCOMPARE(withDocument, (QSet<bool>{true, false}));
    }

    void netValuesSpanThreeYearsUpToToday()
    {
        const QJsonArray series = records(NetValues, {{"w_cpdm", "ZQ001"}}, object(kWholeList));
        QVERIFY(series.size() > 100);
        const QDate today = QDate::currentDate();
        QVERIFY(DemoRules::parseDate(series.first()["w_jzrq"].toString()).daysTo(today) > 1000);
        QVERIFY(DemoRules::parseDate(series.last()["w_jzrq"].toString()).daysTo(today) <= 7);
        for (qsizetype i = 1; i < series.size(); ++i)
            QVERIFY(series.at(i - 1)["w_jzrq"].toString() < series.at(i)["w_jzrq"].toString());
        QCOMPARE(series.first()["rn"].toString(), QStringLiteral("1"));
        // The list's latest net value is the series' last.
        QCOMPARE(field(TrustProducts, {{"w_cpdm", "ZQ001"}}, "zxjz"),
                 series.last()["w_jz"].toString());
    }

    void codesAreUsedUp()
    {
        QVERIFY(askSmsCode("15912345678,2"));
        QCOMPARE(flag(ResetPassword, form(kRecovery)), 1);
        QCOMPARE(prompt(ResetPassword, form(kRecovery)), QStringLiteral("请先获取验证码"));
        QVERIFY(askSmsCode("13900001111,1"));
        QCOMPARE(m_gateway->records("sms_codes").size(), 1);
        QCOMPARE(flag(Register, form(kNewAccount)), 1);
        QVERIFY(m_gateway->records("sms_codes").isEmpty());
    }

    void repeatedChangesChangeNothing()
    {
        QCOMPARE(flag(MarkMessageRead, form(kReadMark)), 1);
        QCOMPARE(flag(ChangeMobile, {{"khbh", kCustomer1}, {"sjhm", "13811112222"}}), 1);
        QSignalSpy changed(m_gateway.get(), &DemoGateway::stateChanged);
        QCOMPARE(flag(MarkMessageRead, form(kReadMark)), 1);
        QCOMPARE(changed.size(), 0);
        QCOMPARE(flag(ChangeMobile, {{"khbh", kCustomer1}, {"sjhm", "13811112222"}}),
                 1); // one's own
    }

    void activityFillsUp()
    {
        const QJsonObject places{{"activity_id", "2"}}; // 20 places, 18 taken
        QCOMPARE(flag(JoinActivity, form(kRegistration, places)), 1);
        QCOMPARE(prompt(JoinActivity, form(kRegistration, places)),
                 QStringLiteral("可参与人数已满，敬请期待下一次活动！"));
        QCOMPARE(flag(JoinActivity, form(kRegistration, {{"activity_id", "9"}})),
                 1); // type "3" only
        QStringList listed;
        for (const QJsonValue &r :
             records(ActivityRegistrations, {{"zjhm", kCustomer1Id}}, object(kWholeList)))
            listed.append(r["activity_id"].toString());
        QVERIFY(listed.contains("2") && listed.contains("9"));
        // The server's today rides on every activity; the dataset has periods of every kind.
        const QString today = DemoRules::dateText(QDate::currentDate());
        QSet<QString> periods;
        for (const QJsonValue &a : records(Activities, {}, object(kWholeList))) {
            QCOMPARE(a["system_time"].toString(), today);
            periods << (today < a["booking_start_time"].toString() ? "not started"
                        : today > a["booking_end_time"].toString() ? "ended"
                                                                   : "open");
        }
        QCOMPARE(periods, (QSet<QString>{"not started", "open", "ended"}));
    }

    void faultsReplaceTheAnswerAndChangeNothing_data()
    {
        QTest::addColumn<QString>("fault");   // as given on the command line
        QTest::addColumn<int>("status");      // 0: no answer at all
        QTest::addColumn<QByteArray>("body"); // empty: compare nothing
        // clang-format off
        QTest::newRow("http status") << "status:503" << 503 << QByteArray("demo fault: HTTP 503");
        QTest::newRow("not json") << "not_json" << 200 << QByteArray("<html><body>Service temporarily unavailable</body></html>");
        QTest::newRow("empty array") << "empty_array" << 200 << QByteArray("[]");
        QTest::newRow("refusal") << "refuse:系统维护中" << 200 << QByteArray(R"([{"data":{"record1":[]},"flag":0,"prompt":"系统维护中"}])");
        QTest::newRow("dropped connection") << "drop" << 0 << QByteArray();
        QTest::newRow("delayed refusal") << "refuse:稍后再试@200" << 200 << QByteArray(R"([{"data":{"record1":[]},"flag":0,"prompt":"稍后再试"}])");
        QTest::newRow("delayed drop") << "drop@100" << 0 << QByteArray();
        // clang-format on
    }
    void faultsReplaceTheAnswerAndChangeNothing()
    {
        QFETCH(QString, fault);
        QFETCH(int, status);
        QFETCH(QByteArray, body);
        const std::optional<GatewayFault> parsed = GatewayFault::fromText(fault);
        QVERIFY(parsed);
        m_gateway->setFault(BookingAction, *parsed);
        QSignalSpy changed(m_gateway.get(), &DemoGateway::stateChanged);
        const QJsonObject booking{{"code", BookingAction}, {"params", form(kBooking)}};
        const HttpResult faulty = postBody(QJsonDocument(QJsonArray{booking}).toJson());
        QVERIFY(faulty.finished);
        QCOMPARE(faulty.status, status);
        QCOMPARE(faulty.error != QNetworkReply::NoError, status != 200);
        QVERIFY(body.isEmpty() || faulty.body == body);
        // The server failed before doing anything.
        QCOMPARE(changed.size(), 0);
        QVERIFY(records(Bookings, {{"khbh", kCustomer1}, {"cpdm", "CL001"}}).isEmpty());
        // "*" reaches every code without a fault of its own.
        QCOMPARE(flag(Carousel), 1);
        m_gateway->setFault("*", *parsed);
        QCOMPARE(postBody(R"([{"code":"164002","params":{},"params_ext":{}}])").status, status);
        m_gateway->clearFaults();
        QCOMPARE(flag(BookingAction, form(kBooking)), 1);
    }

    void delayedAnswerStillArrives()
    {
        m_gateway->setFault(UnreadMessageCount, GatewayFault::delay(300));
        QElapsedTimer waited;
        waited.start();
        QCOMPARE(records(UnreadMessageCount, {{"khbh", kCustomer1}}).size(), 1);
        QVERIFY(waited.elapsed() >= 250);
    }

    void faultsAreSetThroughTheControlRoute()
    {
        const HttpResult set = control("POST", R"({"code":"170003","kind":"status","status":502})");
        QCOMPARE(set.status, 200);
        QCOMPARE(QJsonDocument::fromJson(set.body)["faults"]["170003"]["status"].toInt(), 502);
        QCOMPARE(postBody(R"([{"code":"170003","params":{},"params_ext":{}}])").status, 502);
        QCOMPARE(m_gateway->faults().value("170003").httpStatus, 502);
        QCOMPARE(control("POST", R"({"code":"170003","kind":"explode"})").status, 400);
        QCOMPARE(control("POST", R"({"code":"170003","clear":true})").status, 200);
        QCOMPARE(flag(GiftCatalogue), 1);
        QCOMPARE(control("POST", R"({"code":"*","kind":"refuse","prompt":"停机"})").status, 200);
        QCOMPARE(prompt(GiftCatalogue), QStringLiteral("停机"));
        QCOMPARE(QJsonDocument::fromJson(control("GET").body)["faults"]["*"]["kind"].toString(),
                 QStringLiteral("refuse"));
        QCOMPARE(control("DELETE").status, 200);
        QVERIFY(m_gateway->faults().isEmpty());
        for (const char *notAFault : {"status:42", "explode", "", "delay:soon"})
            QVERIFY2(!GatewayFault::fromText(notAFault), notAFault);
    }

    void faultControlRefusesBrowsers_data()
    {
        QTest::addColumn<QByteArray>("origin");
        QTest::addColumn<QByteArray>("ours");
        QTest::addColumn<int>("status");
        // clang-format off
        QTest::newRow("our header") << QByteArray() << QByteArray("1") << 200;
        QTest::newRow("a web page's form") << QByteArray("http://evil.example") << QByteArray() << 403;
        QTest::newRow("a web page with our header") << QByteArray("http://evil.example") << QByteArray("1") << 403;
        QTest::newRow("without our header") << QByteArray() << QByteArray() << 403;
        // clang-format on
    }
    void faultControlRefusesBrowsers()
    {
        QFETCH(QByteArray, origin);
        QFETCH(QByteArray, ours);
        QFETCH(int, status);
        QList<QPair<QByteArray, QByteArray>> headers;
        if (!origin.isEmpty())
            headers.append({"Origin", origin});
        if (!ours.isEmpty())
            headers.append({DemoGateway::kControlHeader, ours});
        const QUrl route = at(m_gateway->gatewayBaseUrl(), DemoGateway::kFaultsPath);
        const HttpResult set = send("POST", route, R"({"code":"*","kind":"drop"})", headers);
        QCOMPARE(set.status, status);
        QCOMPARE(m_gateway->faults().size(), status == 200 ? 1 : 0);
        QCOMPARE(send("DELETE", route, {}, headers).status, status);
    }

    void oversizedRequestsAreRefusedUnread_data()
    {
        QTest::addColumn<QByteArray>("request");
        QTest::addColumn<QByteArray>("status");
        const QByteArray post = "POST /appgate/jros/ajax2.do HTTP/1.1\r\nHost: gateway\r\n";
        const QByteArray chunked = post + "Transfer-Encoding: chunked\r\n\r\n";
        const QByteArray halfLimit = QByteArray::number(DemoGateway::kMaxBodyBytes / 2, 16);
        // clang-format off
        QTest::newRow("content-length of 200 MB") << post + "Content-Length: 209715200\r\n\r\n" << QByteArray("413");
        QTest::newRow("content-length past 64 bits") << post + "Content-Length: 99999999999999999999999\r\n\r\n" << QByteArray("413");
        QTest::newRow("one chunk over the limit") << chunked + "200000\r\n" << QByteArray("413");
        QTest::newRow("chunks adding up past the limit") << chunked + halfLimit + "\r\n" + QByteArray(DemoGateway::kMaxBodyBytes / 2, 'x') + "\r\n" + QByteArray::number(DemoGateway::kMaxBodyBytes / 2 + 1, 16) + "\r\n" << QByteArray("413");
        QTest::newRow("header block without an end") << post + "X-Padding: " + QByteArray(64 * 1024, 'a') << QByteArray("431");
        QTest::newRow("length and chunks at once") << post + "Content-Length: 5\r\nTransfer-Encoding: chunked\r\n\r\n" << QByteArray("400");
        QTest::newRow("two lengths") << post + "Content-Length: 5\r\nContent-Length: 900\r\n\r\n" << QByteArray("400");
        // clang-format on
    }
    void oversizedRequestsAreRefusedUnread()
    {
        QFETCH(QByteArray, request);
        QFETCH(QByteArray, status);
        QSignalSpy received(m_gateway.get(), &DemoGateway::requestReceived);
        const QByteArray answer = rawExchange(request);
        QVERIFY2(answer.startsWith("HTTP/1.1 " + status), answer.left(80).constData());
        QCOMPARE(received.size(), 0);
        QCOMPARE(flag(UnreadMessageCount, {{"khbh", kCustomer1}}), 1);
    }

    void bodiesInPiecesUpToTheLimitAreServed()
    {
        QByteArray body = R"([{"code":"164020","params":{"khbh":"100001","pad":""}}])";
        body.insert(body.indexOf("\"\"}") + 1,
                    QByteArray(DemoGateway::kMaxBodyBytes - body.size(), 'x'));
        const QByteArray request = "POST /appgate/jros/ajax2.do HTTP/1.1\r\nHost: gateway\r\n"
                                   "Content-Length: " +
                                   QByteArray::number(body.size()) + "\r\n\r\n" + body;
        QTcpSocket socket;
        socket.connectToHost(QHostAddress(m_gateway->gatewayBaseUrl().host()),
                             quint16(m_gateway->gatewayBaseUrl().port()));
        QVERIFY(socket.waitForConnected(5000));
        QByteArray answers;
        connect(&socket, &QIODevice::readyRead, [&] { answers += socket.readAll(); });
        // Twice on one connection, in pieces, so that each piece is looked at on its own.
        for (int round = 1; round <= 2; ++round) {
            for (qsizetype at = 0; at < request.size(); at += 100'000) {
                socket.write(request.mid(at, 100'000));
                QTRY_COMPARE(socket.bytesToWrite(), 0);
            }
            QTRY_COMPARE(answers.count("HTTP/1.1 200"), round);
        }
    }

    void slowClientsAreTimedOut_data()
    {
        QTest::addColumn<QByteArray>("request");
        QTest::addColumn<QByteArray>("answer"); // how the answer begins
        const QByteArray post = "POST /appgate/jros/ajax2.do HTTP/1.1\r\nHost: gateway\r\n";
        const QByteArray body = R"([{"code":"164020","params":{"khbh":"100001"}}])";
        // clang-format off
        QTest::newRow("half a header") << post << QByteArray("HTTP/1.1 408");
        QTest::newRow("silent from the start") << QByteArray() << QByteArray();
        QTest::newRow("stalled in the body") << post + "Content-Length: 100\r\n\r\n[{" << QByteArray("HTTP/1.1 408");
        QTest::newRow("silent after an answer") << post + "Content-Length: " + QByteArray::number(body.size()) + "\r\n\r\n" + body << QByteArray("HTTP/1.1 200");
        // clang-format on
    }
    void slowClientsAreTimedOut()
    {
        QFETCH(QByteArray, request);
        QFETCH(QByteArray, answer);
        ConnectionLimits limits;
        limits.headerTimeoutMs = 200;
        limits.idleTimeoutMs = 300;
        m_gateway->setConnectionLimits(limits);
        QVERIFY(m_gateway->start());
        QTcpSocket socket;
        socket.connectToHost(QHostAddress(m_gateway->gatewayBaseUrl().host()),
                             quint16(m_gateway->gatewayBaseUrl().port()));
        QVERIFY(socket.waitForConnected(5000));
        const QByteArray seen = rawExchange(request, &socket);
        QCOMPARE(socket.state(), QAbstractSocket::UnconnectedState);
        QVERIFY2(seen.startsWith(answer), seen.left(80).constData());
    }

    void connectionsBeyondTheLimitAreTurnedAway()
    {
        ConnectionLimits limits;
        limits.maxConnections = 2;
        m_gateway->setConnectionLimits(limits);
        QVERIFY(m_gateway->start());
        std::vector<std::unique_ptr<QTcpSocket>> open;
        for (int i = 0; i < 2; ++i) {
            open.push_back(std::make_unique<QTcpSocket>());
            open.back()->connectToHost(QHostAddress(m_gateway->gatewayBaseUrl().host()),
                                       quint16(m_gateway->gatewayBaseUrl().port()));
            QVERIFY(open.back()->waitForConnected(5000));
        }
        QVERIFY(rawExchange("GET / HTTP/1.1\r\nHost: gateway\r\n\r\n").startsWith("HTTP/1.1 503"));
        open.clear(); // once they are gone, there is room again
        QTRY_COMPARE(flag(UnreadMessageCount, {{"khbh", kCustomer1}}), 1);
    }

    void malformedBodiesAreRefused_data()
    {
        QTest::addColumn<QByteArray>("body");
        QTest::addColumn<int>("status");
        const QByteArray oversized = QByteArray(R"([{"code":"164020","params":{"khbh":"x"}}])")
                                         .replace("x", QByteArray(DemoGateway::kMaxBodyBytes, 'x'));
        // clang-format off
        QTest::newRow("empty") << QByteArray() << 400;
        QTest::newRow("not json") << QByteArray("code=168000") << 400;
        QTest::newRow("truncated") << QByteArray(R"([{"code":"168000","params":{)") << 400;
        QTest::newRow("object, not array") << QByteArray(R"({"code":"168000","params":{},"params_ext":{}})") << 400;
        QTest::newRow("empty array") << QByteArray("[]") << 400;
        QTest::newRow("two envelopes") << QByteArray(R"([{"code":"164020"},{"code":"164020"}])") << 400;
        QTest::newRow("array of a string") << QByteArray(R"(["164020"])") << 400;
        QTest::newRow("code a number") << QByteArray(R"([{"code":164020,"params":{},"params_ext":{}}])") << 400;
        QTest::newRow("code not digits") << QByteArray(R"([{"code":"abc","params":{},"params_ext":{}}])") << 400;
        QTest::newRow("no code") << QByteArray(R"([{"params":{},"params_ext":{}}])") << 400;
        QTest::newRow("params a string") << QByteArray(R"([{"code":"164020","params":"x","params_ext":{}}])") << 400;
        QTest::newRow("params_ext an array") << QByteArray(R"([{"code":"164020","params":{},"params_ext":[]}])") << 400;
        QTest::newRow("deep nesting") << QByteArray(4000, '[') + QByteArray(4000, ']') << 400;
        QTest::newRow("over 1 MiB") << oversized << 413;
        // clang-format on
    }
    void malformedBodiesAreRefused()
    {
        QFETCH(QByteArray, body);
        QFETCH(int, status);
        QSignalSpy received(m_gateway.get(), &DemoGateway::requestReceived);
        const HttpResult result = postBody(body);
        QVERIFY(result.finished);
        QCOMPARE(result.status, status);
        QCOMPARE(received.size(), 0);
        QCOMPARE(flag(UnreadMessageCount, {{"khbh", kCustomer1}}), 1);
    }

    void wrongPathOrMethodIsRefused_data()
    {
        QTest::addColumn<QString>("server");
        QTest::addColumn<QByteArray>("verb");
        QTest::addColumn<QString>("path");
        QTest::addColumn<int>("status");
        QTest::addColumn<QByteArray>("allow");
        const QString picture = QStringLiteral("/upload/user/1/splash/splash-2026.png");
        // clang-format off
        QTest::newRow("gateway GET") << "gateway" << QByteArray("GET") << DemoGateway::kGatewayPath << 405 << QByteArray("POST");
        QTest::newRow("gateway PUT") << "gateway" << QByteArray("PUT") << DemoGateway::kGatewayPath << 405 << QByteArray("POST");
        QTest::newRow("fault control PUT") << "gateway" << QByteArray("PUT") << DemoGateway::kFaultsPath << 405 << QByteArray("GET, POST, DELETE");
        QTest::newRow("gateway other path") << "gateway" << QByteArray("POST") << "/appgate/jros/ajax.do" << 404 << QByteArray();
        QTest::newRow("gateway root") << "gateway" << QByteArray("GET") << "/" << 404 << QByteArray();
        QTest::newRow("gateway serves no media") << "gateway" << QByteArray("GET") << picture << 404 << QByteArray();
        QTest::newRow("media POST") << "media" << QByteArray("POST") << picture << 405 << QByteArray("GET, HEAD");
        QTest::newRow("media unknown file") << "media" << QByteArray("GET") << "/upload/user/1/nothing.png" << 404 << QByteArray();
        QTest::newRow("media escape") << "media" << QByteArray("GET") << "/upload/user/1/../../etc/passwd" << 404 << QByteArray();
        QTest::newRow("media internal path") << "media" << QByteArray("GET") << "/ump" + picture << 404 << QByteArray();
        QTest::newRow("internal plain path") << "internal" << QByteArray("GET") << picture << 404 << QByteArray();
        QTest::newRow("internal DELETE") << "internal" << QByteArray("DELETE") << "/ump" + picture << 405 << QByteArray("GET, HEAD");
        // clang-format on
    }
    void wrongPathOrMethodIsRefused()
    {
        QFETCH(QString, server);
        QFETCH(QByteArray, verb);
        QFETCH(QString, path);
        QFETCH(int, status);
        QFETCH(QByteArray, allow);
        const QUrl base = server == "gateway" ? m_gateway->gatewayBaseUrl()
                          : server == "media" ? m_gateway->mediaBaseUrl()
                                              : m_gateway->internalMediaBaseUrl();
        const HttpResult result = send(verb, at(base, path), verb == "GET" ? "" : "[]",
                                       {{DemoGateway::kControlHeader, "1"}});
        QVERIFY(result.finished);
        QCOMPARE(result.status, status);
        QCOMPARE(result.allow, allow);
    }

    void mediaFilesAreServed()
    {
        QStringList paths;
        for (const Contract &contract : contracts())
            if (contract.record && contract.record->indexOfProperty("rela_path") >= 0)
                for (const QJsonValue &r :
                     records(contract.code, contract.params, object(contract.paramsExt)))
                    if (!r["rela_path"].toString().isEmpty())
                        paths.append(r["rela_path"].toString());
        QVERIFY(paths.size() > 15);
        QSet<QByteArray> types;
        for (const QString &path : paths) {
            const HttpResult file =
                send("GET", at(m_gateway->mediaBaseUrl(), "/upload/user/1/" + path));
            QVERIFY2(file.status == 200, qPrintable(path));
            const bool pdf = path.endsWith(".pdf");
            QVERIFY(file.body.startsWith(pdf ? "%PDF" : "\x89PNG"));
            types.insert(file.contentType);
        }
        QCOMPARE(types, (QSet<QByteArray>{"application/pdf", "image/png"}));

        const QUrl picture = at(m_gateway->mediaBaseUrl(), "/upload/user/1/" + paths.first());
        const HttpResult head = send("HEAD", picture);
        QCOMPARE(head.status, 200);
        QCOMPARE(head.length, qlonglong(send("GET", picture).body.size()));
        QVERIFY(head.body.isEmpty());
        // A "media" fault reaches the media servers only; a broken file keeps its status.
        m_gateway->setFault("media", GatewayFault::status(500));
        QCOMPARE(send("GET", picture).status, 500);
        QCOMPARE(flag(UnreadMessageCount, {{"khbh", kCustomer1}}), 1);
        m_gateway->setFault("media", GatewayFault::notJson());
        const HttpResult broken = send("GET", picture);
        QCOMPARE(broken.status, 200);
        QVERIFY(!broken.body.startsWith("\x89PNG"));
    }

    void articlePicturesAreOnTheInternalEndpoint()
    {
        const QString content = field(News, {{"id", "1"}}, "content");
        const qsizetype start = content.indexOf("/upload/user/1/");
        QVERIFY(start >= 0);
        const QString path = content.mid(start).section('"', 0, 0);
        const HttpResult picture =
            send("GET", at(m_gateway->internalMediaBaseUrl(), "/ump" + path));
        QCOMPARE(picture.status, 200);
        QVERIFY(picture.body.startsWith("\x89PNG"));
        QCOMPARE(send("GET", at(m_gateway->mediaBaseUrl(), path)).body, picture.body);
    }

    void everyRequestIsRecordedAndSignalled()
    {
        QTemporaryDir dir;
        QVERIFY(m_gateway->setRecordFile(dir.filePath("requests.jsonl")));
        QSignalSpy received(m_gateway.get(), &DemoGateway::requestReceived);
        call(HotProducts, {{"w_sfxs", "1"}}, {{"row_count", "10"}, {"row_offset", "20"}});
        signIn("N", kCustomer1Id, "nope");
        m_gateway->setFault(GiftCatalogue, GatewayFault::status(500));
        call(GiftCatalogue);
        m_gateway->setRecordFile(QString());
        QCOMPARE(received.size(), 3);
        QCOMPARE(received.at(0).at(0).toString(), QStringLiteral("164021"));
        QCOMPARE(received.at(0).at(1).toJsonObject()["w_sfxs"].toString(), QStringLiteral("1"));
        QCOMPARE(received.at(0).at(2).toJsonObject()["row_offset"].toString(),
                 QStringLiteral("20"));
        QFile file(dir.filePath("requests.jsonl"));
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QList<QByteArray> lines = file.readAll().split('\n');
        QCOMPARE(lines.size(), 4); // three lines and the final newline
        const QJsonDocument signIn = QJsonDocument::fromJson(lines.at(1));
        QCOMPARE(signIn["code"].toString(), QStringLiteral("168000"));
        QCOMPARE(signIn["params"]["zjhm"].toString(), kCustomer1Id);
        QCOMPARE(signIn["flag"].toInt(-1), 0);
        QCOMPARE(QJsonDocument::fromJson(lines.at(2))["fault"]["kind"].toString(),
                 QStringLiteral("status"));
    }
};

QTEST_MAIN(TestGateway)
#include "test_gateway.moc"
