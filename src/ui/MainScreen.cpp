#include "MainScreen.h"

#include "PhoneWindow.h"
#include "ViewController.h"

#include <QApplication>

namespace MainScreen {

QSize size(const QWidget *widget)
{
    if (widget) {
        if (const PhoneWindow *phone = qobject_cast<const PhoneWindow *>(widget->window()))
            return phone->size();
    }
    for (QWidget *top : QApplication::topLevelWidgets()) {
        if (qobject_cast<PhoneWindow *>(top))
            return top->size();
    }
    return PhoneWindow::defaultSize();
}

} // namespace MainScreen
