#include "ShellScreens.h"

#include "QZGuideViewController.h"
#include "QZViewController.h"
#include "ScreenRegistry.h"

void registerShellScreens()
{
    auto &registry = ScreenRegistry::instance();
    registry.add(QStringLiteral("QZViewController"), [] { return new QZViewController; });
    registry.add(QStringLiteral("QZGuideViewController"), [] { return new QZGuideViewController; });
}
