#include "Formatting.h"

#include "TextValue.h"

namespace Formatting {

QString GetFormateDate(const QString &text)
{
    if (text.size() != 8)
        return text;
    return text.left(4) + u'-' + text.mid(4, 2) + u'-' + text.mid(6, 2);
}

QString stringTofengeString(const QString &text)
{
    const QString fixed = TextValue::format("%.2f", TextValue::doubleValue(text));
    if (fixed.size() <= 5)
        return fixed;
    const QString decimals = fixed.right(3);
    QString integer = fixed.left(fixed.size() - 3);
    const bool negative = integer.startsWith(u'-');
    if (negative)
        integer.remove(0, 1);
    for (qsizetype pos = integer.size() - 3; pos > 0; pos -= 3)
        integer.insert(pos, u',');
    return (negative ? QStringLiteral("-") : QString()) + integer + decimals;
}

QString maskedMobile(const QString &number)
{
    if (number.size() <= 3)
        return number;
    const qsizetype hidden = std::min<qsizetype>(4, number.size() - 3);
    return number.left(3) + QString(hidden, QLatin1Char('*')) + number.mid(3 + hidden);
}

} // namespace Formatting
