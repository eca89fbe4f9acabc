#include "AppConfig.h"
#include "MediaUrl.h"
#include "QZLoginModel.h"
#include "RecordMapper.h"
#include "Request.h"
#include "ResponseEnvelope.h"

#include <QJsonDocument>
#include <QTest>

namespace {

// A record type beside the all-string ones: the mapper must also fill numeric fields.
class MixedRecord
{
    Q_GADGET
    Q_PROPERTY(QString khbh MEMBER khbh)
    Q_PROPERTY(QString w_cpmc MEMBER w_cpmc)
    Q_PROPERTY(QString rela_path MEMBER rela_path)
    Q_PROPERTY(double amount MEMBER amount)
    Q_PROPERTY(qint64 count MEMBER count)

public:
    QString khbh;
    QString w_cpmc;
    QString rela_path;
    double amount = -1;
    qint64 count = -1;
};

// Record types may share fields through a base record.
class BaseRecord
{
    Q_GADGET
    Q_PROPERTY(QString w_cpdm MEMBER w_cpdm)
    Q_PROPERTY(QString w_cpmc MEMBER w_cpmc)

public:
    QString w_cpdm;
    QString w_cpmc;
};

class DerivedRecord : public BaseRecord
{
    Q_GADGET
    Q_PROPERTY(QString w_jz MEMBER w_jz)

public:
    QString w_jz;
};

QJsonObject objectFrom(const char *json)
{
    QJsonParseError error;
    const QJsonDocument doc = QJsonDocument::fromJson(json, &error);
    Q_ASSERT_X(error.error == QJsonParseError::NoError, "objectFrom", json);
    return doc.object();
}

// The first element of a parsed array: numbers reach the mapper the way an answer
// brings them (the parser keeps integers exact, beyond what a double holds).
QJsonValue parsedValue(const QByteArray &json)
{
    return QJsonDocument::fromJson("[" + json + "]").array().first();
}

} // namespace

// The two envelopes and the record mapping every screen goes through: a wrong shape
// here is a wrong request for every operation, or a blank field on every screen.
Q_DECLARE_METATYPE(OrderBy)
Q_DECLARE_METATYPE(ParamsExt)

class TestCoreEnvelope : public QObject
{
    Q_OBJECT

private slots:
    void requestWithoutParameters();
    void requestShape();
    void paging_data();
    void paging();
    void bodyIsCompactUtf8();
    void bodyIsTheEnvelope_data();
    void bodyIsTheEnvelope();

    void flag_data();
    void flag();
    void prompt_data();
    void prompt();
    void records_data();
    void records();
    void fromBody_data();
    void fromBody();
    void fromBodyFirstElementNotAnObject();

    void textOf_data();
    void textOf();
    void mapStringFields();
    void mapNumericFields_data();
    void mapNumericFields();
    void mapAllKeepsOrder();
    void mapInheritedFields();
    void mapKeysInAnyOrder();
    void recordsAsCustomer();
    void toJsonRoundTrip();

    void mediaUrlDefaults();
    void mediaUrl_data();
    void mediaUrl();
    void mediaBaseKeepsOnlySchemeHostPort();
    void absoluteHtml();
    void internalHtml();
    void gatewayUrlOverride();
};

void TestCoreEnvelope::requestWithoutParameters()
{
    const RequestEnvelope request0 = Request::getJsonStr(QStringLiteral("164002"));
    const QJsonArray envelope = request0.toJsonArray();
    QCOMPARE(envelope.size(), 1);
    const QJsonObject request = envelope.first().toObject();
    QCOMPARE(request.keys(), QStringList({"code", "params", "params_ext"}));
    QCOMPARE(request.value("code"), QJsonValue("164002"));
    // Empty objects, never null or left out: the gateway rejects anything else.
    QVERIFY(request.value("params").isObject());
    QVERIFY(request.value("params_ext").isObject());
    QCOMPARE(Request::body(request0),
             QByteArray(R"([{"code":"164002","params":{},"params_ext":{}}])"));
}

void TestCoreEnvelope::requestShape()
{
    const QJsonObject params{{"khbh", "K001"}, {"system_type", "3"}};
    const ParamsExt ext = Request::paging(10, 20);
    const QJsonArray envelope =
        Request::getJsonStr(QStringLiteral("80205037"), params, ext).toJsonArray();
    QCOMPARE(envelope.size(), 1);
    const QJsonObject request = envelope.first().toObject();
    QCOMPARE(request.value("code").toString(), QStringLiteral("80205037"));
    QCOMPARE(request.value("params").toObject(), params);
    QCOMPARE(request.value("params_ext").toObject(), ext.toJson());
    // The code stays text even when it looks like a number.
    QVERIFY(request.value("code").isString());
}

void TestCoreEnvelope::paging_data()
{
    QTest::addColumn<int>("count");
    QTest::addColumn<int>("offset");
    QTest::addColumn<OrderBy>("orderby");
    QTest::addColumn<QByteArray>("expected");

    QTest::newRow("first page") << 10 << 0 << OrderBy()
                                << QByteArray(R"({"row_count":"10","row_offset":"0"})");
    QTest::newRow("after 23 records")
        << 10 << 23 << OrderBy() << QByteArray(R"({"row_count":"10","row_offset":"23"})");
    QTest::newRow("whole list") << 1000 << 0 << OrderBy()
                                << QByteArray(R"({"row_count":"1000","row_offset":"0"})");
    QTest::newRow("one order")
        << 10 << 0 << OrderBy{{"yysj", "desc"}}
        << QByteArray(R"({"row_count":"10","row_offset":"0","orderby":{"yysj":"desc"}})");
    QTest::newRow("two orders")
        << 10 << 10 << OrderBy{{"yyzt_sort", "asc"}, {"yysj", "desc"}}
        << QByteArray(
               R"({"row_count":"10","row_offset":"10","orderby":{"yyzt_sort":"asc","yysj":"desc"}})");
}

void TestCoreEnvelope::paging()
{
    QFETCH(int, count);
    QFETCH(int, offset);
    QFETCH(OrderBy, orderby);
    QFETCH(QByteArray, expected);
    const RequestEnvelope envelope =
        Request::getJsonStr("166002", {}, Request::paging(count, offset, orderby));
    // The server applies the order keys in the order they are written.
    const QByteArray body = envelope.body();
    QCOMPARE(body, QByteArray(R"([{"code":"166002","params":{},"params_ext":)") + expected + "}]");
    QVERIFY(!QJsonDocument::fromJson(body).isNull());
    const QJsonObject ext =
        envelope.toJsonArray().first().toObject().value("params_ext").toObject();
    // Counts travel as text.
    QVERIFY(ext.value("row_count").isString());
    QVERIFY(ext.value("row_offset").isString());
}

void TestCoreEnvelope::bodyIsCompactUtf8()
{
    const RequestEnvelope envelope =
        Request::getJsonStr(QStringLiteral("166018"),
                            QJsonObject{{"content", "澄岚 \"信托\"\n/ok"}, {"system_type", "3"}},
                            Request::paging(10, 0));
    const QByteArray body = Request::body(envelope);
    QCOMPARE(body,
             QByteArray("[{\"code\":\"166018\",\"params\":{\"content\":\"澄岚 \\\"信托\\\"\\n/ok\","
                        "\"system_type\":\"3\"},"
                        "\"params_ext\":{\"row_count\":\"10\",\"row_offset\":\"0\"}}]"));
    QVERIFY(!body.contains('\n'));
    // Chinese goes out as UTF-8 bytes, not as \u escapes.
    QVERIFY(body.contains(QStringLiteral("澄岚").toUtf8()));
    QCOMPARE(QJsonDocument::fromJson(body).array(), envelope.toJsonArray());
}

void TestCoreEnvelope::bodyIsTheEnvelope_data()
{
    QTest::addColumn<QString>("code");
    QTest::addColumn<QJsonObject>("params");
    QTest::addColumn<ParamsExt>("ext");
    QTest::addColumn<QByteArray>("expectedExt");

    QTest::newRow("no paging") << "164002" << QJsonObject() << ParamsExt() << QByteArray("{}");
    QTest::newRow("order only") << "166002" << QJsonObject{{"khbh", "K1"}}
                                << ParamsExt{std::nullopt, std::nullopt, {{"yysj", "desc"}}}
                                << QByteArray(R"({"orderby":{"yysj":"desc"}})");
    QTest::newRow("count only") << "164000" << QJsonObject() << ParamsExt{1000, std::nullopt, {}}
                                << QByteArray(R"({"row_count":"1000"})");
    // Reversed alphabetical order stays as given.
    QTest::newRow("order kept")
        << "166002" << QJsonObject()
        << ParamsExt{10, 0, {{"z", "asc"}, {"m", "desc"}, {"a", "asc"}}}
        << QByteArray(
               R"({"row_count":"10","row_offset":"0","orderby":{"z":"asc","m":"desc","a":"asc"}})");
    // Whatever the texts hold, the body stays one valid JSON document.
    QTest::newRow("characters to escape")
        << "16\"4" << QJsonObject{{"k\"\\", "v\n\t\u0001"}, {"中文", "澄岚"}}
        << ParamsExt{10, 0, {{"a\"b", "asc"}, {"排序", "de\\sc"}}}
        << QByteArray("{\"row_count\":\"10\",\"row_offset\":\"0\",\"orderby\":"
                      "{\"a\\\"b\":\"asc\",\"排序\":\"de\\\\sc\"}}");
    QTest::newRow("empty strings")
        << "" << QJsonObject{{"", ""}} << ParamsExt{0, 0, {{"", ""}}}
        << QByteArray(R"({"row_count":"0","row_offset":"0","orderby":{"":""}})");
}

void TestCoreEnvelope::bodyIsTheEnvelope()
{
    QFETCH(QString, code);
    QFETCH(QJsonObject, params);
    QFETCH(ParamsExt, ext);
    QFETCH(QByteArray, expectedExt);

    const RequestEnvelope envelope = Request::getJsonStr(code, params, ext);
    const QByteArray body = envelope.body();
    QJsonParseError error;
    const QJsonDocument parsed = QJsonDocument::fromJson(body, &error);
    QVERIFY2(error.error == QJsonParseError::NoError, body.constData());
    QCOMPARE(parsed.array(), envelope.toJsonArray());
    QCOMPARE(parsed.array().first().toObject().value("code").toString(), code);
    QCOMPARE(parsed.array().first().toObject().value("params").toObject(), params);
    QVERIFY2(body.endsWith(",\"params_ext\":" + expectedExt + "}]"), body.constData());
}

void TestCoreEnvelope::flag_data()
{
    QTest::addColumn<QByteArray>("object");
    QTest::addColumn<int>("flag");

    QTest::newRow("text 1") << QByteArray(R"({"flag":"1"})") << 1;
    QTest::newRow("number 1") << QByteArray(R"({"flag":1})") << 1;
    QTest::newRow("number 1.0") << QByteArray(R"({"flag":1.0})") << 1;
    QTest::newRow("text 1.0") << QByteArray(R"({"flag":"1.0"})") << 1;
    QTest::newRow("text with leading space") << QByteArray(R"({"flag":" 1"})") << 1;
    QTest::newRow("text 01") << QByteArray(R"({"flag":"01"})") << 1;
    QTest::newRow("text 0") << QByteArray(R"({"flag":"0"})") << 0;
    QTest::newRow("number 0") << QByteArray(R"({"flag":0})") << 0;
    QTest::newRow("number -1") << QByteArray(R"({"flag":-1})") << -1;
    QTest::newRow("text -1") << QByteArray(R"({"flag":"-1"})") << -1;
    QTest::newRow("text 2") << QByteArray(R"({"flag":"2"})") << 2;
    QTest::newRow("empty text") << QByteArray(R"({"flag":""})") << 0;
    QTest::newRow("not a number") << QByteArray(R"({"flag":"ok"})") << 0;
    QTest::newRow("missing") << QByteArray(R"({"prompt":"x"})") << 0;
    QTest::newRow("null") << QByteArray(R"({"flag":null})") << 0;
    QTest::newRow("true") << QByteArray(R"({"flag":true})") << 1;
    QTest::newRow("false") << QByteArray(R"({"flag":false})") << 0;
    QTest::newRow("array") << QByteArray(R"({"flag":[1]})") << 0;
    QTest::newRow("object") << QByteArray(R"({"flag":{"v":1}})") << 0;
}

void TestCoreEnvelope::flag()
{
    QFETCH(QByteArray, object);
    QFETCH(int, flag);
    const ResponseEnvelope envelope = ResponseEnvelope::fromBody("[" + object + "]");
    QVERIFY(envelope.isPresent());
    QCOMPARE(envelope.flag(), flag);
    QCOMPARE(envelope.succeeded(), flag == 1);
    // The same object handed over directly reads the same.
    QCOMPARE(ResponseEnvelope(objectFrom(object.constData())).flag(), flag);
}

void TestCoreEnvelope::prompt_data()
{
    QTest::addColumn<QByteArray>("object");
    QTest::addColumn<QString>("prompt");

    QTest::newRow("text") << QByteArray(R"({"flag":"0","prompt":"密码错误"})") << "密码错误";
    QTest::newRow("verbatim, spaces and lines kept")
        << QByteArray(R"({"prompt":"  第一行\n第二行 "})") << "  第一行\n第二行 ";
    QTest::newRow("missing") << QByteArray(R"({"flag":"0"})") << "";
    QTest::newRow("null") << QByteArray(R"({"prompt":null})") << "";
    QTest::newRow("empty") << QByteArray(R"({"prompt":""})") << "";
}

void TestCoreEnvelope::prompt()
{
    QFETCH(QByteArray, object);
    QFETCH(QString, prompt);
    QCOMPARE(ResponseEnvelope::fromBody("[" + object + "]").prompt(), prompt);
}

void TestCoreEnvelope::records_data()
{
    QTest::addColumn<QByteArray>("object");
    QTest::addColumn<QStringList>("khbhs");

    QTest::newRow("three records")
        << QByteArray(R"({"data":{"record1":[{"khbh":"3"},{"khbh":"1"},{"khbh":"2"}]}})")
        << QStringList{"3", "1", "2"};
    QTest::newRow("empty array") << QByteArray(R"({"data":{"record1":[]}})") << QStringList();
    QTest::newRow("no data") << QByteArray(R"({"flag":"1"})") << QStringList();
    QTest::newRow("data not an object") << QByteArray(R"({"data":"x"})") << QStringList();
    QTest::newRow("no record1") << QByteArray(R"({"data":{"record2":[{"khbh":"1"}]}})")
                                << QStringList();
    QTest::newRow("record1 an object")
        << QByteArray(R"({"data":{"record1":{"khbh":"1"}}})") << QStringList();
    QTest::newRow("record1 a text") << QByteArray(R"({"data":{"record1":"[]"}})") << QStringList();
    QTest::newRow("record1 null") << QByteArray(R"({"data":{"record1":null}})") << QStringList();
    // Records are taken whatever the flag says.
    QTest::newRow("failed flag, records kept")
        << QByteArray(R"({"flag":"0","data":{"record1":[{"khbh":"9"}]}})") << QStringList{"9"};
}

void TestCoreEnvelope::records()
{
    QFETCH(QByteArray, object);
    QFETCH(QStringList, khbhs);
    const ResponseEnvelope envelope = ResponseEnvelope::fromBody("[" + object + "]");
    QCOMPARE(envelope.records().size(), khbhs.size());
    const QList<QZLoginModel> customers = envelope.recordsAs<QZLoginModel>();
    QStringList mapped;
    for (const QZLoginModel &customer : customers)
        mapped.append(customer.khbh);
    QCOMPARE(mapped, khbhs);
}

void TestCoreEnvelope::fromBody_data()
{
    QTest::addColumn<QByteArray>("body");
    QTest::addColumn<bool>("present");
    QTest::addColumn<int>("flag");
    QTest::addColumn<QString>("prompt");
    QTest::addColumn<int>("records");

    QTest::newRow("array with envelope")
        << QByteArray(R"([{"flag":"1","prompt":"成功","data":{"record1":[{},{}]}}])") << true << 1
        << "成功" << 2;
    QTest::newRow("only the first element is read")
        << QByteArray(R"([{"flag":"0","prompt":"a"},{"flag":"1","prompt":"b"}])") << true << 0
        << "a" << 0;
    QTest::newRow("empty object") << QByteArray("[{}]") << true << 0 << "" << 0;
    QTest::newRow("empty array") << QByteArray("[]") << false << 0 << "" << 0;
    QTest::newRow("object, not an array")
        << QByteArray(R"({"flag":"1","prompt":"x","data":{"record1":[{}]}})") << false << 0 << ""
        << 0;
    QTest::newRow("garbage") << QByteArray("<html>502 Bad Gateway</html>") << false << 0 << "" << 0;
    QTest::newRow("empty body") << QByteArray() << false << 0 << "" << 0;
    QTest::newRow("truncated") << QByteArray(R"([{"flag":"1")") << false << 0 << "" << 0;
    QTest::newRow("text after the array")
        << QByteArray(R"([{"flag":"1"}] x)") << false << 0 << "" << 0;
    QTest::newRow("JSON text") << QByteArray("\"[{\\\"flag\\\":\\\"1\\\"}]\"") << false << 0 << ""
                               << 0;
}

void TestCoreEnvelope::fromBody()
{
    QFETCH(QByteArray, body);
    QFETCH(bool, present);
    QFETCH(int, flag);
    QFETCH(QString, prompt);
    QFETCH(int, records);
    const ResponseEnvelope envelope = ResponseEnvelope::fromBody(body);
    QCOMPARE(envelope.isPresent(), present);
    QCOMPARE(envelope.flag(), flag);
    QCOMPARE(envelope.succeeded(), flag == 1);
    QCOMPARE(envelope.prompt(), prompt);
    QCOMPARE(envelope.records().size(), records);
    QCOMPARE(envelope.recordsAs<QZLoginModel>().size(), records);
}

void TestCoreEnvelope::fromBodyFirstElementNotAnObject()
{
    // Whether this counts as an envelope is invisible to screens; it must read as an
    // empty failure either way.
    for (const QByteArray &body :
         {QByteArray("[1]"), QByteArray(R"(["flag"])"), QByteArray("[[{}]]")}) {
        const ResponseEnvelope envelope = ResponseEnvelope::fromBody(body);
        QCOMPARE(envelope.flag(), 0);
        QVERIFY(envelope.prompt().isEmpty());
        QVERIFY(envelope.records().isEmpty());
    }
}

void TestCoreEnvelope::textOf_data()
{
    QTest::addColumn<QJsonValue>("value");
    QTest::addColumn<QString>("text");

    QTest::newRow("text") << QJsonValue("abc") << "abc";
    QTest::newRow("empty text") << QJsonValue("") << "";
    QTest::newRow("true") << QJsonValue(true) << "1";
    QTest::newRow("false") << QJsonValue(false) << "0";
    QTest::newRow("null") << QJsonValue(QJsonValue::Null) << "";
    QTest::newRow("absent") << QJsonValue(QJsonValue::Undefined) << "";
    QTest::newRow("array") << QJsonValue(QJsonArray{1}) << "";
    QTest::newRow("object") << QJsonValue(QJsonObject{{"a", 1}}) << "";

    QTest::newRow("0") << parsedValue("0") << "0";
    QTest::newRow("-0") << parsedValue("-0") << "0";
    QTest::newRow("integer") << parsedValue("20160105") << "20160105";
    QTest::newRow("negative integer") << parsedValue("-7") << "-7";
    QTest::newRow("integral with fraction") << parsedValue("100.0") << "100";
    QTest::newRow("integral with exponent") << parsedValue("5e3") << "5000";
    QTest::newRow("1.5") << parsedValue("1.5") << "1.5";
    QTest::newRow("0.1") << parsedValue("0.1") << "0.1";
    QTest::newRow("-2.25") << parsedValue("-2.25") << "-2.25";
    QTest::newRow("amount") << parsedValue("1234567.89") << "1234567.89";
    QTest::newRow("2^53") << parsedValue("9007199254740992") << "9007199254740992";
    QTest::newRow("2^53 + 1") << parsedValue("9007199254740993") << "9007199254740993";
    QTest::newRow("-(2^53 + 1)") << parsedValue("-9007199254740993") << "-9007199254740993";
    QTest::newRow("largest 64-bit") << parsedValue("9223372036854775807") << "9223372036854775807";
    QTest::newRow("smallest 64-bit")
        << parsedValue("-9223372036854775808") << "-9223372036854775808";
    QTest::newRow("1e21") << parsedValue("1e21") << "1000000000000000000000";
    QTest::newRow("-1e21") << parsedValue("-1e21") << "-1000000000000000000000";
    QTest::newRow("double 1e21") << QJsonValue(1e21) << "1000000000000000000000";
    QTest::newRow("double 2^60") << QJsonValue(1152921504606846976.0) << "1152921504606846976";
    QTest::newRow("double 3") << QJsonValue(3.0) << "3";
}

void TestCoreEnvelope::textOf()
{
    QFETCH(QJsonValue, value);
    QFETCH(QString, text);
    QCOMPARE(RecordMapper::textOf(value), text);
}

void TestCoreEnvelope::mapStringFields()
{
    const QJsonObject record = objectFrom(R"({
        "khbh": 20160105, "w_cpmc": "澄岚一号", "rela_path": null,
        "unknown": "ignored", "KHBH": "case matters", "amount": 1.5, "count": 3
    })");
    const MixedRecord mapped = RecordMapper::map<MixedRecord>(record);
    QCOMPARE(mapped.khbh, QStringLiteral("20160105"));
    QCOMPARE(mapped.w_cpmc, QStringLiteral("澄岚一号"));
    QVERIFY(mapped.rela_path.isEmpty());
    QCOMPARE(mapped.amount, 1.5);
    QCOMPARE(mapped.count, qint64(3));

    // A field without a key stays empty, including every field of an empty record.
    const QZLoginModel customer = RecordMapper::map<QZLoginModel>(
        objectFrom(R"({"khbh":"K1","xb":true,"khzt":false,"zjlx":"N"})"));
    QCOMPARE(customer.khbh, QStringLiteral("K1"));
    QCOMPARE(customer.xb, QStringLiteral("1"));
    QCOMPARE(customer.khzt, QStringLiteral("0"));
    QCOMPARE(customer.zjlx, QStringLiteral("N"));
    QVERIFY(customer.khxm.isEmpty());
    QVERIFY(customer.zy.isEmpty());
    const QJsonObject empty = RecordMapper::toJson(RecordMapper::map<QZLoginModel>({}));
    QCOMPARE(empty.size(), 29);
    for (auto it = empty.begin(); it != empty.end(); ++it)
        QCOMPARE(it.value(), QJsonValue(QString()));
}

void TestCoreEnvelope::mapNumericFields_data()
{
    QTest::addColumn<QByteArray>("record");
    QTest::addColumn<double>("amount");
    QTest::addColumn<qint64>("count");

    QTest::newRow("numbers") << QByteArray(R"({"amount":1.5,"count":42})") << 1.5 << qint64(42);
    QTest::newRow("numeric texts")
        << QByteArray(R"({"amount":"2.5","count":"17"})") << 2.5 << qint64(17);
    QTest::newRow("large integer exact")
        << QByteArray(R"({"count":9007199254740993})") << -1.0 << qint64(9007199254740993LL);
    QTest::newRow("unreadable texts are zero")
        << QByteArray(R"({"amount":"abc","count":"x"})") << 0.0 << qint64(0);
    QTest::newRow("null is zero") << QByteArray(R"({"amount":null,"count":null})") << 0.0
                                  << qint64(0);
    QTest::newRow("absent keeps the default") << QByteArray("{}") << -1.0 << qint64(-1);
}

void TestCoreEnvelope::mapNumericFields()
{
    QFETCH(QByteArray, record);
    QFETCH(double, amount);
    QFETCH(qint64, count);
    const MixedRecord mapped = RecordMapper::map<MixedRecord>(objectFrom(record.constData()));
    QCOMPARE(mapped.amount, amount);
    QCOMPARE(mapped.count, count);
}

void TestCoreEnvelope::mapAllKeepsOrder()
{
    QJsonArray records;
    for (int i = 0; i < 50; ++i)
        records.append(QJsonObject{{"khbh", QString::number(49 - i)}, {"count", i}});
    // An element that is not an object gives an empty record in its place.
    records.insert(10, QJsonValue("not a record"));
    const QList<MixedRecord> mapped = RecordMapper::mapAll<MixedRecord>(records);
    QCOMPARE(mapped.size(), 51);
    QVERIFY(mapped.at(10).khbh.isEmpty());
    QCOMPARE(mapped.at(10).count, qint64(-1));
    for (int i = 0, n = 0; i < mapped.size(); ++i) {
        if (i == 10)
            continue;
        QCOMPARE(mapped.at(i).khbh, QString::number(49 - n));
        QCOMPARE(mapped.at(i).count, qint64(n));
        ++n;
    }
}

void TestCoreEnvelope::mapInheritedFields()
{
    const DerivedRecord mapped = RecordMapper::map<DerivedRecord>(
        objectFrom(R"({"w_cpdm":"CL001","w_cpmc":"澄岚一号","w_jz":1.0234})"));
    QCOMPARE(mapped.w_cpdm, QStringLiteral("CL001"));
    QCOMPARE(mapped.w_cpmc, QStringLiteral("澄岚一号"));
    QCOMPARE(mapped.w_jz, QStringLiteral("1.0234"));
    const QJsonObject json = RecordMapper::toJson(mapped);
    QCOMPARE(json.value("w_cpdm"), QJsonValue("CL001"));
    QCOMPARE(json.size(), 3);
}

void TestCoreEnvelope::mapKeysInAnyOrder()
{
    // Records with extra keys between the known ones, missing keys, and keys that sort
    // before and after every field name, one after the other through the same mapper.
    const QList<QByteArray> records = {
        R"({"khbh":"1","w_cpmc":"a","rela_path":"p","amount":1,"count":2})",
        R"({"AAA":"x","khbh":"2","m":"x","w_cpmc":"b","zzz":"x"})",
        R"({"w_cpmc":"c"})",
        R"({"rela_path":"q","amount":"3"})",
        R"({"a":"1","b":"2","c":"3","d":"4","e":"5","f":"6","khbh":"5","count":"7"})",
        R"({})",
    };
    QJsonArray array;
    for (const QByteArray &record : records)
        array.append(objectFrom(record.constData()));
    const QList<MixedRecord> mapped = RecordMapper::mapAll<MixedRecord>(array);
    QCOMPARE(mapped.size(), 6);
    const auto row = [](const MixedRecord &r) {
        return QStringList{r.khbh, r.w_cpmc, r.rela_path, QString::number(r.amount),
                           QString::number(r.count)};
    };
    QCOMPARE(row(mapped.at(0)), QStringList({"1", "a", "p", "1", "2"}));
    QCOMPARE(row(mapped.at(1)), QStringList({"2", "b", "", "-1", "-1"}));
    QCOMPARE(row(mapped.at(2)), QStringList({"", "c", "", "-1", "-1"}));
    QCOMPARE(row(mapped.at(3)), QStringList({"", "", "q", "3", "-1"}));
    QCOMPARE(row(mapped.at(4)), QStringList({"5", "", "", "-1", "7"}));
    QCOMPARE(row(mapped.at(5)), QStringList({"", "", "", "-1", "-1"}));
}

void TestCoreEnvelope::recordsAsCustomer()
{
    const ResponseEnvelope envelope = ResponseEnvelope::fromBody(R"([{"flag":1,"prompt":"",
        "data":{"record1":[{"khbh":"K001","crmkhbh":10086,"khxm":"张三","zjlx":"N",
        "zjhm":"11010519491231002X","sjhm":"13812345678","khlx":"3","extra":"x"}]}}])");
    QVERIFY(envelope.succeeded());
    const QList<QZLoginModel> customers = envelope.recordsAs<QZLoginModel>();
    QCOMPARE(customers.size(), 1);
    const QZLoginModel &c = customers.first();
    QCOMPARE(c.khbh, QStringLiteral("K001"));
    QCOMPARE(c.crmkhbh, QStringLiteral("10086"));
    QCOMPARE(c.khxm, QStringLiteral("张三"));
    QCOMPARE(c.zjhm, QStringLiteral("11010519491231002X"));
    QCOMPARE(c.sjhm, QStringLiteral("13812345678"));
    QCOMPARE(c.khlx, QStringLiteral("3"));
    QVERIFY(c.yxdz.isEmpty());
}

void TestCoreEnvelope::toJsonRoundTrip()
{
    MixedRecord record;
    record.khbh = QStringLiteral("K1");
    record.w_cpmc = QStringLiteral("澄岚");
    record.amount = 2.5;
    record.count = 9007199254740993LL;
    const QJsonObject json = RecordMapper::toJson(record);
    QCOMPARE(json.value("khbh"), QJsonValue("K1"));
    QCOMPARE(json.value("rela_path"), QJsonValue(""));
    QCOMPARE(json.value("amount").toDouble(), 2.5);
    const MixedRecord back = RecordMapper::map<MixedRecord>(json);
    QCOMPARE(back.khbh, record.khbh);
    QCOMPARE(back.w_cpmc, record.w_cpmc);
    QCOMPARE(back.amount, record.amount);
    QCOMPARE(back.count, record.count);
}

void TestCoreEnvelope::mediaUrlDefaults()
{
    // Before any override: the media host on the default HTTP port, the gateway on 8100,
    // the internal endpoint on 8300.
    const QUrl media(MediaUrl::forRelaPath(QStringLiteral("a/b.png")));
    QCOMPARE(media.scheme(), QStringLiteral("http"));
    QVERIFY(!media.host().isEmpty());
    QCOMPARE(media.port(), -1);
    QCOMPARE(media.path(), QStringLiteral("/upload/user/1/a/b.png"));

    const QUrl gateway = AppConfig::gatewayUrl();
    QCOMPARE(gateway.scheme(), QStringLiteral("http"));
    QCOMPARE(gateway.port(), 8100);
    QCOMPARE(gateway.path(), QStringLiteral("/appgate/jros/ajax2.do"));
    QVERIFY(!gateway.hasQuery());

    const QString internal = MediaUrl::internalHtml(QStringLiteral("/upload/user/1/x.png"));
    QCOMPARE(QUrl(internal).port(), 8300);
    QCOMPARE(QUrl(internal).path(), QStringLiteral("/ump/upload/user/1/x.png"));
}

void TestCoreEnvelope::mediaUrl_data()
{
    QTest::addColumn<QString>("relaPath");
    QTest::addColumn<QString>("url");

    const QString folder = QStringLiteral("http://media.test:8080/upload/user/1/");
    QTest::newRow("file") << "2016/a.jpg" << folder + "2016/a.jpg";
    QTest::newRow("empty gives the bare folder") << "" << folder;
    QTest::newRow("spaces and Chinese unescaped") << "公告 1.pdf" << folder + "公告 1.pdf";
    QTest::newRow("percent escapes kept") << "a%20b.png" << folder + "a%20b.png";
    QTest::newRow("query characters kept") << "a.png?v=1#x" << folder + "a.png?v=1#x";
    QTest::newRow("leading slash kept") << "/a.png" << folder + "/a.png";
}

void TestCoreEnvelope::mediaUrl()
{
    QFETCH(QString, relaPath);
    QFETCH(QString, url);
    AppConfig::setMediaBaseUrl(QUrl(QStringLiteral("http://media.test:8080")));
    QCOMPARE(MediaUrl::forRelaPath(relaPath), url);
}

void TestCoreEnvelope::mediaBaseKeepsOnlySchemeHostPort()
{
    AppConfig::setMediaBaseUrl(QUrl(QStringLiteral("http://media.test/some/path/?q=1#f")));
    QCOMPARE(MediaUrl::forRelaPath(QStringLiteral("x.png")),
             QStringLiteral("http://media.test/upload/user/1/x.png"));
    AppConfig::setMediaBaseUrl(QUrl(QStringLiteral("http://127.0.0.1:9000/")));
    QCOMPARE(MediaUrl::forRelaPath(QString()),
             QStringLiteral("http://127.0.0.1:9000/upload/user/1/"));
}

void TestCoreEnvelope::absoluteHtml()
{
    AppConfig::setMediaBaseUrl(QUrl(QStringLiteral("http://media.test:8080")));
    QCOMPARE(MediaUrl::absoluteHtml(QStringLiteral(
                 R"(<p>图</p><img src="/upload/user/1/a.png"><img src='/upload/user/1/b/c.jpg'>)")),
             QStringLiteral(R"(<p>图</p><img src="http://media.test:8080/upload/user/1/a.png">)"
                            R"(<img src='http://media.test:8080/upload/user/1/b/c.jpg'>)"));
    QCOMPARE(MediaUrl::absoluteHtml(QStringLiteral("<p>no images</p>")),
             QStringLiteral("<p>no images</p>"));
    QCOMPARE(MediaUrl::absoluteHtml(QString()), QString());
    // Other folders are left alone.
    QCOMPARE(MediaUrl::absoluteHtml(QStringLiteral("/upload/user/2/a.png")),
             QStringLiteral("/upload/user/2/a.png"));
}

void TestCoreEnvelope::internalHtml()
{
    AppConfig::setInternalMediaBaseUrl(QUrl(QStringLiteral("http://inner.test:8300")));
    QCOMPARE(MediaUrl::internalHtml(
                 QStringLiteral(R"(<img src="/upload/user/1/a.png"> /upload/user/1)")),
             QStringLiteral(R"(<img src="http://inner.test:8300/ump/upload/user/1/a.png">)"
                            R"( http://inner.test:8300/ump/upload/user/1)"));
    QCOMPARE(MediaUrl::internalHtml(QStringLiteral("text")), QStringLiteral("text"));
}

void TestCoreEnvelope::gatewayUrlOverride()
{
    AppConfig::setGatewayBaseUrl(QUrl(QStringLiteral("http://127.0.0.1:18100")));
    QCOMPARE(AppConfig::gatewayUrl(),
             QUrl(QStringLiteral("http://127.0.0.1:18100/appgate/jros/ajax2.do")));
    QVERIFY(AppConfig::hasGatewayOverride());
    // A path on the configured base does not change the one gateway path.
    AppConfig::setGatewayBaseUrl(QUrl(QStringLiteral("http://gw.test:8100/other/")));
    QCOMPARE(AppConfig::gatewayUrl(),
             QUrl(QStringLiteral("http://gw.test:8100/appgate/jros/ajax2.do")));
}

QTEST_APPLESS_MAIN(TestCoreEnvelope)
#include "test_core_envelope.moc"
