#include "AppConfig.h"
#include "Constant.h"
#include "IdentityDocumentTypes.h"
#include "SessionStore.h"
#include "UserDefaults.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QLoggingCategory>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <thread>

namespace {

QByteArray readAll(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) &&
           file.write(bytes) == bytes.size();
}

QStringList sortedKeys(const QJsonObject &object)
{
    QStringList keys = object.keys();
    keys.sort();
    return keys;
}

QStringList sorted(QStringList list)
{
    list.sort();
    return list;
}

constexpr QFileDevice::Permissions kGroupOrOther =
    QFileDevice::ReadGroup | QFileDevice::WriteGroup | QFileDevice::ExeGroup |
    QFileDevice::ReadOther | QFileDevice::WriteOther | QFileDevice::ExeOther;

} // namespace

// What survives a restart and what a sign-out leaves behind. The stored password and
// the gesture are the sensitive part: after a sign-out they must be gone, and the file
// that holds them must be readable by its owner only.
class TestCoreSession : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase(); // checks the default location before anything opens the store
    void init();

    void roundTripAcrossReopen();
    void corruptFileMovedAside_data();
    void corruptFileMovedAside();
    void unreadableFileMovedAside();
    void wrongTypesReadAsAbsent();
    void nullRemovesTheKey();
    void fileIsOwnerOnly();
    void unwritableLocationKeepsValuesInMemory();

    void storeSignIn();
    void storeMyDic();
    void clearPassword();
    void clearPasswordWithoutSignIn();
    void exitAccount();
    void passwordIsExist_data();
    void passwordIsExist();
    void smallKeys();

    void shareConstant();
    void translate_data();
    void translate();
    void translateMoney();

    void pickerTypes();
    void reloadDictionary();
    void codeForName_data();
    void codeForName();

private:
    QString path(const QString &name = QStringLiteral("user-defaults.json")) const
    {
        return m_dir->filePath(name);
    }

    std::unique_ptr<QTemporaryDir> m_dir;
};

void TestCoreSession::initTestCase()
{
    QLoggingCategory::setFilterRules(QStringLiteral("chenglan.session.info=false"));
    QTemporaryDir dataDir;
    QVERIFY(dataDir.isValid());
    AppConfig::setDataDir(dataDir.path());
    QCOMPARE(UserDefaults::standard().filePath(), dataDir.filePath("user-defaults.json"));
    UserDefaults::standard().setObject("k", "v");
    QVERIFY(QFile::exists(dataDir.filePath("user-defaults.json")));
}

void TestCoreSession::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
    UserDefaults::standard().open(path());
    SessionStore::exitAccount();
}

void TestCoreSession::roundTripAcrossReopen()
{
    UserDefaults &store = UserDefaults::standard();
    QCOMPARE(store.toJson(), QJsonObject());
    store.setObject("text", "澄岚");
    store.setObject("number", 3);
    store.setObject("flag", true);
    store.setObject("dict", QJsonObject{{"a", "1"}, {"b", QJsonObject{{"c", "2"}}}});
    store.setObject("list", QJsonArray{"x", 1});
    store.setObject("gone", "soon");
    store.removeObjectForKey("gone");
    store.removeObjectForKey("never there");
    const QJsonObject before = store.toJson();

    store.open(path("elsewhere.json"));
    QCOMPARE(store.toJson(), QJsonObject());

    store.open(path());
    QCOMPARE(store.toJson(), before);
    QCOMPARE(store.stringForKey("text"), std::optional<QString>("澄岚"));
    QCOMPARE(store.numberForKey("number"), std::optional<double>(3));
    QCOMPARE(store.objectForKey("flag"), QJsonValue(true));
    QCOMPARE(store.dictionaryForKey("dict")->value("b").toObject().value("c"), QJsonValue("2"));
    QCOMPARE(store.objectForKey("list"), QJsonValue(QJsonArray{"x", 1}));
    QVERIFY(store.objectForKey("gone").isUndefined());
    // The file itself is a JSON object holding the same.
    QCOMPARE(QJsonDocument::fromJson(readAll(path())).object(), before);
}

void TestCoreSession::corruptFileMovedAside_data()
{
    QTest::addColumn<QByteArray>("bytes");

    QTest::newRow("not JSON") << QByteArray("{\"signin\": {\"password\": \"pw\"");
    QTest::newRow("JSON array") << QByteArray(R"([{"signin":{}}])");
    QTest::newRow("JSON text") << QByteArray(R"("signin")");
    QTest::newRow("empty file") << QByteArray();
    QTest::newRow("binary") << QByteArray("\x00\xff\xfe{", 4);
}

void TestCoreSession::corruptFileMovedAside()
{
    QFETCH(QByteArray, bytes);
    QVERIFY(writeFile(path(), bytes));

    UserDefaults &store = UserDefaults::standard();
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression("unreadable.*starting empty"));
    store.open(path());
    QCOMPARE(store.toJson(), QJsonObject());

    // Kept beside the store with its old bytes, never deleted.
    const QStringList aside = QDir(m_dir->path()).entryList({"user-defaults.json.*"}, QDir::Files);
    QCOMPARE(aside.size(), 1);
    QCOMPARE(readAll(m_dir->filePath(aside.first())), bytes);
    QVERIFY(!QFile::exists(path()));

    // The store works again and the next start reads what was written.
    store.setObject("k", "v");
    store.open(path());
    QCOMPARE(store.stringForKey("k"), std::optional<QString>("v"));
    QCOMPARE(readAll(m_dir->filePath(aside.first())), bytes);
}

void TestCoreSession::unreadableFileMovedAside()
{
    // A store file that cannot even be opened (here a folder stands in its place; a file
    // without read permission is the same for everyone but root) must not be lost to
    // the next write, nor block the store.
    QVERIFY(QDir(m_dir->path()).mkdir("user-defaults.json"));
    QVERIFY(writeFile(path("user-defaults.json/inside"), "kept"));
    UserDefaults &store = UserDefaults::standard();
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression(".*user-defaults.json.*"));
    store.open(path());
    QCOMPARE(store.toJson(), QJsonObject());

    const QStringList aside = QDir(m_dir->path()).entryList({"user-defaults.json.*"}, QDir::Dirs);
    QCOMPARE(aside.size(), 1);
    QCOMPARE(readAll(m_dir->filePath(aside.first() + "/inside")), QByteArray("kept"));

    store.setObject("k", "v");
    QVERIFY(store.synchronize());
    store.open(path());
    QCOMPARE(store.stringForKey("k"), std::optional<QString>("v"));
}

void TestCoreSession::wrongTypesReadAsAbsent()
{
    UserDefaults &store = UserDefaults::standard();
    store.setObject("n", 5);
    store.setObject("s", "5");
    store.setObject("d", QJsonObject{{"a", "b"}});
    store.setObject("l", QJsonArray{"a"});

    QCOMPARE(store.stringForKey("n"), std::nullopt);
    QCOMPARE(store.dictionaryForKey("n"), std::nullopt);
    QCOMPARE(store.numberForKey("s"), std::nullopt);
    QCOMPARE(store.dictionaryForKey("s"), std::nullopt);
    QCOMPARE(store.stringForKey("d"), std::nullopt);
    QCOMPARE(store.numberForKey("d"), std::nullopt);
    QCOMPARE(store.dictionaryForKey("l"), std::nullopt);
    QCOMPARE(store.stringForKey("missing"), std::nullopt);

    // The typed session helpers read a wrong type as absent too.
    store.setObject(PersistedKey::SignIn, "护照");
    QCOMPARE(SessionStore::savedSignIn().has_value(), false);
    store.setObject(PersistedKey::MyDic, QJsonArray{"x"});
    QCOMPARE(SessionStore::myDic(), std::nullopt);
    QCOMPARE(SessionStore::myDicValue("khbh"), QString());
    store.setObject(PersistedKey::GestureFinal, 1234);
    QCOMPARE(SessionStore::gestureFinal(), std::nullopt);
    QVERIFY(!SessionStore::passwordIsExist());
    store.setObject(PersistedKey::GestureErrorCount, "3");
    QCOMPARE(SessionStore::gestureErrorCount(), std::nullopt);
    store.setObject(PersistedKey::UserDictionary, "C1");
    QCOMPARE(SessionStore::userDictionaryCustno(), QString());
    store.setObject(PersistedKey::GestureOne, 5);
    QCOMPARE(SessionStore::gestureOne(), QString());
}

void TestCoreSession::nullRemovesTheKey()
{
    UserDefaults &store = UserDefaults::standard();
    store.setObject("k", "v");
    store.setObject("k", QJsonValue());
    QVERIFY(!store.toJson().contains("k"));
    store.open(path());
    QVERIFY(!store.toJson().contains("k"));
}

void TestCoreSession::fileIsOwnerOnly()
{
    // A file left readable by others (an older version, a copy) is tightened on write.
    QVERIFY(writeFile(path(), R"({"old":"1"})"));
    QVERIFY(QFile::setPermissions(path(), QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                              QFileDevice::ReadGroup | QFileDevice::ReadOther));
    UserDefaults &store = UserDefaults::standard();
    store.open(path());
    QCOMPARE(store.stringForKey("old"), std::optional<QString>("1"));
    SessionStore::storeSignIn("身份证", "11010519491231002X", "secret1");

    QFileDevice::Permissions permissions = QFile::permissions(path());
    QVERIFY(permissions & QFileDevice::ReadOwner);
    QVERIFY(permissions & QFileDevice::WriteOwner);
    QCOMPARE(permissions & kGroupOrOther, QFileDevice::Permissions());

    // A brand-new file as well.
    store.open(path("fresh.json"));
    store.setObject("k", "v");
    permissions = QFile::permissions(path("fresh.json"));
    QVERIFY(permissions & QFileDevice::ReadOwner);
    QCOMPARE(permissions & kGroupOrOther, QFileDevice::Permissions());
}

void TestCoreSession::unwritableLocationKeepsValuesInMemory()
{
    // The folder the file should go into is a plain file: nothing can be written.
    QVERIFY(writeFile(path("blocker"), "x"));
    UserDefaults &store = UserDefaults::standard();
    store.open(path("blocker") + QStringLiteral("/user-defaults.json"));
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression(".*"));
    store.setObject("k", "v");
    QCOMPARE(store.stringForKey("k"), std::optional<QString>("v"));
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression(".*"));
    QVERIFY(!store.synchronize());
}

void TestCoreSession::storeSignIn()
{
    UserDefaults &store = UserDefaults::standard();
    store.setObject(PersistedKey::SignIn, QJsonObject{{"password", "old"}, {"stale", "x"}});

    SessionStore::storeSignIn("护照", "E12345678", "pass word1");
    const auto dict = store.dictionaryForKey(PersistedKey::SignIn);
    QVERIFY(dict.has_value());
    // A fresh dictionary with exactly the four keys; nothing of the old one is left.
    QCOMPARE(*dict, (QJsonObject{{"password", "pass word1"},
                                 {"type", "护照"},
                                 {"numberID", "E12345678"},
                                 {"autoLogin", "YES"}}));
    const auto saved = SessionStore::savedSignIn();
    QVERIFY(saved.has_value());
    QCOMPARE(saved->password, QStringLiteral("pass word1"));
    QCOMPARE(saved->type, QStringLiteral("护照"));
    QCOMPARE(saved->numberID, QStringLiteral("E12345678"));
    QVERIFY(saved->autoLogin);

    // It survives a restart.
    store.open(path());
    QCOMPARE(SessionStore::savedSignIn()->password, QStringLiteral("pass word1"));
}

void TestCoreSession::storeMyDic()
{
    UserDefaults &store = UserDefaults::standard();
    store.setObject(PersistedKey::MyDic, QJsonObject{{"stale", "x"}, {"khbh", "old"}});

    QZLoginModel customer;
    customer.khbh = QStringLiteral("K001");
    customer.crmkhbh = QStringLiteral("C001");
    customer.khxm = QStringLiteral("张三");
    customer.zjlx = QStringLiteral("N");
    customer.zjhm = QStringLiteral("11010519491231002X");
    customer.sjhm = QStringLiteral("13812345678");
    customer.khmm = QStringLiteral("server-hash");
    customer.gddh = QStringLiteral("010-1234"); // not one of the eleven
    customer.zy = QStringLiteral("engineer");   // nor this
    SessionStore::storeMyDic(customer);

    const auto dic = SessionStore::myDic();
    QVERIFY(dic.has_value());
    QCOMPARE(sortedKeys(*dic), sorted({"crmkhbh", "khbh", "khlx", "khmm", "khxm", "khzt", "sjhm",
                                       "zjhm", "zjlx", "xb", "yxdz"}));
    QCOMPARE(dic->value("khbh"), QJsonValue("K001"));
    QCOMPARE(dic->value("crmkhbh"), QJsonValue("C001"));
    QCOMPARE(dic->value("khxm"), QJsonValue("张三"));
    QCOMPARE(dic->value("khmm"), QJsonValue("server-hash"));
    // Fields the record did not carry are stored as empty strings, not left out.
    QCOMPARE(dic->value("yxdz"), QJsonValue(""));
    QCOMPARE(dic->value("xb"), QJsonValue(""));
    QCOMPARE(dic->value("khlx"), QJsonValue(""));
    QCOMPARE(SessionStore::myDicValue("sjhm"), QStringLiteral("13812345678"));
    QCOMPARE(SessionStore::myDicValue("gddh"), QString());
}

void TestCoreSession::clearPassword()
{
    SessionStore::storeSignIn("身份证", "11010519491231002X", "secret1");
    SessionStore::setGestureOne("1235");
    SessionStore::setGestureFinal("12369");
    SessionStore::clearPassword();

    const auto dict = UserDefaults::standard().dictionaryForKey(PersistedKey::SignIn);
    QVERIFY(dict.has_value());
    QCOMPARE(*dict, (QJsonObject{
                        {"password", ""}, {"type", "身份证"}, {"numberID", "11010519491231002X"}}));
    QVERIFY(!SessionStore::savedSignIn()->autoLogin);
    QCOMPARE(SessionStore::gestureFinal(), std::nullopt);
    QVERIFY(!SessionStore::passwordIsExist());
    // The first drawing of a gesture is not the confirmed one and stays.
    QCOMPARE(SessionStore::gestureOne(), QStringLiteral("1235"));

    // Clearing twice changes nothing more, and survives a restart.
    SessionStore::clearPassword();
    UserDefaults::standard().open(path());
    QCOMPARE(UserDefaults::standard().dictionaryForKey(PersistedKey::SignIn), dict);
    QVERIFY(!UserDefaults::standard().toJson().contains(PersistedKey::GestureFinal));
}

void TestCoreSession::clearPasswordWithoutSignIn()
{
    SessionStore::setGestureFinal("12369");
    SessionStore::clearPassword();
    QVERIFY(!UserDefaults::standard().toJson().contains(PersistedKey::SignIn));
    QCOMPARE(SessionStore::savedSignIn().has_value(), false);
    QCOMPARE(SessionStore::gestureFinal(), std::nullopt);

    SessionStore::setGestureFinal("12369");
    SessionStore::clearUserLoginpass();
    QCOMPARE(SessionStore::gestureFinal(), std::nullopt);
}

void TestCoreSession::exitAccount()
{
    Constant *session = Constant::shareConstant();
    QZLoginModel customer;
    customer.khbh = QStringLiteral("K001");
    customer.khxm = QStringLiteral("张三");
    SessionStore::beginSession(customer);
    QVERIFY(session->IsLogin());
    QCOMPARE(session->currentUser()->khbh, QStringLiteral("K001"));

    SessionStore::storeSignIn("护照", "E12345678", "secret1");
    SessionStore::storeMyDic(customer);
    SessionStore::setLoginInStatus();
    SessionStore::setGestureOne("1478");
    SessionStore::setGestureFinal("14789");
    const auto myDicBefore = SessionStore::myDic();

    QSignalSpy changed(session, &Constant::sessionChanged);
    SessionStore::exitAccount();
    QVERIFY(!changed.isEmpty());

    QVERIFY(!session->IsLogin());
    QVERIFY(!session->currentUser().has_value());
    const auto saved = SessionStore::savedSignIn();
    QVERIFY(saved.has_value());
    QCOMPARE(saved->password, QString());
    QCOMPARE(saved->type, QStringLiteral("护照"));
    QCOMPARE(saved->numberID, QStringLiteral("E12345678"));
    QVERIFY(
        !UserDefaults::standard().dictionaryForKey(PersistedKey::SignIn)->contains("autoLogin"));
    QCOMPARE(SessionStore::gestureFinal(), std::nullopt);
    QVERIFY(!SessionStore::passwordIsExist());
    // Left as they were.
    QCOMPARE(SessionStore::myDic(), myDicBefore);
    QCOMPARE(UserDefaults::standard().stringForKey(PersistedKey::LoginInStatus),
             std::optional<QString>("YES"));
    QCOMPARE(SessionStore::gestureOne(), QStringLiteral("1478"));
}

void TestCoreSession::passwordIsExist_data()
{
    QTest::addColumn<QJsonValue>("stored");
    QTest::addColumn<bool>("exists");

    QTest::newRow("absent") << QJsonValue(QJsonValue::Undefined) << false;
    QTest::newRow("empty string") << QJsonValue("") << false;
    QTest::newRow("one character") << QJsonValue("1") << true;
    QTest::newRow("pattern") << QJsonValue("14789") << true;
    QTest::newRow("number") << QJsonValue(14789) << false;
}

void TestCoreSession::passwordIsExist()
{
    QFETCH(QJsonValue, stored);
    QFETCH(bool, exists);
    UserDefaults::standard().setObject(PersistedKey::GestureFinal, stored);
    QCOMPARE(SessionStore::passwordIsExist(), exists);
}

void TestCoreSession::smallKeys()
{
    UserDefaults &store = UserDefaults::standard();
    SessionStore::setLoginInStatus();
    QCOMPARE(store.objectForKey("loginInStatus"), QJsonValue("YES"));
    SessionStore::removeLoginInStatus();
    QVERIFY(!store.toJson().contains("loginInStatus"));

    QCOMPARE(SessionStore::userDictionaryCustno(), QString());
    store.setObject("userDectionary", QJsonObject{{"custno", "C9"}});
    QCOMPARE(SessionStore::userDictionaryCustno(), QStringLiteral("C9"));

    QCOMPARE(SessionStore::gestureErrorCount(), std::nullopt);
    SessionStore::setGestureErrorCount(4);
    QCOMPARE(store.objectForKey("gesture_set_error_count"), QJsonValue(4));
    store.open(path());
    QCOMPARE(SessionStore::gestureErrorCount(), std::optional<int>(4));
    SessionStore::removeGestureErrorCount();
    QCOMPARE(SessionStore::gestureErrorCount(), std::nullopt);

    SessionStore::setGestureOne("1235");
    QCOMPARE(store.objectForKey("gestureOneSaveKey"), QJsonValue("1235"));
    SessionStore::removeGestureOne();
    QCOMPARE(SessionStore::gestureOne(), QString());
    SessionStore::setGestureFinal("");
    QCOMPARE(SessionStore::gestureFinal(), std::optional<QString>(""));
    QCOMPARE(store.objectForKey("gestureFinalSaveKey"), QJsonValue(""));
    SessionStore::removeGestureFinal();
    QVERIFY(!store.toJson().contains("gestureFinalSaveKey"));
}

void TestCoreSession::shareConstant()
{
    Constant *session = Constant::shareConstant();
    QVERIFY(session);
    Constant *fromThreads[2] = {nullptr, nullptr};
    std::thread a([&] { fromThreads[0] = Constant::shareConstant(); });
    std::thread b([&] { fromThreads[1] = Constant::shareConstant(); });
    a.join();
    b.join();
    QCOMPARE(fromThreads[0], session);
    QCOMPARE(fromThreads[1], session);
}

void TestCoreSession::translate_data()
{
    QTest::addColumn<QString>("table");
    QTest::addColumn<QString>("item");
    QTest::addColumn<QString>("label");

    QTest::newRow("26050/1") << "26050"
                             << "1"
                             << "按天分配";
    QTest::newRow("26050/2") << "26050"
                             << "2"
                             << "按月分配";
    QTest::newRow("26050/3") << "26050"
                             << "3"
                             << "按季度分配";
    QTest::newRow("26050/4") << "26050"
                             << "4"
                             << "按年分配";
    QTest::newRow("26050/5") << "26050"
                             << "5"
                             << "到期分配";
    QTest::newRow("26048/1") << "26048"
                             << "1"
                             << "土地、房产抵押";
    QTest::newRow("26048/2") << "26048"
                             << "2"
                             << "股权质押";
    QTest::newRow("26048/3") << "26048"
                             << "3"
                             << "上市公司股票质押";
    QTest::newRow("26048/4") << "26048"
                             << "4"
                             << "其他抵质押";
    QTest::newRow("26048/5") << "26048"
                             << "5"
                             << "保证";
    QTest::newRow("26048/6") << "26048"
                             << "6"
                             << "其他";
    QTest::newRow("unknown item gives the item") << "26050"
                                                 << "9"
                                                 << "9";
    QTest::newRow("item of the other table") << "26050"
                                             << "6"
                                             << "6";
    QTest::newRow("unknown table gives the item") << "99999"
                                                  << "3"
                                                  << "3";
    QTest::newRow("empty item") << "26050"
                                << ""
                                << "";
    QTest::newRow("item with space is not trimmed") << "26050"
                                                    << " 3"
                                                    << " 3";
}

void TestCoreSession::translate()
{
    QFETCH(QString, table);
    QFETCH(QString, item);
    QFETCH(QString, label);
    QCOMPARE(Constant::shareConstant()->translate(table, item), label);
    QCOMPARE(Constant::shareConstant()->translateMoney(table, item), label);
}

void TestCoreSession::translateMoney()
{
    // Whichever table is looked up first, both are there.
    const Constant *session = Constant::shareConstant();
    QCOMPARE(session->translateMoney("26048", "5"), QStringLiteral("保证"));
    QCOMPARE(session->translate("26050", "3"), QStringLiteral("按季度分配"));
    QCOMPARE(session->translateMoney("26048", "5"), QStringLiteral("保证"));
}

void TestCoreSession::pickerTypes()
{
    const QList<IdentityDocumentType> &types = IdentityDocumentTypes::pickerTypes();
    QStringList names;
    QStringList codes;
    for (const IdentityDocumentType &type : types) {
        names.append(type.name);
        codes.append(type.code);
    }
    QCOMPARE(names, QStringList({"护照", "身份证", "军人身份证", "武装警察身份证", "临时居民身份证",
                                 "澳门居民身份证", "香港居民身份证", "港澳居民往来内地通行证",
                                 "台湾居民往来内地通行证"}));
    QCOMPARE(codes, QStringList({"P", "N", "M", "A", "T", "Y", "X", "K", "W"}));
    QCOMPARE(IdentityDocumentTypes::idCard().name, QStringLiteral("身份证"));
    QCOMPARE(IdentityDocumentTypes::idCard().code, QStringLiteral("N"));
    QCOMPARE(IdentityDocumentTypes::mobile().name, QStringLiteral("手机"));
    QCOMPARE(IdentityDocumentTypes::mobile().code, QStringLiteral("SJ"));
    for (int i = 0; i < names.size(); ++i)
        QCOMPARE(IdentityDocumentTypes::indexOfName(names.at(i)), i);
    // The mobile type is never offered in a picker.
    QCOMPARE(IdentityDocumentTypes::indexOfName("手机"), -1);
    QCOMPARE(IdentityDocumentTypes::indexOfName("驾驶证"), -1);
}

void TestCoreSession::reloadDictionary()
{
    const QHash<QString, QString> map = IdentityDocumentTypes::reloadDictionary();
    QCOMPARE(map.size(), 10);
    QCOMPARE(map.value("SJ"), QStringLiteral("手机"));
    QCOMPARE(map.value("P"), QStringLiteral("护照"));
    QCOMPARE(map.value("N"), QStringLiteral("身份证"));
    QCOMPARE(map.value("W"), QStringLiteral("台湾居民往来内地通行证"));
    for (const IdentityDocumentType &type : IdentityDocumentTypes::pickerTypes())
        QCOMPARE(map.value(type.code), type.name);
}

void TestCoreSession::codeForName_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("code");

    for (const IdentityDocumentType &type : IdentityDocumentTypes::pickerTypes())
        QTest::newRow(qPrintable(type.code)) << type.name << type.code;
    QTest::newRow("mobile") << "手机"
                            << "SJ";
    QTest::newRow("unknown") << "驾驶证"
                             << "";
    QTest::newRow("empty") << ""
                           << "";
    QTest::newRow("code is not a name") << "N"
                                        << "";
}

void TestCoreSession::codeForName()
{
    QFETCH(QString, name);
    QFETCH(QString, code);
    QCOMPARE(IdentityDocumentTypes::codeForName(name), code);
}

QTEST_APPLESS_MAIN(TestCoreSession)
#include "test_core_session.moc"
