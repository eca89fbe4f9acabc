#pragma once

#include <QPointer>
#include <QWidget>

class ActivityIndicator;
class QLabel;
class ViewController;

// The phone's screen: a portrait window with a 20-point status bar (carrying the
// network-activity indicator) above the root view controller. Overlays (alerts,
// sheets, toasts) are shown over the whole window.
class PhoneWindow : public QWidget
{
    Q_OBJECT

public:
    static constexpr int kStatusBarHeight = 20;
    static QSize defaultSize() { return QSize(320, 568); }

    explicit PhoneWindow(QSize size = defaultSize(), QWidget *parent = nullptr);

    // Replaces the root; the previous root is released.
    void setRootViewController(ViewController *controller);
    ViewController *rootViewController() const { return m_root; }

    QWidget *contentHost() const { return m_content; }

    // Where a widget's screens are presented: the phone's content area when it is inside
    // a phone window, otherwise its own top-level window.
    static QWidget *contentHostFor(QWidget *widget);
    static PhoneWindow *of(QWidget *widget);

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    QWidget *m_statusBar;
    QLabel *m_carrier;
    QLabel *m_clock;
    ActivityIndicator *m_networkIndicator;
    QWidget *m_content;
    QPointer<ViewController> m_root;
};
