#pragma once

#include <QString>

// Display formats for the dates and amounts that travel as text.
namespace Formatting {

// "20160105" → "2016-01-05"; an empty text stays empty; any other length is returned as is.
QString GetFormateDate(const QString &text);

// The amount with two decimals and thousands separators: "1234.5" → "1,234.50".
QString stringTofengeString(const QString &text);

// A mobile number with its fourth to seventh characters hidden: "138****5678". Shorter
// texts hide what of those places they have.
QString maskedMobile(const QString &number);

} // namespace Formatting
