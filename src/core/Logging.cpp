#include "Logging.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSet>

Q_LOGGING_CATEGORY(lcGateway, "chenglan.gateway")
// Debug is below the category's default level, so bodies stay out of logs unless a rule asks.
Q_LOGGING_CATEGORY(lcGatewayBody, "chenglan.gateway.body", QtInfoMsg)
Q_LOGGING_CATEGORY(lcStore, "chenglan.store")
Q_LOGGING_CATEGORY(lcSession, "chenglan.session")

namespace {

bool isPersonal(const QString &key)
{
    static const QSet<QString> keys = {
        // passwords, plain or encrypted, and the SMS code that stands for one
        QStringLiteral("khmm"), QStringLiteral("new_khmm"), QStringLiteral("old_khmm"),
        QStringLiteral("newpassword"), QStringLiteral("oldpassword"), QStringLiteral("password"),
        QStringLiteral("mm"), QStringLiteral("phonecode"),
        // identity documents
        QStringLiteral("zjhm"), QStringLiteral("sfzh"), QStringLiteral("sfzhm"),
        QStringLiteral("targetinvestcertno"),
        // bank and trust accounts
        QStringLiteral("yhzh"), QStringLiteral("zh"), QStringLiteral("khzh"),
        QStringLiteral("syfpzh"), QStringLiteral("w_mjzh"), QStringLiteral("yhkh"),
        // addresses, postal and e-mail
        QStringLiteral("dz"), QStringLiteral("txdz"), QStringLiteral("lxdz"),
        QStringLiteral("yxdz"), QStringLiteral("email"), QStringLiteral("supplier_address")};
    return keys.contains(key);
}

QJsonValue masked(const QJsonValue &value);

QJsonObject masked(QJsonObject object)
{
    for (auto it = object.begin(); it != object.end(); ++it)
        it.value() = isPersonal(it.key()) ? QJsonValue(QStringLiteral("***")) : masked(it.value());
    return object;
}

QJsonValue masked(const QJsonValue &value)
{
    if (value.isObject())
        return masked(value.toObject());
    if (value.isArray()) {
        QJsonArray array = value.toArray();
        for (auto it = array.begin(); it != array.end(); ++it)
            *it = masked(QJsonValue(*it));
        return array;
    }
    return value;
}

} // namespace

QByteArray Logging::maskedBody(const QByteArray &body)
{
    QJsonParseError error;
    const QJsonDocument doc = QJsonDocument::fromJson(body, &error);
    if (error.error != QJsonParseError::NoError)
        return "<" + QByteArray::number(body.size()) + " bytes, not JSON>";
    const QJsonValue root = doc.isArray() ? QJsonValue(doc.array()) : QJsonValue(doc.object());
    const QJsonValue clean = masked(root);
    return (clean.isArray() ? QJsonDocument(clean.toArray()) : QJsonDocument(clean.toObject()))
        .toJson(QJsonDocument::Compact);
}
