#pragma once

#include "QZLoginModel.h"
#include "ResponseEnvelope.h"
#include "SessionStore.h"

#include <QJsonObject>
#include <QObject>
#include <QString>
#include <functional>
#include <optional>

// The sign-in operation ("168000") shared by the sign-in screen, the account tab's form
// and the gesture lock: building its parameters, sending it, and what a success stores.
namespace SignIn {

struct Result
{
    enum class Outcome
    {
        SignedIn,
        Refused,
        NetworkFailure
    };
    Outcome outcome = Outcome::Refused;
    QString prompt;        // the server's words when refused
    QZLoginModel customer; // when signed in
};

// The form's own checks: the identity-card check for "身份证", a number for any other type.
// The alert text when the form cannot be sent.
std::optional<QString> checkForm(const QString &typeName, const QString &number);

// Parameters for a type code, a number and the password as typed (encrypted here);
// nothing when the password cannot be encrypted.
std::optional<QJsonObject> params(const QString &zjlx, const QString &zjhm,
                                  const QString &password);

// Sign-in by gesture: the stored number and password, and the code of the stored type
// looked up among "手机" and the nine types; no zjlx when the name matches none.
std::optional<QJsonObject> gestureParams(const SavedSignIn &saved);
// The type list sign-in by gesture searches, "手机" first.
QStringList gestureTypeNames();

// The longest customer field a sign-in keeps (and writes to the store).
constexpr int kMaxCustomerFieldLength = 1000;

// What an answer to "168000" means. A success whose first record is not an object, has no
// `khbh` or has a field longer than kMaxCustomerFieldLength is taken as a refusal, "登录失败",
// and so is a refusal without a prompt.
Result resultOf(const ResponseEnvelope &answer);

// Sends "168000" for the receiver; done runs only while the receiver lives.
void send(const QJsonObject &params, QObject *receiver, std::function<void(const Result &)> done);

// What a signed-in form keeps: the session, "signin" rewritten, "loginInStatus", "myDic".
void storeFormSignIn(const QZLoginModel &customer, const QString &typeName, const QString &number,
                     const QString &password);

} // namespace SignIn
