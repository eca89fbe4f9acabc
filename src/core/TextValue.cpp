#include "TextValue.h"

#include <QLocale>

#include <clocale>
#include <cstdarg>
#include <cstdio>
#include <limits>
#include <locale.h>

namespace TextValue {
namespace {

qsizetype skipSpaces(const QString &text, qsizetype i)
{
    while (i < text.size() && text.at(i).isSpace())
        ++i;
    return i;
}

bool isAsciiDigit(QChar c)
{
    return c >= u'0' && c <= u'9';
}

qsizetype skipDigits(const QString &text, qsizetype i)
{
    while (i < text.size() && isAsciiDigit(text.at(i)))
        ++i;
    return i;
}

// Qt sets the process locale from the environment at start-up; amounts must keep the
// C notation ("1234.50", never "1234,50") whatever the user's locale is.
locale_t cNumericLocale()
{
    static const locale_t c = newlocale(LC_ALL_MASK, "C", locale_t(nullptr));
    return c;
}

} // namespace

qint64 integerValue(const QString &text)
{
    qsizetype i = skipSpaces(text, 0);
    bool negative = false;
    if (i < text.size() && (text.at(i) == u'+' || text.at(i) == u'-')) {
        negative = text.at(i) == u'-';
        ++i;
    }
    qint64 value = 0;
    constexpr qint64 max = std::numeric_limits<qint64>::max();
    for (; i < text.size() && isAsciiDigit(text.at(i)); ++i) {
        const int digit = text.at(i).unicode() - u'0';
        if (value > (max - digit) / 10)
            return negative ? std::numeric_limits<qint64>::min() : max;
        value = value * 10 + digit;
    }
    return negative ? -value : value;
}

int intValue(const QString &text)
{
    const qint64 v = integerValue(text);
    if (v > std::numeric_limits<int>::max())
        return std::numeric_limits<int>::max();
    if (v < std::numeric_limits<int>::min())
        return std::numeric_limits<int>::min();
    return int(v);
}

double doubleValue(const QString &text)
{
    const qsizetype start = skipSpaces(text, 0);
    qsizetype i = start;
    if (i < text.size() && (text.at(i) == u'+' || text.at(i) == u'-'))
        ++i;
    const qsizetype intStart = i;
    i = skipDigits(text, i);
    bool hasDigits = i > intStart;
    if (i < text.size() && text.at(i) == u'.') {
        const qsizetype fracStart = i + 1;
        const qsizetype fracEnd = skipDigits(text, fracStart);
        if (fracEnd > fracStart || hasDigits) {
            hasDigits = hasDigits || fracEnd > fracStart;
            i = fracEnd;
        }
    }
    if (!hasDigits)
        return 0.0;
    // An exponent counts only when at least one digit follows it.
    if (i < text.size() && (text.at(i) == u'e' || text.at(i) == u'E')) {
        qsizetype j = i + 1;
        if (j < text.size() && (text.at(j) == u'+' || text.at(j) == u'-'))
            ++j;
        const qsizetype expEnd = skipDigits(text, j);
        if (expEnd > j)
            i = expEnd;
    }
    // QLocale::c() keeps strtod's overflow reading (±infinity) where QByteArray::toDouble
    // gives 0, and unlike strtod it ignores the process locale's decimal point.
    return QLocale::c().toDouble(QStringView(text).mid(start, i - start));
}

QString format(const char *fmt, ...)
{
    const locale_t previous = uselocale(cNumericLocale());
    va_list args;
    va_start(args, fmt);
    va_list copy;
    va_copy(copy, args);
    const int size = std::vsnprintf(nullptr, 0, fmt, copy);
    va_end(copy);
    QByteArray buffer(size > 0 ? size : 0, Qt::Uninitialized);
    if (size > 0)
        std::vsnprintf(buffer.data(), size_t(size) + 1, fmt, args);
    va_end(args);
    uselocale(previous);
    return QString::fromUtf8(buffer);
}

} // namespace TextValue
