#pragma once

#include <QString>

// Readings and formatting of texts the way the original client did them: a text's
// number is its leading number ("4a" is 4, "abc" is 0), and printf-style formats
// round as the C library does.
namespace TextValue {

// Leading integer: optional white space, sign and digits; 0 when there are no digits.
// Out-of-range values saturate.
qint64 integerValue(const QString &text);
int intValue(const QString &text);

// Leading floating number (sign, digits, point, exponent); 0 when there is none.
double doubleValue(const QString &text);

// printf-style formatting through the C library, so "%.f" of 1.5 is "2" and the compiler
// checks the arguments against the format.
QString format(const char *fmt, ...) __attribute__((format(printf, 1, 2)));

} // namespace TextValue
