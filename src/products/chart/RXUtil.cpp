#include "RXUtil.h"

namespace RXUtil {
namespace {

// The leading hexadecimal number of a two-character pair, as a scanner reads it: 0 when
// the pair does not start with a hexadecimal digit.
int leadingHex(QStringView pair)
{
    int value = 0;
    for (const QChar ch : pair) {
        const int digit = QStringLiteral("0123456789ABCDEF").indexOf(ch);
        if (digit < 0)
            break;
        value = value * 16 + digit;
    }
    return value;
}

} // namespace

QColor colorWithHexString(const QString &color)
{
    return colorWithHexString(color, 1.0);
}

QColor colorWithHexString(const QString &color, qreal alpha)
{
    const QColor clear(0, 0, 0, 0);
    QString text = color.trimmed().toUpper();
    if (text.size() <= 5)
        return clear;
    if (text.startsWith(QLatin1String("0X")))
        text.remove(0, 2);
    if (text.startsWith(u'#'))
        text.remove(0, 1);
    if (text.size() != 6)
        return clear;
    const QStringView digits(text);
    return QColor::fromRgbF(float(leadingHex(digits.mid(0, 2)) / 255.0),
                            float(leadingHex(digits.mid(2, 2)) / 255.0),
                            float(leadingHex(digits.mid(4, 2)) / 255.0), float(alpha));
}

} // namespace RXUtil
