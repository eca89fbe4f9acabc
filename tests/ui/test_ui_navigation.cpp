// Navigation stacks, modal presentation and the shell notifications they post.
#include "BaseNavigationViewController.h"
#include "NavigationBar.h"
#include "NotificationCenter.h"
#include "PhoneWindow.h"
#include "RootViewController.h"
#include "TestGateway.h"

#include <QPointer>
#include <QTest>

namespace {

class RecordingScreen : public RootViewController
{
public:
    RecordingScreen(const QString &name, QStringList *log) : m_name(name), m_log(log) {}

protected:
    void viewDidLoad() override { record("load"); }
    void viewWillAppear(bool) override { record("willAppear"); }
    void viewDidAppear(bool) override { record("didAppear"); }
    void viewWillDisappear(bool) override { record("willDisappear"); }
    void viewDidDisappear(bool) override { record("didDisappear"); }

private:
    void record(const char *event)
    {
        m_log->append(m_name + QLatin1Char(':') + QLatin1String(event));
    }

    QString m_name;
    QStringList *m_log;
};

} // namespace

class TestUiNavigation : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        m_log.clear();
        m_posted.clear();
        m_window = new PhoneWindow;
        NotificationCenter::defaultCenter()->addObserver(
            m_window, Notification::Hidden,
            [this](QObject *) { m_posted.append(Notification::Hidden); });
    }

    void cleanup() { delete m_window; }

    void rootAppearsOnceLoaded()
    {
        auto *nav = new BaseNavigationViewController(new RecordingScreen("A", &m_log));
        m_window->setRootViewController(nav);
        QCOMPARE(m_log, (QStringList{"A:load", "A:willAppear", "A:didAppear"}));
        QVERIFY(m_posted.isEmpty());
    }

    void pushRunsBothLifeCyclesAndPostsHidden()
    {
        auto *nav = new BaseNavigationViewController(new RecordingScreen("A", &m_log));
        m_window->setRootViewController(nav);
        m_log.clear();
        nav->pushViewController(new RecordingScreen("B", &m_log), true);
        QCOMPARE(m_log, (QStringList{"B:load", "A:willDisappear", "B:willAppear", "A:didDisappear",
                                     "B:didAppear"}));
        QCOMPARE(m_posted, QStringList{Notification::Hidden});
        QCOMPARE(nav->viewControllers().size(), 2);
    }

    void pushOntoEmptyStackPostsNothing()
    {
        auto *nav = new BaseNavigationViewController(nullptr);
        m_window->setRootViewController(nav);
        nav->pushViewController(new RecordingScreen("A", &m_log), false);
        QVERIFY(m_posted.isEmpty());
        QCOMPARE(nav->viewControllers().size(), 1);
    }

    void popReleasesTheScreenAndShowsThePreviousOne()
    {
        auto *nav = new BaseNavigationViewController(new RecordingScreen("A", &m_log));
        m_window->setRootViewController(nav);
        auto *b = new RecordingScreen("B", &m_log);
        QPointer<ViewController> guard(b);
        nav->pushViewController(b, false);
        m_log.clear();
        QCOMPARE(nav->popViewControllerAnimated(true), b);
        QCOMPARE(m_log,
                 (QStringList{"B:willDisappear", "A:willAppear", "B:didDisappear", "A:didAppear"}));
        QTRY_VERIFY(guard.isNull());
        QCOMPARE(nav->viewControllers().size(), 1);
        QVERIFY(nav->popViewControllerAnimated(true) == nullptr); // the root stays
        QCOMPARE(nav->topViewController()->appearanceCount(), 2); // shown, then shown again
    }

    void popToRootReleasesEveryScreenAbove()
    {
        auto *nav = new BaseNavigationViewController(new RecordingScreen("A", &m_log));
        m_window->setRootViewController(nav);
        QPointer<ViewController> b = new RecordingScreen("B", &m_log);
        QPointer<ViewController> c = new RecordingScreen("C", &m_log);
        nav->pushViewController(b, false);
        nav->pushViewController(c, false);
        nav->popToRootViewControllerAnimated(false);
        QTRY_VERIFY(b.isNull() && c.isNull());
        QCOMPARE(nav->topViewController(), nav->viewControllers().first());
    }

    void barShowsTheTopScreensTitle()
    {
        auto *a = new RecordingScreen("A", &m_log);
        a->setTitle("首页");
        auto *nav = new BaseNavigationViewController(a);
        m_window->setRootViewController(nav);
        auto *b = new RecordingScreen("B", &m_log);
        b->setTitle("产品详情");
        nav->pushViewController(b, false);
        QCOMPARE(nav->navigationBar()->title(), QString("产品详情"));
        QCOMPARE(b->navigationController(), nav);
        b->setTitle("净值详情"); // a title set later reaches the bar
        QCOMPARE(nav->navigationBar()->title(), QString("净值详情"));
        nav->popViewControllerAnimated(false);
        QCOMPARE(nav->navigationBar()->title(), QString("首页"));
    }

    void presentAndDismissModally()
    {
        auto *a = new RecordingScreen("A", &m_log);
        m_window->setRootViewController(a);
        m_log.clear();
        QPointer<ViewController> c = new RecordingScreen("C", &m_log);
        a->presentViewController(c, true);
        QCOMPARE(a->presentedViewController(), c.data());
        QCOMPARE(m_log, (QStringList{"C:load", "A:willDisappear", "C:willAppear", "A:didDisappear",
                                     "C:didAppear"}));
        m_log.clear();
        bool completed = false;
        c->dismissViewControllerAnimated(true, [&completed]() { completed = true; });
        QVERIFY(completed);
        QCOMPARE(m_log,
                 (QStringList{"C:willDisappear", "A:willAppear", "C:didDisappear", "A:didAppear"}));
        QTRY_VERIFY(c.isNull());
    }

private:
    TestGateway m_gateway; // animations off, a clean store
    PhoneWindow *m_window = nullptr;
    QStringList m_log;
    QStringList m_posted;
};

QTEST_MAIN(TestUiNavigation)
#include "test_ui_navigation.moc"
