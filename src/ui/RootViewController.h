#pragma once

#include "ViewController.h"

#include "OnFailure.h"
#include "Request.h"
#include "ResponseEnvelope.h"

#include <QJsonObject>
#include <QPointer>
#include <functional>

class ProgressHUD;
class QAbstractButton;
class QLineEdit;

// The base of every screen: the shared background, keyboard dismissal, navigation-bar
// buttons, the message alert, the loading spinner and the requests with the client's
// two answer-handling patterns. viewDidLoad runs initNav, initUI and initData.
class RootViewController : public ViewController
{
    Q_OBJECT

public:
    explicit RootViewController(QWidget *parent = nullptr);

    // Navigation-bar buttons: 40 × 50 points, an image inset 10 points towards the edge
    // and/or a 12-point grey title; taps call the Click hooks below.
    void createLeftNavigationItem(const QString &image, const QString &title);
    void creatRightNavigationItem(const QString &image, const QString &title);

    // The message alert: no title, the message, one button "取消".
    void createUIAlertControllerWithNSString(const QString &message);

    void initLoadingView();
    void finishLoadingView();

    void showToast(const QString &text, double seconds, std::function<void()> completion = {});
    void postNotification(const QString &name);
    // The usual back button: post the notification (when given), then leave the screen.
    void goBack(const QString &notification = QString());
    // Pushes the screen registered under that class name, its properties set, and returns
    // it; a screen that is not part of this build says "即将开放" and returns null.
    ViewController *pushScreenNamed(const QString &className,
                                    const QJsonObject &properties = QJsonObject());

    virtual void LeftNavigationButtonClick() {}
    virtual void RightNavigationButtonClick() {}
    // The button the return key presses when no field has it.
    void setMainButton(QAbstractButton *button);

protected:
    void viewDidLoad() override;
    void viewDidAppear(bool animated) override;
    virtual void initNav() {}
    virtual void initUI() {}
    virtual void initData() {}

    // The return key in a field: ends editing there. Screens that act on it override.
    virtual void textFieldShouldReturn(QLineEdit *field);
    // Ends editing in every field of the screen.
    void endEditing();

    using Answer = std::function<void(const ResponseEnvelope &)>;

    // An enquiry tied to this screen: its answer is dropped if the screen has gone. The
    // answer is handled by the caller (list pattern: records taken whatever the flag says);
    // a failure shows the network alert and runs the follow-up, as onFailure says.
    void sendRequest(const QString &code, const QJsonObject &params, const ParamsExt &paramsExt,
                     Answer onAnswer, OnFailure onFailure = {});
    // Action pattern: a flag other than 1 shows the prompt in the message alert;
    // onSucceeded runs only for flag 1.
    void sendAction(const QString &code, const QJsonObject &params, Answer onSucceeded,
                    OnFailure onFailure = {});

    void keyPressEvent(QKeyEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;

private:
    QWidget *makeBarButton(const QString &image, const QString &title, bool left);

    bool canGoBack() const;

    QPointer<ProgressHUD> m_loadingView;
    QPointer<QAbstractButton> m_mainButton;
};
