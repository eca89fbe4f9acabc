#include "DemoRules.h"

#include "IdentityDocumentTypes.h"

#include <QDateTime>

#include <algorithm>
#include <cmath>

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

bool DemoRules::isValidAmount(double yuan)
{
    return std::isfinite(yuan) && yuan > 0 && yuan <= kMaxAmount;
}

qsizetype DemoRules::maxTextLength(const QString &param)
{
    // The questionnaire's answer has its own, longer limit and prompt.
    return param == QLatin1String("pcontent") ? 500 : kMaxText;
}

QString DemoRules::textTooLong(const QJsonObject &params)
{
    for (auto it = params.begin(); it != params.end(); ++it) {
        const qsizetype limit = maxTextLength(it.key());
        if (!it.value().isString() || it.value().toString().size() <= limit)
            continue;
        return limit == kMaxText ? QStringLiteral("输入内容不能超过%1个字符").arg(limit)
                                 : QStringLiteral("字符个数不能大于%1").arg(limit);
    }
    return {};
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
