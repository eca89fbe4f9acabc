#include "PointsScreens.h"

#include "ScreenRegistry.h"

void registerPointsScreens()
{
    auto &registry = ScreenRegistry::instance();
    Q_UNUSED(registry)
}
