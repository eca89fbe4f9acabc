#pragma once

#include <QObject>

class QWidget;

// Keeps the focused text field in view: when a field inside a scrolling area takes
// focus, the area scrolls to show it. Started once for the whole application.
class KeyboardManager : public QObject
{
    Q_OBJECT

public:
    static void start();

private:
    KeyboardManager() = default;
    void focusChanged(QWidget *old, QWidget *now);
};
