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

QJsonObject objectFrom(const QByteArray &json)
{
    QJsonParseError error;
    const QJsonDocument doc = QJsonDocument::fromJson(json, &error);
    Q_ASSERT_X(error.error == QJsonParseError::NoError, "objectFrom", json.constData());
    return doc.object();
}

// The first element of a parsed array: numbers reach the mapper the way an answer
// brings them (the parser keeps integers exact, beyond what a double holds).
QJsonValue parsedValue(const QByteArray &json)
{
    return QJsonDocument::fromJson("[" + json + "]").array().first();
}

QString fieldsOf(const MixedRecord &r)
{
    return QStringList{r.khbh, r.w_cpmc, r.rela_path, QString::number(r.amount),
                       QString::number(r.count)}
        .join(u'|');
}

} // namespace

Q_DECLARE_METATYPE(ParamsExt)

// The two envelopes and the record mapping every screen goes through: a wrong shape
// here is a wrong request for every operation, or a blank field on every screen.
class TestCoreEnvelope : public QObject
{
    Q_OBJECT

private slots:
    void body_data()
    {
        QTest::addColumn<QString>("code");
        QTest::addColumn<QJsonObject>("params");
        QTest::addColumn<ParamsExt>("ext");
        QTest::addColumn<QByteArray>("body");

        using O = OrderBy;
        const auto none = std::nullopt;
        // Empty objects, never null or left out: the gateway rejects anything else. Counts
        // travel as text, the code stays text, and order keys keep the caller's order.
        // Bodies with escaped quotes are plain literals: moc misreads those in raw strings.
        // clang-format off
        QTest::newRow("no parameters") << "164002" << QJsonObject() << ParamsExt() << QByteArray(R"([{"code":"164002","params":{},"params_ext":{}}])");
        QTest::newRow("first page") << "166002" << QJsonObject() << Request::paging(10, 0) << QByteArray(R"([{"code":"166002","params":{},"params_ext":{"row_count":"10","row_offset":"0"}}])");
        QTest::newRow("after 23 records") << "166002" << QJsonObject() << Request::paging(10, 23) << QByteArray(R"([{"code":"166002","params":{},"params_ext":{"row_count":"10","row_offset":"23"}}])");
        QTest::newRow("whole list") << "164000" << QJsonObject() << Request::paging(1000, 0) << QByteArray(R"([{"code":"164000","params":{},"params_ext":{"row_count":"1000","row_offset":"0"}}])");
        QTest::newRow("two orders") << "166002" << QJsonObject() << Request::paging(10, 10, O{{"yyzt_sort", "asc"}, {"yysj", "desc"}}) << QByteArray(R"([{"code":"166002","params":{},"params_ext":{"row_count":"10","row_offset":"10","orderby":{"yyzt_sort":"asc","yysj":"desc"}}}])");
        QTest::newRow("reversed alphabetical order kept") << "166002" << QJsonObject() << ParamsExt{10, 0, O{{"z", "asc"}, {"m", "desc"}, {"a", "asc"}}} << QByteArray(R"([{"code":"166002","params":{},"params_ext":{"row_count":"10","row_offset":"0","orderby":{"z":"asc","m":"desc","a":"asc"}}}])");
        QTest::newRow("order only") << "166002" << QJsonObject() << ParamsExt{none, none, O{{"yysj", "desc"}}} << QByteArray(R"([{"code":"166002","params":{},"params_ext":{"orderby":{"yysj":"desc"}}}])");
        QTest::newRow("count only") << "164000" << QJsonObject() << ParamsExt{1000, none, {}} << QByteArray(R"([{"code":"164000","params":{},"params_ext":{"row_count":"1000"}}])");
        QTest::newRow("code of digits, parameters") << "80205037" << QJsonObject{{"khbh", "K001"}, {"system_type", "3"}} << Request::paging(10, 20) << QByteArray(R"([{"code":"80205037","params":{"khbh":"K001","system_type":"3"},"params_ext":{"row_count":"10","row_offset":"20"}}])");
        QTest::newRow("Chinese as UTF-8, quotes and lines escaped") << "166018" << QJsonObject{{"content", "澄岚 \"信托\"\n/ok"}} << ParamsExt() << QByteArray("[{\"code\":\"166018\",\"params\":{\"content\":\"澄岚 \\\"信托\\\"\\n/ok\"},\"params_ext\":{}}]");
        QTest::newRow("characters to escape everywhere") << "16\"4" << QJsonObject{{"k\"\\", "v\t\u0001"}} << ParamsExt{none, none, O{{"a\"b", "asc"}, {"排序", "de\\sc"}}} << QByteArray("[{\"code\":\"16\\\"4\",\"params\":{\"k\\\"\\\\\":\"v\\t\\u0001\"},\"params_ext\":{\"orderby\":{\"a\\\"b\":\"asc\",\"排序\":\"de\\\\sc\"}}}]");
        QTest::newRow("empty strings") << "" << QJsonObject{{"", ""}} << ParamsExt{0, 0, O{{"", ""}}} << QByteArray(R"([{"code":"","params":{"":""},"params_ext":{"row_count":"0","row_offset":"0","orderby":{"":""}}}])");
        // clang-format on
    }

    void body()
    {
        QFETCH(QString, code);
        QFETCH(QJsonObject, params);
        QFETCH(ParamsExt, ext);
        QFETCH(QByteArray, body);
        const RequestEnvelope envelope = Request::getJsonStr(code, params, ext);
        QCOMPARE(envelope.body(), body);
        // Whatever the texts hold, the body stays one valid JSON document.
        QJsonParseError error;
        const QJsonDocument parsed = QJsonDocument::fromJson(body, &error);
        QCOMPARE(error.error, QJsonParseError::NoError);
        QCOMPARE(parsed.array(), envelope.toJsonArray());
    }

    void flag_data()
    {
        QTest::addColumn<QByteArray>("object");
        QTest::addColumn<int>("flag");

        // clang-format off
        QTest::newRow("text 1") << QByteArray(R"({"flag":"1"})") << 1;
        QTest::newRow("number 1") << QByteArray(R"({"flag":1})") << 1;
        QTest::newRow("number 1.0") << QByteArray(R"({"flag":1.0})") << 1;
        QTest::newRow("text 1.0") << QByteArray(R"({"flag":"1.0"})") << 1;
        QTest::newRow("text with leading space") << QByteArray(R"({"flag":" 1"})") << 1;
        QTest::newRow("text 01") << QByteArray(R"({"flag":"01"})") << 1;
        QTest::newRow("text 0") << QByteArray(R"({"flag":"0"})") << 0;
        QTest::newRow("number -1") << QByteArray(R"({"flag":-1})") << -1;
        QTest::newRow("text 2") << QByteArray(R"({"flag":"2"})") << 2;
        QTest::newRow("empty text") << QByteArray(R"({"flag":""})") << 0;
        QTest::newRow("not a number") << QByteArray(R"({"flag":"ok"})") << 0;
        QTest::newRow("missing") << QByteArray(R"({"prompt":"x"})") << 0;
        QTest::newRow("null") << QByteArray(R"({"flag":null})") << 0;
        QTest::newRow("true") << QByteArray(R"({"flag":true})") << 1;
        QTest::newRow("false") << QByteArray(R"({"flag":false})") << 0;
        QTest::newRow("array") << QByteArray(R"({"flag":[1]})") << 0;
        QTest::newRow("object") << QByteArray(R"({"flag":{"v":1}})") << 0;
        // clang-format on
    }

    void flag()
    {
        QFETCH(QByteArray, object);
        QFETCH(int, flag);
        const ResponseEnvelope envelope = ResponseEnvelope::fromBody("[" + object + "]");
        QVERIFY(envelope.isPresent());
        QCOMPARE(envelope.flag(), flag);
        QCOMPARE(envelope.succeeded(), flag == 1);
        // The same object handed over directly reads the same.
        QCOMPARE(ResponseEnvelope(objectFrom(object)).flag(), flag);
    }

    void prompt_data()
    {
        QTest::addColumn<QByteArray>("object");
        QTest::addColumn<QString>("prompt");

        // clang-format off
        QTest::newRow("text") << QByteArray(R"({"flag":"0","prompt":"密码错误"})") << "密码错误";
        QTest::newRow("verbatim, spaces and lines kept") << QByteArray(R"({"prompt":"  第一行\n第二行 "})") << "  第一行\n第二行 ";
        QTest::newRow("missing") << QByteArray(R"({"flag":"0"})") << "";
        QTest::newRow("null") << QByteArray(R"({"prompt":null})") << "";
        // clang-format on
    }

    void prompt()
    {
        QFETCH(QByteArray, object);
        QFETCH(QString, prompt);
        QCOMPARE(ResponseEnvelope::fromBody("[" + object + "]").prompt(), prompt);
    }

    void records_data()
    {
        QTest::addColumn<QByteArray>("object");
        QTest::addColumn<QStringList>("khbhs");

        // clang-format off
        QTest::newRow("three records in order") << QByteArray(R"({"data":{"record1":[{"khbh":"3"},{"khbh":"1"},{"khbh":"2"}]}})") << QStringList{"3", "1", "2"};
        QTest::newRow("number becomes its text") << QByteArray(R"({"data":{"record1":[{"khbh":10086}]}})") << QStringList{"10086"};
        QTest::newRow("empty array") << QByteArray(R"({"data":{"record1":[]}})") << QStringList();
        QTest::newRow("no data") << QByteArray(R"({"flag":"1"})") << QStringList();
        QTest::newRow("data not an object") << QByteArray(R"({"data":"x"})") << QStringList();
        QTest::newRow("no record1") << QByteArray(R"({"data":{"record2":[{"khbh":"1"}]}})") << QStringList();
        QTest::newRow("record1 an object") << QByteArray(R"({"data":{"record1":{"khbh":"1"}}})") << QStringList();
        QTest::newRow("record1 a text") << QByteArray(R"({"data":{"record1":"[]"}})") << QStringList();
        QTest::newRow("record1 null") << QByteArray(R"({"data":{"record1":null}})") << QStringList();
        // Records are taken whatever the flag says.
        QTest::newRow("failed flag, records kept") << QByteArray(R"({"flag":"0","data":{"record1":[{"khbh":"9"}]}})") << QStringList{"9"};
        // clang-format on
    }

    void records()
    {
        QFETCH(QByteArray, object);
        QFETCH(QStringList, khbhs);
        const ResponseEnvelope envelope = ResponseEnvelope::fromBody("[" + object + "]");
        QCOMPARE(envelope.records().size(), khbhs.size());
        QStringList mapped;
        for (const QZLoginModel &customer : envelope.recordsAs<QZLoginModel>())
            mapped.append(customer.khbh);
        QCOMPARE(mapped, khbhs);
    }

    void fromBody_data()
    {
        QTest::addColumn<QByteArray>("body");
        QTest::addColumn<bool>("present");
        QTest::addColumn<int>("flag");
        QTest::addColumn<QString>("prompt");
        QTest::addColumn<int>("records");

        // clang-format off
        QTest::newRow("array with envelope") << QByteArray(R"([{"flag":"1","prompt":"成功","data":{"record1":[{},{}]}}])") << true << 1 << "成功" << 2;
        QTest::newRow("only the first element is read") << QByteArray(R"([{"flag":"0","prompt":"a"},{"flag":"1","prompt":"b"}])") << true << 0 << "a" << 0;
        QTest::newRow("empty object") << QByteArray("[{}]") << true << 0 << "" << 0;
        QTest::newRow("empty array") << QByteArray("[]") << false << 0 << "" << 0;
        QTest::newRow("object, not an array") << QByteArray(R"({"flag":"1","prompt":"x","data":{"record1":[{}]}})") << false << 0 << "" << 0;
        QTest::newRow("garbage") << QByteArray("<html>502 Bad Gateway</html>") << false << 0 << "" << 0;
        QTest::newRow("empty body") << QByteArray() << false << 0 << "" << 0;
        QTest::newRow("truncated") << QByteArray(R"([{"flag":"1")") << false << 0 << "" << 0;
        QTest::newRow("text after the array") << QByteArray(R"([{"flag":"1"}] x)") << false << 0 << "" << 0;
        QTest::newRow("JSON text") << QByteArray("\"[{\\\"flag\\\":\\\"1\\\"}]\"") << false << 0 << "" << 0;
        QTest::newRow("number too small for a double") << QByteArray(R"([{"flag":"1","n":1e-400}])") << false << 0 << "" << 0;
        QTest::newRow("zero written as a fraction") << QByteArray(R"([{"flag":1.0,"n":0.0,"prompt":-0}])") << true << 1 << "" << 0;
        QTest::newRow("nested deeper than taken whole") << QByteArray("[{\"flag\":\"1\",\"n\":" + QByteArray(1010, '[') + QByteArray(1010, ']') + "}]") << true << 1 << "" << 0;
        // clang-format on
    }

    void fromBody()
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
        // The transport's stricter reading takes the same envelopes, and "[]" as nothing.
        const auto decoded = ResponseEnvelope::decode(body);
        QCOMPARE(decoded.has_value(), present || body == "[]");
        if (decoded)
            QCOMPARE(decoded->object(), envelope.object());
    }

    void recordsCapped_data()
    {
        QTest::addColumn<int>("cap");
        QTest::addColumn<int>("kept");
        // clang-format off
        QTest::newRow("fewer than the cap") << 5 << 3;
        QTest::newRow("as many")            << 3 << 3;
        QTest::newRow("more than the cap")  << 2 << 2;
        QTest::newRow("zero")               << 0 << 0;
        QTest::newRow("negative")           << -1 << 0;
        // clang-format on
    }

    void recordsCapped()
    {
        QFETCH(int, cap);
        QFETCH(int, kept);
        const ResponseEnvelope full = ResponseEnvelope::fromBody(
            R"([{"flag":"1","prompt":"p","data":{"record1":[{"id":"0"},{"id":"1"},{"id":"2"}],"n":5}}])");
        const ResponseEnvelope capped = full.withRecordsCappedAt(cap);
        QCOMPARE(capped.records().size(), kept);
        if (kept) // the first ones, in order
            QCOMPARE(capped.records().last().toObject().value("id").toString(),
                     QString::number(kept - 1));
        QCOMPARE(capped.flag(), 1);
        QCOMPARE(capped.prompt(), QString("p"));
        QCOMPARE(capped.object().value("data").toObject().value("n").toInt(), 5);
    }

    void fromBodyFirstElementNotAnObject()
    {
        // Whether this counts as an envelope is invisible to screens; it must read as an
        // empty failure either way.
        for (const QByteArray body : {"[1]", R"(["flag"])", "[[{}]]"}) {
            const ResponseEnvelope envelope = ResponseEnvelope::fromBody(body);
            QCOMPARE(envelope.flag(), 0);
            QVERIFY(envelope.prompt().isEmpty());
            QVERIFY(envelope.records().isEmpty());
            QVERIFY(!ResponseEnvelope::decode(body));
        }
    }

    // Records read straight from the body must read as those of the parsed document:
    // each row takes a way through the decoder other than plain text.
    void decodedAsDocument_data()
    {
        QTest::addColumn<QByteArray>("records");

        // clang-format off
        QTest::newRow("numbers kept as written") << QByteArray(R"([{"khbh":7.25,"w_cpmc":-12,"rela_path":0.5,"amount":3,"count":4}])");
        QTest::newRow("numbers written otherwise") << QByteArray(R"([{"khbh":7.20,"w_cpmc":1e3,"rela_path":0.05},{"khbh":1.5E2,"w_cpmc":1e-7}])");
        QTest::newRow("long numbers") << QByteArray(R"([{"khbh":123456789012345678,"w_cpmc":1234567890123456789,"rela_path":0.1234567890123456},{"khbh":1234567.125,"w_cpmc":12345678901234567890123}])");
        QTest::newRow("escapes, then the same text plain") << QByteArray(R"([{"khbh":"ab","w_cpmc":""q"\n"},{"khbh":"ab","w_cpmc":""q"\n"},{"khbh":"ab"}])");
        // Left to QJsonDocument, which refuses a number too small for a double.
        QTest::newRow("a floating zero") << QByteArray(R"([{"khbh":0.0,"w_cpmc":0e5,"rela_path":-0.0,"amount":0.0}])");
        QTest::newRow("minus zero") << QByteArray(R"([{"khbh":-0,"count":-0}])");
        QTest::newRow("other values") << QByteArray(R"([{"khbh":true,"w_cpmc":null,"rela_path":{"a":[1]},"count":"12"},"no record"])");
        // clang-format on
    }

    void decodedAsDocument()
    {
        QFETCH(QByteArray, records);
        const QByteArray body = R"([{"flag":"1","data":{"record1":)" + records + "}}]";
        const QList<MixedRecord> decoded = ResponseEnvelope::fromBody(body).recordsAs<MixedRecord>();
        const QList<MixedRecord> parsed = RecordMapper::mapAll<MixedRecord>(
            ResponseEnvelope(QJsonDocument::fromJson(body).array().first().toObject()).records());
        QCOMPARE(decoded.size(), parsed.size());
        for (qsizetype i = 0; i < decoded.size(); ++i)
            QCOMPARE(fieldsOf(decoded.at(i)), fieldsOf(parsed.at(i)));
    }

    void longAnswerReadWhole()
    {
        // Longer than the answers that share one parser: it gets one of its own.
        QByteArray records = "[";
        for (int i = 0; i < 5000; ++i)
            records += QStringLiteral("{\"khbh\":\"K%1\",\"w_cpmc\":\"澄岚稳健收益集合资金信托计划\"},")
                           .arg(i)
                           .toUtf8();
        records.back() = ']';
        const QByteArray body = R"([{"flag":"1","prompt":"长","data":{"record1":)" + records + "}}]";
        QVERIFY(body.size() > 300 * 1024);
        const ResponseEnvelope envelope = ResponseEnvelope::fromBody(body);
        QCOMPARE(envelope.prompt(), QString("长"));
        const QList<QZLoginModel> customers = envelope.recordsAs<QZLoginModel>();
        QCOMPARE(customers.size(), 5000);
        QCOMPARE(customers.last().khbh, QString("K4999"));
        // And a short one after it still reads.
        QCOMPARE(ResponseEnvelope::fromBody(R"([{"flag":"1","prompt":"短"}])").prompt(), QString("短"));
    }

    void textOf_data()
    {
        QTest::addColumn<QJsonValue>("value");
        QTest::addColumn<QString>("text");

        // clang-format off
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
        QTest::newRow("integral with fraction") << parsedValue("100.0") << "100";
        QTest::newRow("integral with exponent") << parsedValue("5e3") << "5000";
        QTest::newRow("1.5") << parsedValue("1.5") << "1.5";
        QTest::newRow("0.1") << parsedValue("0.1") << "0.1";
        QTest::newRow("amount") << parsedValue("1234567.89") << "1234567.89";
        QTest::newRow("2^53 + 1") << parsedValue("9007199254740993") << "9007199254740993";
        QTest::newRow("-(2^53 + 1)") << parsedValue("-9007199254740993") << "-9007199254740993";
        QTest::newRow("largest 64-bit") << parsedValue("9223372036854775807") << "9223372036854775807";
        QTest::newRow("smallest 64-bit") << parsedValue("-9223372036854775808") << "-9223372036854775808";
        QTest::newRow("1e21") << parsedValue("1e21") << "1000000000000000000000";
        QTest::newRow("double 1e21") << QJsonValue(1e21) << "1000000000000000000000";
        QTest::newRow("double 2^60") << QJsonValue(1152921504606846976.0) << "1152921504606846976";
        // clang-format on
    }

    void textOf()
    {
        QFETCH(QJsonValue, value);
        QFETCH(QString, text);
        QCOMPARE(RecordMapper::textOf(value), text);
    }

    void map_data()
    {
        QTest::addColumn<QByteArray>("record");
        QTest::addColumn<QString>("fields"); // khbh|w_cpmc|rela_path|amount|count

        // The rows go through one mapper in turn: key sets that differ from one record to
        // the next, and keys that sort before and after every field name.
        // clang-format off
        QTest::newRow("all fields") << QByteArray(R"({"khbh":"1","w_cpmc":"a","rela_path":"p","amount":1,"count":2})") << "1|a|p|1|2";
        QTest::newRow("number into a text field") << QByteArray(R"({"khbh":20160105,"w_cpmc":"澄岚一号"})") << "20160105|澄岚一号||-1|-1";
        QTest::newRow("null text stays empty") << QByteArray(R"({"rela_path":null,"khbh":"K"})") << "K|||-1|-1";
        QTest::newRow("unknown keys and other case ignored") << QByteArray(R"({"unknown":"x","KHBH":"case matters"})") << "|||-1|-1";
        QTest::newRow("numeric texts") << QByteArray(R"({"amount":"2.5","count":"17"})") << "|||2.5|17";
        QTest::newRow("large integer exact") << QByteArray(R"({"count":9007199254740993})") << "|||-1|9007199254740993";
        QTest::newRow("unreadable texts are zero") << QByteArray(R"({"amount":"abc","count":"x"})") << "|||0|0";
        QTest::newRow("null numbers are zero") << QByteArray(R"({"amount":null,"count":null})") << "|||0|0";
        QTest::newRow("extra keys between known ones") << QByteArray(R"({"AAA":"x","khbh":"2","m":"x","w_cpmc":"b","zzz":"x"})") << "2|b||-1|-1";
        QTest::newRow("many keys before the fields") << QByteArray(R"({"a":"1","b":"2","c":"3","d":"4","e":"5","f":"6","khbh":"5","count":"7"})") << "5|||-1|7";
        QTest::newRow("only later fields") << QByteArray(R"({"rela_path":"q","amount":"3"})") << "||q|3|-1";
        QTest::newRow("empty record keeps every default") << QByteArray("{}") << "|||-1|-1";
        // clang-format on
    }

    void map()
    {
        QFETCH(QByteArray, record);
        QFETCH(QString, fields);
        QCOMPARE(fieldsOf(RecordMapper::map<MixedRecord>(objectFrom(record))), fields);
    }

    void mapAllKeepsOrder()
    {
        QJsonArray records;
        for (int i = 0; i < 50; ++i)
            records.append(QJsonObject{{"khbh", QString::number(49 - i)}, {"count", i}});
        // An element that is not an object gives an empty record in its place.
        records.insert(10, QJsonValue("not a record"));
        const QList<MixedRecord> mapped = RecordMapper::mapAll<MixedRecord>(records);
        QCOMPARE(mapped.size(), 51);
        QCOMPARE(fieldsOf(mapped.at(10)), QString("|||-1|-1"));
        for (int i = 0, n = 0; i < mapped.size(); ++i) {
            if (i != 10) {
                QCOMPARE(fieldsOf(mapped.at(i)), QStringLiteral("%1|||-1|%2").arg(49 - n).arg(n));
                ++n;
            }
        }
    }

    void mapInheritedFields()
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

    void toJsonRoundTrip()
    {
        MixedRecord record;
        record.khbh = QStringLiteral("K1");
        record.w_cpmc = QStringLiteral("澄岚");
        record.amount = 2.5;
        record.count = 9007199254740993LL;
        const QJsonObject json = RecordMapper::toJson(record);
        QCOMPARE(json.value("khbh"), QJsonValue("K1"));
        QCOMPARE(json.value("rela_path"), QJsonValue("")); // empty text, not null
        QCOMPARE(json.value("amount").toDouble(), 2.5);
        QCOMPARE(fieldsOf(RecordMapper::map<MixedRecord>(json)), fieldsOf(record));
    }

    void mediaUrlDefaults()
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

        const QUrl internal(MediaUrl::internalHtml(QStringLiteral("/upload/user/1/x.png")));
        QCOMPARE(internal.port(), 8300);
        QCOMPARE(internal.path(), QStringLiteral("/ump/upload/user/1/x.png"));
    }

    void mediaUrl_data()
    {
        QTest::addColumn<QString>("base");
        QTest::addColumn<QString>("relaPath");
        QTest::addColumn<QString>("url");

        const QString base = QStringLiteral("http://media.test:8080");
        const QString folder = base + QStringLiteral("/upload/user/1/");
        // clang-format off
        QTest::newRow("file") << base << "2016/a.jpg" << folder + "2016/a.jpg";
        QTest::newRow("empty gives the bare folder") << base << "" << folder;
        QTest::newRow("spaces and Chinese unescaped") << base << "公告 1.pdf" << folder + "公告 1.pdf";
        QTest::newRow("percent escapes kept") << base << "a%20b.png" << folder + "a%20b.png";
        QTest::newRow("query characters kept") << base << "a.png?v=1#x" << folder + "a.png?v=1#x";
        QTest::newRow("leading slash kept") << base << "/a.png" << folder + "/a.png";
        QTest::newRow("base path and query dropped") << "http://media.test/some/path/?q=1#f" << "x.png" << "http://media.test/upload/user/1/x.png";
        QTest::newRow("base with a slash") << "http://127.0.0.1:9000/" << "" << "http://127.0.0.1:9000/upload/user/1/";
        // clang-format on
    }

    void mediaUrl()
    {
        QFETCH(QString, base);
        QFETCH(QString, relaPath);
        QFETCH(QString, url);
        AppConfig::setMediaBaseUrl(QUrl(base));
        QCOMPARE(MediaUrl::forRelaPath(relaPath), url);
    }

    void html_data()
    {
        QTest::addColumn<bool>("internal");
        QTest::addColumn<QString>("html");
        QTest::addColumn<QString>("expected");

        // clang-format off
        QTest::newRow("both quotes") << false << R"(<p>图</p><img src="/upload/user/1/a.png"><img src='/upload/user/1/b/c.jpg'>)" << R"(<p>图</p><img src="http://media.test:8080/upload/user/1/a.png"><img src='http://media.test:8080/upload/user/1/b/c.jpg'>)";
        QTest::newRow("no images") << false << "<p>no images</p>" << "<p>no images</p>";
        QTest::newRow("empty") << false << "" << "";
        QTest::newRow("other folders left alone") << false << "/upload/user/2/a.png" << "/upload/user/2/a.png";
        QTest::newRow("internal, also outside tags") << true << R"(<img src="/upload/user/1/a.png"> /upload/user/1)" << R"(<img src="http://inner.test:8300/ump/upload/user/1/a.png"> http://inner.test:8300/ump/upload/user/1)";
        QTest::newRow("internal, no images") << true << "text" << "text";
        // clang-format on
    }

    void html()
    {
        QFETCH(bool, internal);
        QFETCH(QString, html);
        QFETCH(QString, expected);
        AppConfig::setMediaBaseUrl(QUrl(QStringLiteral("http://media.test:8080")));
        AppConfig::setInternalMediaBaseUrl(QUrl(QStringLiteral("http://inner.test:8300")));
        QCOMPARE(internal ? MediaUrl::internalHtml(html) : MediaUrl::absoluteHtml(html), expected);
    }

    void gatewayUrlOverride()
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
};

QTEST_APPLESS_MAIN(TestCoreEnvelope)
#include "test_core_envelope.moc"
