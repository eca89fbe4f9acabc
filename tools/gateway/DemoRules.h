#pragma once

#include <QDate>
#include <QString>

// The checks and formats the server applies to what customers send, matching the client's
// own validators so that the demo refuses what a real server would.
namespace DemoRules {

// The SMS code the demo "sends": no message leaves the machine.
inline const QString kSmsCode = QStringLiteral("123456");

bool isMobile(const QString &text);
bool isEmail(const QString &text);
// An 18-character resident identity number with a correct check character.
bool isIdCardNumber(const QString &text);
// One of the nine document-type codes the client offers.
bool isDocumentType(const QString &code);
bool isValidPassword(const QString &plain); // 6 to 20 characters

// Amounts as the server writes them: yuan with two decimals.
QString money(double yuan);
QString now();                      // "yyyy-MM-dd HH:mm:ss"
QString dateText(const QDate &day); // "yyyyMMdd"
QDate parseDate(const QString &yyyymmdd);

} // namespace DemoRules
