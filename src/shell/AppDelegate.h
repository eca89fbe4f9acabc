#pragma once

#include <QObject>
#include <QPointer>
#include <QSize>

class PhoneWindow;
class QWidget;
class TabbarViewController;
class ViewController;

// Launch: starts the keyboard manager, shows the phone window with the splash
// advertisement, and makes the tab bar the root once the splash is done.
class AppDelegate : public QObject
{
    Q_OBJECT

public:
    explicit AppDelegate(QSize windowSize, QObject *parent = nullptr);
    ~AppDelegate() override;

    void start(bool showWindow = true);

    PhoneWindow *window() const { return m_window; }
    TabbarViewController *tabbarController() const;

    // The content roots of the tab slots 0, 1, 3 and 4: the registered screens, or a
    // placeholder with the slot's title while a screen is not built yet.
    static QList<ViewController *> makeTabRoots();

signals:
    void tabBarShown();

private:
    void showTabBar();
    void showStoreWriteFailure();
    static void traceFirstFrame(QWidget *widget);

    PhoneWindow *m_window;
    QPointer<TabbarViewController> m_tabbar;
};
