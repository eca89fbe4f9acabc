#include "HoldingsScreens.h"

#include "JfwjsViewController.h"
#include "QZAccountViewController.h"
#include "ScreenRegistry.h"

void registerHoldingsScreens()
{
    auto &registry = ScreenRegistry::instance();
    registry.add(QStringLiteral("QZAccountViewController"),
                 [] { return new QZAccountViewController; });
    registry.add(QStringLiteral("JfwjsViewController"), [] { return new JfwjsViewController; });
}
