#include "SessionStore.h"

#include "Constant.h"
#include "Logging.h"
#include "RecordMapper.h"
#include "UserDefaults.h"

#include <QJsonValue>

#include <algorithm>

namespace SessionStore {
namespace {

const QString kPassword = QStringLiteral("password");
const QString kType = QStringLiteral("type");
const QString kNumberID = QStringLiteral("numberID");
const QString kAutoLogin = QStringLiteral("autoLogin");
const QString kYes = QStringLiteral("YES");

const QStringList &myDicKeys()
{
    static const QStringList keys = {
        QStringLiteral("crmkhbh"), QStringLiteral("khbh"), QStringLiteral("khlx"),
        QStringLiteral("khmm"),    QStringLiteral("khxm"), QStringLiteral("khzt"),
        QStringLiteral("sjhm"),    QStringLiteral("zjhm"), QStringLiteral("zjlx"),
        QStringLiteral("xb"),      QStringLiteral("yxdz"),
    };
    return keys;
}

UserDefaults &store()
{
    return UserDefaults::standard();
}

} // namespace

std::optional<SavedSignIn> savedSignIn()
{
    const auto dict = store().dictionaryForKey(PersistedKey::SignIn);
    if (!dict)
        return std::nullopt;
    SavedSignIn saved;
    saved.password = dict->value(kPassword).toString();
    saved.type = dict->value(kType).toString();
    saved.numberID = dict->value(kNumberID).toString();
    saved.autoLogin = dict->value(kAutoLogin).toString() == kYes;
    return saved;
}

void storeSignIn(const QString &type, const QString &numberID, const QString &password)
{
    store().removeObjectForKey(PersistedKey::SignIn);
    store().setObject(PersistedKey::SignIn, QJsonObject{
                                                {kPassword, password},
                                                {kType, type},
                                                {kNumberID, numberID},
                                                {kAutoLogin, kYes},
                                            });
}

void storeMyDic(const QZLoginModel &customer)
{
    const QJsonObject fields = RecordMapper::toJson(customer);
    QJsonObject dic;
    for (const QString &key : myDicKeys())
        dic.insert(key, fields.value(key).toString());
    store().removeObjectForKey(PersistedKey::MyDic);
    store().setObject(PersistedKey::MyDic, dic);
}

std::optional<QJsonObject> myDic()
{
    return store().dictionaryForKey(PersistedKey::MyDic);
}

QString myDicValue(const QString &key)
{
    return myDic().value_or(QJsonObject()).value(key).toString();
}

void setLoginInStatus()
{
    store().setObject(PersistedKey::LoginInStatus, kYes);
}

void removeLoginInStatus()
{
    store().removeObjectForKey(PersistedKey::LoginInStatus);
}

QString userDictionaryCustno()
{
    const auto dict = store().dictionaryForKey(PersistedKey::UserDictionary);
    return dict ? dict->value(QStringLiteral("custno")).toString() : QString();
}

bool passwordIsExist()
{
    return !gestureFinal().value_or(QString()).isEmpty();
}

QString gestureOne()
{
    return store().stringForKey(PersistedKey::GestureOne).value_or(QString());
}

void setGestureOne(const QString &pattern)
{
    store().setObject(PersistedKey::GestureOne, pattern);
}

void removeGestureOne()
{
    store().removeObjectForKey(PersistedKey::GestureOne);
}

std::optional<QString> gestureFinal()
{
    return store().stringForKey(PersistedKey::GestureFinal);
}

void setGestureFinal(const QString &pattern)
{
    store().setObject(PersistedKey::GestureFinal, pattern);
}

void removeGestureFinal()
{
    store().removeObjectForKey(PersistedKey::GestureFinal);
}

std::optional<int> gestureErrorCount()
{
    return store().intForKey(PersistedKey::GestureErrorCount, 0, kGestureAttempts);
}

void setGestureErrorCount(int count)
{
    store().setObject(PersistedKey::GestureErrorCount, std::clamp(count, 0, kGestureAttempts));
}

void removeGestureErrorCount()
{
    store().removeObjectForKey(PersistedKey::GestureErrorCount);
}

void clearPassword()
{
    if (const auto saved = savedSignIn()) {
        store().setObject(PersistedKey::SignIn, QJsonObject{
                                                    {kPassword, QString()},
                                                    {kType, saved->type},
                                                    {kNumberID, saved->numberID},
                                                });
    }
    removeGestureFinal();
}

void exitAccount()
{
    clearPassword();
    Constant::shareConstant()->setIsLogin(false);
    Constant::shareConstant()->setCurrentUser(std::nullopt);
    qCInfo(lcSession) << "Signed out";
}

void beginSession(const QZLoginModel &customer)
{
    Constant::shareConstant()->setCurrentUser(customer);
    Constant::shareConstant()->setIsLogin(true);
    qCInfo(lcSession) << "Signed in as customer" << customer.khbh;
}

const QZLoginModel &currentCustomer()
{
    static const QZLoginModel nobody;
    const auto &user = Constant::shareConstant()->currentUser();
    return user ? *user : nobody;
}

} // namespace SessionStore
