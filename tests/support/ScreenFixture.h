#pragma once

#include "RequestSpy.h"
#include "TestGateway.h"

#include <QJsonObject>
#include <QSignalSpy>
#include <QStringList>
#include <memory>

class AlertController;
class BaseNavigationViewController;
class PhoneWindow;
class RootViewController;
class TableView;
class TableViewCell;
class QWidget;

// What a screen test drives: the demo gateway on loopback with spies on what it was sent
// and on the toasts shown, and an active phone window showing a navigation stack with an
// opener screen at its bottom. Make one in init() and check isReady().
class ScreenFixture final
{
    Q_DISABLE_COPY_MOVE(ScreenFixture)

public:
    ScreenFixture();
    ~ScreenFixture();

    bool isReady() const { return m_nav != nullptr; }
    DemoGateway &gateway() { return m_gateway.gateway(); }
    TestGateway &testGateway() { return m_gateway; }
    PhoneWindow *window() const { return m_window.get(); }
    BaseNavigationViewController *nav() const { return m_nav; }
    RootViewController *opener() const { return m_opener; }

    // Pushes the screen without animation and returns it.
    template <class Screen> Screen *push(Screen *screen)
    {
        pushScreen(screen);
        return screen;
    }
    // The screen on top of the stack, as that class, or null.
    template <class Screen> Screen *top() const { return qobject_cast<Screen *>(topScreen()); }

    // The requests of one function code sent so far, in order.
    QList<SentRequest> sent(const QString &code) const { return sentWith(m_requests, code); }
    // The function codes of every request sent so far, in order.
    QStringList sentCodes() const;
    // The texts of the toasts shown so far, and the duration of each.
    QStringList toastTexts() const;
    QList<double> toastDurations() const;
    // The front-most alert or sheet, or null.
    AlertController *alert() const;
    // The front-most alert's message once one is shown, else "<no alert>".
    QString waitForAlertMessage() const;
    // Closes every alert over the window.
    void dismissAlerts();

    // The demo customer signed in, as a successful sign-in leaves the session.
    void signIn(const QString &khbh = QStringLiteral("100001"));
    // A record of a dataset collection, found by one field's value.
    QJsonObject record(const QString &collection, const QString &key, const QString &value) const;

private:
    void pushScreen(RootViewController *screen);
    RootViewController *topScreen() const;

    TestGateway m_gateway;
    QSignalSpy m_requests;
    QSignalSpy m_toasts;
    std::unique_ptr<PhoneWindow> m_window;
    RootViewController *m_opener = nullptr;
    BaseNavigationViewController *m_nav = nullptr;
};

// Readings of what a screen shows, by object name.
namespace ScreenProbe {

// The text of a label, button or field; "<no name>" when there is none.
QString text(const QWidget *root, const char *name);
// As text, or "<hidden name>" when it is not shown within root.
QString visibleText(const QWidget *root, const char *name);
// Taps the visible button of that name as a finger would; false when there is none.
bool tap(const QWidget *root, const char *name);
// The cell of a row, scrolled into view first.
TableViewCell *cellAt(TableView *table, int row, int section = 0);

} // namespace ScreenProbe
