#include "WNCircleViewConst.h"

#include "SessionStore.h"
#include "UserDefaults.h"

const QString &WNCircleViewConst::gestureOneSaveKey()
{
    return PersistedKey::GestureOne;
}

const QString &WNCircleViewConst::gestureFinalSaveKey()
{
    return PersistedKey::GestureFinal;
}

void WNCircleViewConst::saveGesture(const std::optional<QString> &gesture, const QString &key)
{
    UserDefaults &store = UserDefaults::standard();
    if (gesture)
        store.setObject(key, *gesture);
    else
        store.removeObjectForKey(key);
    store.synchronize();
}

std::optional<QString> WNCircleViewConst::getGestureWithKey(const QString &key)
{
    return UserDefaults::standard().stringForKey(key);
}
