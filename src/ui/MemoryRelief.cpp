#include "MemoryRelief.h"

#include <QCoreApplication>
#include <QPointer>
#include <QTimer>

#ifdef __GLIBC__
#include <malloc.h>
#endif

namespace MemoryRelief {
namespace {

// One trim for all the screens closed together (a pop to the root closes several).
QTimer *trimmer()
{
    static QPointer<QTimer> timer;
    if (!timer) {
        timer = new QTimer(QCoreApplication::instance());
        timer->setSingleShot(true);
        timer->setInterval(0);
        QObject::connect(timer, &QTimer::timeout, [] {
#ifdef __GLIBC__
            malloc_trim(0);
#endif
        });
    }
    return timer;
}

} // namespace

void returnLargeBuffers()
{
#ifdef __GLIBC__
    // Fixed: by default the threshold rises to the largest block freed so far, after which
    // pictures of that size stay in the heap once freed.
    mallopt(M_MMAP_THRESHOLD, 128 * 1024);
#endif
}

void release(QObject *screen)
{
    QObject::connect(screen, &QObject::destroyed, trimmer(), qOverload<>(&QTimer::start));
    screen->deleteLater();
}

} // namespace MemoryRelief
