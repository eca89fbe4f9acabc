#include "RootViewController.h"

#include "AlertController.h"
#include "BaseNavigationViewController.h"
#include "GatewayClient.h"
#include "NavigationItem.h"
#include "NotificationCenter.h"
#include "ProgressHUD.h"
#include "Request.h"
#include "ScreenRegistry.h"
#include "Toast.h"
#include "UiColor.h"
#include "UiImage.h"

#include <QAbstractButton>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>

RootViewController::RootViewController(QWidget *parent) : ViewController(parent)
{
    setAutoFillBackground(true);
    QPalette p = palette();
    p.setColor(QPalette::Window, UiColor::background());
    setPalette(p);
    setFocusPolicy(Qt::ClickFocus);
}

void RootViewController::viewDidLoad()
{
    initNav();
    initUI();
    initData();
}

QWidget *RootViewController::makeBarButton(const QString &image, const QString &title, bool left)
{
    auto *button = new QPushButton;
    button->setObjectName(left ? QStringLiteral("leftNavigationButton")
                               : QStringLiteral("rightNavigationButton"));
    button->setFixedSize(title.isEmpty() ? QSize(40, 50)
                                         : QSize(std::max(40, 14 + 12 * int(title.size())), 50));
    button->setFlat(true);
    button->setCursor(Qt::PointingHandCursor);
    const QString padding = left ? QStringLiteral("padding-left: 10px; text-align: left;")
                                 : QStringLiteral("padding-right: 10px; text-align: right;");
    button->setStyleSheet(QStringLiteral("QPushButton { border: none; background: transparent;"
                                         " color: #8a8a8a; font-size: 12px; %1 }")
                              .arg(padding));
    if (!image.isEmpty()) {
        button->setIcon(UiImage::named(image));
        button->setIconSize(QSize(20, 20));
    }
    if (!title.isEmpty())
        button->setText(title);
    // A picture alone still says what it does to a screen reader.
    button->setAccessibleName(!title.isEmpty() ? title
                              : left           ? QStringLiteral("返回")
                                               : QStringLiteral("更多"));
    connect(button, &QPushButton::clicked, this, [this, left]() {
        if (left)
            LeftNavigationButtonClick();
        else
            RightNavigationButtonClick();
    });
    return button;
}

void RootViewController::createLeftNavigationItem(const QString &image, const QString &title)
{
    navigationItem()->setLeftWidget(makeBarButton(image, title, true));
}

void RootViewController::creatRightNavigationItem(const QString &image, const QString &title)
{
    navigationItem()->setRightWidget(makeBarButton(image, title, false));
}

ViewController *RootViewController::pushScreenNamed(const QString &className,
                                                    const QJsonObject &properties)
{
    QString error;
    ViewController *screen = ScreenRegistry::instance().contains(className)
                                 ? ScreenRegistry::instance().create(className, properties, &error)
                                 : nullptr;
    if (!screen || !navigationController()) {
        if (!error.isEmpty())
            qWarning("Cannot open %s: %s", qPrintable(className), qPrintable(error));
        delete screen;
        showToast(QStringLiteral("即将开放"), 1.5);
        return nullptr;
    }
    navigationController()->pushViewController(screen, true);
    return screen;
}

void RootViewController::createUIAlertControllerWithNSString(const QString &message)
{
    AlertController::showMessage(this, message);
}

void RootViewController::initLoadingView()
{
    if (!m_loadingView)
        m_loadingView = new ProgressHUD(this, ProgressHUD::Look::Bare);
    m_loadingView->present();
}

void RootViewController::finishLoadingView()
{
    if (m_loadingView)
        m_loadingView->hide();
}

void RootViewController::showToast(const QString &text, double seconds,
                                   std::function<void()> completion)
{
    Toast::showText(this, text, seconds, std::move(completion));
}

void RootViewController::postNotification(const QString &name)
{
    NotificationCenter::defaultCenter()->postNotificationName(name, this);
}

void RootViewController::goBack(const QString &notification)
{
    if (!notification.isEmpty())
        postNotification(notification);
    if (navigationController())
        navigationController()->popViewControllerAnimated(true);
}

void RootViewController::textFieldShouldReturn(QLineEdit *field)
{
    field->clearFocus();
}

void RootViewController::endEditing()
{
    // The window's focus child, which is right even while the window is not active.
    QWidget *focused = window()->focusWidget();
    if (focused && isAncestorOf(focused))
        focused->clearFocus();
}

void RootViewController::keyPressEvent(QKeyEvent *event)
{
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    // A line edit passes the return key on to its screen after handling it.
    auto *field = qobject_cast<QLineEdit *>(window()->focusWidget());
    if (enter && field && isAncestorOf(field)) {
        textFieldShouldReturn(field);
        return;
    }
    if (enter && m_mainButton && m_mainButton->isVisible() && m_mainButton->isEnabled()) {
        m_mainButton->click();
        return;
    }
    const bool back = event->key() == Qt::Key_Escape ||
                      (event->key() == Qt::Key_Left && event->modifiers() & Qt::AltModifier);
    if (back && canGoBack()) {
        LeftNavigationButtonClick();
        return;
    }
    ViewController::keyPressEvent(event);
}

bool RootViewController::canGoBack() const
{
    // A screen above the first of its stack has a back button; a tab root's left button
    // is something else (the help centre, the settings).
    BaseNavigationViewController *stack = navigationController();
    return stack && navigationItem()->leftWidget() && !stack->viewControllers().isEmpty() &&
           stack->viewControllers().first() != this;
}

void RootViewController::setMainButton(QAbstractButton *button)
{
    m_mainButton = button;
}

void RootViewController::viewDidAppear(bool animated)
{
    ViewController::viewDidAppear(animated);
    // Keys reach the screen on top: its fields when one has the focus, else the screen.
    QWidget *focused = window()->focusWidget();
    if (!focused || !isAncestorOf(focused))
        setFocus(Qt::OtherFocusReason);
}

void RootViewController::mousePressEvent(QMouseEvent *event)
{
    // A touch that no control took ends editing on the whole screen.
    endEditing();
    ViewController::mousePressEvent(event);
}

void RootViewController::sendRequest(const QString &code, const QJsonObject &params,
                                     const ParamsExt &paramsExt, Answer onAnswer,
                                     OnFailure onFailure)
{
    GatewayClient::post(Request::getJsonStr(code, params, paramsExt), this, std::move(onAnswer),
                        [this, onFailure = std::move(onFailure)](const QString &error) {
                            if (const QString alert = onFailure.messageFor(error); !alert.isEmpty())
                                createUIAlertControllerWithNSString(alert);
                            if (onFailure.then)
                                onFailure.then();
                        });
}

void RootViewController::sendAction(const QString &code, const QJsonObject &params,
                                    Answer onSucceeded, OnFailure onFailure)
{
    sendRequest(
        code, params, ParamsExt(),
        [this, onSucceeded = std::move(onSucceeded)](const ResponseEnvelope &answer) {
            if (!answer.succeeded()) {
                createUIAlertControllerWithNSString(OnFailure::refusal(answer.prompt()));
                return;
            }
            onSucceeded(answer);
        },
        std::move(onFailure));
}
