#include "AppConfig.h"
#include "Constant.h"
#include "IdentityDocumentTypes.h"
#include "RecordMapper.h"
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

#include <limits>
#include <sys/stat.h>
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
    void initTestCase() // runs before anything reaches the session or opens the store
    {
        // One session object even when the first two uses come from two threads at once.
        Constant *fromThreads[2] = {nullptr, nullptr};
        std::thread a([&] { fromThreads[0] = Constant::shareConstant(); });
        std::thread b([&] { fromThreads[1] = Constant::shareConstant(); });
        a.join();
        b.join();
        QVERIFY(fromThreads[0]);
        QCOMPARE(fromThreads[0], fromThreads[1]);
        QCOMPARE(Constant::shareConstant(), fromThreads[0]);

        QLoggingCategory::setFilterRules(QStringLiteral("chenglan.session.info=false"));
        QTemporaryDir dataDir;
        QVERIFY(dataDir.isValid());
        AppConfig::setDataDir(dataDir.path());
        QCOMPARE(UserDefaults::standard().filePath(), dataDir.filePath("user-defaults.json"));
        UserDefaults::standard().setObject("k", "v");
        QVERIFY(QFile::exists(dataDir.filePath("user-defaults.json")));
    }

    void init()
    {
        m_dir = std::make_unique<QTemporaryDir>();
        QVERIFY(m_dir->isValid());
        UserDefaults::standard().open(path());
        SessionStore::exitAccount();
    }

    void roundTripAcrossReopen()
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
        store.setObject("null removes", "v");
        store.setObject("null removes", QJsonValue());
        const QJsonObject before = store.toJson();
        QCOMPARE(before.keys(), (QStringList{"dict", "flag", "list", "number", "text"}));

        store.open(path("elsewhere.json"));
        QCOMPARE(store.toJson(), QJsonObject());
        store.open(path());
        QCOMPARE(store.toJson(), before);
        QCOMPARE(store.stringForKey("text"), std::optional<QString>("澄岚"));
        QCOMPARE(store.numberForKey("number"), std::optional<double>(3));
        QCOMPARE(store.dictionaryForKey("dict")->value("b").toObject().value("c"), QJsonValue("2"));
        // The file itself is a JSON object holding the same.
        QCOMPARE(QJsonDocument::fromJson(readAll(path())).object(), before);
    }

    void corruptFileMovedAside_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        // clang-format off
        QTest::newRow("not JSON") << QByteArray("{\"signin\": {\"password\": \"pw\"");
        QTest::newRow("JSON array") << QByteArray(R"([{"signin":{}}])");
        QTest::newRow("JSON text") << QByteArray(R"("signin")");
        QTest::newRow("empty file") << QByteArray();
        QTest::newRow("binary") << QByteArray("\x00\xff\xfe{", 4);
        // clang-format on
    }

    void corruptFileMovedAside()
    {
        QFETCH(QByteArray, bytes);
        QVERIFY(writeFile(path(), bytes));
        UserDefaults &store = UserDefaults::standard();
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("unreadable.*starting empty"));
        store.open(path());
        QCOMPARE(store.toJson(), QJsonObject());

        // Kept beside the store with its old bytes, never deleted.
        const QStringList aside =
            QDir(m_dir->path()).entryList({"user-defaults.json.*"}, QDir::Files);
        QCOMPARE(aside.size(), 1);
        QCOMPARE(readAll(m_dir->filePath(aside.first())), bytes);
        QVERIFY(!QFile::exists(path()));

        // The store works again and the next start reads what was written.
        store.setObject("k", "v");
        store.open(path());
        QCOMPARE(store.stringForKey("k"), std::optional<QString>("v"));
        QCOMPARE(readAll(m_dir->filePath(aside.first())), bytes);
    }

    void unreadableFileMovedAside()
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

        const QStringList aside =
            QDir(m_dir->path()).entryList({"user-defaults.json.*"}, QDir::Dirs);
        QCOMPARE(aside.size(), 1);
        QCOMPARE(readAll(m_dir->filePath(aside.first() + "/inside")), QByteArray("kept"));

        store.setObject("k", "v");
        QVERIFY(store.synchronize());
        store.open(path());
        QCOMPARE(store.stringForKey("k"), std::optional<QString>("v"));
    }

    void storeThatIsNoRegularFileIsMovedAside_data()
    {
        QTest::addColumn<QString>("kind");
        // clang-format off
        QTest::newRow("link to a store") << "link";
        QTest::newRow("link to /dev/zero") << "zero";
        QTest::newRow("dangling link") << "dangling";
        QTest::newRow("fifo") << "fifo";
        QTest::newRow("over 1 MiB") << "large";
        // clang-format on
    }

    void storeThatIsNoRegularFileIsMovedAside()
    {
        // Whatever sits in the store's place is never followed, read whole or waited on:
        // it goes aside as it is, and the store starts afresh as a plain file.
        QFETCH(QString, kind);
        const QByteArray target = R"({"signin":{"password":"elsewhere"}})";
        QVERIFY(writeFile(path("target.json"), target));
        if (kind == "link")
            QVERIFY(QFile::link(path("target.json"), path()));
        else if (kind == "zero")
            QVERIFY(QFile::link("/dev/zero", path()));
        else if (kind == "dangling")
            QVERIFY(QFile::link(path("nowhere.json"), path()));
        else if (kind == "fifo")
            QCOMPARE(::mkfifo(QFile::encodeName(path()).constData(), 0600), 0);
        else
            QVERIFY(writeFile(path(), "{\"k\":\"" + QByteArray(1 << 20, 'x') + "\"}"));
        UserDefaults &store = UserDefaults::standard();
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("unreadable.*starting empty"));
        store.open(path());
        QCOMPARE(store.toJson(), QJsonObject());
        const QStringList aside =
            QDir(m_dir->path())
                .entryList({"user-defaults.json.*"}, QDir::AllEntries | QDir::System);
        QCOMPARE(aside.size(), 1);
        QCOMPARE(QFileInfo(m_dir->filePath(aside.first())).isSymLink(),
                 kind != "fifo" && kind != "large");

        SessionStore::storeSignIn("身份证", "11010519491231002X", "secret1");
        QVERIFY(!QFileInfo(path()).isSymLink());
        QVERIFY(QFileInfo(path()).isFile());
        QCOMPARE(readAll(path("target.json")), target);
        store.open(path());
        QCOMPARE(SessionStore::savedSignIn()->password, QStringLiteral("secret1"));
    }

    void writingReplacesALinkInsteadOfFollowingIt()
    {
        UserDefaults &store = UserDefaults::standard();
        store.setObject("k", "v");
        QVERIFY(QFile::remove(path()));
        QVERIFY(writeFile(path("target.json"), "untouched"));
        QVERIFY(QFile::link(path("target.json"), path())); // planted after the store was read
        SessionStore::storeSignIn("身份证", "11010519491231002X", "secret1");
        QCOMPARE(readAll(path("target.json")), QByteArray("untouched"));
        QVERIFY(!QFileInfo(path()).isSymLink());
        QVERIFY(readAll(path()).contains("secret1"));
    }

    void missingFoldersAreCreatedOwnerOnly()
    {
        UserDefaults &store = UserDefaults::standard();
        store.open(path("a/b/user-defaults.json"));
        store.setObject("k", "v");
        for (const QString &folder : {path("a"), path("a/b")}) {
            QVERIFY(QFileInfo(folder).isDir());
            QCOMPARE(QFile::permissions(folder) & kGroupOrOther, QFileDevice::Permissions());
        }
    }

    void storedNumbersReadWithinTheirRange_data()
    {
        QTest::addColumn<QByteArray>("stored");
        QTest::addColumn<int>("min");
        QTest::addColumn<int>("max");
        QTest::addColumn<std::optional<int>>("read");
        constexpr int lo = std::numeric_limits<int>::min();
        constexpr int hi = std::numeric_limits<int>::max();
        const std::optional<int> absent;
        // clang-format off
        QTest::newRow("inside") << QByteArray("3") << 0 << 5 << std::optional<int>(3);
        QTest::newRow("lower edge") << QByteArray("0") << 0 << 5 << std::optional<int>(0);
        QTest::newRow("upper edge") << QByteArray("5") << 0 << 5 << std::optional<int>(5);
        QTest::newRow("written with a point") << QByteArray("4.0") << 0 << 5 << std::optional<int>(4);
        QTest::newRow("below") << QByteArray("-1") << 0 << 5 << absent;
        QTest::newRow("above") << QByteArray("6") << 0 << 5 << absent;
        QTest::newRow("fraction") << QByteArray("2.5") << 0 << 5 << absent;
        QTest::newRow("text") << QByteArray("\"3\"") << 0 << 5 << absent;
        QTest::newRow("int max") << QByteArray("2147483647") << lo << hi << std::optional<int>(hi);
        QTest::newRow("int min") << QByteArray("-2147483648") << lo << hi << std::optional<int>(lo);
        QTest::newRow("past int max") << QByteArray("2147483648") << lo << hi << absent;
        QTest::newRow("past int min") << QByteArray("-2147483649") << lo << hi << absent;
        QTest::newRow("ten digits") << QByteArray("5111111111") << lo << hi << absent;
        QTest::newRow("huge") << QByteArray("1e300") << lo << hi << absent;
        // clang-format on
    }

    void storedNumbersReadWithinTheirRange()
    {
        QFETCH(QByteArray, stored);
        QFETCH(int, min);
        QFETCH(int, max);
        QFETCH(std::optional<int>, read);
        QVERIFY(writeFile(path(), R"({"n":)" + stored + "}"));
        UserDefaults::standard().open(path());
        QCOMPARE(UserDefaults::standard().intForKey("n", min, max), read);
    }

    void storedGestureCountOutOfRangeReadsAsAbsent_data()
    {
        QTest::addColumn<QByteArray>("stored");
        QTest::addColumn<std::optional<int>>("count");
        // clang-format off
        QTest::newRow("none left") << QByteArray("0") << std::optional<int>(0);
        QTest::newRow("all left") << QByteArray("5") << std::optional<int>(5);
        QTest::newRow("more than the lock allows") << QByteArray("6") << std::optional<int>();
        QTest::newRow("negative") << QByteArray("-1") << std::optional<int>();
        QTest::newRow("int min") << QByteArray("-2147483648") << std::optional<int>();
        QTest::newRow("int max") << QByteArray("2147483647") << std::optional<int>();
        QTest::newRow("beyond int") << QByteArray("5111111111") << std::optional<int>();
        QTest::newRow("fraction") << QByteArray("2.5") << std::optional<int>();
        // clang-format on
    }

    void storedGestureCountOutOfRangeReadsAsAbsent()
    {
        QFETCH(QByteArray, stored);
        QFETCH(std::optional<int>, count);
        QVERIFY(writeFile(path(), R"({"gesture_set_error_count":)" + stored + "}"));
        UserDefaults::standard().open(path());
        QCOMPARE(SessionStore::gestureErrorCount(), count);
    }

    void wrongTypesReadAsAbsent()
    {
        UserDefaults &store = UserDefaults::standard();
        store.setObject("n", 5);
        store.setObject("s", "5");
        store.setObject("l", QJsonArray{"a"});
        QCOMPARE(store.stringForKey("n"), std::nullopt);
        QCOMPARE(store.dictionaryForKey("n"), std::nullopt);
        QCOMPARE(store.numberForKey("s"), std::nullopt);
        QCOMPARE(store.dictionaryForKey("l"), std::nullopt);
        QCOMPARE(store.stringForKey("missing"), std::nullopt);

        // The typed session helpers read a wrong type as absent too.
        store.setObject(PersistedKey::SignIn, "护照");
        QVERIFY(!SessionStore::savedSignIn());
        store.setObject(PersistedKey::MyDic, QJsonArray{"x"});
        QCOMPARE(SessionStore::myDic(), std::nullopt);
        QCOMPARE(SessionStore::myDicValue("khbh"), QString());
        store.setObject(PersistedKey::GestureFinal, 1234);
        QCOMPARE(SessionStore::gestureFinal(), std::nullopt);
        store.setObject(PersistedKey::GestureErrorCount, "3");
        QCOMPARE(SessionStore::gestureErrorCount(), std::nullopt);
        store.setObject(PersistedKey::UserDictionary, "C1");
        QCOMPARE(SessionStore::userDictionaryCustno(), QString());
        store.setObject(PersistedKey::GestureOne, 5);
        QCOMPARE(SessionStore::gestureOne(), QString());
    }

    void fileIsOwnerOnly()
    {
        // A file left readable by others (an older version, a copy) is tightened on write.
        QVERIFY(writeFile(path(), R"({"old":"1"})"));
        QVERIFY(QFile::setPermissions(path(), QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                                  QFileDevice::ReadGroup | QFileDevice::ReadOther));
        UserDefaults &store = UserDefaults::standard();
        store.open(path());
        QCOMPARE(store.stringForKey("old"), std::optional<QString>("1"));
        SessionStore::storeSignIn("身份证", "11010519491231002X", "secret1");
        QVERIFY(QFile::permissions(path()) & QFileDevice::ReadOwner);
        QVERIFY(QFile::permissions(path()) & QFileDevice::WriteOwner);
        QCOMPARE(QFile::permissions(path()) & kGroupOrOther, QFileDevice::Permissions());

        // A brand-new file as well.
        store.open(path("fresh.json"));
        store.setObject("k", "v");
        QVERIFY(QFile::permissions(path("fresh.json")) & QFileDevice::ReadOwner);
        QCOMPARE(QFile::permissions(path("fresh.json")) & kGroupOrOther,
                 QFileDevice::Permissions());
    }

    void unwritableLocationKeepsValuesInMemory()
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

    void writeFailureIsReportedOncePerSpell()
    {
        QStringList reasons;
        UserDefaults &store = UserDefaults::standard();
        store.setWriteFailureHandler([&reasons](const QString &reason) { reasons.append(reason); });
        QVERIFY(writeFile(path("blocker"), "x"));
        store.open(path("blocker") + QStringLiteral("/user-defaults.json"));
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression(".*"));
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression(".*"));
        SessionStore::storeSignIn("身份证", "11010519491231002X", "secret1");
        SessionStore::setGestureErrorCount(5);
        QCOMPARE(reasons.size(), 1);
        QVERIFY(!reasons.first().isEmpty());

        // Writing works again, then fails again: that is news worth telling.
        store.open(path());
        store.setObject("k", "v");
        QVERIFY(QFile::remove(path()));
        QVERIFY(QDir(m_dir->path()).mkdir("user-defaults.json"));
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression(".*"));
        store.setObject("k", "w");
        QCOMPARE(reasons.size(), 2);
        store.setWriteFailureHandler({});
    }

    void storeSignIn()
    {
        UserDefaults &store = UserDefaults::standard();
        store.setObject(PersistedKey::SignIn, QJsonObject{{"password", "old"}, {"stale", "x"}});
        SessionStore::storeSignIn("护照", "E12345678", "pass word1");
        // A fresh dictionary with exactly the four keys; nothing of the old one is left.
        QCOMPARE(store.dictionaryForKey(PersistedKey::SignIn), (QJsonObject{
                                                                   {"password", "pass word1"},
                                                                   {"type", "护照"},
                                                                   {"numberID", "E12345678"},
                                                                   {"autoLogin", "YES"},
                                                               }));
        // It survives a restart and reads back whole.
        store.open(path());
        const auto saved = SessionStore::savedSignIn();
        QVERIFY(saved);
        QCOMPARE(saved->password, QStringLiteral("pass word1"));
        QCOMPARE(saved->type, QStringLiteral("护照"));
        QCOMPARE(saved->numberID, QStringLiteral("E12345678"));
        QVERIFY(saved->autoLogin);
    }

    void storeMyDic()
    {
        UserDefaults::standard().setObject(PersistedKey::MyDic,
                                           QJsonObject{{"stale", "x"}, {"khbh", "old"}});
        const QStringList kept{"crmkhbh", "khbh", "khlx", "khmm", "khxm", "khzt",
                               "sjhm",    "xb",   "yxdz", "zjhm", "zjlx"};
        QJsonObject record{{"gddh", "010-1234"}}; // not one of the eleven
        for (const QString &key : kept.mid(1))    // crmkhbh left out of the answer
            record.insert(key, key + "-v");
        SessionStore::storeMyDic(RecordMapper::map<QZLoginModel>(record));

        const QJsonObject dic = SessionStore::myDic().value_or(QJsonObject());
        QCOMPARE(dic.keys(), kept);
        // Fields the record did not carry are stored as empty strings, not left out.
        QCOMPARE(dic.value("crmkhbh"), QJsonValue(""));
        for (const QString &key : kept.mid(1))
            QCOMPARE(dic.value(key), QJsonValue(key + "-v"));
        QCOMPARE(SessionStore::myDicValue("khxm"), QStringLiteral("khxm-v"));
        QCOMPARE(SessionStore::myDicValue("gddh"), QString());
    }

    void clearPassword()
    {
        SessionStore::storeSignIn("身份证", "11010519491231002X", "secret1");
        SessionStore::setGestureOne("1235");
        SessionStore::setGestureFinal("12369");
        SessionStore::clearPassword();

        const auto dict = UserDefaults::standard().dictionaryForKey(PersistedKey::SignIn);
        QCOMPARE(dict,
                 (QJsonObject{
                     {"password", ""}, {"type", "身份证"}, {"numberID", "11010519491231002X"}}));
        QCOMPARE(SessionStore::gestureFinal(), std::nullopt);
        // The first drawing of a gesture is not the confirmed one and stays.
        QCOMPARE(SessionStore::gestureOne(), QStringLiteral("1235"));

        // Clearing twice changes nothing more, and survives a restart.
        SessionStore::clearPassword();
        UserDefaults::standard().open(path());
        QCOMPARE(UserDefaults::standard().dictionaryForKey(PersistedKey::SignIn), dict);
        QVERIFY(!UserDefaults::standard().toJson().contains(PersistedKey::GestureFinal));
    }

    void clearPasswordWithoutSignIn()
    {
        SessionStore::setGestureFinal("12369");
        SessionStore::clearPassword();
        QVERIFY(!UserDefaults::standard().toJson().contains(PersistedKey::SignIn));
        QCOMPARE(SessionStore::gestureFinal(), std::nullopt);

        SessionStore::setGestureFinal("12369");
        SessionStore::clearUserLoginpass();
        QCOMPARE(SessionStore::gestureFinal(), std::nullopt);
    }

    void exitAccount()
    {
        Constant *session = Constant::shareConstant();
        QZLoginModel customer;
        customer.khbh = QStringLiteral("K001");
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
        QVERIFY(!session->currentUser());
        QCOMPARE(UserDefaults::standard().dictionaryForKey(PersistedKey::SignIn),
                 (QJsonObject{{"password", ""}, {"type", "护照"}, {"numberID", "E12345678"}}));
        QVERIFY(!SessionStore::passwordIsExist());
        // Left as they were.
        QCOMPARE(SessionStore::myDic(), myDicBefore);
        QCOMPARE(UserDefaults::standard().stringForKey(PersistedKey::LoginInStatus),
                 std::optional<QString>("YES"));
        QCOMPARE(SessionStore::gestureOne(), QStringLiteral("1478"));
    }

    void passwordIsExist_data()
    {
        QTest::addColumn<QJsonValue>("stored");
        QTest::addColumn<bool>("exists");
        // clang-format off
        QTest::newRow("absent") << QJsonValue(QJsonValue::Undefined) << false;
        QTest::newRow("empty string") << QJsonValue("") << false;
        QTest::newRow("one character") << QJsonValue("1") << true;
        QTest::newRow("number") << QJsonValue(14789) << false;
        // clang-format on
    }

    void passwordIsExist()
    {
        QFETCH(QJsonValue, stored);
        QFETCH(bool, exists);
        UserDefaults::standard().setObject(PersistedKey::GestureFinal, stored);
        QCOMPARE(SessionStore::passwordIsExist(), exists);
    }

    void smallKeysUnderTheirStoredNames()
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
        // An empty gesture is stored, not removed: it switches the lock off.
        SessionStore::setGestureFinal("");
        QCOMPARE(store.objectForKey("gestureFinalSaveKey"), QJsonValue(""));
        SessionStore::removeGestureFinal();
        QVERIFY(!store.toJson().contains("gestureFinalSaveKey"));
    }

    void translate_data()
    {
        QTest::addColumn<QString>("table");
        QTest::addColumn<QString>("item");
        QTest::addColumn<QString>("label");

        // The first row is the first look-up of the run, through translateMoney: the
        // registry must hold both tables whichever is asked for first.
        // clang-format off
        QTest::newRow("26048 first") << "26048" << "5" << "保证";
        QTest::newRow("26050") << "26050" << "3" << "按季度分配";
        QTest::newRow("unknown item gives the item") << "26050" << "9" << "9";
        QTest::newRow("item of the other table") << "26050" << "6" << "6";
        QTest::newRow("unknown table gives the item") << "99999" << "3" << "3";
        QTest::newRow("empty table") << "" << "1" << "1";
        QTest::newRow("empty item") << "26050" << "" << "";
        QTest::newRow("padded item is not trimmed") << "26050" << " 3" << " 3";
        QTest::newRow("padded table is not trimmed") << "26050 " << "3" << "3";
        // clang-format on
    }

    void translate()
    {
        QFETCH(QString, table);
        QFETCH(QString, item);
        QFETCH(QString, label);
        QCOMPARE(Constant::shareConstant()->translateMoney(table, item), label);
        QCOMPARE(Constant::shareConstant()->translate(table, item), label);
    }

    void identityDocumentTypes()
    {
        // The facts screens rely on: nine picker types, the id card second as the form's
        // default, the mobile type outside the pickers, and no name or code twice.
        const QList<IdentityDocumentType> &types = IdentityDocumentTypes::pickerTypes();
        QCOMPARE(types.size(), 9);
        QCOMPARE(IdentityDocumentTypes::idCard().name, QStringLiteral("身份证"));
        QCOMPARE(IdentityDocumentTypes::idCard().code, QStringLiteral("N"));
        QCOMPARE(IdentityDocumentTypes::indexOfName(QStringLiteral("身份证")), 1);
        QCOMPARE(IdentityDocumentTypes::mobile().code, QStringLiteral("SJ"));
        QCOMPARE(IdentityDocumentTypes::indexOfName(IdentityDocumentTypes::mobile().name), -1);
        for (int i = 0; i < types.size(); ++i)
            QCOMPARE(IdentityDocumentTypes::indexOfName(types.at(i).name), i);

        const QHash<QString, QString> names = IdentityDocumentTypes::reloadDictionary();
        QCOMPARE(names.size(), 10);
        QCOMPARE(names.value("SJ"), IdentityDocumentTypes::mobile().name);
        for (const IdentityDocumentType &type : types)
            QCOMPARE(names.value(type.code), type.name);
    }

    void codeForName_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("code");
        // clang-format off
        QTest::newRow("picker type") << "护照" << "P";
        QTest::newRow("mobile") << "手机" << "SJ";
        QTest::newRow("unknown") << "驾驶证" << "";
        QTest::newRow("empty") << "" << "";
        QTest::newRow("padded") << " 身份证" << "";
        QTest::newRow("code is not a name") << "N" << "";
        // clang-format on
    }

    void codeForName()
    {
        QFETCH(QString, name);
        QFETCH(QString, code);
        QCOMPARE(IdentityDocumentTypes::codeForName(name), code);
    }

private:
    QString path(const QString &name = QStringLiteral("user-defaults.json")) const
    {
        return m_dir->filePath(name);
    }

    std::unique_ptr<QTemporaryDir> m_dir;
};

QTEST_APPLESS_MAIN(TestCoreSession)
#include "test_core_session.moc"
