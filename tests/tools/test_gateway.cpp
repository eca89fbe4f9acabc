// The demo gateway as the client and the end-to-end tests meet it: a real HTTP peer on loopback.

#include "AES256.h"
#include "DemoGateway.h"
#include "DemoRules.h"
#include "JsonKeyOrder.h"
#include "Validation.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QLoggingCategory>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>
#include <memory>

Q_DECLARE_METATYPE(GatewayFault)

namespace {

const QString kCustomer1 = QStringLiteral("100001");
const QString kCustomer1Id = QStringLiteral("310104198803162418");
const QString kCustomer1Crm = QStringLiteral("CRM20150001");
const QString kPassword = QStringLiteral("abc123");

struct HttpResult
{
    bool finished = false;
    int status = 0;
    QNetworkReply::NetworkError error = QNetworkReply::NoError;
    QByteArray body;
    QByteArray contentType;
};

QJsonObject object(const char *json)
{
    return QJsonDocument::fromJson(json).object();
}

QString encrypted(const QString &plain)
{
    return AES256::AES256EncryptWithPlainText(plain).value_or(QString());
}

// "{enc:abc123}" in a parameter stands for the password as the client encrypts it.
QJsonObject withEncryption(QJsonObject params)
{
    for (auto it = params.begin(); it != params.end(); ++it) {
        const QString value = it.value().toString();
        if (value.startsWith(QLatin1String("{enc:")) && value.endsWith(QLatin1Char('}')))
            it.value() = encrypted(value.mid(5, value.size() - 6));
    }
    return params;
}

QStringList fields(const char *spaceSeparated)
{
    return QString::fromLatin1(spaceSeparated).split(QLatin1Char(' '), Qt::SkipEmptyParts);
}

const char *const kProductFields =
    "id w_cpdm w_cpmc w_cplx w_xszt w_zt w_sfrx w_sfxs w_yqnhsyl w_qdje w_xtgm w_xtqx w_cptjq "
    "w_sysm w_mjzh w_zjyt w_fxkzcs w_xxpl w_syfpfs w_jxfs w_tbts w_yydj w_jk w_qsxtht w_str "
    "w_cpjs w_zjrgqd w_rgje w_cjsj w_fpxq w_clr w_kfr w_fbq w_flsm w_tzfx w_tzcl zxjz";
const char *const kLoginFields =
    "gddh zjhm khbh system_type cz txdz khlx khmm xb txfjid khxm yzbm shzt jyfw srzmid khzt "
    "sfzmid gj zjfzjg crmkhbh yxdz zcsj hy khzh zjlx takhbh sjhm zjyxq zy";

} // namespace

class TestGateway : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void servesEveryFunctionCodeOfTheTable();
    void answersWithTheFieldsTheScreensRead_data();
    void answersWithTheFieldsTheScreensRead();
    void unknownCodeIsRefused();

    void pagesRunThroughTheProductList();
    void ordersByOneOrTwoKeysInTheOrderWritten();
    void orderKeysAreReadInTextOrder();
    void filtersByEqualValuesAndLists();
    void announcementsFollowTheReadersLevel();
    void netValuesSpanThreeYearsUpToToday();

    void signInChecksThePassword_data();
    void signInChecksThePassword();
    void registrationNeedsTheDemoSmsCode();
    void passwordRecoverySetsANewPassword();
    void credentialChangesUpdateTheCustomer();
    void bookingIsAddedThenDeleted();
    void readMarkLowersTheUnreadCount();
    void activityFillsUp();
    void questionnaireIsAnswered();
    void pointsBalanceFollowsTheHistory();
    void newsArticleIsFetchedById();

    void faultsReplaceTheAnswer_data();
    void faultsReplaceTheAnswer();
    void delayedAnswerStillArrives();
    void droppedConnectionIsATransportError();
    void faultsAreSetThroughTheControlRoute();

    void malformedBodiesAreRefused_data();
    void malformedBodiesAreRefused();
    void oversizedBodyIsRefused();
    void wrongPathOrMethodIsRefused_data();
    void wrongPathOrMethodIsRefused();

    void mediaFilesAreServed();
    void articlePicturesAreOnTheInternalEndpoint();

    void stateSurvivesARestart();
    void everyRequestIsRecorded();
    void requestReceivedCarriesTheEnvelope();
    void datasetExercisesEveryBranch();

private:
    HttpResult send(const QByteArray &verb, const QUrl &url, const QByteArray &body = {});
    HttpResult postBody(const QByteArray &body)
    {
        return send("POST", m_gateway->gatewayUrl(), body);
    }
    // The first object of the answer; an empty object when the answer is not an envelope.
    QJsonObject call(const QString &code, const QJsonObject &params = {},
                     const QJsonObject &paramsExt = {});
    QJsonArray records(const QString &code, const QJsonObject &params = {},
                       const QJsonObject &paramsExt = {});
    QJsonObject signIn(const QString &zjlx, const QString &zjhm, const QString &password);

    std::unique_ptr<QNetworkAccessManager> m_network;
    std::unique_ptr<DemoGateway> m_gateway;
};

void TestGateway::initTestCase()
{
    QLoggingCategory::setFilterRules(
        QStringLiteral("chenglan.demo.debug=false\nchenglan.demo.info=false"));
}

void TestGateway::init()
{
    m_network = std::make_unique<QNetworkAccessManager>();
    m_gateway = std::make_unique<DemoGateway>();
    QVERIFY2(m_gateway->start(), qPrintable(m_gateway->lastError()));
}

void TestGateway::cleanup()
{
    m_gateway.reset();
    m_network.reset();
}

HttpResult TestGateway::send(const QByteArray &verb, const QUrl &url, const QByteArray &body)
{
    QNetworkRequest request(url);
    request.setHeader(QNetworkRequest::ContentTypeHeader, "application/json;charset=UTF-8");
    QNetworkReply *reply = m_network->sendCustomRequest(request, verb, body);
    QSignalSpy finished(reply, &QNetworkReply::finished);
    HttpResult result;
    result.finished = reply->isFinished() || finished.wait(15000);
    result.status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    result.error = reply->error();
    result.body = reply->readAll();
    result.contentType = reply->header(QNetworkRequest::ContentTypeHeader).toByteArray();
    reply->deleteLater();
    return result;
}

QJsonObject TestGateway::call(const QString &code, const QJsonObject &params,
                              const QJsonObject &paramsExt)
{
    const QJsonArray envelope{
        QJsonObject{{"code", code}, {"params", withEncryption(params)}, {"params_ext", paramsExt}}};
    const HttpResult result = postBody(QJsonDocument(envelope).toJson(QJsonDocument::Compact));
    if (!result.finished || result.status != 200)
        return {};
    return QJsonDocument::fromJson(result.body).array().at(0).toObject();
}

QJsonArray TestGateway::records(const QString &code, const QJsonObject &params,
                                const QJsonObject &paramsExt)
{
    return call(code, params, paramsExt).value("data").toObject().value("record1").toArray();
}

QJsonObject TestGateway::signIn(const QString &zjlx, const QString &zjhm, const QString &password)
{
    QJsonObject params{{"zjhm", zjhm}, {"khmm", encrypted(password)}};
    if (!zjlx.isEmpty())
        params.insert("zjlx", zjlx);
    return call("168000", params);
}

void TestGateway::servesEveryFunctionCodeOfTheTable()
{
    const QStringList table = fields(
        "164000 164002 164006 164008 164010 164012 164014 164019 164020 164021 166000 166002 "
        "166003 166004 166005 166012 166015 166017 166018 166021 167002 168000 168001 168002 "
        "168003 168004 168006 168007 170001 170003 170006 170008 80205032 80205034 80205037 "
        "80205038");
    QCOMPARE(table.size(), 36);
    QStringList served = m_gateway->functionCodes();
    QStringList expected = table;
    served.sort();
    expected.sort();
    QCOMPARE(served, expected);
}

void TestGateway::answersWithTheFieldsTheScreensRead_data()
{
    QTest::addColumn<QString>("code");
    QTest::addColumn<QJsonObject>("params");
    QTest::addColumn<QJsonObject>("paramsExt");
    QTest::addColumn<QString>("prelude"); // an SMS code to ask for first: "mobile,purpose"
    QTest::addColumn<QStringList>("expected");
    QTest::addColumn<QStringList>("numeric");

    const QJsonObject none;
    const QJsonObject whole = object(R"({"row_count":"1000","row_offset":"0"})");
    const QJsonObject page = object(R"({"row_count":"10","row_offset":"0"})");
    const QStringList noNumbers;

    QTest::newRow("167002 splash")
        << "167002" << object(R"({"is_display":"1"})") << none << ""
        << fields("id is_display attach_name file_id create_user loading_name update_user "
                  "create_time sort_num update_time rela_path")
        << noNumbers;
    QTest::newRow("164002 carousel")
        << "164002" << object(R"({"system_type":"3","is_enabled":"1"})") << none << ""
        << fields("link_channel_name create_user image_title click_count system_type create_time "
                  "file_id level_id channel_name ad_name rela_path attach_name id link_target "
                  "update_user is_channel_link link_channel_id link_url update_time channel_id "
                  "end_time start_time ad_type adspace_type is_enabled urltarget_type")
        << noNumbers;
    QTest::newRow("164021 products")
        << "164021" << object(R"({"w_sfxs":"1"})")
        << object(R"({"row_count":"10","row_offset":"0","orderby":{"w_sfrx":"asc"}})") << ""
        << fields(kProductFields) << noNumbers;
    QTest::newRow("164000 securities")
        << "164000" << object(R"({"w_cplx":"2","w_sfxs":"1","w_zt":"1"})")
        << object(R"({"row_count":"10","row_offset":"0","orderby":{"w_sfrx":"asc"}})") << ""
        << fields(kProductFields) << noNumbers;
    QTest::newRow("164000 one product") << "164000" << object(R"({"w_cpdm":"CL001"})") << none << ""
                                        << fields(kProductFields) << noNumbers;
    QTest::newRow("164012 net values")
        << "164012" << object(R"({"w_cpdm":"ZQ002"})")
        << object(R"({"row_count":"1000","row_offset":"0","orderby":{"w_jzrq":"asc"}})") << ""
        << fields("rn id w_jzrq w_jz w_cpdm w_cpmc w_xtgm w_xtqx w_yqnhsyl w_sfsx update_user "
                  "update_time")
        << noNumbers;
    QTest::newRow("164014 announcements")
        << "164014"
        << object(R"({"prod_code":"CL001","is_display":"1","status":"1","notice_level":"3"})")
        << none << ""
        << fields(
               "id update_time w_cpmc is_display notice_level file_id title create_user prod_code "
               "update_user create_time rela_path status content")
        << noNumbers;
    QTest::newRow("166002 bookings")
        << "166002" << object(R"({"khbh":"100001"})")
        << object(
               R"({"row_count":"10","row_offset":"0","orderby":{"yyzt_sort":"asc","yysj":"desc"}})")
        << ""
        << fields(
               "id khbh khxm sjhm zjhm cpdm w_cpmc w_xtgm w_xtqx w_yqnhsyl yyje yydh yysj yysj_ss "
               "yyzt back_content system_type")
        << noNumbers;
    QTest::newRow("166003 add booking")
        << "166003"
        << object(
               R"({"action":"A","khbh":"100001","cpdm":"CL001","yyje":"1000000","yydh":"13812345678",
                      "yyzt":"2","system_type":"3","back_content":"","yysj":"","id":""})")
        << none << "" << fields("id khbh cpdm yyje yydh yysj yyzt") << noNumbers;
    QTest::newRow("80205032 contracts")
        << "80205032"
        << object(
               R"({"cus_id":"CRM20150001","start_date":"","end_date":"","product_name":"","cp_status":"0"})")
        << object(R"({"row_count":"1000","row_offset":"0","orderby":{"ksrq":"desc"}})") << ""
        << fields(
               "zhtyxje htyxje htje cpqc cpmc cpdm syqmc contractno ksrq syqksrq syqjsrq htdqr "
               "xtqx "
               "nhsyl dividendmethodname ipomaxsize tsjybs tsjysj htyclts jlhtdqts fpje yhzh yhmc "
               "syrmc sjhm total_cnt status htfe yjdfpje sjhm2 icontractno redeem_flag "
               "transfer_flag "
               "lifecycle xtlxzfq syfpsj oaid dzsj sxf khjlxm ckjz email czhm zdbjs dsyfpje "
               "zdsyfpje "
               "yhzhmc dhhm1 lxdz operatedate indiminsubamount dividendmethod")
        << QStringList{"ipomaxsize"};
    QTest::newRow("80205034 purchased")
        << "80205034"
        << object(
               R"({"cus_id":"CRM20150001","start_date":"","end_date":"","project_id":"","cy":"1","zt":""})")
        << object(R"({"row_count":"10","row_offset":"0","orderby":{"ksrq":"desc"}})") << ""
        << fields("sjhm kz_xsqsrq sjhm2 total_cnt projid rowcount zt cpcode cpid kz_xszzrq cpmc "
                  "ksrq xtqx "
                  "cpfxgm oaid yhzh yqnsy projcode htje syqksrq")
        << noNumbers;
    QTest::newRow("80205037 incomes")
        << "80205037"
        << object(
               R"({"cus_id":"CRM20150001","start_date":"","end_date":"","cpmc":"","sffb":"0","htid":""})")
        << object(R"({"row_count":"1000","row_offset":"0","orderby":{"fprq":"desc"}})") << ""
        << fields(
               "fprq fpje fhfs syqmc ksrq syhtljsy syqdm htyjclts total_cnt htisjs dsyfpje "
               "fhfsname "
               "yqnsy jlhtdqts htljsy cpmc syfpfs cpdm htje htid jsrq feye takhbh syfpzh rowcount "
               "cphtljsy khbh oaid owcount")
        << noNumbers;
    QTest::newRow("80205038 special trades")
        << "80205038" << object(R"({"cus_id":"CRM20150001","htid":"HT2025-0312"})") << whole << ""
        << fields("jylx je sxrq cpdm syqdm crhtid zrxyid zjlx zjhm khlx crrxm tzzxm "
                  "targetinvestcerttype "
                  "targetinvestcertno targetinvesttype srrxm sqsygs zrqsygs zrdrsygs zrhsygs shkfr "
                  "shsqrq "
                  "htid targetinvestname total_cnt rowcount")
        << noNumbers;
    QTest::newRow("164020 unread")
        << "164020" << object(R"({"khbh":"100001","send_cust":"3","system_type":"3"})") << none
        << "" << fields("unread_count") << noNumbers;
    QTest::newRow("164010 messages")
        << "164010"
        << object(
               R"({"khbh":"100001","send_cust":"3","query_today":"true","include_product_message":"true","system_type":"3"})")
        << object(R"({"row_count":"10","row_offset":"0","orderby":{"send_time":"desc"}})") << ""
        << fields("message_type message_title obj_code send_time message_status target_id obj_id "
                  "w_cpdm id "
                  "rn send_cust khbh send_status content create_user create_time update_user "
                  "update_time")
        << noNumbers;
    QTest::newRow("164019 read mark")
        << "164019"
        << object(
               R"({"khbh":"100001","send_cust":"3","message_id":"1","message_type":"1","message_status":"1"})")
        << none << "" << fields("id message_status") << noNumbers;
    QTest::newRow("164006 news")
        << "164006" << object(R"({"system_type":"3","status":"1"})")
        << object(R"({"row_count":"10","row_offset":"0","orderby":{"begin_time":"desc"}})") << ""
        << fields(
               "id title brief source begin_time article_type content author status system_type "
               "keyword "
               "create_time create_user is_new is_static show_title is_head channel_name "
               "channel_id "
               "check_advice check_user update_user update_time is_recommend static_url end_time")
        << noNumbers;
    QTest::newRow("164008 activities")
        << "164008" << QJsonObject()
        << object(R"({"row_count":"10","row_offset":"0","orderby":{"booking_start_time":"desc"}})")
        << ""
        << fields("id activity_name show_title acti_type booking_start_time booking_end_time "
                  "system_time "
                  "activity_status part_number part_type activity_cust start_time end_time "
                  "activity_place "
                  "activity_detail rela_path is_new file_id attach_name create_user create_time "
                  "update_user "
                  "update_time operdate rn")
        << noNumbers;
    QTest::newRow("166004 registrations")
        << "166004" << object(R"({"zjhm":"310104198803162418"})") << page << ""
        << fields("activity_name start_time end_time status id activity_id activity_detail "
                  "activity_status "
                  "booking_start_time booking_end_time booking_time booking_count contact_name "
                  "contact_number khbh khxm sjhm zjhm system_type visit_status visit_user "
                  "visit_time visit_txt")
        << noNumbers;
    QTest::newRow("166017 places") << "166017" << object(R"({"activity_id":"1"})") << none << ""
                                   << fields("joined_num") << noNumbers;
    QTest::newRow("166005 register")
        << "166005"
        << object(
               R"({"booking_start_time":"","booking_end_time":"","action":"A","khbh":"100001","id":"",
                      "activity_id":"1","status":"1","booking_time":"","visit_user":"","visit_time":"",
                      "system_type":"3","contact_name":"王澄宇","contact_number":"13812345678","booking_count":"2"})")
        << none << "" << QStringList() << noNumbers;
    QTest::newRow("166018 questionnaire")
        << "166018"
        << object(
               R"({"khbh":"","sjhm":"","activity_id":"10","pcontent":"服务很好","system_type":"3"})")
        << none << "" << QStringList() << noNumbers;
    QTest::newRow("170001 categories")
        << "170001" << QJsonObject() << none << ""
        << fields("id category_name category_explain pstatus cjr cjsj") << QStringList{"id"};
    QTest::newRow("170003 gifts")
        << "170003" << QJsonObject() << none << ""
        << fields("id lpmc category_id point scjg total_num rela_path supplier supplier_address "
                  "supplier_origin supplier_tel pstatus file_id cjr cjsj remaining bz")
        << noNumbers;
    QTest::newRow("170006 points account")
        << "170006" << object(R"({"khbh":"100001"})") << none << ""
        << fields(
               "available_integral xfjf subpoint his_totalpoint gqjf khbh khxm zjhm zjlx crmkhbh")
        << noNumbers;
    QTest::newRow("170008 points history")
        << "170008" << object(R"({"khbh":"100001"})")
        << object(R"({"row_count":"1000","row_offset":"0","orderby":{"w_rq":"desc"}})") << ""
        << fields("w_point_from w_rq w_cpmc w_jf w_point w_amount w_yxjf w_dqrq rn") << noNumbers;
    QTest::newRow("166000 customer information")
        << "166000" << object(R"({"khbh":"100001"})") << none << ""
        << fields("xb nickname birthday txfjid sjhm gddh yxdz khbh khxm khlx khzt khmm khzh "
                  "crmkhbh takhbh "
                  "zjlx zjhm zjyxq zjfzjg sfzmid srzmid rela_path txdz yzbm gj zy hy jyfw cz zcsj "
                  "shzt "
                  "check_advice available_integral his_totalpoint system_type last_login_time "
                  "temp_login_time")
        << noNumbers;
    QTest::newRow("166012 sex")
        << "166012"
        << object(
               R"({"khbh":"100001","nickname":"澄宇","birthday":"19880316","txfjid":"","sjhm":"13812345678",
                      "gddh":"021-64381234","yxdz":"wangcy@example.com","xb":"2"})")
        << none << "" << fields(kLoginFields) << noNumbers;
    QTest::newRow("168000 sign-in")
        << "168000" << object(R"({"zjlx":"N","zjhm":"310104198803162418","khmm":"{enc:abc123}"})")
        << none << "" << fields(kLoginFields) << noNumbers;
    QTest::newRow("168006 SMS code")
        << "168006" << object(R"({"sjhm":"13900001111","system_type":"3","effective_point":"1"})")
        << none << "" << QStringList() << noNumbers;
    QTest::newRow("168004 identity check")
        << "168004"
        << object(
               R"({"zjlx":"N","zjhm":"440305199001010026","sjhm":"13900001111","phonecode":"123456","system_type":"3"})")
        << none << "13900001111,1" << QStringList() << noNumbers;
    QTest::newRow("168001 new account")
        << "168001"
        << object(
               R"({"zjlx":"N","zjhm":"440305199001010026","khmm":"{enc:qwe789}","sjhm":"13900001111",
                      "khxm":"赵新","system_type":"3","phonecode":"123456"})")
        << none << "13900001111,1" << fields(kLoginFields) << noNumbers;
    QTest::newRow("166021 recovery look-up")
        << "166021" << object(R"({"zjlx":"P","zjhm":"E12345678"})") << none << ""
        << fields("khxm zjlx sjhm khbh zjhm khlx") << noNumbers;
    QTest::newRow("168007 new password")
        << "168007"
        << object(R"({"khbh":"","newpassword":"{enc:xyz789}","system_type":"3","sjhm":"15912345678",
                      "zjlx":"P","zjhm":"E12345678","phonecode":"123456"})")
        << none << "15912345678,2" << fields(kLoginFields) << noNumbers;
    QTest::newRow("168003 change password")
        << "168003"
        << object(R"({"khbh":"100001","khmm":"{enc:abc123}","new_khmm":"{enc:abc456}"})") << none
        << "" << fields(kLoginFields) << noNumbers;
    QTest::newRow("168002 change e-mail")
        << "168002" << object(R"({"khbh":"100001","khmm":"abc123","yxdz":"new@example.com"})")
        << none << "" << fields(kLoginFields) << noNumbers;
    QTest::newRow("166015 change mobile")
        << "166015" << object(R"({"khbh":"100001","sjhm":"13811112222"})") << none << ""
        << QStringList() << noNumbers;
}

void TestGateway::answersWithTheFieldsTheScreensRead()
{
    QFETCH(QString, code);
    QFETCH(QJsonObject, params);
    QFETCH(QJsonObject, paramsExt);
    QFETCH(QString, prelude);
    QFETCH(QStringList, expected);
    QFETCH(QStringList, numeric);

    if (!prelude.isEmpty()) {
        const QStringList parts = prelude.split(',');
        const QJsonObject sms =
            call("168006",
                 {{"sjhm", parts.at(0)}, {"system_type", "3"}, {"effective_point", parts.at(1)}});
        QCOMPARE(sms.value("flag").toInt(), 1);
    }
    const QJsonObject answer = call(code, params, paramsExt);
    QVERIFY2(answer.contains("flag") && answer.contains("prompt"), "not a response envelope");
    QCOMPARE(answer.value("flag").toInt(), 1);
    QVERIFY(answer.value("data").toObject().value("record1").isArray());
    const QJsonArray list = answer.value("data").toObject().value("record1").toArray();
    if (expected.isEmpty())
        return;
    QVERIFY2(!list.isEmpty(), "no records");
    for (const QJsonValue &value : list) {
        const QJsonObject record = value.toObject();
        for (const QString &field : expected)
            QVERIFY2(record.contains(field),
                     qPrintable(QStringLiteral("%1 lacks %2").arg(code, field)));
        for (auto it = record.begin(); it != record.end(); ++it) {
            if (numeric.contains(it.key()))
                QVERIFY2(it.value().isDouble(), qPrintable(it.key() + " is not a number"));
            else
                QVERIFY2(it.value().isString(), qPrintable(it.key() + " is not a string"));
            QVERIFY2(!it.key().startsWith('_'), qPrintable(it.key() + " is the server's own"));
        }
    }
}

void TestGateway::unknownCodeIsRefused()
{
    const QJsonObject answer = call("123");
    QCOMPARE(answer.value("flag").toInt(), 0);
    QCOMPARE(answer.value("prompt").toString(), QStringLiteral("未知的功能号：123"));
    QVERIFY(answer.value("data").toObject().value("record1").toArray().isEmpty());
}

void TestGateway::pagesRunThroughTheProductList()
{
    QStringList seen;
    int pages = 0;
    for (;;) {
        const QJsonArray page = records("164021", {{"w_sfxs", "1"}},
                                        {{"row_count", "10"},
                                         {"row_offset", QString::number(seen.size())},
                                         {"orderby", QJsonObject{{"w_sfrx", "asc"}}}});
        if (page.isEmpty())
            break;
        QVERIFY(page.size() <= 10);
        for (const QJsonValue &p : page) {
            QCOMPARE(p.toObject().value("w_sfxs").toString(), QStringLiteral("1"));
            seen.append(p.toObject().value("w_cpdm").toString());
        }
        ++pages;
        QVERIFY(pages < 10);
    }
    QVERIFY2(pages >= 3, "the product list must run to a third page");
    QCOMPARE(seen.removeDuplicates(), 0);
    // Hot products ("1") come first.
    const QJsonArray first = records(
        "164021", {{"w_sfxs", "1"}},
        {{"row_count", "1"}, {"row_offset", "0"}, {"orderby", QJsonObject{{"w_sfrx", "asc"}}}});
    QCOMPARE(first.at(0).toObject().value("w_sfrx").toString(), QStringLiteral("1"));
    // An offset past the end answers no records; a missing row_count answers all.
    QVERIFY(records("164021", {{"w_sfxs", "1"}}, {{"row_count", "10"}, {"row_offset", "500"}})
                .isEmpty());
    QCOMPARE(records("164021", {{"w_sfxs", "1"}}).size(), seen.size());
}

void TestGateway::ordersByOneOrTwoKeysInTheOrderWritten()
{
    // Bookings being processed first, then the newest.
    const QByteArray body = R"([{"code":"166002","params":{"khbh":"100001"},
        "params_ext":{"row_count":"1000","row_offset":"0","orderby":{"yyzt_sort":"asc","yysj":"desc"}}}])";
    const HttpResult result = postBody(body);
    QCOMPARE(result.status, 200);
    const QJsonArray list = QJsonDocument::fromJson(result.body)
                                .array()
                                .at(0)
                                .toObject()
                                .value("data")
                                .toObject()
                                .value("record1")
                                .toArray();
    QVERIFY(list.size() >= 10);
    for (qsizetype i = 1; i < list.size(); ++i) {
        const QJsonObject a = list.at(i - 1).toObject(), b = list.at(i).toObject();
        const QString sa = a.value("yyzt_sort").toString(), sb = b.value("yyzt_sort").toString();
        QVERIFY(sa <= sb);
        if (sa == sb)
            QVERIFY(a.value("yysj").toString() >= b.value("yysj").toString());
    }
    QCOMPARE(list.first().toObject().value("yyzt").toString(), QStringLiteral("2"));

    // The same keys written the other way round order by the time first.
    const QJsonArray byTime =
        QJsonDocument::fromJson(postBody(R"([{"code":"166002","params":{"khbh":"100001"},
        "params_ext":{"row_count":"1000","row_offset":"0","orderby":{"yysj":"desc","yyzt_sort":"asc"}}}])")
                                    .body)
            .array()
            .at(0)
            .toObject()
            .value("data")
            .toObject()
            .value("record1")
            .toArray();
    for (qsizetype i = 1; i < byTime.size(); ++i)
        QVERIFY(byTime.at(i - 1).toObject().value("yysj").toString() >=
                byTime.at(i).toObject().value("yysj").toString());

    // Columns compare as text, as the server's do: "100" before "20".
    const QJsonArray gifts = records("170003", {}, {{"orderby", QJsonObject{{"point", "asc"}}}});
    QStringList points;
    for (const QJsonValue &g : gifts)
        points.append(g.toObject().value("point").toString());
    QStringList sorted = points;
    std::sort(sorted.begin(), sorted.end());
    QCOMPARE(points, sorted);
    QVERIFY(points.indexOf("100") < points.indexOf("20"));
}

void TestGateway::orderKeysAreReadInTextOrder()
{
    const QByteArray json =
        R"([{"code":"1","params_ext":{"orderby":{"z":"asc","a":"desc","m\u0069d":"asc"}}}])";
    QCOMPARE(JsonKeyOrder::keysAt(json, {"0", "params_ext", "orderby"}),
             (QStringList{"z", "a", "mid"}));
    QVERIFY(JsonKeyOrder::keysAt("[1,", {"0"}).isEmpty());
    QVERIFY(JsonKeyOrder::keysAt(json, {"1"}).isEmpty());
}

void TestGateway::filtersByEqualValuesAndLists()
{
    const QJsonArray securities =
        records("164000", {{"w_cplx", "2"}, {"w_sfxs", "1"}, {"w_zt", "1"}},
                {{"row_count", "1000"}, {"row_offset", "0"}});
    QVERIFY(securities.size() > 10); // a second page in the securities list
    for (const QJsonValue &s : securities) {
        QCOMPARE(s.toObject().value("w_cplx").toString(), QStringLiteral("2"));
        QCOMPARE(s.toObject().value("w_zt").toString(), QStringLiteral("1"));
    }
    const QJsonArray open = records("166002", {{"khbh", kCustomer1}, {"yyzt", "1,2"}});
    QVERIFY(!open.isEmpty());
    for (const QJsonValue &b : open)
        QVERIFY(QStringList({"1", "2"}).contains(b.toObject().value("yyzt").toString()));
    QCOMPARE(records("166002", {{"khbh", kCustomer1}, {"cpdm", "CL002"}, {"yyzt", "1,2"}}).size(),
             1);
    QCOMPARE(records("166002", {{"khbh", kCustomer1}, {"cpdm", "CL001"}, {"yyzt", "1,2"}}).size(),
             0);

    const QJsonArray unredeemed =
        records("80205032", {{"cus_id", kCustomer1Crm}, {"sfyx", "0"}, {"cp_status", "0"}});
    const QJsonArray all = records("80205032", {{"cus_id", kCustomer1Crm}, {"cp_status", "0"}});
    QVERIFY(unredeemed.size() < all.size());
    for (const QJsonValue &c : unredeemed)
        QVERIFY(c.toObject().value("htyxje").toString().toDouble() > 0);
    QCOMPARE(all.at(0).toObject().value("total_cnt").toString(), QString::number(all.size()));

    const QJsonArray oneContract =
        records("80205037", {{"cus_id", kCustomer1Crm}, {"sffb", "1"}, {"htid", "HT2021-0158"}});
    QVERIFY(!oneContract.isEmpty());
    for (const QJsonValue &i : oneContract)
        QCOMPARE(i.toObject().value("htid").toString(), QStringLiteral("HT2021-0158"));
    QVERIFY(records("80205032", {{"cus_id", "CRM-NOBODY"}}).isEmpty());
}

void TestGateway::announcementsFollowTheReadersLevel()
{
    auto count = [&](const char *level) {
        return records("164014", {{"prod_code", "CL001"},
                                  {"is_display", "1"},
                                  {"status", "1"},
                                  {"notice_level", level}})
            .size();
    };
    QVERIFY(count("1") < count("2"));
    QVERIFY(count("2") < count("3"));
    bool withDocument = false, withoutDocument = false;
    for (const QJsonValue &a : records("164014", {{"prod_code", "CL001"},
                                                  {"is_display", "1"},
                                                  {"status", "1"},
                                                  {"notice_level", "3"}})) {
        const QJsonObject o = a.toObject();
        QCOMPARE(o.value("is_display").toString(), QStringLiteral("1"));
        QCOMPARE(o.value("status").toString(), QStringLiteral("1"));
        (o.value("rela_path").toString().endsWith(".pdf") ? withDocument : withoutDocument) = true;
    }
    QVERIFY(withDocument && withoutDocument);
    QVERIFY(
        records(
            "164014",
            {{"prod_code", "CL003"}, {"is_display", "1"}, {"status", "1"}, {"notice_level", "3"}})
            .isEmpty());
}

void TestGateway::netValuesSpanThreeYearsUpToToday()
{
    const QJsonArray series = records(
        "164012", {{"w_cpdm", "ZQ001"}},
        {{"row_count", "1000"}, {"row_offset", "0"}, {"orderby", QJsonObject{{"w_jzrq", "asc"}}}});
    QVERIFY(series.size() > 100);
    QVERIFY(series.size() <= 1000);
    const QDate first = DemoRules::parseDate(series.first().toObject().value("w_jzrq").toString());
    const QDate last = DemoRules::parseDate(series.last().toObject().value("w_jzrq").toString());
    QVERIFY(first.daysTo(QDate::currentDate()) > 1000);
    QVERIFY(last.daysTo(QDate::currentDate()) <= 7);
    for (qsizetype i = 1; i < series.size(); ++i)
        QVERIFY(series.at(i - 1).toObject().value("w_jzrq").toString() <
                series.at(i).toObject().value("w_jzrq").toString());
    QCOMPARE(series.first().toObject().value("rn").toString(), QStringLiteral("1"));
    // The list's latest net value is the series' last.
    const QJsonObject product = records("164000", {{"w_cpdm", "ZQ001"}}).at(0).toObject();
    QCOMPARE(product.value("zxjz").toString(), series.last().toObject().value("w_jz").toString());
    // A product without a series answers an empty list.
    QVERIFY(records("164012", {{"w_cpdm", "ZQ011"}}).isEmpty());
}

void TestGateway::signInChecksThePassword_data()
{
    QTest::addColumn<QString>("zjlx");
    QTest::addColumn<QString>("zjhm");
    QTest::addColumn<QString>("password");
    QTest::addColumn<QString>("khbh"); // empty: refused

    QTest::newRow("identity card") << "N" << kCustomer1Id << kPassword << kCustomer1;
    QTest::newRow("wrong password") << "N" << kCustomer1Id << "abc124"
                                    << "";
    QTest::newRow("empty password") << "N" << kCustomer1Id << ""
                                    << "";
    QTest::newRow("unknown number") << "N"
                                    << "440305199001010026" << kPassword << "";
    QTest::newRow("wrong type") << "P" << kCustomer1Id << kPassword << "";
    QTest::newRow("passport") << "P"
                              << "E12345678" << kPassword << "100002";
    QTest::newRow("gesture without type") << "" << kCustomer1Id << kPassword << kCustomer1;
    QTest::newRow("mobile number") << "SJ"
                                   << "13812345678" << kPassword << kCustomer1;
    QTest::newRow("mobile without type") << ""
                                         << "15912345678" << kPassword << "100002";
}

void TestGateway::signInChecksThePassword()
{
    QFETCH(QString, zjlx);
    QFETCH(QString, zjhm);
    QFETCH(QString, password);
    QFETCH(QString, khbh);
    const QJsonObject answer = signIn(zjlx, zjhm, password);
    if (khbh.isEmpty()) {
        QCOMPARE(answer.value("flag").toInt(), 0);
        QCOMPARE(answer.value("prompt").toString(), QStringLiteral("用户名或密码错误"));
        return;
    }
    QCOMPARE(answer.value("flag").toInt(), 1);
    const QJsonObject customer =
        answer.value("data").toObject().value("record1").toArray().at(0).toObject();
    QCOMPARE(customer.value("khbh").toString(), khbh);
    QCOMPARE(customer.size(), 29);
}

void TestGateway::registrationNeedsTheDemoSmsCode()
{
    const QString mobile = "13900002222";
    const QString number = "440305199001010026";
    QCOMPARE(m_gateway->demoSmsCode(), QStringLiteral("123456"));
    const QJsonObject check{{"zjlx", "N"},
                            {"zjhm", number},
                            {"sjhm", mobile},
                            {"phonecode", "123456"},
                            {"system_type", "3"}};
    QCOMPARE(call("168004", check).value("prompt").toString(), QStringLiteral("请先获取验证码"));
    QCOMPARE(call("168006", {{"sjhm", "12345"}, {"system_type", "3"}, {"effective_point", "1"}})
                 .value("flag")
                 .toInt(),
             0);
    QCOMPARE(
        call("168006", {{"sjhm", "13812345678"}, {"system_type", "3"}, {"effective_point", "1"}})
            .value("flag")
            .toInt(),
        0);
    QCOMPARE(call("168006", {{"sjhm", mobile}, {"system_type", "3"}, {"effective_point", "1"}})
                 .value("flag")
                 .toInt(),
             1);

    QJsonObject wrong = check;
    wrong.insert("phonecode", "654321");
    QCOMPARE(call("168004", wrong).value("flag").toInt(), 0);
    QJsonObject badNumber = check;
    badNumber.insert("zjhm", "440305199001010027");
    QCOMPARE(call("168004", badNumber).value("flag").toInt(), 0);
    QCOMPARE(call("168004", check).value("flag").toInt(), 1);

    QJsonObject create = check;
    create.insert("khmm", encrypted("newpass1"));
    create.insert("khxm", "赵新");
    const QJsonObject created = call("168001", create);
    QCOMPARE(created.value("flag").toInt(), 1);
    const QJsonObject customer =
        created.value("data").toObject().value("record1").toArray().at(0).toObject();
    QCOMPARE(customer.value("zjhm").toString(), number);
    QCOMPARE(customer.value("khxm").toString(), QStringLiteral("赵新"));
    QVERIFY(!customer.value("khbh").toString().isEmpty());
    QCOMPARE(m_gateway->customer(customer.value("khbh").toString()).value("sjhm").toString(),
             mobile);

    QCOMPARE(signIn("N", number, "newpass1").value("flag").toInt(), 1);
    // The account exists now: neither a second registration nor a new code for the number.
    QCOMPARE(call("168001", create).value("flag").toInt(), 0);
    QCOMPARE(call("168006", {{"sjhm", mobile}, {"system_type", "3"}, {"effective_point", "1"}})
                 .value("flag")
                 .toInt(),
             0);
}

void TestGateway::passwordRecoverySetsANewPassword()
{
    const QJsonArray found = records("166021", {{"zjlx", "N"}, {"zjhm", kCustomer1Id}});
    QCOMPARE(found.size(), 1);
    const QString mobile = found.at(0).toObject().value("sjhm").toString();
    QCOMPARE(call("166021", {{"zjlx", "N"}, {"zjhm", "440305199001010026"}}).value("flag").toInt(),
             0);

    QJsonObject reset{{"khbh", ""},           {"newpassword", encrypted("renewed9")},
                      {"system_type", "3"},   {"sjhm", mobile},
                      {"zjlx", "N"},          {"zjhm", kCustomer1Id},
                      {"phonecode", "123456"}};
    QCOMPARE(call("168007", reset).value("prompt").toString(), QStringLiteral("请先获取验证码"));
    QCOMPARE(call("168006", {{"sjhm", mobile}, {"system_type", "3"}, {"effective_point", "2"}})
                 .value("flag")
                 .toInt(),
             1);
    reset.insert("phonecode", "000000");
    QCOMPARE(call("168007", reset).value("flag").toInt(), 0);
    reset.insert("phonecode", "123456");
    QCOMPARE(call("168007", reset).value("flag").toInt(), 1);

    QCOMPARE(signIn("N", kCustomer1Id, kPassword).value("flag").toInt(), 0);
    QCOMPARE(signIn("N", kCustomer1Id, "renewed9").value("flag").toInt(), 1);
}

void TestGateway::credentialChangesUpdateTheCustomer()
{
    QCOMPARE(call("168003",
                  {{"khbh", kCustomer1}, {"khmm", "{enc:wrong1}"}, {"new_khmm", "{enc:abc456}"}})
                 .value("flag")
                 .toInt(),
             0);
    QCOMPARE(
        call("168003", {{"khbh", kCustomer1}, {"khmm", "{enc:abc123}"}, {"new_khmm", "{enc:ab1}"}})
            .value("flag")
            .toInt(),
        0);
    QCOMPARE(call("168003",
                  {{"khbh", kCustomer1}, {"khmm", "{enc:abc123}"}, {"new_khmm", "{enc:abc456}"}})
                 .value("flag")
                 .toInt(),
             1);
    QCOMPARE(signIn("N", kCustomer1Id, "abc456").value("flag").toInt(), 1);

    QCOMPARE(call("168002", {{"khbh", kCustomer1}, {"khmm", "abc123"}, {"yxdz", "a@b.cn"}})
                 .value("flag")
                 .toInt(),
             0);
    QCOMPARE(call("168002", {{"khbh", kCustomer1}, {"khmm", "abc456"}, {"yxdz", "not-an-address"}})
                 .value("flag")
                 .toInt(),
             0);
    const QJsonObject email =
        call("168002", {{"khbh", kCustomer1}, {"khmm", "abc456"}, {"yxdz", "cy.wang@example.cn"}});
    QCOMPARE(email.value("flag").toInt(), 1);
    QCOMPARE(email.value("data")
                 .toObject()
                 .value("record1")
                 .toArray()
                 .at(0)
                 .toObject()
                 .value("yxdz")
                 .toString(),
             QStringLiteral("cy.wang@example.cn"));

    QCOMPARE(call("166015", {{"khbh", kCustomer1}, {"sjhm", "15912345678"}}).value("flag").toInt(),
             0); // customer 2's
    QCOMPARE(call("166015", {{"khbh", kCustomer1}, {"sjhm", "13811112222"}}).value("flag").toInt(),
             1);
    QCOMPARE(signIn("SJ", "13811112222", "abc456").value("flag").toInt(), 1);

    QCOMPARE(call("166012", {{"khbh", kCustomer1}, {"xb", "2"}}).value("flag").toInt(), 1);
    QCOMPARE(records("166000", {{"khbh", kCustomer1}}).at(0).toObject().value("xb").toString(),
             QStringLiteral("2"));
    QCOMPARE(records("166000", {{"khbh", kCustomer1}}).at(0).toObject().value("sjhm").toString(),
             QStringLiteral("13811112222"));
}

void TestGateway::bookingIsAddedThenDeleted()
{
    const QJsonObject query{{"khbh", kCustomer1}, {"cpdm", "CL001"}, {"yyzt", "1,2"}};
    QVERIFY(records("166002", query).isEmpty());
    const QJsonObject add{{"action", "A"},
                          {"khbh", kCustomer1},
                          {"cpdm", "CL001"},
                          {"yyje", "2000000"},
                          {"yydh", "13812345678"},
                          {"yyzt", "2"},
                          {"system_type", "3"},
                          {"back_content", ""},
                          {"yysj", ""},
                          {"id", ""}};
    QSignalSpy changed(m_gateway.get(), &DemoGateway::stateChanged);
    QCOMPARE(call("166003", add).value("flag").toInt(), 1);
    QCOMPARE(changed.size(), 1);
    const QJsonArray open = records("166002", query);
    QCOMPARE(open.size(), 1);
    const QJsonObject booking = open.at(0).toObject();
    QCOMPARE(booking.value("yyzt").toString(), QStringLiteral("2"));
    QCOMPARE(booking.value("yyje").toString(), QStringLiteral("2000000"));
    QCOMPARE(booking.value("w_cpmc").toString(), QStringLiteral("澄岚·稳盈1号集合资金信托计划"));
    QCOMPARE(booking.value("yysj_ss").toString(), DemoRules::dateText(QDate::currentDate()));
    // The newest booking being processed heads the booking records.
    QCOMPARE(records("166002", {{"khbh", kCustomer1}}, {{"orderby", QJsonObject{{"yysj", "desc"}}}})
                 .at(0)
                 .toObject()
                 .value("id")
                 .toString(),
             booking.value("id").toString());

    QCOMPARE(call("166003", add).value("flag").toInt(), 0); // already being processed
    QJsonObject soldOut = add;
    soldOut.insert("cpdm", "CL006");
    QCOMPARE(call("166003", soldOut).value("flag").toInt(), 0);

    const QJsonObject remove{{"action", "D"},
                             {"khbh", kCustomer1},
                             {"cpdm", "CL001"},
                             {"yyje", booking.value("yyje")},
                             {"yydh", booking.value("yydh")},
                             {"yysj", booking.value("yysj")},
                             {"yyzt", "1"},
                             {"id", booking.value("id")},
                             {"back_content", ""},
                             {"system_type", "3"}};
    const QJsonObject deleted = call("166003", remove);
    QCOMPARE(deleted.value("flag").toInt(), 1);
    QVERIFY(records("166002", query).isEmpty());
    QCOMPARE(call("166003", remove).value("flag").toInt(), 0);
    // A settled booking cannot be deleted.
    QJsonObject settled = remove;
    settled.insert("id", "3");
    QCOMPARE(call("166003", settled).value("flag").toInt(), 0);
}

void TestGateway::readMarkLowersTheUnreadCount()
{
    const QJsonObject who{{"khbh", kCustomer1}, {"send_cust", "3"}, {"system_type", "3"}};
    auto unread = [&] {
        return records("164020", who).at(0).toObject().value("unread_count").toString().toInt();
    };
    const int before = unread();
    QVERIFY(before > 0);

    QJsonObject listParams = who;
    listParams.insert("query_today", "true");
    listParams.insert("include_product_message", "true");
    QJsonArray all;
    for (int offset = 0;; offset += 10) {
        const QJsonArray page = records("164010", listParams,
                                        {{"row_count", "10"},
                                         {"row_offset", QString::number(offset)},
                                         {"orderby", QJsonObject{{"send_time", "desc"}}}});
        if (page.isEmpty())
            break;
        for (const QJsonValue &m : page)
            all.append(m);
    }
    QVERIFY(all.size() >= 25);
    QJsonObject target;
    for (const QJsonValue &m : all)
        if (m.toObject().value("message_status").toString() == "0")
            target = m.toObject();
    QVERIFY(!target.isEmpty());

    const QJsonObject mark{{"khbh", kCustomer1},
                           {"send_cust", "3"},
                           {"message_id", target.value("target_id")},
                           {"message_type", target.value("message_type")},
                           {"message_status", "1"}};
    QCOMPARE(call("164019", mark).value("flag").toInt(), 1);
    QCOMPARE(unread(), before - 1);
    QCOMPARE(call("164019", mark).value("flag").toInt(), 1); // marking twice changes nothing
    QCOMPARE(unread(), before - 1);
    QJsonObject stranger = mark;
    stranger.insert("khbh", "100002");
    QCOMPARE(call("164019", stranger).value("flag").toInt(), 0);
    QCOMPARE(records("164020", {{"khbh", ""}}).at(0).toObject().value("unread_count").toString(),
             QStringLiteral("0"));
}

void TestGateway::activityFillsUp()
{
    // "财富管理讲座" offers 20 places of which 18 are taken.
    const QJsonObject places{{"activity_id", "2"}};
    QCOMPARE(records("166017", places).at(0).toObject().value("joined_num").toString(),
             QStringLiteral("18"));
    QJsonObject form{{"booking_start_time", ""},
                     {"booking_end_time", ""},
                     {"action", "A"},
                     {"khbh", kCustomer1},
                     {"id", ""},
                     {"activity_id", "2"},
                     {"status", "1"},
                     {"booking_time", ""},
                     {"visit_user", ""},
                     {"visit_time", ""},
                     {"system_type", "3"},
                     {"contact_name", "王澄宇"},
                     {"contact_number", "13812345678"},
                     {"booking_count", "3"}};
    const QJsonObject tooMany = call("166005", form);
    QCOMPARE(tooMany.value("flag").toInt(), 0);
    QCOMPARE(tooMany.value("prompt").toString(),
             QStringLiteral("非常抱歉，由于参与名额限制，目前还剩余报名人数为2"));
    form.insert("booking_count", "2");
    QCOMPARE(call("166005", form).value("flag").toInt(), 1);
    QCOMPARE(records("166017", places).at(0).toObject().value("joined_num").toString(),
             QStringLiteral("20"));
    form.insert("booking_count", "1");
    QCOMPARE(call("166005", form).value("prompt").toString(),
             QStringLiteral("可参与人数已满，敬请期待下一次活动！"));

    // The registration shows in the customer's own list.
    bool listed = false;
    for (const QJsonValue &r :
         records("166004", {{"zjhm", kCustomer1Id}}, {{"row_count", "10"}, {"row_offset", "0"}}))
        listed = listed || r.toObject().value("activity_id").toString() == "2";
    QVERIFY(listed);

    // Closed, not started, questionnaire and other customer types are refused.
    for (const char *closed : {"5", "6", "7", "8", "10"}) {
        form.insert("activity_id", closed);
        QCOMPARE(call("166005", form).value("flag").toInt(), 0);
    }
    form.insert("activity_id", "9");
    form.insert("khbh", "100002");
    QCOMPARE(call("166005", form).value("flag").toInt(), 0);
    form.insert("khbh", kCustomer1);
    QCOMPARE(call("166005", form).value("flag").toInt(), 1);

    // Every activity carries the server's today.
    for (const QJsonValue &a : records("164008", {}, {{"row_count", "100"}, {"row_offset", "0"}}))
        QCOMPARE(a.toObject().value("system_time").toString(),
                 DemoRules::dateText(QDate::currentDate()));
}

void TestGateway::questionnaireIsAnswered()
{
    QJsonObject answer{
        {"khbh", ""}, {"sjhm", ""}, {"activity_id", "10"}, {"pcontent", ""}, {"system_type", "3"}};
    QCOMPARE(call("166018", answer).value("flag").toInt(), 0);
    answer.insert("pcontent", QString(501, QChar(u'好')));
    QCOMPARE(call("166018", answer).value("flag").toInt(), 0);
    answer.insert("pcontent", "希望增加更多线上活动");
    QCOMPARE(call("166018", answer).value("flag").toInt(), 1);
    QCOMPARE(m_gateway->records("feedback").size(), 1);
    for (const char *closed : {"11", "12", "1"}) {
        answer.insert("activity_id", closed);
        QCOMPARE(call("166018", answer).value("flag").toInt(), 0);
    }
}

void TestGateway::pointsBalanceFollowsTheHistory()
{
    const QJsonArray history = records(
        "170008", {{"khbh", kCustomer1}},
        {{"row_count", "1000"}, {"row_offset", "0"}, {"orderby", QJsonObject{{"w_rq", "desc"}}}});
    QSet<QString> kinds;
    for (const QJsonValue &h : history)
        kinds.insert(h.toObject().value("w_point_from").toString());
    QVERIFY(kinds.contains("1") && kinds.contains("2") && kinds.contains("3") && kinds.size() >= 4);
    const QJsonObject account = records("170006", {{"khbh", kCustomer1}}).at(0).toObject();
    QCOMPARE(account.value("available_integral").toString(), QStringLiteral("5890"));
    QCOMPARE(account.value("xfjf").toString(), QStringLiteral("660"));
    // A customer who never redeemed anything has no consumed figure.
    QCOMPARE(records("170006", {{"khbh", "100002"}}).at(0).toObject().value("xfjf").toString(),
             QString());
    QVERIFY(records("170003").size() >= 12);
    QVERIFY(records("170001").size() >= 6);
}

void TestGateway::newsArticleIsFetchedById()
{
    const QJsonArray article = records("164006", {{"id", "3"}});
    QCOMPARE(article.size(), 1);
    QCOMPARE(article.at(0).toObject().value("id").toString(), QStringLiteral("3"));
    QVERIFY(article.at(0).toObject().value("content").toString().contains("/upload/user/1/"));
    QVERIFY(records("164006", {{"id", "999"}}).isEmpty());
    QSet<QString> types;
    int count = 0;
    for (int offset = 0;; offset += 10) {
        const QJsonArray page = records("164006", {{"system_type", "3"}, {"status", "1"}},
                                        {{"row_count", "10"},
                                         {"row_offset", QString::number(offset)},
                                         {"orderby", QJsonObject{{"begin_time", "desc"}}}});
        if (page.isEmpty())
            break;
        count += page.size();
        for (const QJsonValue &a : page)
            types.insert(a.toObject().value("article_type").toString());
    }
    QVERIFY(count >= 25);
    QCOMPARE(types, (QSet<QString>{"1", "2", "3"}));
}

void TestGateway::faultsReplaceTheAnswer_data()
{
    QTest::addColumn<GatewayFault>("fault");
    QTest::addColumn<int>("status");
    QTest::addColumn<QByteArray>("body"); // empty: compare nothing

    QTest::newRow("http status") << GatewayFault::status(503) << 503 << QByteArray();
    QTest::newRow("not json") << GatewayFault::notJson() << 200 << QByteArray();
    QTest::newRow("empty array") << GatewayFault::emptyArray() << 200 << QByteArray("[]");
    QTest::newRow("refusal") << GatewayFault::refuse("系统维护中") << 200
                             << QByteArray(
                                    R"([{"data":{"record1":[]},"flag":0,"prompt":"系统维护中"}])");
}

void TestGateway::faultsReplaceTheAnswer()
{
    QFETCH(GatewayFault, fault);
    QFETCH(int, status);
    QFETCH(QByteArray, body);
    const QByteArray envelope = R"([{"code":"164021","params":{"w_sfxs":"1"},"params_ext":{}}])";
    m_gateway->setFault("164021", fault);
    const HttpResult faulty = postBody(envelope);
    QVERIFY(faulty.finished);
    QCOMPARE(faulty.status, status);
    if (!body.isEmpty())
        QCOMPARE(faulty.body, body);
    if (fault.kind == GatewayFault::Kind::NotJson)
        QVERIFY(QJsonDocument::fromJson(faulty.body).isNull());
    // Other codes are untouched; "*" reaches every code without a fault of its own.
    QCOMPARE(call("164002", {{"system_type", "3"}, {"is_enabled", "1"}}).value("flag").toInt(), 1);
    m_gateway->setFault("*", fault);
    QCOMPARE(postBody(R"([{"code":"164002","params":{},"params_ext":{}}])").status, status);
    m_gateway->clearFaults();
    QCOMPARE(call("164021", {{"w_sfxs", "1"}}).value("flag").toInt(), 1);
}

void TestGateway::delayedAnswerStillArrives()
{
    m_gateway->setFault("164020", GatewayFault::delay(300));
    const QJsonArray answer =
        records("164020", {{"khbh", kCustomer1}, {"send_cust", "3"}, {"system_type", "3"}});
    QCOMPARE(answer.size(), 1);
    // A refusal can be delayed too.
    GatewayFault slowRefusal = GatewayFault::refuse("稍后再试");
    slowRefusal.delayMs = 200;
    m_gateway->setFault("164020", slowRefusal);
    QCOMPARE(call("164020", {{"khbh", kCustomer1}}).value("prompt").toString(),
             QStringLiteral("稍后再试"));
}

void TestGateway::droppedConnectionIsATransportError()
{
    m_gateway->setFault("166003", GatewayFault::drop());
    const HttpResult dropped =
        postBody(R"([{"code":"166003","params":{"action":"A","khbh":"100001","cpdm":"CL001",
        "yyje":"1000000","yydh":"13812345678","yyzt":"2","system_type":"3"},"params_ext":{}}])");
    QVERIFY(dropped.finished);
    QVERIFY(dropped.error != QNetworkReply::NoError);
    QCOMPARE(dropped.status, 0);
    // The server failed before doing anything: no booking was made.
    QVERIFY(records("166002", {{"khbh", kCustomer1}, {"cpdm", "CL001"}}).isEmpty());
    m_gateway->clearFault("166003");
    QCOMPARE(call("164020", {{"khbh", kCustomer1}}).value("flag").toInt(), 1);
}

void TestGateway::faultsAreSetThroughTheControlRoute()
{
    QUrl control = m_gateway->gatewayBaseUrl();
    control.setPath(DemoGateway::kFaultsPath);
    HttpResult set = send("POST", control, R"({"code":"170003","kind":"status","status":502})");
    QCOMPARE(set.status, 200);
    QVERIFY(
        QJsonDocument::fromJson(set.body).object().value("faults").toObject().contains("170003"));
    QCOMPARE(postBody(R"([{"code":"170003","params":{},"params_ext":{}}])").status, 502);
    QCOMPARE(m_gateway->faults().value("170003").httpStatus, 502);

    QCOMPARE(send("POST", control, R"({"code":"170003","kind":"explode"})").status, 400);
    QCOMPARE(send("POST", control, R"({"code":"170003","clear":true})").status, 200);
    QCOMPARE(call("170003").value("flag").toInt(), 1);

    QCOMPARE(send("POST", control, R"({"code":"*","kind":"refuse","prompt":"停机"})").status, 200);
    QCOMPARE(call("170003").value("prompt").toString(), QStringLiteral("停机"));
    const HttpResult listed = send("GET", control);
    QCOMPARE(QJsonDocument::fromJson(listed.body)
                 .object()
                 .value("faults")
                 .toObject()
                 .value("*")
                 .toObject()
                 .value("kind")
                 .toString(),
             QStringLiteral("refuse"));
    QCOMPARE(send("DELETE", control).status, 200);
    QVERIFY(m_gateway->faults().isEmpty());
    QCOMPARE(send("PUT", control).status, 405);

    // The command-line form.
    const auto parsed = GatewayFault::fromText("refuse:维护中@250");
    QVERIFY(parsed);
    QCOMPARE(parsed->kind, GatewayFault::Kind::Refuse);
    QCOMPARE(parsed->prompt, QStringLiteral("维护中"));
    QCOMPARE(parsed->delayMs, 250);
    QCOMPARE(GatewayFault::fromText("delay:1500")->delayMs, 1500);
    QCOMPARE(GatewayFault::fromText("status:503")->httpStatus, 503);
    QVERIFY(!GatewayFault::fromText("status:42"));
    QVERIFY(!GatewayFault::fromText("explode"));
}

void TestGateway::malformedBodiesAreRefused_data()
{
    QTest::addColumn<QByteArray>("body");
    QTest::newRow("empty") << QByteArray();
    QTest::newRow("not json") << QByteArray("code=168000");
    QTest::newRow("truncated") << QByteArray(R"([{"code":"168000","params":{)");
    QTest::newRow("object, not array")
        << QByteArray(R"({"code":"168000","params":{},"params_ext":{}})");
    QTest::newRow("empty array") << QByteArray("[]");
    QTest::newRow("two envelopes") << QByteArray(R"([{"code":"164020"},{"code":"164020"}])");
    QTest::newRow("array of a string") << QByteArray(R"(["164020"])");
    QTest::newRow("code a number")
        << QByteArray(R"([{"code":164020,"params":{},"params_ext":{}}])");
    QTest::newRow("code not digits")
        << QByteArray(R"([{"code":"abc","params":{},"params_ext":{}}])");
    QTest::newRow("no code") << QByteArray(R"([{"params":{},"params_ext":{}}])");
    QTest::newRow("params a string")
        << QByteArray(R"([{"code":"164020","params":"x","params_ext":{}}])");
    QTest::newRow("params_ext an array")
        << QByteArray(R"([{"code":"164020","params":{},"params_ext":[]}])");
    QTest::newRow("deep nesting") << QByteArray(4000, '[') + QByteArray(4000, ']');
}

void TestGateway::malformedBodiesAreRefused()
{
    QFETCH(QByteArray, body);
    const HttpResult result = postBody(body);
    QVERIFY(result.finished);
    QCOMPARE(result.status, 400);
    QCOMPARE(call("164020", {{"khbh", kCustomer1}}).value("flag").toInt(), 1);
}

void TestGateway::oversizedBodyIsRefused()
{
    QByteArray body = R"([{"code":"164020","params":{"khbh":")";
    body += QByteArray(DemoGateway::kMaxBodyBytes, 'x');
    body += R"("},"params_ext":{}}])";
    const HttpResult result = postBody(body);
    QVERIFY(result.finished);
    QCOMPARE(result.status, 413);
    QCOMPARE(call("164020", {{"khbh", kCustomer1}}).value("flag").toInt(), 1);
}

void TestGateway::wrongPathOrMethodIsRefused_data()
{
    QTest::addColumn<QString>("server");
    QTest::addColumn<QByteArray>("verb");
    QTest::addColumn<QString>("path");
    QTest::addColumn<int>("status");

    QTest::newRow("gateway GET") << "gateway" << QByteArray("GET") << DemoGateway::kGatewayPath
                                 << 405;
    QTest::newRow("gateway PUT") << "gateway" << QByteArray("PUT") << DemoGateway::kGatewayPath
                                 << 405;
    QTest::newRow("gateway other path")
        << "gateway" << QByteArray("POST") << "/appgate/jros/ajax.do" << 404;
    QTest::newRow("gateway root") << "gateway" << QByteArray("GET") << "/" << 404;
    QTest::newRow("gateway serves no media")
        << "gateway" << QByteArray("GET") << "/upload/user/1/splash/splash-2026.png" << 404;
    QTest::newRow("media POST") << "media" << QByteArray("POST")
                                << "/upload/user/1/splash/splash-2026.png" << 405;
    QTest::newRow("media unknown file")
        << "media" << QByteArray("GET") << "/upload/user/1/nothing.png" << 404;
    QTest::newRow("media escape") << "media" << QByteArray("GET")
                                  << "/upload/user/1/../../etc/passwd" << 404;
    QTest::newRow("media internal path")
        << "media" << QByteArray("GET") << "/ump/upload/user/1/splash/splash-2026.png" << 404;
    QTest::newRow("internal plain path")
        << "internal" << QByteArray("GET") << "/upload/user/1/splash/splash-2026.png" << 404;
}

void TestGateway::wrongPathOrMethodIsRefused()
{
    QFETCH(QString, server);
    QFETCH(QByteArray, verb);
    QFETCH(QString, path);
    QFETCH(int, status);
    QUrl url = server == "gateway" ? m_gateway->gatewayBaseUrl()
               : server == "media" ? m_gateway->mediaBaseUrl()
                                   : m_gateway->internalMediaBaseUrl();
    url.setPath(path);
    const HttpResult result = send(verb, url, verb == "GET" ? QByteArray() : QByteArray("[]"));
    QVERIFY(result.finished);
    QCOMPARE(result.status, status);
}

void TestGateway::mediaFilesAreServed()
{
    QStringList paths;
    auto collect = [&](const QJsonArray &list) {
        for (const QJsonValue &r : list)
            if (!r.toObject().value("rela_path").toString().isEmpty())
                paths.append(r.toObject().value("rela_path").toString());
    };
    collect(records("167002", {{"is_display", "1"}}));
    collect(records("164002", {{"system_type", "3"}, {"is_enabled", "1"}}));
    collect(records("170003"));
    collect(records("164008", {}, {{"row_count", "3"}, {"row_offset", "0"}}));
    collect(records(
        "164014",
        {{"prod_code", "CL001"}, {"is_display", "1"}, {"status", "1"}, {"notice_level", "3"}}));
    QVERIFY(paths.size() > 15);
    bool sawPdf = false;
    for (const QString &path : paths) {
        QUrl url = m_gateway->mediaBaseUrl();
        url.setPath("/upload/user/1/" + path);
        const HttpResult file = send("GET", url);
        QVERIFY2(file.status == 200, qPrintable(path));
        if (path.endsWith(".pdf")) {
            sawPdf = true;
            QVERIFY(file.body.startsWith("%PDF"));
            QCOMPARE(file.contentType, QByteArray("application/pdf"));
        } else {
            QVERIFY(file.body.startsWith("\x89PNG"));
            QCOMPARE(file.contentType, QByteArray("image/png"));
        }
    }
    QVERIFY(sawPdf);

    // HEAD gives the size without the body.
    QUrl first = m_gateway->mediaBaseUrl();
    first.setPath("/upload/user/1/" + paths.first());
    QNetworkReply *head = m_network->head(QNetworkRequest(first));
    QSignalSpy headDone(head, &QNetworkReply::finished);
    QVERIFY(head->isFinished() || headDone.wait(15000));
    QCOMPARE(head->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt(), 200);
    QCOMPARE(head->header(QNetworkRequest::ContentLengthHeader).toLongLong(),
             qlonglong(send("GET", first).body.size()));
    QVERIFY(head->readAll().isEmpty());
    head->deleteLater();

    // A "media" fault reaches the media servers only.
    m_gateway->setFault("media", GatewayFault::status(500));
    QUrl url = m_gateway->mediaBaseUrl();
    url.setPath("/upload/user/1/" + paths.first());
    QCOMPARE(send("GET", url).status, 500);
    QCOMPARE(call("164020", {{"khbh", kCustomer1}}).value("flag").toInt(), 1);
}

void TestGateway::articlePicturesAreOnTheInternalEndpoint()
{
    const QString content =
        records("164006", {{"id", "1"}}).at(0).toObject().value("content").toString();
    const qsizetype at = content.indexOf("/upload/user/1/");
    QVERIFY(at >= 0);
    const QString path = content.mid(at).section('"', 0, 0);
    QUrl internal = m_gateway->internalMediaBaseUrl();
    internal.setPath("/ump" + path);
    const HttpResult picture = send("GET", internal);
    QCOMPARE(picture.status, 200);
    QVERIFY(picture.body.startsWith("\x89PNG"));
    QUrl media = m_gateway->mediaBaseUrl();
    media.setPath(path);
    QCOMPARE(send("GET", media).body, picture.body);
}

void TestGateway::stateSurvivesARestart()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString stateFile = dir.filePath("state.json");
    QVERIFY(m_gateway->setStateFile(stateFile));
    QVERIFY(QFile::exists(stateFile));
    QCOMPARE(call("166003", {{"action", "A"},
                             {"khbh", kCustomer1},
                             {"cpdm", "CL001"},
                             {"yyje", "1000000"},
                             {"yydh", "13812345678"},
                             {"yyzt", "2"},
                             {"system_type", "3"}})
                 .value("flag")
                 .toInt(),
             1);
    QCOMPARE(call("168003",
                  {{"khbh", kCustomer1}, {"khmm", "{enc:abc123}"}, {"new_khmm", "{enc:kept42}"}})
                 .value("flag")
                 .toInt(),
             1);

    m_gateway = std::make_unique<DemoGateway>();
    QVERIFY(m_gateway->start());
    QVERIFY(
        records("166002", {{"khbh", kCustomer1}, {"cpdm", "CL001"}}).isEmpty()); // a fresh gateway
    QVERIFY2(m_gateway->setStateFile(stateFile), qPrintable(m_gateway->lastError()));
    QCOMPARE(records("166002", {{"khbh", kCustomer1}, {"cpdm", "CL001"}}).size(), 1);
    QCOMPARE(signIn("N", kCustomer1Id, "kept42").value("flag").toInt(), 1);

    QFile broken(dir.filePath("broken.json"));
    QVERIFY(broken.open(QIODevice::WriteOnly));
    broken.write("{\"format\": \"something else\"}");
    broken.close();
    QVERIFY(!m_gateway->setStateFile(broken.fileName()));
}

void TestGateway::everyRequestIsRecorded()
{
    QTemporaryDir dir;
    const QString recordFile = dir.filePath("requests.jsonl");
    QVERIFY(m_gateway->setRecordFile(recordFile));
    call("164020", {{"khbh", kCustomer1}});
    signIn("N", kCustomer1Id, "nope");
    m_gateway->setRecordFile(QString());
    QFile file(recordFile);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QList<QByteArray> lines = file.readAll().split('\n');
    QCOMPARE(lines.size(), 3); // two lines and the final newline
    const QJsonObject second = QJsonDocument::fromJson(lines.at(1)).object();
    QCOMPARE(second.value("code").toString(), QStringLiteral("168000"));
    QCOMPARE(second.value("params").toObject().value("zjhm").toString(), kCustomer1Id);
    QCOMPARE(second.value("flag").toInt(), 0);
}

void TestGateway::requestReceivedCarriesTheEnvelope()
{
    QSignalSpy received(m_gateway.get(), &DemoGateway::requestReceived);
    call("164021", {{"w_sfxs", "1"}}, {{"row_count", "10"}, {"row_offset", "20"}});
    QCOMPARE(received.size(), 1);
    QCOMPARE(received.at(0).at(0).toString(), QStringLiteral("164021"));
    QCOMPARE(received.at(0).at(1).toJsonObject().value("w_sfxs").toString(), QStringLiteral("1"));
    QCOMPARE(received.at(0).at(2).toJsonObject().value("row_offset").toString(),
             QStringLiteral("20"));
    postBody("not an envelope");
    QCOMPARE(received.size(), 1);
}

void TestGateway::datasetExercisesEveryBranch()
{
    QVERIFY(Validation::validateIDCardNumber(kCustomer1Id));
    const QJsonObject first = m_gateway->customerByDocument("N", kCustomer1Id);
    QCOMPARE(first.value("khlx").toString(), QStringLiteral("3"));
    QCOMPARE(first.value("khmm").toString(), kPassword);
    const QJsonObject second = m_gateway->customerByDocument("P", "E12345678");
    QVERIFY(second.value("khlx").toString() != "3");

    const QList<QJsonObject> products = m_gateway->records("products");
    QVERIFY(products.size() >= 25);
    QSet<QString> sale, plan;
    for (const QJsonObject &p : products) {
        sale.insert(p.value("w_xszt").toString());
        plan.insert(p.value("w_zt").toString());
    }
    QVERIFY(sale.contains("1") && sale.contains("2") && sale.contains("3") && sale.size() >= 4);
    QCOMPARE(plan, (QSet<QString>{"0", "1", "2", "3"}));

    QSet<QString> bookingStates;
    for (const QJsonObject &b : m_gateway->records("bookings"))
        if (b.value("khbh").toString() == kCustomer1)
            bookingStates.insert(b.value("yyzt").toString());
    QCOMPARE(bookingStates, (QSet<QString>{"1", "2", "3"}));

    const QJsonArray contracts = records("80205032", {{"cus_id", kCustomer1Crm}});
    bool emptied = false, special = false;
    for (const QJsonValue &c : contracts) {
        emptied = emptied || c.toObject().value("htyxje").toString().toDouble() == 0;
        special = special || c.toObject().value("tsjybs").toString() == "1";
    }
    QVERIFY(emptied && special);
    QSet<QString> incomeKinds;
    for (const QJsonValue &i : records("80205037", {{"cus_id", kCustomer1Crm}, {"sffb", "0"}}))
        incomeKinds.insert(i.toObject().value("fhfs").toString());
    QCOMPARE(incomeKinds, (QSet<QString>{"0", "1", "2"}));
    QSet<QString> tradeKinds;
    for (const QJsonObject &t : m_gateway->records("special_trades"))
        tradeKinds.insert(t.value("jylx").toString());
    QCOMPARE(tradeKinds, (QSet<QString>{QStringLiteral("转让"), QStringLiteral("赎回")}));

    QSet<QString> messageKinds;
    int messages = 0;
    for (const QJsonObject &m : m_gateway->records("messages"))
        if (m.value("khbh").toString() == kCustomer1) {
            ++messages;
            messageKinds.insert(m.value("message_type").toString());
        }
    QVERIFY(messages >= 25);
    QCOMPARE(messageKinds, (QSet<QString>{"1", "2", "3"}));

    const QJsonArray activities =
        records("164008", {}, {{"row_count", "100"}, {"row_offset", "0"}});
    QVERIFY(activities.size() >= 12);
    const qlonglong today = DemoRules::dateText(QDate::currentDate()).toLongLong();
    bool notStarted = false, open = false, ended = false, questionnaire = false;
    QSet<QString> statuses, partTypes;
    for (const QJsonValue &v : activities) {
        const QJsonObject a = v.toObject();
        const qlonglong s = a.value("booking_start_time").toString().toLongLong();
        const qlonglong e = a.value("booking_end_time").toString().toLongLong();
        notStarted = notStarted || today < s;
        ended = ended || today > e;
        open = open || (s <= today && today <= e);
        questionnaire = questionnaire || a.value("acti_type").toString() == "2";
        statuses.insert(a.value("activity_status").toString());
        partTypes.insert(a.value("part_type").toString());
    }
    QVERIFY(notStarted && open && ended && questionnaire);
    QVERIFY(statuses.contains("2") && statuses.contains("3"));
    QVERIFY(partTypes.contains("1") && partTypes.contains("2") && partTypes.contains("3"));
    QVERIFY(m_gateway->records("gifts").size() >= 12);
}

QTEST_MAIN(TestGateway)
#include "test_gateway.moc"
