#pragma once

#include <QString>
#include <optional>

// The pad's pattern strings in the user-defaults store: the first drawing of a gesture
// being set ("gestureOneSaveKey") and the confirmed gesture ("gestureFinalSaveKey").
class WNCircleViewConst
{
public:
    static const QString &gestureOneSaveKey();
    static const QString &gestureFinalSaveKey();

    // Stores the gesture under the key and writes the store at once, so a gesture set just
    // before the app is killed is not lost. No gesture removes the key.
    static void saveGesture(const std::optional<QString> &gesture, const QString &key);
    // The stored string; nothing when the key is absent or holds something else.
    static std::optional<QString> getGestureWithKey(const QString &key);

    WNCircleViewConst() = delete;
};
