#pragma once

#include <QPointer>
#include <QWidget>
#include <functional>

class BaseNavigationViewController;
class NavigationItem;

// The life cycle every screen and container shares. Containers call the hooks at the
// moments a phone would: viewDidLoad once before the first appearance, then the
// will/did appear and disappear pairs each time the screen comes and goes.
class ViewController : public QWidget
{
    Q_OBJECT

public:
    explicit ViewController(QWidget *parent = nullptr);
    ~ViewController() override;

    void loadViewIfNeeded();
    bool isViewLoaded() const { return m_viewLoaded; }

    NavigationItem *navigationItem() const { return m_navigationItem; }
    void setTitle(const QString &title);
    QString title() const;

    // The navigation stack this screen is on, if any.
    BaseNavigationViewController *navigationController() const;
    void setNavigationController(BaseNavigationViewController *controller);

    // Modal presentation over the whole phone window.
    void presentViewController(ViewController *controller, bool animated,
                               std::function<void()> completion = {});
    void dismissViewControllerAnimated(bool animated, std::function<void()> completion = {});
    ViewController *presentedViewController() const { return m_presented; }
    ViewController *presentingViewController() const { return m_presenting; }

    // Called by containers; screens override the hooks, not these.
    void beginAppearance(bool animated);
    void endAppearance(bool animated);
    void beginDisappearance(bool animated);
    void endDisappearance(bool animated);
    bool isAppeared() const { return m_appeared; }
    // How many times the screen has begun to appear, this time included.
    int appearanceCount() const { return m_appearances; }

protected:
    virtual void viewDidLoad() {}
    virtual void viewWillAppear(bool animated) { Q_UNUSED(animated) }
    virtual void viewDidAppear(bool animated) { Q_UNUSED(animated) }
    virtual void viewWillDisappear(bool animated) { Q_UNUSED(animated) }
    virtual void viewDidDisappear(bool animated) { Q_UNUSED(animated) }

    // Containers pass appearance on to the child that is showing.
    virtual ViewController *visibleChild() const { return nullptr; }

private:
    NavigationItem *m_navigationItem;
    QPointer<BaseNavigationViewController> m_navigationController;
    QPointer<ViewController> m_presented;
    QPointer<ViewController> m_presenting;
    bool m_viewLoaded = false;
    bool m_appeared = false;
    int m_appearances = 0;
};
