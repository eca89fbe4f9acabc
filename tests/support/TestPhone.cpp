#include "TestPhone.h"

#include "BaseNavigationViewController.h"
#include "PhoneWindow.h"
#include "RootViewController.h"

#include <QApplication>
#include <QTest>

BaseNavigationViewController *showInActivePhone(PhoneWindow &window, RootViewController *root)
{
    auto *nav = new BaseNavigationViewController(root);
    window.setRootViewController(nav);
    window.show();
    QApplication::setActiveWindow(&window);
    return QTest::qWaitForWindowActive(&window) ? nav : nullptr;
}
