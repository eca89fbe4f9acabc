#include "DatasetBuilder.h"

#include <QJsonArray>
#include <QRegularExpression>
#include <QtMath>

namespace {

const QString kDateFormat = QStringLiteral("yyyyMMdd");

// Tables whose named fields the real server sends as JSON numbers; everything else is text.
const QHash<QString, QStringList> kNumericFields{
    {QStringLiteral("contracts"), {QStringLiteral("ipomaxsize")}},
    {QStringLiteral("gift_categories"), {QStringLiteral("id")}},
};

// Sections of the dataset that are not tables of records.
const QStringList kNotTables{QStringLiteral("version"), QStringLiteral("description"),
                             QStringLiteral("defaults"), QStringLiteral("net_value_series")};

// A small deterministic generator, so that a series looks the same on every start.
class Lcg
{
public:
    explicit Lcg(quint32 seed) : m_state(seed ? seed : 1) {}
    double uniform() // in [0, 1)
    {
        m_state = m_state * 1664525u + 1013904223u;
        return double(m_state >> 8) / double(1u << 24);
    }
    double gaussian() // Irwin-Hall approximation, mean 0, deviation 1
    {
        double sum = 0;
        for (int i = 0; i < 12; ++i)
            sum += uniform();
        return sum - 6.0;
    }

private:
    quint32 m_state;
};

} // namespace

QString DatasetBuilder::resolveDates(const QString &text) const
{
    if (!text.contains(QLatin1String("{today")))
        return text;
    static const QRegularExpression pattern(QStringLiteral(R"(\{today([+-]\d+)?(?::([^}]*))?\})"));
    QString result;
    qsizetype last = 0;
    auto it = pattern.globalMatch(text);
    while (it.hasNext()) {
        const auto match = it.next();
        const QDate date = m_today.addDays(match.captured(1).toInt());
        const QString format = match.captured(2).isEmpty() ? kDateFormat : match.captured(2);
        result += text.mid(last, match.capturedStart() - last) + date.toString(format);
        last = match.capturedEnd();
    }
    return result + text.mid(last);
}

QJsonValue DatasetBuilder::normalise(const QString &table, const QString &key,
                                     const QJsonValue &value) const
{
    if (value.isString())
        return resolveDates(value.toString());
    if (value.isDouble()) {
        if (kNumericFields.value(table).contains(key))
            return value;
        return QString::number(value.toDouble(), 'g', 15);
    }
    if (value.isBool())
        return value.toBool() ? QStringLiteral("1") : QStringLiteral("0");
    return value;
}

std::optional<QHash<QString, DemoStore::Table>> DatasetBuilder::build(const QJsonObject &dataset,
                                                                      QString *error) const
{
    QHash<QString, DemoStore::Table> tables;
    const QJsonObject defaults = dataset.value(QStringLiteral("defaults")).toObject();

    for (auto it = dataset.begin(); it != dataset.end(); ++it) {
        if (kNotTables.contains(it.key()))
            continue;
        if (!it.value().isArray()) {
            if (error)
                *error = QStringLiteral("dataset section \"%1\" is not an array").arg(it.key());
            return std::nullopt;
        }
        const QString name = it.key();
        const QJsonObject tableDefaults = defaults.value(name).toObject();
        DemoStore::Table records;
        const QJsonArray source = it.value().toArray();
        for (qsizetype i = 0; i < source.size(); ++i) {
            if (!source.at(i).isObject()) {
                if (error)
                    *error =
                        QStringLiteral("record %1 of \"%2\" is not an object").arg(i).arg(name);
                return std::nullopt;
            }
            QJsonObject merged = tableDefaults;
            const QJsonObject own = source.at(i).toObject();
            for (auto f = own.begin(); f != own.end(); ++f)
                merged.insert(f.key(), f.value());
            if (!merged.contains(QStringLiteral("id")))
                merged.insert(QStringLiteral("id"), QString::number(i + 1));
            QJsonObject record;
            for (auto f = merged.begin(); f != merged.end(); ++f)
                record.insert(f.key(), normalise(name, f.key(), f.value()));
            records.append(record);
        }
        tables.insert(name, records);
    }

    for (DemoStore::Record &article : tables[QStringLiteral("news")])
        if (!article.contains(QStringLiteral("content")))
            article.insert(QStringLiteral("content"), articleHtml(article));

    const QJsonArray series = dataset.value(QStringLiteral("net_value_series")).toArray();
    DemoStore::Table values = netValues(series);
    // The securities-trust list shows each product's latest net value.
    for (DemoStore::Record &product : tables[QStringLiteral("products")]) {
        const QString code = product.value(QStringLiteral("w_cpdm")).toString();
        for (auto v = values.crbegin(); v != values.crend(); ++v)
            if (v->value(QStringLiteral("w_cpdm")).toString() == code) {
                product.insert(QStringLiteral("zxjz"), v->value(QStringLiteral("w_jz")));
                break;
            }
        if (!product.contains(QStringLiteral("zxjz")))
            product.insert(QStringLiteral("zxjz"), QString());
    }
    tables.insert(QStringLiteral("net_values"), values);
    return tables;
}

DemoStore::Table DatasetBuilder::netValues(const QJsonArray &series) const
{
    DemoStore::Table values;
    int id = 1;
    for (const QJsonValue &entry : series) {
        const QJsonObject s = entry.toObject();
        const QString code = s.value(QStringLiteral("w_cpdm")).toString();

        QDate date = QDate::fromString(resolveDates(s.value(QStringLiteral("from")).toString()),
                                       kDateFormat);
        const QDate until =
            s.contains(QStringLiteral("until"))
                ? QDate::fromString(resolveDates(s.value(QStringLiteral("until")).toString()),
                                    kDateFormat)
                : m_today;
        const int step = qMax(1, s.value(QStringLiteral("step_days")).toInt(7));
        const double drift = s.value(QStringLiteral("drift")).toDouble(0.05);
        const double volatility = s.value(QStringLiteral("volatility")).toDouble(0.1);
        Lcg random(quint32(s.value(QStringLiteral("seed")).toInt(1)));
        double value = s.value(QStringLiteral("start")).toDouble(1.0);
        if (!date.isValid() || !until.isValid())
            continue;

        // Geometric random walk over trading days (weekends skipped), annual drift and volatility.
        const double dt = step / 365.0;
        for (; date <= until; date = date.addDays(step)) {
            QDate day = date;
            while (day.dayOfWeek() > 5)
                day = day.addDays(-1);
            const QString published = day.toString(kDateFormat);
            if (!values.isEmpty() &&
                values.last().value(QStringLiteral("w_jzrq")).toString() == published &&
                values.last().value(QStringLiteral("w_cpdm")).toString() == code)
                continue;
            DemoStore::Record r;
            r.insert(QStringLiteral("id"), QString::number(id++));
            r.insert(QStringLiteral("w_cpdm"), code);
            r.insert(QStringLiteral("w_jzrq"), published);
            r.insert(QStringLiteral("w_jz"), QString::number(value, 'f', 4));
            values.append(r);
            value *= qExp((drift - volatility * volatility / 2) * dt +
                          volatility * qSqrt(dt) * random.gaussian());
            value = qMax(value, 0.1);
        }
    }
    return values;
}

DemoStore::Record DatasetBuilder::servedNetValue(DemoStore::Record value,
                                                 const DemoStore::Record &product)
{
    for (const char *field : {"w_cpmc", "w_xtgm", "w_xtqx", "w_yqnhsyl"})
        value.insert(QLatin1String(field), product.value(QLatin1String(field)).toString());
    value.insert(QStringLiteral("w_sfsx"), QStringLiteral("1"));
    value.insert(QStringLiteral("update_user"), QStringLiteral("jzlr"));
    const QDate day =
        QDate::fromString(value.value(QStringLiteral("w_jzrq")).toString(), kDateFormat);
    value.insert(QStringLiteral("update_time"),
                 day.toString(QStringLiteral("yyyy-MM-dd 18:00:00")));
    return value;
}

QString DatasetBuilder::articleHtml(const DemoStore::Record &article)
{
    const QString id = article.value(QStringLiteral("id")).toString();
    QString html =
        QStringLiteral("<h3>%1</h3>").arg(article.value(QStringLiteral("title")).toString());
    html += QStringLiteral("<p><img src=\"/upload/user/1/news/news-%1.png\" width=\"640\"/></p>")
                .arg(id);
    const QJsonValue body = article.value(QStringLiteral("_paragraphs"));
    QStringList paragraphs;
    if (body.isArray())
        for (const QJsonValue &p : body.toArray())
            paragraphs.append(p.toString());
    else
        paragraphs = body.toString().split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    for (const QString &p : paragraphs)
        html += QStringLiteral("<p>%1</p>").arg(p);
    return html;
}
