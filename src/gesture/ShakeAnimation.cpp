#include "ShakeAnimation.h"

#include <QPropertyAnimation>
#include <iterator>

namespace {
const char *const kKey = "shake";
}

void ShakeAnimation::shake(QObject *target)
{
    if (auto *running = target->findChild<QPropertyAnimation *>(QLatin1String(kKey),
                                                                Qt::FindDirectChildrenOnly)) {
        running->stop();
        delete running;
    }
    auto *animation = new QPropertyAnimation(target, "translationX", target);
    animation->setObjectName(QLatin1String(kKey));
    const qreal offsets[] = {-5, 0, 5, 0, -5, 0, 5, 0};
    const int last = int(std::size(offsets)) - 1;
    for (int i = 0; i <= last; ++i)
        animation->setKeyValueAt(qreal(i) / last, offsets[i]);
    animation->setDuration(300);
    animation->setLoopCount(2);
    QObject::connect(animation, &QPropertyAnimation::finished, target,
                     [target]() { target->setProperty("translationX", 0.0); });
    animation->start(QAbstractAnimation::DeleteWhenStopped);
}

bool ShakeAnimation::isShaking(const QObject *target)
{
    return target->findChild<QPropertyAnimation *>(QLatin1String(kKey), Qt::FindDirectChildrenOnly);
}
