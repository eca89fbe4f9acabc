#include "Validation.h"

#include <QRegularExpression>

#include <array>

namespace Validation {
namespace {

// Anchoring makes every check a whole-string match, as the original's MATCHES did.
QRegularExpression wholeMatch(const QString &pattern)
{
    return QRegularExpression(QRegularExpression::anchoredPattern(pattern));
}

} // namespace

bool validateIDCardNumber(const QString &text)
{
    static constexpr std::array<int, 17> weights = {7, 9, 10, 5,  8, 4, 2, 1, 6,
                                                    3, 7, 9,  10, 5, 8, 4, 2};
    static constexpr char checkCharacters[] = "10X98765432";
    if (text.size() != 18)
        return false;
    int sum = 0;
    for (int i = 0; i < 17; ++i) {
        const QChar c = text.at(i);
        if (c < u'0' || c > u'9')
            return false;
        sum += (c.unicode() - u'0') * weights[size_t(i)];
    }
    return text.at(17).toUpper() == QLatin1Char(checkCharacters[sum % 11]);
}

bool validateEmail(const QString &text)
{
    static const QRegularExpression re =
        wholeMatch(QStringLiteral("[A-Z0-9a-z._%+-]+@[A-Za-z0-9.-]+\\.[A-Za-z]{2,4}"));
    return re.match(text).hasMatch();
}

bool validatePhone(const QString &text)
{
    static const std::array<QRegularExpression, 4> patterns = {
        wholeMatch(QStringLiteral("^1(3[0-9]|5[0-35-9]|8[025-9])\\d{8}$")),
        wholeMatch(QStringLiteral("^1(34[0-8]|(3[5-9]|5[017-9]|8[278])\\d)\\d{7}$")),
        wholeMatch(QStringLiteral("^1(3[0-2]|5[256]|8[56])\\d{8}$")),
        wholeMatch(QStringLiteral("^1((33|53|8[09])[0-9]|349)\\d{7}$")),
    };
    for (const auto &re : patterns) {
        if (re.match(text).hasMatch())
            return true;
    }
    return false;
}

bool checkPassword(const QString &text)
{
    static const QRegularExpression re =
        wholeMatch(QStringLiteral("^(?![0-9]+$)(?![a-zA-Z]+$)[a-zA-Z0-9]{6,18}"));
    return re.match(text).hasMatch();
}

bool checkUserName(const QString &text)
{
    static const QRegularExpression re =
        wholeMatch(QStringLiteral("^[a-zA-Z\\x{4E00}-\\x{9FA5}]{1,20}"));
    return re.match(text).hasMatch();
}

bool isPureNumandCharacters(const QString &text)
{
    for (const QChar c : text) {
        if (c >= u'0' && c <= u'9')
            return false;
    }
    return true;
}

} // namespace Validation
