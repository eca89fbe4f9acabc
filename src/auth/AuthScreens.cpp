#include "AuthScreens.h"

#include "LoginViewController.h"
#include "ScreenRegistry.h"

void registerAuthScreens()
{
    ScreenRegistry::instance().add(QStringLiteral("LoginViewController"),
                                   [] { return new LoginViewController; });
}
