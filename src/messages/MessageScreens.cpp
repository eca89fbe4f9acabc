#include "MessageScreens.h"

#include "MessageDetailsViewController.h"
#include "QZHelpViewController.h"
#include "ScreenRegistry.h"

void registerMessageScreens()
{
    auto &registry = ScreenRegistry::instance();
    registry.add(QStringLiteral("QZHelpViewController"), [] { return new QZHelpViewController; });
    registry.add(QStringLiteral("MessageDetailsViewController"),
                 [] { return new MessageDetailsViewController; });
}
