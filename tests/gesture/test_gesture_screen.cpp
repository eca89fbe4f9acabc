// The gesture lock driven like a customer would, by drags on the pad, against the demo
// gateway: setting a gesture, the start-up lock with its attempt counter and its sign-in,
// the lock opened from the settings, and how the pad and its circles are drawn.
#include "AES256.h"
#include "AlertController.h"
#include "BaseNavigationViewController.h"
#include "Constant.h"
#include "GestureColors.h"
#include "GesturePad.h"
#include "GestureScreens.h"
#include "KVGestureViewController.h"
#include "NavigationItem.h"
#include "NetworkActivityIndicator.h"
#include "NotificationCenter.h"
#include "PhoneWindow.h"
#include "RequestSpy.h"
#include "RootViewController.h"
#include "ScreenRegistry.h"
#include "SessionStore.h"
#include "ShakeAnimation.h"
#include "TestGateway.h"
#include "TestPhone.h"
#include "Toast.h"
#include "UserDefaults.h"
#include "WNCircle.h"
#include "WNCircleInfoView.h"
#include "WNCircleView.h"
#include "WNLockLabel.h"

#include <QApplication>
#include <QLoggingCategory>
#include <QPainter>
#include <QPointer>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

namespace {

const QString kSignIn = QStringLiteral("168000");
const QString kGesture = QStringLiteral("14789");
const QString kNumber = QStringLiteral("310104198803162418");

QStringList texts(const QSignalSpy &spy)
{
    QStringList out;
    for (const QList<QVariant> &call : spy)
        out.append(call.at(0).toString());
    return out;
}

QZLoginModel demoCustomer()
{
    QZLoginModel customer;
    customer.khbh = QStringLiteral("100001");
    customer.zjhm = kNumber;
    customer.sjhm = QStringLiteral("13812345678");
    return customer;
}

// Drags through the circles with those tags, as a finger would.
void drawOn(WNCircleView *pad, const QString &digits)
{
    const auto at = [pad](QChar d) { return pad->centerOfCircle(d.digitValue()).toPoint(); };
    QTest::mousePress(pad, Qt::LeftButton, {}, at(digits.front()));
    for (const QChar d : digits.mid(1))
        QTest::mouseMove(pad, at(d));
    QTest::mouseRelease(pad, Qt::LeftButton, {}, at(digits.back()));
}

QPoint centreInWindow(QWidget *widget)
{
    return widget->mapTo(widget->window(), QPoint(widget->width() / 2, widget->height() / 2));
}

// The pad as it looks on a white screen.
QImage shotOf(QWidget *widget)
{
    QImage image(widget->size(), QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.drawPixmap(0, 0, widget->grab());
    return image;
}

// Whether the pixel or one next to it is drawn in that hue: lines are one point wide and
// smoothed, so a pixel on a line is only partly covered.
bool drawnIn(const QImage &image, QPoint at, QColor colour)
{
    for (const QPoint d :
         {QPoint(0, 0), QPoint(1, 0), QPoint(-1, 0), QPoint(0, 1), QPoint(0, -1)}) {
        const QColor c = image.pixelColor(at + d);
        const bool blue = c.blue() - c.red() > 50;
        const bool red = c.red() - c.blue() > 50 && c.red() - c.green() > 50;
        if (colour == GestureColors::selected() ? blue : red)
            return true;
    }
    return false;
}

bool grey(const QImage &image, QPoint at)
{
    const QColor c = image.pixelColor(at);
    return std::abs(c.red() - c.blue()) < 10 && c.red() < 240;
}

} // namespace

class TestGestureScreen : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QLoggingCategory::setFilterRules(QStringLiteral("chenglan.*.debug=false"));
    }

    void init()
    {
        m_gateway = std::make_unique<TestGateway>();
        m_window = std::make_unique<PhoneWindow>();
        m_root = new RootViewController;
        m_root->setTitle(QStringLiteral("首页"));
        m_nav = showInActivePhone(*m_window, m_root);
        QVERIFY(m_nav);
    }

    void cleanup()
    {
        if (AlertController *alert = AlertController::frontMost(m_window.get()))
            alert->tapAction(QStringLiteral("取消"));
        m_window.reset();
        m_gateway.reset();
    }

    void setModeLooks()
    {
        SessionStore::setGestureOne("9999");
        QSignalSpy posted(NotificationCenter::defaultCenter(), &NotificationCenter::posted);
        KVGestureViewController *lock = open(KVGestureViewController::kSetType, false);
        QVERIFY(SessionStore::gestureOne().isEmpty()); // a stale first drawing is forgotten
        QCOMPARE(lock->title(), QString("设置手势密码"));
        QVERIFY(!m_nav->isNavigationBarHidden());
        QVERIFY(lock->navigationItem()->leftWidget());
        QVERIFY(posted.contains(
            QVariantList{Notification::Hidden, QVariant::fromValue<QObject *>(lock)}));
        QCOMPARE(lock->msgLabel()->text(), QString("绘制解锁图案"));
        QCOMPARE(lock->msgLabel()->textColor(), QColor(128, 128, 128));
        QCOMPARE(lock->drawingInterfaceView()->type(), CircleViewType::Setting);
        QCOMPARE(lock->drawingInterfaceView()->objectName(), QString("circleView"));
        QVERIFY(lock->infoView() && lock->infoView()->isVisible());
        QVERIFY(!lock->findChild<QPushButton *>("forgetGestureButton")->isVisible());
        QVERIFY(!lock->findChild<QWidget *>("headImageView")->isVisible());
        QCOMPARE(lock->palette().color(QPalette::Window), QColor(Qt::white));

        // Laid out on the phone screen: the pad in the middle, the message 30 points above
        // it, the preview above the message.
        WNCircleView *pad = lock->drawingInterfaceView();
        QCOMPARE(pad->size(), QSize(260, 260));
        QCOMPARE(centreInWindow(pad), QPoint(160, 284));
        const int padTop = pad->mapTo(m_window.get(), QPoint()).y();
        QCOMPARE(centreInWindow(lock->msgLabel()).y(), padTop - 30);
        QCOMPARE(lock->msgLabel()->size(), QSize(320, 14));
        const int labelTop = lock->msgLabel()->mapTo(m_window.get(), QPoint()).y();
        QCOMPARE(lock->infoView()->size(), QSize(36, 36));
        QCOMPARE(centreInWindow(lock->infoView()).y(), labelTop - 28);
        QCOMPARE(lock->infoView()->circles().at(4)->geometry(), QRect(13, 13, 10, 10));
    }

    void settingAGestureTakesTwoEqualDrawings()
    {
        QPointer<KVGestureViewController> lock = open(KVGestureViewController::kSetType, false);
        WNLockLabel *label = lock->msgLabel();
        WNCircleView *pad = lock->drawingInterfaceView();

        drawOn(pad, "123");
        QCOMPARE(label->text(), QString("最少连接4个点，请重新输入"));
        QCOMPARE(label->textColor(), GestureColors::error());
        QVERIFY(ShakeAnimation::isShaking(label));
        QVERIFY(SessionStore::gestureOne().isEmpty());
        QVERIFY(!SessionStore::gestureFinal());

        drawOn(pad, "1235");
        QCOMPARE(label->text(), QString("再次绘制解锁图案"));
        QCOMPARE(label->textColor(), GestureColors::error());
        QCOMPARE(SessionStore::gestureOne(), QString("1235"));
        QCOMPARE(previewStates(lock), (QList<int>{2, 2, 2, 1, 2, 1, 1, 1, 1}));

        drawOn(pad, "123"); // too short for a confirmation
        QCOMPARE(label->text(), QString("与上次绘制不一致，请重新绘制"));
        drawOn(pad, "1236");
        QCOMPARE(label->text(), QString("与上次绘制不一致，请重新绘制"));
        QVERIFY(ShakeAnimation::isShaking(label));
        QCOMPARE(SessionStore::gestureOne(), QString("1235"));
        QVERIFY(!SessionStore::gestureFinal());
        QCOMPARE(m_nav->topViewController(), lock.data());

        drawOn(pad, "1235");
        QCOMPARE(label->text(), QString("设置成功"));
        QCOMPARE(SessionStore::gestureFinal(), std::optional<QString>("1235"));
        QCOMPARE(SessionStore::gestureErrorCount(), std::optional<int>(5));
        QCOMPARE(m_nav->topViewController(), m_root);
        QTRY_VERIFY(lock.isNull());
        QVERIFY(!m_nav->isNavigationBarHidden());
    }

    void backLeavesSetModeWithoutAGesture()
    {
        QPointer<KVGestureViewController> lock = open(KVGestureViewController::kSetType, false);
        int popped = 0;
        lock->setPopViewControllerBlock([&popped]() { ++popped; });
        drawOn(lock->drawingInterfaceView(), "1235");
        auto *back = qobject_cast<QPushButton *>(lock->navigationItem()->leftWidget());
        QVERIFY(back);
        QTest::mouseClick(back, Qt::LeftButton);
        QCOMPARE(popped, 1);
        QCOMPARE(m_nav->topViewController(), m_root);
        QTRY_VERIFY(lock.isNull());
        QVERIFY(!SessionStore::gestureFinal());
        QCOMPARE(SessionStore::gestureOne(), QString("1235")); // gone when the screen next loads
        open(KVGestureViewController::kSetType, false);
        QVERIFY(SessionStore::gestureOne().isEmpty());
    }

    void loginModeLooks()
    {
        storeLockedCustomer();
        SessionStore::beginSession(demoCustomer());
        KVGestureViewController *lock = open(KVGestureViewController::kLoginType, true);
        QVERIFY(m_nav->isNavigationBarHidden());
        QVERIFY(lock->title().isEmpty());
        QCOMPARE(lock->drawingInterfaceView()->type(), CircleViewType::Login);
        QVERIFY(!lock->infoView());
        QCOMPARE(lock->msgLabel()->text(), QString("138****5678"));
        QCOMPARE(lock->msgLabel()->textColor(), QColor(128, 128, 128));

        auto *avatar = lock->findChild<QLabel *>("headImageView");
        QVERIFY(avatar->isVisible());
        QCOMPARE(avatar->size(), QSize(65, 65));
        QCOMPARE(avatar->mapTo(m_window.get(), QPoint()),
                 QPoint(128, 81)); // centred at (W / 2, H / 5)
        const QImage round = avatar->pixmap().toImage();
        QCOMPARE(qAlpha(round.pixel(1, 1)), 0); // cut to a circle
        QCOMPARE(qAlpha(round.pixel(32, 32)), 255);
        const int avatarBottom = avatar->mapTo(m_window.get(), QPoint(0, avatar->height())).y();
        QCOMPARE(centreInWindow(lock->msgLabel()).y(), avatarBottom + 20);

        WNCircleView *pad = lock->drawingInterfaceView();
        QCOMPARE(centreInWindow(pad), QPoint(160, 341)); // 3H / 5 = 340.8
        auto *forget = lock->findChild<QPushButton *>("forgetGestureButton");
        QVERIFY(forget->isVisible());
        QCOMPARE(forget->text(), QString("忘记手势密码"));
        QCOMPARE(forget->geometry(), QRect(pad->geometry().right() + 1 - 110,
                                           pad->geometry().bottom() + 1 + 10, 100, 40));
    }

    void fiveWrongDrawingsEndTheLock()
    {
        storeLockedCustomer();
        QPointer<KVGestureViewController> lock = open(KVGestureViewController::kLoginType, true);
        QList<bool> finished;
        lock->setVerifyGestureFinishedBlock(
            [&finished](bool needLogin) { finished.append(needLogin); });
        QSignalSpy messages(lock->msgLabel(), &WNLockLabel::messageShown);
        WNCircleView *pad = lock->drawingInterfaceView();

        for (int left = 4; left >= 1; --left) {
            Constant::shareConstant()->setIsLogin(true);
            drawOn(pad, "1235");
            QCOMPARE(lock->msgLabel()->text(), QString("密码错误，还可以再输入%1次").arg(left));
            QCOMPARE(lock->msgLabel()->textColor(), GestureColors::error());
            QVERIFY(!Constant::shareConstant()->IsLogin()); // every wrong drawing signs out
            QCOMPARE(SessionStore::gestureErrorCount(), std::optional<int>(left));
            QCOMPARE(SessionStore::gestureFinal(), std::optional<QString>(kGesture));
            QCOMPARE(m_nav->topViewController(), lock.data());
        }
        QVERIFY(finished.isEmpty());

        drawOn(pad, "1235");
        const QStringList wrong = texts(messages).filter("密码错误"); // one for each drawing
        QCOMPARE(wrong.size(), 5);
        QCOMPARE(wrong.last(), QString("密码错误，还可以再输入0次"));
        QCOMPARE(UserDefaults::standard().dictionaryForKey("signin").value_or(QJsonObject()),
                 (QJsonObject{{"password", ""}, {"type", "身份证"}, {"numberID", kNumber}}));
        QVERIFY(!UserDefaults::standard().toJson().contains("gestureFinalSaveKey"));
        QCOMPARE(SessionStore::gestureErrorCount(), std::optional<int>(0));
        QVERIFY(!Constant::shareConstant()->IsLogin());
        QCOMPARE(finished, QList<bool>{true});
        QVERIFY(lock->needLogin());
        QCOMPARE(m_nav->topViewController(), m_root);
        QTRY_VERIFY(lock.isNull());
        QVERIFY(!m_nav->isNavigationBarHidden());
    }

    void countNeverStoredEndsTheLockAtOnce_data()
    {
        QTest::addColumn<QJsonValue>("stored");
        // clang-format off
        QTest::newRow("never stored") << QJsonValue(QJsonValue::Undefined);
        QTest::newRow("more than the lock allows") << QJsonValue(6);
        QTest::newRow("int max") << QJsonValue(2147483647);
        QTest::newRow("int min") << QJsonValue(-2147483647 - 1);
        QTest::newRow("beyond int") << QJsonValue(5111111111LL);
        QTest::newRow("fraction") << QJsonValue(2.5);
        // clang-format on
    }

    void countNeverStoredEndsTheLockAtOnce()
    {
        // A count that cannot be the lock's own is no count: the lock fails closed.
        QFETCH(QJsonValue, stored);
        storeLockedCustomer();
        UserDefaults::standard().setObject(PersistedKey::GestureErrorCount, stored);
        QPointer<KVGestureViewController> lock = open(KVGestureViewController::kLoginType, true);
        QSignalSpy messages(lock->msgLabel(), &WNLockLabel::messageShown);
        drawOn(lock->drawingInterfaceView(), "1235");
        QVERIFY(texts(messages).contains("密码错误，还可以再输入0次"));
        QVERIFY(!SessionStore::gestureFinal());
        QCOMPARE(SessionStore::gestureErrorCount(), std::optional<int>(0));
        QCOMPARE(m_nav->topViewController(), m_root);
    }

    void rightDrawingAfterTwoWrongOnesSignsIn()
    {
        storeLockedCustomer();
        QPointer<KVGestureViewController> lock = open(KVGestureViewController::kLoginType, true);
        QList<bool> finished;
        lock->setVerifyGestureFinishedBlock(
            [&finished](bool needLogin) { finished.append(needLogin); });
        QSignalSpy requests(&m_gateway->gateway(), &DemoGateway::requestReceived);
        QSignalSpy toasts(ToastEvents::instance(), &ToastEvents::shown);
        qsizetype records = -1; // the screen's records as the session began
        connect(Constant::shareConstant(), &Constant::sessionChanged, lock.data(),
                [&records, lock]() { records = lock->dataArray().size(); });
        WNCircleView *pad = lock->drawingInterfaceView();
        drawOn(pad, "1235");
        drawOn(pad, "3214");
        QCOMPARE(SessionStore::gestureErrorCount(), std::optional<int>(3));
        QVERIFY(!Constant::shareConstant()->IsLogin());

        drawOn(pad, kGesture);
        QCOMPARE(SessionStore::gestureErrorCount(), std::optional<int>(5));
        QCOMPARE(finished, QList<bool>{false});
        QVERIFY(!lock->needLogin());
        QTRY_COMPARE(sentWith(requests, kSignIn).size(), 1);
        const QJsonObject params = sentWith(requests, kSignIn).first().params;
        QCOMPARE(params.value("zjhm").toString(), kNumber);
        QCOMPARE(params.value("zjlx").toString(), QString("N"));
        QCOMPARE(AES256::AES256DecryptWithCiphertext(params.value("khmm").toString()),
                 std::optional<QString>("abc123"));

        QTRY_VERIFY(Constant::shareConstant()->IsLogin());
        QCOMPARE(Constant::shareConstant()->currentUser()->khbh, QString("100001"));
        QCOMPARE(records, 1);
        QCOMPARE(toasts.size(), 1);
        QCOMPARE(toasts.first().at(0).toString(), QString("登录成功"));
        QCOMPARE(toasts.first().at(1).toDouble(), 3.0);
        QCOMPARE(m_nav->topViewController(), m_root);
        QTRY_VERIFY(lock.isNull());
        // Signing in again changes none of the stored keys.
        QCOMPARE(SessionStore::savedSignIn()->password, QString("abc123"));
        QCOMPARE(SessionStore::gestureFinal(), std::optional<QString>(kGesture));
    }

    void drawingAgainWhileSigningInSendsNothing()
    {
        m_gateway->gateway().setFault(kSignIn, GatewayFault::delay(300));
        storeLockedCustomer();
        QPointer<KVGestureViewController> lock = open(KVGestureViewController::kLoginType, true);
        QSignalSpy requests(&m_gateway->gateway(), &DemoGateway::requestReceived);
        QSignalSpy toasts(ToastEvents::instance(), &ToastEvents::shown);
        drawOn(lock->drawingInterfaceView(), kGesture);
        drawOn(lock->drawingInterfaceView(), kGesture);
        QTRY_VERIFY(lock.isNull());
        QTRY_VERIFY(Constant::shareConstant()->IsLogin());
        QCOMPARE(sentWith(requests, kSignIn).size(), 1);
        QCOMPARE(toasts.size(), 1);
        QCOMPARE(m_nav->topViewController(), m_root);
    }

    void rightDrawingWhileTheGatewayIsDown()
    {
        m_gateway->gateway().setFault(kSignIn, GatewayFault::status(500));
        storeLockedCustomer();
        QPointer<KVGestureViewController> lock = open(KVGestureViewController::kLoginType, true);
        drawOn(lock->drawingInterfaceView(), kGesture);
        expectMessageAlert("您还没有连接到网络");
        QCOMPARE(SessionStore::savedSignIn()->password, QString());
        QCOMPARE(SessionStore::savedSignIn()->numberID, kNumber);
        QVERIFY(!SessionStore::gestureFinal());
        QVERIFY(!Constant::shareConstant()->IsLogin());
        QCOMPARE(m_nav->topViewController(), m_root);
        QTRY_VERIFY(lock.isNull());
    }

    void refusedSignInKeepsTheLock()
    {
        m_gateway->gateway().setFault(kSignIn, GatewayFault::refuse("系统维护中，请稍后再试"));
        storeLockedCustomer();
        QPointer<KVGestureViewController> lock = open(KVGestureViewController::kLoginType, true);
        drawOn(lock->drawingInterfaceView(), kGesture);
        expectMessageAlert("系统维护中，请稍后再试");
        QCOMPARE(m_nav->topViewController(), lock.data());
        // Ready for another try.
        QVERIFY(lock->drawingInterfaceView()->pad()->circleSet().isEmpty());
        QCOMPARE(SessionStore::savedSignIn()->password, QString("abc123"));
        QCOMPARE(SessionStore::gestureFinal(), std::optional<QString>(kGesture));
        QVERIFY(!Constant::shareConstant()->IsLogin());
    }

    void forgottenGestureSignsOutToTheRoot()
    {
        storeLockedCustomer();
        auto *middle = new RootViewController;
        m_nav->pushViewController(middle, false);
        QPointer<KVGestureViewController> lock = open(KVGestureViewController::kLoginType, true);
        QSignalSpy posted(NotificationCenter::defaultCenter(), &NotificationCenter::posted);
        QTest::mouseClick(lock->findChild<QPushButton *>("forgetGestureButton"), Qt::LeftButton);
        QCOMPARE(posted.first().at(0).toString(), Notification::Appearance);
        QCOMPARE(posted.first().at(1).value<QObject *>(), lock.data());
        QCOMPARE(UserDefaults::standard().dictionaryForKey("signin").value_or(QJsonObject()),
                 (QJsonObject{{"password", ""}, {"type", "身份证"}, {"numberID", kNumber}}));
        QVERIFY(!SessionStore::gestureFinal());
        QCOMPARE(m_nav->topViewController(), m_root);
        QTRY_VERIFY(lock.isNull());
    }

    void fromTheSettingsTheRightDrawingSwitchesTheLockOff()
    {
        storeLockedCustomer();
        SessionStore::beginSession(demoCustomer());
        QPointer<KVGestureViewController> lock = open(KVGestureViewController::kLoginType, false);
        // Posting a request switches the indicator on at once, so no wait is needed to
        // see that nothing was sent.
        NetworkActivityIndicator::instance()->setVisible(false);
        QSignalSpy posted(NetworkActivityIndicator::instance(),
                          &NetworkActivityIndicator::visibilityChanged);
        WNCircleView *pad = lock->drawingInterfaceView();
        drawOn(pad, "1235"); // one mistake signs the customer out for good
        QVERIFY(!Constant::shareConstant()->IsLogin());
        drawOn(pad, kGesture);
        QCOMPARE(SessionStore::gestureFinal(), std::optional<QString>(""));
        QVERIFY(!SessionStore::passwordIsExist());
        QCOMPARE(SessionStore::gestureErrorCount(), std::optional<int>(5));
        QCOMPARE(m_nav->topViewController(), m_root);
        QTRY_VERIFY(lock.isNull());
        QVERIFY(!Constant::shareConstant()->IsLogin());
        QVERIFY(posted.isEmpty());
    }

    void touchesDriveThePad()
    {
        KVGestureViewController *lock = open(KVGestureViewController::kSetType, false);
        WNCircleView *pad = lock->drawingInterfaceView();
        QPointingDevice *device = QTest::createTouchDevice();
        const auto at = [pad](int tag) {
            return pad->mapTo(pad->window(), pad->centerOfCircle(tag).toPoint());
        };
        QTest::touchEvent(m_window.get(), device).press(0, at(1), m_window.get());
        for (int tag : {2, 3, 6}) {
            QTest::touchEvent(m_window.get(), device).move(0, at(tag), m_window.get());
        }
        QCOMPARE(pad->pad()->gesture(), QString("1236"));
        QTest::touchEvent(m_window.get(), device).release(0, at(6), m_window.get());
        QCOMPARE(lock->msgLabel()->text(), QString("再次绘制解锁图案"));
        QCOMPARE(SessionStore::gestureOne(), QString("1236"));

        // A cancelled touch is left alone; the next one starts afresh.
        QTest::touchEvent(m_window.get(), device).press(0, at(7), m_window.get());
        QTest::touchEvent(m_window.get(), device).move(0, at(8), m_window.get());
        QTouchEvent cancel(QEvent::TouchCancel, device);
        QApplication::sendEvent(pad, &cancel);
        QCOMPARE(pad->pad()->gesture(), QString("78"));
        QCOMPARE(lock->msgLabel()->text(), QString("再次绘制解锁图案"));
        drawOn(pad, "1236");
        QCOMPARE(SessionStore::gestureFinal(), std::optional<QString>("1236"));
    }

    void registeredForOpening()
    {
        registerGestureScreens();
        QString error;
        std::unique_ptr<ViewController> screen(ScreenRegistry::instance().create(
            "KVGestureViewController", QJsonObject{{"gesturePasswordType", 1}, {"IsLogin", true}},
            &error));
        auto *lock = qobject_cast<KVGestureViewController *>(screen.get());
        QVERIFY2(lock, qPrintable(error));
        QCOMPARE(lock->gesturePasswordType(), 1u);
        QVERIFY(lock->IsLogin());
    }

    void circleColours_data()
    {
        QTest::addColumn<int>("state");
        QTest::addColumn<QColor>("ring");
        QTest::addColumn<QColor>("dot");
        QTest::addColumn<QColor>("triangle");
        const QColor grey(199, 199, 199), blue(34, 178, 246), red(254, 82, 92), clear(0, 0, 0, 0);
        // clang-format off
        QTest::newRow("new") << 0 << grey << clear << clear;
        QTest::newRow("normal") << 1 << grey << clear << clear;
        QTest::newRow("selected") << 2 << blue << blue << blue;
        QTest::newRow("error") << 3 << red << red << red;
        QTest::newRow("last selected") << 4 << blue << blue << clear;
        QTest::newRow("last of an error") << 5 << red << red << clear;
        QTest::newRow("unknown") << 9 << grey << clear << clear;
        // clang-format on
    }

    void circleColours()
    {
        QFETCH(int, state);
        QFETCH(QColor, ring);
        QFETCH(QColor, dot);
        QFETCH(QColor, triangle);
        WNCircle circle;
        circle.setOutCircleColor(Qt::black); // kept, not drawn
        circle.setState(CircleState{state});
        QCOMPARE(circle.outCircleColor(), ring);
        QCOMPARE(circle.inCircleColor(), dot);
        QCOMPARE(circle.trangleColor(), triangle);
    }

    void padIsDrawnInBlueThenRed()
    {
        storeLockedCustomer();
        KVGestureViewController *lock = open(KVGestureViewController::kLoginType, false);
        WNCircleView *pad = lock->drawingInterfaceView();
        pad->pad()->setErrorDisplayInterval(20);
        const auto at = [pad](int tag) { return pad->centerOfCircle(tag).toPoint(); };
        QTest::mousePress(pad, Qt::LeftButton, {}, at(1));
        QTest::mouseMove(pad, at(2));
        QTest::mouseMove(pad, at(5));
        QTest::mouseMove(pad, QPoint(200, 160)); // the finger between 5 and 9
        const QColor blue = GestureColors::selected();
        const QColor red = GestureColors::error();
        QImage image = shotOf(pad);
        QVERIFY(drawnIn(image, {87, 43}, blue));    // the line from 1 to 2
        QVERIFY(drawnIn(image, {130, 87}, blue));   // the line from 2 to 5
        QVERIFY(drawnIn(image, {130, 130}, blue));  // 5's dot
        QVERIFY(!drawnIn(image, {110, 43}, blue));  // no line inside 2's ring
        QVERIFY(drawnIn(image, {130, 14}, blue));   // 2's ring
        QVERIFY(grey(image, {43, 100}));            // 4's ring, not selected
        QVERIFY(drawnIn(image, {185, 154}, blue));  // the loose end to the finger
        QVERIFY(!drawnIn(image, {200, 200}, blue)); // and nothing beyond it

        QTest::mouseRelease(pad, Qt::LeftButton, {}, QPoint(200, 160));
        QCOMPARE(lock->msgLabel()->text(), QString("密码错误，还可以再输入4次"));
        image = shotOf(pad);
        QVERIFY(drawnIn(image, {87, 43}, red));
        QVERIFY(drawnIn(image, {130, 130}, red));
        QVERIFY(drawnIn(image, {130, 14}, red));
        QVERIFY(!drawnIn(image, {185, 154}, red)); // no loose end while red
        QVERIFY(!drawnIn(image, {185, 154}, blue));
        QSignalSpy finished(pad->pad(), &GesturePad::errorDisplayFinished);
        QTRY_COMPARE(finished.size(), 1);
        image = shotOf(pad);
        QVERIFY(!drawnIn(image, {87, 43}, red));
        QVERIFY(!drawnIn(image, {130, 130}, red));
        QVERIFY(grey(image, {130, 14}));
    }

    void triangleTurnsTowardsTheNextCircle()
    {
        QWidget host;
        host.resize(320, 568);
        auto *pad = new WNCircleView(CircleViewType::Setting, true, true, &host);
        pad->move(30, 30);
        host.show();
        QVERIFY(QTest::qWaitForWindowExposed(&host));
        const auto at = [pad](int tag) { return pad->centerOfCircle(tag).toPoint(); };
        QTest::mousePress(pad, Qt::LeftButton, {}, at(1));
        QTest::mouseMove(pad, at(2));
        QTest::mouseMove(pad, at(5));
        const QImage image = shotOf(pad);
        const QColor blue = GestureColors::selected();
        // 1 points right: its triangle sits between the dot and the ring on 1's right.
        QVERIFY(drawnIn(image, at(1) + QPoint(17, 0), blue));
        QVERIFY(!drawnIn(image, at(1) + QPoint(0, -17), blue));
        // 2 points down; 5, the newest, shows none.
        QVERIFY(drawnIn(image, at(2) + QPoint(0, 17), blue));
        QVERIFY(!drawnIn(image, at(5) + QPoint(0, 17), blue));
        QTest::mouseRelease(pad, Qt::LeftButton, {}, at(5));
    }

private:
    KVGestureViewController *open(uint type, bool isLogin)
    {
        auto *lock = new KVGestureViewController;
        lock->setGesturePasswordType(type);
        lock->setIsLogin(isLogin);
        m_nav->pushViewController(lock, false);
        return lock;
    }

    // A customer who signed in before and set a gesture: a launch starts locked and signed out.
    static void storeLockedCustomer()
    {
        SessionStore::storeSignIn("身份证", kNumber, "abc123");
        SessionStore::setGestureFinal(kGesture);
        SessionStore::setGestureErrorCount(5);
    }

    static QList<int> previewStates(KVGestureViewController *lock)
    {
        QList<int> states;
        for (WNCircle *circle : lock->infoView()->circles())
            states.append(int(circle->state()));
        return states;
    }

    void expectMessageAlert(const QString &message)
    {
        QTRY_VERIFY_WITH_TIMEOUT(AlertController::frontMost(m_window.get()), 5000);
        AlertController *alert = AlertController::frontMost(m_window.get());
        QCOMPARE(alert->message(), message);
        QCOMPARE(alert->actionTitles(), QStringList{"取消"});
        QVERIFY(alert->tapAction("取消"));
        QTRY_VERIFY(!AlertController::frontMost(m_window.get()));
    }

    std::unique_ptr<TestGateway> m_gateway;
    std::unique_ptr<PhoneWindow> m_window;
    BaseNavigationViewController *m_nav = nullptr;
    RootViewController *m_root = nullptr;
};

QTEST_MAIN(TestGestureScreen)
#include "test_gesture_screen.moc"
