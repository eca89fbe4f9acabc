#include "AppDelegate.h"

#include "AdvertisementViewController.h"
#include "AlertController.h"
#include "KeyboardManager.h"
#include "PhoneWindow.h"
#include "PlaceholderViewController.h"
#include "ScreenRegistry.h"
#include "TabbarView.h"
#include "TabbarViewController.h"
#include "UserDefaults.h"

#include <QEvent>
#include <QTimer>

#include <cstdio>

namespace {

struct TabRoot
{
    const char *className;
    const char *title;
};

constexpr TabRoot kTabRoots[] = {
    {"QZHomePageViewController", "澄岚信托"},
    {"QZProductViewController", "热销产品"},
    {"QZInformationViewController", "关于澄岚信托"},
    {"QZAccountViewController", "我的账户"},
};

} // namespace

AppDelegate::AppDelegate(QSize windowSize, QObject *parent)
    : QObject(parent), m_window(new PhoneWindow(windowSize))
{
    // Queued: a write fails in the middle of some screen's work, the alert comes after it.
    UserDefaults::standard().setWriteFailureHandler([this](const QString &) {
        QMetaObject::invokeMethod(this, &AppDelegate::showStoreWriteFailure, Qt::QueuedConnection);
    });
}

AppDelegate::~AppDelegate()
{
    UserDefaults::standard().setWriteFailureHandler({});
    delete m_window;
}

TabbarViewController *AppDelegate::tabbarController() const
{
    return m_tabbar;
}

void AppDelegate::start(bool showWindow)
{
    KeyboardManager::start();
    auto *splash = new AdvertisementViewController;
    connect(splash, &AdvertisementViewController::advertisementFinished, this,
            &AppDelegate::showTabBar, Qt::QueuedConnection);
    m_window->setRootViewController(splash);
    if (showWindow)
        m_window->show();
}

QList<ViewController *> AppDelegate::makeTabRoots()
{
    QList<ViewController *> roots;
    for (const TabRoot &root : kTabRoots) {
        QString error;
        ViewController *screen = nullptr;
        if (ScreenRegistry::instance().contains(QString::fromLatin1(root.className)))
            screen =
                ScreenRegistry::instance().create(QString::fromLatin1(root.className), {}, &error);
        roots.append(screen ? screen
                            : new PlaceholderViewController(QString::fromUtf8(root.title)));
    }
    return roots;
}

void AppDelegate::showTabBar()
{
    m_tabbar = new TabbarViewController(makeTabRoots());
    m_window->setRootViewController(m_tabbar);
    if (qEnvironmentVariableIsSet("CHENGLAN_TRACE_STARTUP"))
        traceFirstFrame(m_tabbar->tabbarView());
    emit tabBarShown();
}

void AppDelegate::showStoreWriteFailure()
{
    // Otherwise the customer would learn only at the next start that nothing was kept.
    auto *alert = new AlertController(m_window, QStringLiteral("无法保存数据"),
                                      QStringLiteral("登录信息和设置仅在本次使用中有效，"
                                                     "请检查存储空间和数据文件夹的权限。"));
    alert->addAction(QStringLiteral("确定"), AlertController::ActionStyle::Cancel);
    alert->open();
}

void AppDelegate::traceFirstFrame(QWidget *widget)
{
    // Reports on standard error when the widget has first been painted (start-up benchmark).
    class FirstPaint : public QObject
    {
    public:
        using QObject::QObject;
        bool eventFilter(QObject *watched, QEvent *event) override
        {
            if (event->type() == QEvent::Paint) {
                QTimer::singleShot(
                    0, [] { std::fprintf(stderr, "startup: first tab-bar frame painted\n"); });
                watched->removeEventFilter(this);
                deleteLater();
            }
            return false;
        }
    };
    widget->installEventFilter(new FirstPaint(widget));
}
