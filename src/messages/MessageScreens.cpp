#include "MessageScreens.h"

#include "QZHelpViewController.h"
#include "ScreenRegistry.h"

void registerMessageScreens()
{
    ScreenRegistry::instance().add(QStringLiteral("QZHelpViewController"),
                                   [] { return new QZHelpViewController; });
}
