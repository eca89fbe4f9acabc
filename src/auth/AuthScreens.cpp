#include "AuthScreens.h"

#include "ChangePhoneViewController.h"
#include "ForgetPasswordViewController.h"
#include "GetphoneNumberViewController.h"
#include "LoginViewController.h"
#include "QZChangeEmailViewController.h"
#include "QZChangePasswordViewController.h"
#include "QZRegister1ViewController.h"
#include "QZRegister2ViewController.h"
#include "QZRegister3ViewController.h"
#include "ScreenRegistry.h"

void registerAuthScreens()
{
    auto &registry = ScreenRegistry::instance();
    registry.add(QStringLiteral("LoginViewController"), [] { return new LoginViewController; });
    registry.add(QStringLiteral("QZRegister1ViewController"),
                 [] { return new QZRegister1ViewController; });
    registry.add(QStringLiteral("QZRegister2ViewController"),
                 [] { return new QZRegister2ViewController; });
    registry.add(QStringLiteral("QZRegister3ViewController"),
                 [] { return new QZRegister3ViewController; });
    registry.add(QStringLiteral("GetphoneNumberViewController"),
                 [] { return new GetphoneNumberViewController; });
    registry.add(QStringLiteral("ForgetPasswordViewController"),
                 [] { return new ForgetPasswordViewController; });
    registry.add(QStringLiteral("QZChangePasswordViewController"),
                 [] { return new QZChangePasswordViewController; });
    registry.add(QStringLiteral("QZChangeEmailViewController"),
                 [] { return new QZChangeEmailViewController; });
    registry.add(QStringLiteral("ChangePhoneViewController"),
                 [] { return new ChangePhoneViewController; });
}
