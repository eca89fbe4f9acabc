#pragma once

#include <QSize>

class QWidget;

// The phone's screen size in points, which the lock's geometry is worked out from: the
// phone window the widget is in, else the phone window that is open (a screen is built
// before it is shown), else the default phone.
namespace MainScreen {

QSize size(const QWidget *widget = nullptr);

} // namespace MainScreen
