#include "DemoLog.h"

#include <QJsonArray>

Q_LOGGING_CATEGORY(lcDemo, "chenglan.demo")
Q_LOGGING_CATEGORY(lcDemoBody, "chenglan.demo.body", QtInfoMsg)

namespace {

// Keys whose values never reach a log. Passwords travel encrypted under a key built into
// every client, so the encrypted text is as good as the password.
bool isSecret(const QString &key)
{
    static const QStringList exact{QStringLiteral("khmm"), QStringLiteral("new_khmm"),
                                   QStringLiteral("zjhm"), QStringLiteral("yhzh"),
                                   QStringLiteral("khzh"), QStringLiteral("syfpzh"),
                                   QStringLiteral("txdz"), QStringLiteral("lxdz"),
                                   QStringLiteral("yxdz"), QStringLiteral("phonecode")};
    const QString lower = key.toLower();
    return exact.contains(lower) || lower.contains(QLatin1String("password")) ||
           lower.endsWith(QLatin1String("mm")) || lower.contains(QLatin1String("address")) ||
           lower.contains(QLatin1String("account")) || lower.endsWith(QLatin1String("dz"));
}

QJsonValue maskedValue(const QString &key, const QJsonValue &value)
{
    if (value.isObject())
        return DemoLog::masked(value.toObject());
    if (value.isArray()) {
        QJsonArray items;
        for (const QJsonValue &item : value.toArray())
            items.append(maskedValue(key, item));
        return items;
    }
    if (!isSecret(key) || value.isNull())
        return value;
    const qsizetype length = value.isString() ? value.toString().size() : 0;
    return QStringLiteral("<masked %1>").arg(length);
}

} // namespace

QJsonObject DemoLog::masked(const QJsonObject &params)
{
    QJsonObject out;
    for (auto it = params.begin(); it != params.end(); ++it)
        out.insert(it.key(), maskedValue(it.key(), it.value()));
    return out;
}
