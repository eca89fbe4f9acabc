// How much the record mapping adds to the JSON parse of a large answer: the whole-list
// operations ("row_count" "1000") bring about a thousand product records at once, and
// the list screen maps all of them on the main thread before it can show anything.
//
// Usage: bench_decode [repetitions]   (default 20; the median is reported)

#include "ResponseEnvelope.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTextStream>

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

QByteArray answerBody(int recordCount)
{
    QJsonArray records;
    for (int i = 0; i < recordCount; ++i)
        records.append(productRecord(i));
    const QJsonObject envelope{
        {"flag", "1"}, {"prompt", QString()}, {"data", QJsonObject{{"record1", records}}}};
    return QJsonDocument(QJsonArray{envelope}).toJson(QJsonDocument::Compact);
}

template <class Run> double medianMs(int repetitions, Run run)
{
    run(); // warm-up: caches, allocator
    std::vector<double> times;
    times.reserve(size_t(repetitions));
    for (int i = 0; i < repetitions; ++i) {
        QElapsedTimer timer;
        timer.start();
        run();
        times.push_back(double(timer.nsecsElapsed()) / 1e6);
    }
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const int repetitions = argc > 1 ? std::max(1, atoi(argv[1])) : 20;

    const QByteArray body = answerBody(1000);
    qsizetype sink = 0;

    const double bare = medianMs(repetitions, [&] {
        const QJsonDocument doc = QJsonDocument::fromJson(body);
        sink += doc.array().size();
    });
    // What any mapper into QString fields must pay on top of the parse: one QString per
    // value (allocation and conversion to UTF-16), created and freed.
    const double strings = medianMs(repetitions, [&] {
        const QJsonArray records = QJsonDocument::fromJson(body)
                                       .array()
                                       .first()
                                       .toObject()
                                       .value("data")
                                       .toObject()
                                       .value("record1")
                                       .toArray();
        std::vector<QString> values;
        values.reserve(size_t(records.size()) * 45);
        for (const QJsonValue &record : records) {
            const QJsonObject object = record.toObject();
            for (auto it = object.constBegin(); it != object.constEnd(); ++it)
                values.push_back(it.value().toString());
        }
        sink += qsizetype(values.size());
    });
    const double mapped = medianMs(repetitions, [&] {
        const QList<ProductLikeGadget> products =
            ResponseEnvelope::fromBody(body).recordsAs<ProductLikeGadget>();
        sink += products.size() + products.last().w_lxr.size();
    });

    // Check the mapping really happened, so the figure is not that of a no-op.
    const QList<ProductLikeGadget> products =
        ResponseEnvelope::fromBody(body).recordsAs<ProductLikeGadget>();
    if (products.size() != 1000 || products.at(3).w_px != QLatin1String("3") ||
        products.at(0).w_mjgm != QLatin1String("300000000") || products.at(5).w_cpmc.isEmpty()) {
        std::fprintf(stderr, "mapping check failed\n");
        return 1;
    }

    const double ratio = mapped / bare;
    QTextStream out(stdout);
    out << "answer: 1000 records, " << body.size() << " bytes, "
        << ProductLikeGadget::staticMetaObject.propertyCount() << " fields per record\n";
    out << "median of " << repetitions << " runs\n";
    out << "  bare QJsonDocument::fromJson:             " << QString::number(bare, 'f', 2)
        << " ms\n";
    out << "  fromJson + a QString of every value:      " << QString::number(strings, 'f', 2)
        << " ms (ratio " << QString::number(strings / bare, 'f', 2) << ", no mapping)\n";
    out << "  fromBody(...).recordsAs<ProductLike>():   " << QString::number(mapped, 'f', 2)
        << " ms\n";
    out << "  ratio: " << QString::number(ratio, 'f', 2)
        << " (target <= 2.00: " << (ratio <= 2.0 ? "met" : "NOT met") << ")\n";
    out << "  (checksum " << sink << ")\n";
    return 0;
}

#include "bench_decode.moc"
