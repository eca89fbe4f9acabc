#pragma once

#include <QDate>
#include <QJsonObject>
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

// A booked amount in yuan: finite, positive and at most kMaxAmount (ten billion yuan, far
// above what the booking form can send), so that nan, inf and 1e308 are never stored.
inline constexpr double kMaxAmount = 1e10;
bool isValidAmount(double yuan);

// Longest text a request may carry in one parameter, so that nothing stored grows without
// bound; a few parameters have a longer limit of their own (maxTextLength).
inline constexpr qsizetype kMaxText = 200;
qsizetype maxTextLength(const QString &param);
// The refusal prompt for the first parameter over its limit, or an empty string.
QString textTooLong(const QJsonObject &params);

// Amounts as the server writes them: yuan with two decimals.
QString money(double yuan);
QString now();                      // "yyyy-MM-dd HH:mm:ss"
QString dateText(const QDate &day); // "yyyyMMdd"
QDate parseDate(const QString &yyyymmdd);

} // namespace DemoRules
