#pragma once

#include <QString>

// Input checks shared by every form. Each pattern must cover the whole text.
namespace Validation {

// 18-character resident identity number with a correct check character.
bool validateIDCardNumber(const QString &text);
bool validateEmail(const QString &text);
// Any of the four mobile-number patterns (all carriers).
bool validatePhone(const QString &text);
// 6 to 18 letters and digits, neither all digits nor all letters.
bool checkPassword(const QString &text);
// 1 to 20 Latin letters or CJK ideographs.
bool checkUserName(const QString &text);
// True when the text holds no decimal digit (callers treat true as a rejected number).
bool isPureNumandCharacters(const QString &text);

} // namespace Validation
