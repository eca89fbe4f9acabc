// The user-defaults file as the client finds it at start: any bytes, loaded by the store, then
// read through every typed reader the screens use.
#include "FuzzSupport.h"

#include "SessionStore.h"
#include "UserDefaults.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

namespace {

const QString kFileName = QStringLiteral("user-defaults.json");

QTemporaryDir &folder()
{
    static QTemporaryDir dir;
    return dir;
}

// A file the store could not read is moved aside, never deleted; over millions of runs
// those copies would fill the disk, so they go once the store has let go of them.
void removeSetAside()
{
    QDir dir(folder().path());
    for (const QString &name : dir.entryList(QDir::Files | QDir::Hidden | QDir::System)) {
        if (name != kFileName)
            dir.remove(name);
    }
}

void readEveryKind(const QString &key)
{
    UserDefaults &store = UserDefaults::standard();
    store.objectForKey(key);
    store.stringForKey(key);
    store.dictionaryForKey(key);
    store.numberForKey(key);
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    FuzzSupport::silenceLogs();
    if (!folder().isValid())
        qFatal("no temporary folder for the store");
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QString path = folder().filePath(kFileName);
    {
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
            qFatal("cannot write %s", qPrintable(path));
        file.write(reinterpret_cast<const char *>(data), qint64(size));
    }
    UserDefaults &store = UserDefaults::standard();
    store.open(path);
    if (!QFile::exists(path))
        removeSetAside();

    // Keys of the file itself (bounded: a huge object adds nothing per key), then the known ones.
    const QStringList keys = store.toJson().keys();
    for (qsizetype i = 0; i < keys.size() && i < 64; ++i)
        readEveryKind(keys.at(i));
    for (const QString &key :
         {PersistedKey::SignIn, PersistedKey::MyDic, PersistedKey::LoginInStatus,
          PersistedKey::UserDictionary, PersistedKey::GestureOne, PersistedKey::GestureFinal,
          PersistedKey::GestureErrorCount})
        readEveryKind(key);

    SessionStore::savedSignIn();
    SessionStore::myDic();
    SessionStore::myDicValue(QStringLiteral("khbh"));
    SessionStore::userDictionaryCustno();
    SessionStore::passwordIsExist();
    SessionStore::gestureOne();
    SessionStore::gestureFinal();
    SessionStore::gestureErrorCount();
    return 0;
}
