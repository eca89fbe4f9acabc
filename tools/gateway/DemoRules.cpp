#include "DemoRules.h"

#include <QDateTime>
#include <QRegularExpression>

namespace {
bool wholeMatch(const QString &pattern, const QString &text)
{
    const QRegularExpression re(QRegularExpression::anchoredPattern(pattern));
    return re.match(text).hasMatch();
}
} // namespace

bool DemoRules::isMobile(const QString &text)
{
    return wholeMatch(QStringLiteral(R"(1(3[0-9]|5[0-35-9]|8[025-9])\d{8})"), text) ||
           wholeMatch(QStringLiteral(R"(1(34[0-8]|(3[5-9]|5[017-9]|8[278])\d)\d{7})"), text) ||
           wholeMatch(QStringLiteral(R"(1(3[0-2]|5[256]|8[56])\d{8})"), text) ||
           wholeMatch(QStringLiteral(R"(1((33|53|8[09])[0-9]|349)\d{7})"), text);
}

bool DemoRules::isEmail(const QString &text)
{
    return wholeMatch(QStringLiteral(R"([A-Z0-9a-z._%+-]+@[A-Za-z0-9.-]+\.[A-Za-z]{2,4})"), text);
}

bool DemoRules::isIdCardNumber(const QString &text)
{
    static const int weights[17] = {7, 9, 10, 5, 8, 4, 2, 1, 6, 3, 7, 9, 10, 5, 8, 4, 2};
    static const char checks[] = "10X98765432";
    if (text.size() != 18)
        return false;
    int sum = 0;
    for (int i = 0; i < 17; ++i) {
        if (!text.at(i).isDigit() || text.at(i).unicode() > '9')
            return false;
        sum += (text.at(i).unicode() - '0') * weights[i];
    }
    return text.at(17).toUpper() == QLatin1Char(checks[sum % 11]);
}

bool DemoRules::isDocumentType(const QString &code)
{
    static const QStringList codes{"P", "N", "M", "A", "T", "Y", "X", "K", "W"};
    return codes.contains(code);
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
