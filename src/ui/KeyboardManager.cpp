#include "KeyboardManager.h"

#include <QApplication>
#include <QLineEdit>
#include <QScrollArea>
#include <QTextEdit>

void KeyboardManager::start()
{
    static KeyboardManager *manager = nullptr;
    if (manager)
        return;
    manager = new KeyboardManager;
    manager->setParent(qApp);
    connect(qApp, &QApplication::focusChanged, manager, &KeyboardManager::focusChanged);
}

void KeyboardManager::focusChanged(QWidget *, QWidget *now)
{
    if (!qobject_cast<QLineEdit *>(now) && !qobject_cast<QTextEdit *>(now))
        return;
    for (QWidget *w = now->parentWidget(); w; w = w->parentWidget()) {
        if (auto *area = qobject_cast<QScrollArea *>(w)) {
            area->ensureWidgetVisible(now, 20, 40);
            return;
        }
    }
}
