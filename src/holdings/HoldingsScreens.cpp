#include "HoldingsScreens.h"

#include "ScreenRegistry.h"

void registerHoldingsScreens()
{
    auto &registry = ScreenRegistry::instance();
    Q_UNUSED(registry)
}
