// How much the record mapping adds to the JSON parse of a large answer: the whole-list
// operations ("row_count" "1000") bring about a thousand product records at once, and
// the list screen maps all of them on the main thread before it can show anything.
//
// Usage: bench_decode [pairs]   (default 41)

#include "BenchSupport.h"
#include "ResponseEnvelope.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QJsonParseError>
#include <QMetaProperty>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

// A product record of the size the product screens use: 45 string fields.
class ProductLikeGadget
{
    Q_GADGET
    Q_PROPERTY(QString w_cpdm MEMBER w_cpdm)
    Q_PROPERTY(QString w_cpmc MEMBER w_cpmc)
    Q_PROPERTY(QString w_cpjc MEMBER w_cpjc)
    Q_PROPERTY(QString w_cplx MEMBER w_cplx)
    Q_PROPERTY(QString w_cpzt MEMBER w_cpzt)
    Q_PROPERTY(QString w_fxjg MEMBER w_fxjg)
    Q_PROPERTY(QString w_tgjg MEMBER w_tgjg)
    Q_PROPERTY(QString w_qdje MEMBER w_qdje)
    Q_PROPERTY(QString w_zdje MEMBER w_zdje)
    Q_PROPERTY(QString w_yqsy MEMBER w_yqsy)
    Q_PROPERTY(QString w_nhsyl MEMBER w_nhsyl)
    Q_PROPERTY(QString w_cpqx MEMBER w_cpqx)
    Q_PROPERTY(QString w_qxdw MEMBER w_qxdw)
    Q_PROPERTY(QString w_fpfs MEMBER w_fpfs)
    Q_PROPERTY(QString w_fkcs MEMBER w_fkcs)
    Q_PROPERTY(QString w_tzly MEMBER w_tzly)
    Q_PROPERTY(QString w_tzfw MEMBER w_tzfw)
    Q_PROPERTY(QString w_fxdj MEMBER w_fxdj)
    Q_PROPERTY(QString w_clrq MEMBER w_clrq)
    Q_PROPERTY(QString w_dqrq MEMBER w_dqrq)
    Q_PROPERTY(QString w_mjqsrq MEMBER w_mjqsrq)
    Q_PROPERTY(QString w_mjjzrq MEMBER w_mjjzrq)
    Q_PROPERTY(QString w_mjgm MEMBER w_mjgm)
    Q_PROPERTY(QString w_ymje MEMBER w_ymje)
    Q_PROPERTY(QString w_syje MEMBER w_syje)
    Q_PROPERTY(QString w_jz MEMBER w_jz)
    Q_PROPERTY(QString w_ljjz MEMBER w_ljjz)
    Q_PROPERTY(QString w_jzrq MEMBER w_jzrq)
    Q_PROPERTY(QString w_cpms MEMBER w_cpms)
    Q_PROPERTY(QString w_cpld MEMBER w_cpld)
    Q_PROPERTY(QString w_fxts MEMBER w_fxts)
    Q_PROPERTY(QString w_xsdq MEMBER w_xsdq)
    Q_PROPERTY(QString w_xsqd MEMBER w_xsqd)
    Q_PROPERTY(QString w_rgfl MEMBER w_rgfl)
    Q_PROPERTY(QString w_glfl MEMBER w_glfl)
    Q_PROPERTY(QString w_tgfl MEMBER w_tgfl)
    Q_PROPERTY(QString w_xsfl MEMBER w_xsfl)
    Q_PROPERTY(QString w_zdrgfe MEMBER w_zdrgfe)
    Q_PROPERTY(QString w_sfkzr MEMBER w_sfkzr)
    Q_PROPERTY(QString w_sfksh MEMBER w_sfksh)
    Q_PROPERTY(QString rela_path MEMBER rela_path)
    Q_PROPERTY(QString w_tjbz MEMBER w_tjbz)
    Q_PROPERTY(QString w_px MEMBER w_px)
    Q_PROPERTY(QString w_bz MEMBER w_bz)
    Q_PROPERTY(QString w_lxr MEMBER w_lxr)

public:
    QString w_cpdm, w_cpmc, w_cpjc, w_cplx, w_cpzt, w_fxjg, w_tgjg, w_qdje, w_zdje, w_yqsy, w_nhsyl,
        w_cpqx, w_qxdw, w_fpfs, w_fkcs, w_tzly, w_tzfw, w_fxdj, w_clrq, w_dqrq, w_mjqsrq, w_mjjzrq,
        w_mjgm, w_ymje, w_syje, w_jz, w_ljjz, w_jzrq, w_cpms, w_cpld, w_fxts, w_xsdq, w_xsqd,
        w_rgfl, w_glfl, w_tgfl, w_xsfl, w_zdrgfe, w_sfkzr, w_sfksh, rela_path, w_tjbz, w_px, w_bz,
        w_lxr;
};

QJsonObject productRecord(int i)
{
    const QString n = QString::number(i);
    const QString date = QStringLiteral("2016%1%2")
                             .arg(1 + i % 12, 2, 10, QLatin1Char('0'))
                             .arg(1 + i % 28, 2, 10, QLatin1Char('0'));
    return QJsonObject{
        {"w_cpdm", "CL" + n.rightJustified(6, u'0')},
        {"w_cpmc", QStringLiteral("澄岚稳健收益集合资金信托计划第%1期").arg(i)},
        {"w_cpjc", QStringLiteral("澄岚稳健%1期").arg(i)},
        {"w_cplx", QString::number(1 + i % 4)},
        {"w_cpzt", QString::number(i % 3)},
        {"w_fxjg", QStringLiteral("澄岚信托有限责任公司")},
        {"w_tgjg", QStringLiteral("中国工商银行上海市分行")},
        {"w_qdje", "1000000"},
        {"w_zdje", "3000000"},
        {"w_yqsy", QStringLiteral("7.2%-8.5%")},
        {"w_nhsyl", 7.2 + (i % 10) / 10.0}, // a JSON number
        {"w_cpqx", QString::number(12 + i % 24)},
        {"w_qxdw", QStringLiteral("月")},
        {"w_fpfs", QString::number(1 + i % 5)},
        {"w_fkcs", QString::number(1 + i % 6)},
        {"w_tzly", QStringLiteral("向上海某房地产公司发放信托贷款")},
        {"w_tzfw", QStringLiteral("银行存款、货币市场基金等")},
        {"w_fxdj", QStringLiteral("R3")},
        {"w_clrq", date},
        {"w_dqrq", QStringLiteral("20190630")},
        {"w_mjqsrq", date},
        {"w_mjjzrq", QStringLiteral("20161231")},
        {"w_mjgm", qint64(300000000) + i}, // a JSON number
        {"w_ymje", QString::number(120000000 + i * 1000)},
        {"w_syje", QString::number(180000000 - i * 1000)},
        {"w_jz", 1.0 + i / 10000.0}, // a JSON number
        {"w_ljjz", QStringLiteral("1.2345")},
        {"w_jzrq", date},
        {"w_cpms", QStringLiteral("本信托计划募集资金用于向借款人发放信托贷款，"
                                  "借款人以其土地使用权提供抵押担保，到期一次性还本。")},
        {"w_cpld", QStringLiteral("抵押率低于50%；实际控制人连带责任保证；项目现金流充足")},
        {"w_fxts", QStringLiteral("信托财产可能因市场风险、信用风险等遭受损失。")},
        {"w_xsdq", QStringLiteral("上海、北京、深圳、杭州")},
        {"w_xsqd", QStringLiteral("直销")},
        {"w_rgfl", "0"},
        {"w_glfl", "1.5"},
        {"w_tgfl", "0.05"},
        {"w_xsfl", "0.8"},
        {"w_zdrgfe", "1000000"},
        {"w_sfkzr", "1"},
        {"w_sfksh", "0"},
        {"rela_path", QStringLiteral("product/2016/%1/cover.jpg").arg(i)},
        {"w_tjbz", i % 7 == 0 ? "1" : "0"},
        {"w_px", i}, // a JSON number
        {"w_bz", QString()},
        {"w_lxr", QStringLiteral("王经理 021-6888%1").arg(i % 10000, 4, 10, QLatin1Char('0'))},
    };
}

// `unique`: every text made different from its neighbours' (the worst case for a decoder
// that shares a repeated value).
QByteArray answerBody(int recordCount, bool unique = false)
{
    QJsonArray records;
    for (int i = 0; i < recordCount; ++i) {
        QJsonObject record = productRecord(i);
        if (unique)
            for (auto it = record.begin(); it != record.end(); ++it)
                if (it.value().isString())
                    it.value() = it.value().toString() + QString::number(i);
        records.append(record);
    }
    const QJsonObject envelope{
        {"flag", "1"}, {"prompt", QString()}, {"data", QJsonObject{{"record1", records}}}};
    return QJsonDocument(QJsonArray{envelope}).toJson(QJsonDocument::Compact);
}

// Fields of a base record, an integer field and text fields, for the equality check of the
// two decoders on values of every kind.
class BaseGadget
{
    Q_GADGET
    Q_PROPERTY(QString base_a MEMBER base_a)
    Q_PROPERTY(int count MEMBER count)

public:
    QString base_a;
    int count = 0;
};

class EdgeGadget : public BaseGadget
{
    Q_GADGET
    Q_PROPERTY(QString a MEMBER a)
    Q_PROPERTY(QString b MEMBER b)
    Q_PROPERTY(QString c MEMBER c)
    Q_PROPERTY(QString d MEMBER d)

public:
    QString a, b, c, d;
};

const char kEdgeAnswer[] = R"([{"flag":"1","prompt":"","data":{"record1":[
 {"a":"1","b":"中文","c":"","d":"x","base_a":"b","count":"7"},
 {"d":1e3,"c":1.50,"b":-0,"a":12345678901234567890,"count":3.9},
 {"a":0.1,"b":1e-7,"c":9007199254740993,"d":-2.5e21,"base_a":true},
 {"a":false,"b":null,"c":{"x":1},"d":[1,2],"zz":"unknown"},
 {"w_\u0061":"?","\u0061":"escaped","b":"tab\tand \"quote\" \ud83d\ude00"},
 "not an object",
 {"a":"first","a":"second"},
 {}
]}}])";

template <class T> bool sameRecords(const QList<T> &left, const QList<T> &right)
{
    if (left.size() != right.size())
        return false;
    const QMetaObject &meta = T::staticMetaObject;
    for (qsizetype r = 0; r < left.size(); ++r) {
        for (int i = 0; i < meta.propertyCount(); ++i) {
            const QMetaProperty p = meta.property(i);
            const QVariant l = p.readOnGadget(&left.at(r));
            const QVariant w = p.readOnGadget(&right.at(r));
            if (l != w || l.toString().isNull() != w.toString().isNull()) {
                std::fprintf(stderr, "record %lld field %s: \"%s\" against \"%s\"\n", qlonglong(r),
                             p.name(), qPrintable(l.toString()), qPrintable(w.toString()));
                return false;
            }
        }
    }
    return true;
}

// The path before RecordDecoder: the whole body as a QJsonDocument, then RecordMapper.
template <class T> QList<T> throughDocument(const QByteArray &body)
{
    const QJsonDocument doc = QJsonDocument::fromJson(body);
    return RecordMapper::mapAll<T>(ResponseEnvelope(doc.array().first().toObject()).records());
}

bool sameEnvelope(const QByteArray &body)
{
    QJsonParseError error;
    const QJsonDocument doc = QJsonDocument::fromJson(body, &error);
    // An answer whose first element is not an object has no envelope.
    const bool present = error.error == QJsonParseError::NoError && doc.isArray() &&
                         !doc.array().isEmpty() && doc.array().first().isObject();
    const ResponseEnvelope before =
        present ? ResponseEnvelope(doc.array().first().toObject()) : ResponseEnvelope();
    const ResponseEnvelope now = ResponseEnvelope::fromBody(body);
    return now.isPresent() == before.isPresent() && now.flag() == before.flag() &&
           now.prompt() == before.prompt() && now.object() == before.object() &&
           sameRecords(now.recordsAs<EdgeGadget>(), before.recordsAs<EdgeGadget>());
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const int pairs = argc > 1 ? std::max(5, atoi(argv[1])) : 41;
    constexpr int kWarmUp = 5;

    const QByteArray body = answerBody(1000);
    const QByteArray uniqueBody = answerBody(1000, true);
    const QByteArray edges(kEdgeAnswer);
    qsizetype sink = 0;
    std::printf("answer: 1000 records, %lld bytes, %d fields per record; %d interleaved pairs "
                "after %d warm-up pairs\n",
                qlonglong(body.size()), ProductLikeGadget::staticMetaObject.propertyCount(), pairs,
                kWarmUp);

    // Check the mapping really happened, so the figure is not that of a no-op, and that
    // both paths read every answer alike.
    const QList<ProductLikeGadget> products =
        ResponseEnvelope::fromBody(body).recordsAs<ProductLikeGadget>();
    if (products.size() != 1000 || products.at(3).w_px != QLatin1String("3") ||
        products.at(0).w_mjgm != QLatin1String("300000000") || products.at(5).w_cpmc.isEmpty() ||
        !sameRecords(products, throughDocument<ProductLikeGadget>(body)) ||
        !sameRecords(ResponseEnvelope::fromBody(uniqueBody).recordsAs<ProductLikeGadget>(),
                     throughDocument<ProductLikeGadget>(uniqueBody))) {
        std::fprintf(stderr, "mapping check failed\n");
        return 1;
    }
    const char *const otherBodies[] = {"",
                                       "[",
                                       "[]",
                                       "[{}]",
                                       "[1]",
                                       "[[{}]]",
                                       "[{\"flag\":\"1\"",
                                       "[{\"flag\":\"1\"}] x",
                                       "[{\"flag\":\"1\",\"x\":tru}]",
                                       "[{\"flag\":1,\"a\":1.}]",
                                       "[{\"a\":\"\\q\"}]",
                                       "<html>502</html>",
                                       "[{},]",
                                       "[{\"flag\":true,\"prompt\":7},{\"flag\":\"1\"}]",
                                       "[{\"flag\":\"0\",\"flag\":\"1\",\"prompt\":\"x\"}]",
                                       "{\"flag\":\"1\"}",
                                       "[{\"flag\":\"1\",\"a\":\"tab\there\"}]",
                                       "[{\"flag\":\"1\",\"a\":\"\\ud800\"}]",
                                       "[{\"flag\":1e400}]",
                                       "[{\"flag\":-0.0,\"prompt\":null}]"};
    for (const char *other : otherBodies) {
        if (!sameEnvelope(other)) {
            std::fprintf(stderr, "the envelope reads differently: %s\n", other);
            return 1;
        }
    }
    if (!sameEnvelope(edges)) {
        std::fprintf(stderr, "the envelope reads the edge answer differently\n");
        return 1;
    }

    const auto bare = [&] { sink += QJsonDocument::fromJson(body).array().size(); };
    const auto before = [&] {
        const QList<ProductLikeGadget> records = throughDocument<ProductLikeGadget>(body);
        sink += records.size() + records.last().w_lxr.size();
    };
    const auto now = [&] {
        const QList<ProductLikeGadget> records =
            ResponseEnvelope::fromBody(body).recordsAs<ProductLikeGadget>();
        sink += records.size() + records.last().w_lxr.size();
    };
    BenchSupport::report(
        QStringLiteral("decode+map, fromBody(...).recordsAs<T>() (RecordDecoder) / bare fromJson"),
        BenchSupport::spreadOf(BenchSupport::pairRatios(kWarmUp, pairs, bare, now)), 1.0,
        QStringLiteral("x"));
    BenchSupport::report(
        QStringLiteral("  of which fromBody() alone: flag, prompt, the body checked whole"),
        BenchSupport::spreadOf(BenchSupport::pairRatios(
            kWarmUp, pairs, bare, [&] { sink += ResponseEnvelope::fromBody(body).flag(); })),
        -1, QStringLiteral("x"));
    BenchSupport::report(
        QStringLiteral("  the same, no value repeated between records / bare fromJson"),
        BenchSupport::spreadOf(BenchSupport::pairRatios(
            kWarmUp, pairs, [&] { sink += QJsonDocument::fromJson(uniqueBody).array().size(); },
            [&] {
                sink +=
                    ResponseEnvelope::fromBody(uniqueBody).recordsAs<ProductLikeGadget>().size();
            })),
        -1, QStringLiteral("x"));
    BenchSupport::report(
        QStringLiteral("decode+map before it, QJsonDocument and RecordMapper / bare fromJson"),
        BenchSupport::spreadOf(BenchSupport::pairRatios(kWarmUp, pairs, bare, before)), -1,
        QStringLiteral("x"));
    // What any mapper into QString fields pays on top of the parse: one QString per value.
    const auto strings = [&] {
        const QJsonArray records =
            QJsonDocument::fromJson(body).array().first()["data"]["record1"].toArray();
        std::vector<QString> values;
        values.reserve(size_t(records.size()) * 45);
        for (const QJsonValue &record : records) {
            const QJsonObject object = record.toObject();
            for (auto it = object.constBegin(); it != object.constEnd(); ++it)
                values.push_back(it.value().toString());
        }
        sink += qsizetype(values.size());
    };
    BenchSupport::report(
        QStringLiteral("fromJson + one QString per value, no mapping / bare fromJson"),
        BenchSupport::spreadOf(BenchSupport::pairRatios(kWarmUp, pairs, bare, strings)), -1,
        QStringLiteral("x"));
    QList<double> bareMs;
    for (int i = 0; i < pairs; ++i)
        bareMs.append(BenchSupport::timeMs(bare));
    BenchSupport::report(QStringLiteral("bare fromJson of the answer (for scale)"),
                         BenchSupport::spreadOf(bareMs), -1, QStringLiteral("ms"));
    std::printf("(checksum %lld)\n", qlonglong(sink));
    return 0;
}

#include "bench_decode.moc"
