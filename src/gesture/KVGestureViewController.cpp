#include "KVGestureViewController.h"

#include "ui_KVGestureViewController.h"

#include "BaseNavigationViewController.h"
#include "CircleLayout.h"
#include "Constant.h"
#include "Formatting.h"
#include "FunctionCodes.h"
#include "GesturePad.h"
#include "MainScreen.h"
#include "NotificationCenter.h"
#include "SessionStore.h"
#include "UiImage.h"
#include "UserDefaults.h"
#include "WNCircle.h"
#include "WNCircleInfoView.h"
#include "WNCircleView.h"
#include "WNCircleViewConst.h"
#include "WNLockLabel.h"

#include <QPainter>
#include <QPainterPath>

namespace {

const QString kDrawPattern = QStringLiteral("绘制解锁图案");

QRect centredRect(QSizeF size, QPointF centre)
{
    QRectF r(QPointF(), size);
    r.moveCenter(centre);
    return r.toRect();
}

// The avatar, cut to a circle.
QPixmap roundAvatar(int side)
{
    QPixmap round(side, side);
    round.fill(Qt::transparent);
    QPainter painter(&round);
    painter.setRenderHint(QPainter::Antialiasing);
    QPainterPath circle;
    circle.addEllipse(QRectF(0, 0, side, side));
    painter.setClipPath(circle);
    painter.drawPixmap(QRect(0, 0, side, side), UiImage::pixmap(QStringLiteral("account.png")));
    return round;
}

} // namespace

KVGestureViewController::KVGestureViewController(QWidget *parent)
    : RootViewController(parent), m_ui(new Ui::KVGestureViewController), m_signIn(this)
{
    m_ui->setupUi(this);
}

KVGestureViewController::~KVGestureViewController()
{
    delete m_ui;
}

void KVGestureViewController::setVerifyGestureFinishedBlock(std::function<void(bool)> block)
{
    m_verifyGestureFinishedBlock = std::move(block);
}

void KVGestureViewController::setPopViewControllerBlock(std::function<void()> block)
{
    m_popViewControllerBlock = std::move(block);
}

WNCircleView *KVGestureViewController::drawingInterfaceView() const
{
    return m_ui->circleView;
}

WNLockLabel *KVGestureViewController::msgLabel() const
{
    return m_ui->msgLabel;
}

WNCircleInfoView *KVGestureViewController::infoView() const
{
    return isSetMode() ? m_ui->infoView : nullptr;
}

void KVGestureViewController::initNav()
{
    setTitle(QString());
    createLeftNavigationItem(QStringLiteral("return.png"), QString());
}

void KVGestureViewController::initUI()
{
    QPalette p = palette();
    p.setColor(QPalette::Window, Qt::white);
    setPalette(p);
    resetAllDataAndGesture();
    m_ui->circleView->setDelegate(this);
    m_ui->infoView->setVisible(isSetMode());
    m_ui->headImageView->setVisible(isLoginMode());
    m_ui->forgetGestureButton->setVisible(isLoginMode());
    if (isSetMode())
        initSetMode();
    else if (isLoginMode())
        initLoginMode();
    layoutContent();
}

void KVGestureViewController::initSetMode()
{
    m_ui->circleView->setType(CircleViewType::Setting);
    m_ui->msgLabel->showNormalMsg(kDrawPattern);
}

void KVGestureViewController::initLoginMode()
{
    m_ui->circleView->setType(CircleViewType::Login);
    m_ui->headImageView->setPixmap(roundAvatar(65));
    const auto &user = Constant::shareConstant()->currentUser();
    // Whoever holds the phone sees only enough of the number to recognise it.
    m_ui->msgLabel->showNormalMsg(user ? Formatting::maskedMobile(user->sjhm) : QString());
    connect(m_ui->forgetGestureButton, &QPushButton::clicked, this,
            &KVGestureViewController::didClickBtn);
}

void KVGestureViewController::viewWillAppear(bool animated)
{
    RootViewController::viewWillAppear(animated);
    postNotification(Notification::Hidden);
    BaseNavigationViewController *nav = navigationController();
    if (isLoginMode()) {
        // No way back from the lock but a drawing or "忘记手势密码".
        setTitle(QString());
        if (nav)
            nav->setNavigationBarHidden(true);
    } else if (isSetMode()) {
        setTitle(QStringLiteral("设置手势密码"));
        if (nav)
            nav->setNavigationBarHidden(false);
    }
}

void KVGestureViewController::viewWillDisappear(bool animated)
{
    RootViewController::viewWillDisappear(animated);
    if (BaseNavigationViewController *nav = navigationController())
        nav->setNavigationBarHidden(false);
}

void KVGestureViewController::resizeEvent(QResizeEvent *event)
{
    RootViewController::resizeEvent(event);
    layoutContent();
}

void KVGestureViewController::layoutContent()
{
    // Positions are worked out on the whole phone screen, bars included, so the lock sits
    // in the same place with or without a navigation bar; the view starts lower by whatever
    // sits above it.
    const QSize screen = MainScreen::size(this);
    const qreal w = screen.width();
    const qreal h = screen.height();
    const qreal top = std::max(0, screen.height() - height());
    const auto toView = [top](QPointF p) { return p - QPointF(0, top); };

    WNCircleView *pad = m_ui->circleView;
    const QPointF padCentre = isSetMode() ? QPointF(w / 2, h / 2) : QPointF(w / 2, h * 3 / 5);
    pad->setCenter(toView(padCentre));
    const qreal padTop = padCentre.y() - pad->height() / 2.0;
    const QRect label = centredRect(QSizeF(w, 14), QPointF(w / 2, padTop - 30));
    m_ui->msgLabel->setGeometry(label.translated(0, -int(top)));
    if (isSetMode()) {
        const QPointF infoCentre(w / 2, label.top() - 18 - 10);
        const qreal side = CircleLayout::infoViewSide(w);
        m_ui->infoView->setGeometry(centredRect(QSizeF(side, side), toView(infoCentre)));
    } else if (isLoginMode()) {
        layoutLoginContent(w, h, top);
    }
}

void KVGestureViewController::layoutLoginContent(qreal screenWidth, qreal screenHeight, qreal top)
{
    const QRect avatar = centredRect(QSizeF(65, 65), QPointF(screenWidth / 2, screenHeight / 5));
    m_ui->headImageView->setGeometry(avatar.translated(0, -int(top)));
    const QRect label =
        centredRect(QSizeF(screenWidth, 14), QPointF(screenWidth / 2, avatar.bottom() + 1 + 20));
    m_ui->msgLabel->setGeometry(label.translated(0, -int(top)));
    const QRect pad = m_ui->circleView->geometry();
    m_ui->forgetGestureButton->setGeometry(pad.right() + 1 - 110, pad.bottom() + 1 + 10, 100, 40);
}

void KVGestureViewController::LeftNavigationButtonClick()
{
    if (m_popViewControllerBlock)
        m_popViewControllerBlock();
    if (navigationController())
        navigationController()->popViewControllerAnimated(true);
}

void KVGestureViewController::resetAllDataAndGesture()
{
    for (WNCircle *circle : m_ui->infoView->circles())
        circle->setState(CircleState::Normal);
    m_ui->msgLabel->showNormalMsg(kDrawPattern);
    SessionStore::removeGestureOne();
}

void KVGestureViewController::connectCirclesLessThanNeedWithGesture(GesturePad *, CircleViewType,
                                                                    const QString &)
{
    // With a first drawing pending, a short one is a confirmation that does not match.
    if (!SessionStore::gestureOne().isEmpty())
        m_ui->msgLabel->showWarnMsgAndShake(QStringLiteral("与上次绘制不一致，请重新绘制"));
    else
        m_ui->msgLabel->showWarnMsgAndShake(
            QStringLiteral("最少连接%1个点，请重新输入").arg(GesturePad::kMinimumLength));
}

void KVGestureViewController::didCompleteSetFirstGesture(GesturePad *pad, CircleViewType,
                                                         const QString &)
{
    m_ui->msgLabel->showWarnMsg(QStringLiteral("再次绘制解锁图案"));
    for (const GestureCircle &drawn : pad->circles()) {
        if (drawn.state != CircleState::Selected && drawn.state != CircleState::LastOneSelected)
            continue;
        for (WNCircle *preview : m_ui->infoView->circles()) {
            if (preview->tag() == drawn.tag)
                preview->setState(CircleState::Selected);
        }
    }
}

void KVGestureViewController::didCompleteSetSecondGesture(GesturePad *, CircleViewType,
                                                          const QString &gesture, bool equal)
{
    if (!equal) {
        m_ui->msgLabel->showWarnMsgAndShake(QStringLiteral("与上次绘制不一致，请重新绘制"));
        return;
    }
    m_ui->msgLabel->showWarnMsg(QStringLiteral("设置成功"));
    WNCircleViewConst::saveGesture(gesture, WNCircleViewConst::gestureFinalSaveKey());
    storeAttemptsLeft(kAttempts);
    if (presentingViewController())
        dismissViewControllerAnimated(true);
    if (isSetMode())
        popSelf();
}

void KVGestureViewController::didCompleteLoginGesture(GesturePad *, CircleViewType type,
                                                      const QString &, bool success)
{
    if (type != CircleViewType::Login)
        return; // verifying is the holder's own business
    if (!success) {
        wrongLoginGesture();
        return;
    }
    storeAttemptsLeft(kAttempts);
    m_needLogin = false;
    if (m_verifyGestureFinishedBlock)
        m_verifyGestureFinishedBlock(false);
    if (m_isLogin) {
        loginClick();
        return;
    }
    // Opened from the settings: the right gesture switches the lock off.
    SessionStore::setGestureFinal(QString());
    closeSelf();
}

void KVGestureViewController::wrongLoginGesture()
{
    // A count never stored (or not a count the lock could have kept) reads as 0, so the
    // lock ends at once; the count shown and kept never goes below 0.
    const int stored = SessionStore::gestureErrorCount().value_or(0);
    const int left = stored > 0 ? stored - 1 : 0;
    m_ui->msgLabel->showWarnMsgAndShake(QStringLiteral("密码错误，还可以再输入%1次").arg(left));
    if (left <= 0)
        abandonLock();
    // Whoever cannot draw the gesture is not trusted with the signed-in session.
    Constant::shareConstant()->setIsLogin(false);
    storeAttemptsLeft(left);
}

void KVGestureViewController::storeAttemptsLeft(int attempts)
{
    SessionStore::setGestureErrorCount(attempts);
    UserDefaults::standard().synchronize();
}

void KVGestureViewController::loginClick()
{
    m_dataArray.clear();
    const auto params = SignIn::gestureParams(SessionStore::savedSignIn().value_or(SavedSignIn()));
    if (!params)
        return; // the cipher failed: nothing can be sent, the pad stays ready
    // The answer reaches the lock only while it is there, as the network failure does.
    m_signIn.send(
        FunctionCode::SignIn, *params,
        [](const ServerChange::Reply &reply, const ResponseEnvelope &answer) {
            if (auto *lock = reply.screen<KVGestureViewController>())
                lock->signInAnswered(SignIn::resultOf(answer));
        },
        // The alert (no network, or an answer that was none) is shown over the window.
        OnFailure{.then = [this]() {
            signInAnswered({SignIn::Result::Outcome::NetworkFailure, QString(), QZLoginModel()});
        }});
}

void KVGestureViewController::signInAnswered(const SignIn::Result &result)
{
    switch (result.outcome) {
    case SignIn::Result::Outcome::SignedIn:
        m_dataArray.append(result.customer);
        SessionStore::beginSession(result.customer);
        showToast(QStringLiteral("登录成功"), 3.0);
        closeSelf();
        break;
    case SignIn::Result::Outcome::Refused:
        createUIAlertControllerWithNSString(result.prompt);
        break;
    case SignIn::Result::Outcome::NetworkFailure:
        clearUserLoginpass();
        closeSelf();
        break;
    }
}

void KVGestureViewController::abandonLock()
{
    clearPassword();
    if (presentingViewController())
        dismissViewControllerAnimated(true);
    if (navigationController())
        navigationController()->popToRootViewControllerAnimated(true);
    m_needLogin = true;
    SessionStore::removeGestureFinal();
    resetAllDataAndGesture();
    if (m_verifyGestureFinishedBlock)
        m_verifyGestureFinishedBlock(true);
}

void KVGestureViewController::clearPassword()
{
    SessionStore::clearPassword();
}

void KVGestureViewController::clearUserLoginpass()
{
    if (m_isLogin)
        clearPassword();
}

void KVGestureViewController::didClickBtn()
{
    clearPassword();
    postNotification(Notification::Appearance);
    SessionStore::removeGestureFinal();
    if (navigationController())
        navigationController()->popToRootViewControllerAnimated(true);
}

void KVGestureViewController::closeSelf()
{
    if (presentingViewController())
        dismissViewControllerAnimated(true);
    popSelf();
}

void KVGestureViewController::popSelf()
{
    BaseNavigationViewController *nav = navigationController();
    if (nav && nav->topViewController() == this)
        nav->popViewControllerAnimated(true);
}
