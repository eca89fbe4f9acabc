#include "DemoRules.h"

#include "IdentityDocumentTypes.h"

#include <QDateTime>

#include <algorithm>

bool DemoRules::isDocumentType(const QString &code)
{
    const QList<IdentityDocumentType> &types = IdentityDocumentTypes::pickerTypes();
    return std::any_of(types.cbegin(), types.cend(),
                       [&](const IdentityDocumentType &type) { return type.code == code; });
}

bool DemoRules::isValidPassword(const QString &plain)
{
    return plain.size() >= 6 && plain.size() <= 20;
}

QString DemoRules::money(double yuan)
{
    return QString::number(yuan, 'f', 2);
}

QString DemoRules::now()
{
    return QDateTime::currentDateTime().toString(QStringLiteral("yyyy-MM-dd HH:mm:ss"));
}

QString DemoRules::dateText(const QDate &day)
{
    return day.toString(QStringLiteral("yyyyMMdd"));
}

QDate DemoRules::parseDate(const QString &yyyymmdd)
{
    return QDate::fromString(yyyymmdd.left(8), QStringLiteral("yyyyMMdd"));
}
