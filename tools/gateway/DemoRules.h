#pragma once

#include <QDate>
#include <QString>

// The server's own rules and formats. Mobile numbers, e-mail addresses and identity numbers
// are checked with the client's validators (Validation.h), so that the demo refuses exactly
// what the client's forms would.
namespace DemoRules {

// The SMS code the demo "sends": no message leaves the machine.
inline const QString kSmsCode = QStringLiteral("123456");

// One of the nine document-type codes the client offers.
bool isDocumentType(const QString &code);
bool isValidPassword(const QString &plain); // 6 to 20 characters

// Amounts as the server writes them: yuan with two decimals.
QString money(double yuan);
QString now();                      // "yyyy-MM-dd HH:mm:ss"
QString dateText(const QDate &day); // "yyyyMMdd"
QDate parseDate(const QString &yyyymmdd);

} // namespace DemoRules
