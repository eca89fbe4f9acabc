// Every input check of the forms, and the leading-number readings the screens apply to texts
// from the server; each check's answer is held to what its rule promises.
#include "FuzzSupport.h"

#include "TextValue.h"
#include "Validation.h"

#include <limits>

namespace {

bool allAsciiDigits(const QString &text)
{
    for (const QChar c : text) {
        if (c < u'0' || c > u'9')
            return false;
    }
    return true;
}

void check(bool holds)
{
    if (!holds)
        __builtin_trap();
}

void checkText(const QString &text)
{
    if (Validation::validateIDCardNumber(text))
        check(text.size() == 18 && allAsciiDigits(text.left(17)));
    if (Validation::validatePhone(text))
        check(text.size() == 11 && allAsciiDigits(text));
    if (Validation::checkPassword(text))
        check(text.size() >= 6 && text.size() <= 18);
    if (Validation::checkUserName(text))
        check(text.size() >= 1 && text.size() <= 20);
    Validation::validateEmail(text);
    bool hasDigit = false;
    for (const QChar c : text)
        hasDigit = hasDigit || (c >= u'0' && c <= u'9');
    check(Validation::isPureNumandCharacters(text) == !hasDigit);

    const qint64 integer = TextValue::integerValue(text);
    const int small = TextValue::intValue(text);
    constexpr qint64 intMin = std::numeric_limits<int>::min();
    constexpr qint64 intMax = std::numeric_limits<int>::max();
    check(qint64(small) == qBound(intMin, integer, intMax));
    const double number = TextValue::doubleValue(text);
    // Amounts read this way are printed with the C library's formats.
    TextValue::format("%.2f", number);
    TextValue::format("%.f", number);
    TextValue::format("%lld", static_cast<long long>(integer));
    TextValue::format("%s", text.toUtf8().constData());
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    FuzzSupport::silenceLogs();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    checkText(QString::fromUtf8(FuzzSupport::bytesOf(data, size)));
    // The same bytes as UTF-16, which brings unpaired surrogates and every CJK ideograph.
    checkText(QString::fromUtf16(reinterpret_cast<const char16_t *>(data), qsizetype(size / 2)));
    return 0;
}
