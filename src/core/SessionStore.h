#pragma once

#include "QZLoginModel.h"

#include <QJsonObject>
#include <QString>
#include <optional>

// Names of the keys kept in the user-defaults store across restarts.
namespace PersistedKey {
inline const QString SignIn = QStringLiteral("signin");
inline const QString MyDic = QStringLiteral("myDic");
inline const QString LoginInStatus = QStringLiteral("loginInStatus");
inline const QString UserDictionary = QStringLiteral("userDectionary");
inline const QString GestureOne = QStringLiteral("gestureOneSaveKey");
inline const QString GestureFinal = QStringLiteral("gestureFinalSaveKey");
inline const QString GestureErrorCount = QStringLiteral("gesture_set_error_count");
} // namespace PersistedKey

// The stored sign-in details ("signin"); the password is as the customer typed it, and
// empty once the stored password has been cleared.
struct SavedSignIn
{
    QString password;
    QString type;     // display name of the identity-document type
    QString numberID; // document number as typed
    bool autoLogin = false;
};

// Typed access to the persisted keys, so screens never spell key names or formats.
namespace SessionStore {

std::optional<SavedSignIn> savedSignIn();
// After a sign-in or registration: the old value goes, a fresh one with all four keys is stored.
void storeSignIn(const QString &type, const QString &numberID, const QString &password);

// "myDic": the 11 main fields of the customer; absent fields are stored as "".
void storeMyDic(const QZLoginModel &customer);
std::optional<QJsonObject> myDic();
QString myDicValue(const QString &key);

void setLoginInStatus();
void removeLoginInStatus();

// "custno" of "userDectionary"; empty when absent.
QString userDictionaryCustno();

// True when a confirmed gesture of at least one character is stored.
bool passwordIsExist();

QString gestureOne();
void setGestureOne(const QString &pattern);
void removeGestureOne();
std::optional<QString> gestureFinal();
void setGestureFinal(const QString &pattern);
void removeGestureFinal();
// The gesture lock allows this many wrong drawings in a row.
constexpr int kGestureAttempts = 5;
// The attempts left, 0 to kGestureAttempts; a stored value outside that reads as absent.
std::optional<int> gestureErrorCount();
void setGestureErrorCount(int count);
void removeGestureErrorCount();

// Keeps the stored type and number but forgets the password, and removes the gesture.
void clearPassword();
inline void clearUserLoginpass()
{
    clearPassword();
}

// The state part of signing out: clear the stored password, end the session.
void exitAccount();

// The customer signed in: the session holds the record and says so.
void beginSession(const QZLoginModel &customer);
// The signed-in customer's record, or an empty one when nobody is signed in, for the
// parameters of the customer's own operations.
const QZLoginModel &currentCustomer();

} // namespace SessionStore
