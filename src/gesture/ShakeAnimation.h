#pragma once

class QObject;

// The "wrong" shake: the target slides left and right a few points twice in 0.6 s. It
// runs on the target's "translationX" property, which the target adds when it paints, so
// the shake never fights the layout. A new shake replaces one still running.
class ShakeAnimation
{
public:
    static void shake(QObject *target);
    // Whether a shake is running on the target.
    static bool isShaking(const QObject *target);

    ShakeAnimation() = delete;
};
