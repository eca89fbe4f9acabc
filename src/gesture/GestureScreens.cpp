#include "GestureScreens.h"

#include "KVGestureViewController.h"
#include "ScreenRegistry.h"

void registerGestureScreens()
{
    ScreenRegistry::instance().add(QStringLiteral("KVGestureViewController"),
                                   [] { return new KVGestureViewController; });
}
