#pragma once

#include "CircleViewDelegate.h"
#include "QZLoginModel.h"
#include "RootViewController.h"
#include "ServerChange.h"
#include "SessionStore.h"
#include "SignIn.h"

#include <QList>
#include <functional>

namespace Ui {
class KVGestureViewController;
}
class WNCircleInfoView;
class WNCircleView;
class WNLockLabel;

// The gesture lock. In set mode the customer draws a new gesture twice and it is stored.
// In login mode the customer draws the stored gesture: as the start-up lock (IsLogin) that
// signs them in again with the stored details, opened from the settings it switches the
// lock off. Every wrong drawing signs the customer out; the fifth in a row ends the lock.
class KVGestureViewController : public RootViewController, public CircleViewDelegate
{
    Q_OBJECT
    Q_PROPERTY(uint gesturePasswordType READ gesturePasswordType WRITE setGesturePasswordType)
    Q_PROPERTY(bool IsLogin READ IsLogin WRITE setIsLogin)
    Q_PROPERTY(bool needLogin READ needLogin)

public:
    static constexpr uint kLoginType = 0;
    static constexpr uint kSetType = 1;
    static constexpr int kAttempts = SessionStore::kGestureAttempts;

    explicit KVGestureViewController(QWidget *parent = nullptr);
    ~KVGestureViewController() override;

    uint gesturePasswordType() const { return m_gesturePasswordType; }
    void setGesturePasswordType(uint type) { m_gesturePasswordType = type; }
    bool IsLogin() const { return m_isLogin; }
    void setIsLogin(bool isLogin) { m_isLogin = isLogin; }
    bool needLogin() const { return m_needLogin; }

    // Optional hooks for an opener: the outcome of a login drawing (true when the lock was
    // abandoned and the customer has to sign in), and the back button leaving the screen.
    void setVerifyGestureFinishedBlock(std::function<void(bool needLogin)> block);
    void setPopViewControllerBlock(std::function<void()> block);

    WNCircleView *drawingInterfaceView() const;
    WNLockLabel *msgLabel() const;
    WNCircleInfoView *infoView() const;
    // The customer records of the last sign-in answer.
    const QList<QZLoginModel> &dataArray() const { return m_dataArray; }

    void LeftNavigationButtonClick() override;

    void connectCirclesLessThanNeedWithGesture(GesturePad *pad, CircleViewType type,
                                               const QString &gesture) override;
    void didCompleteSetFirstGesture(GesturePad *pad, CircleViewType type,
                                    const QString &gesture) override;
    void didCompleteSetSecondGesture(GesturePad *pad, CircleViewType type, const QString &gesture,
                                     bool equal) override;
    void didCompleteLoginGesture(GesturePad *pad, CircleViewType type, const QString &gesture,
                                 bool success) override;

protected:
    void initNav() override;
    void initUI() override;
    void viewWillAppear(bool animated) override;
    void viewWillDisappear(bool animated) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    bool isSetMode() const { return m_gesturePasswordType == kSetType; }
    bool isLoginMode() const { return m_gesturePasswordType == kLoginType; }
    void initSetMode();
    void initLoginMode();
    void layoutContent();
    void layoutLoginContent(qreal screenWidth, qreal screenHeight, qreal top);

    void resetAllDataAndGesture();
    void wrongLoginGesture();
    void loginClick();
    void signInAnswered(const SignIn::Result &result);
    void abandonLock();
    void clearPassword();
    void clearUserLoginpass();
    void didClickBtn();
    void closeSelf();
    void popSelf();
    void storeAttemptsLeft(int attempts);

    Ui::KVGestureViewController *m_ui;
    uint m_gesturePasswordType = kLoginType;
    bool m_isLogin = false;
    bool m_needLogin = false;
    std::function<void(bool)> m_verifyGestureFinishedBlock;
    std::function<void()> m_popViewControllerBlock;
    QList<QZLoginModel> m_dataArray;
    // One sign-in at a time: drawings while it is awaited send nothing.
    ServerChange m_signIn;
};
