#pragma once

#include "ViewController.h"

#include "Formatting.h"
#include "Request.h"
#include "ResponseEnvelope.h"
#include "Validation.h"

#include <QColor>
#include <QJsonObject>
#include <QPointer>
#include <functional>

class ProgressHUD;
class QLineEdit;

// The base of every screen: the shared background, keyboard dismissal, navigation-bar
// buttons, the message alert, the loading spinner and the requests with the client's
// two answer-handling patterns. viewDidLoad runs initNav, initUI and initData.
class RootViewController : public ViewController
{
    Q_OBJECT

public:
    enum class SystemItem
    {
        Done,
        Cancel,
        Edit,
        Save,
        Add,
        Search,
        Refresh
    };

    explicit RootViewController(QWidget *parent = nullptr);

    // Navigation-bar buttons: 40 × 50 points, an image inset 10 points towards the edge
    // and/or a 12-point grey title; taps call the Click hooks below.
    void createLeftNavigationItem(const QString &image, const QString &title);
    void creatRightNavigationItem(const QString &image, const QString &title);
    void createLeftSystemNavigationItemWith(SystemItem item);
    void createRightSystemNavigationItemWith(SystemItem item);

    // The message alert: no title, the message, one button "取消".
    void createUIAlertControllerWithNSString(const QString &message);

    void initLoadingView();
    void finishLoadingView();

    void showToast(const QString &text, double seconds, std::function<void()> completion = {});
    void postNotification(const QString &name);
    // The usual back button: post the notification (when given), then leave the screen.
    void goBack(const QString &notification = QString());

    static QColor getColor(const QString &hex);
    static QColor colorWithRed(double red, double green, double blue);

    static bool validateIDCardNumber(const QString &t)
    {
        return Validation::validateIDCardNumber(t);
    }
    static bool validateEmail(const QString &t) { return Validation::validateEmail(t); }
    static bool validatePhone(const QString &t) { return Validation::validatePhone(t); }
    static bool checkPassword(const QString &t) { return Validation::checkPassword(t); }
    static bool checkUserName(const QString &t) { return Validation::checkUserName(t); }
    static bool isPureNumandCharacters(const QString &t)
    {
        return Validation::isPureNumandCharacters(t);
    }
    static QString GetFormateDate(const QString &t) { return Formatting::GetFormateDate(t); }
    static QString stringTofengeString(const QString &t)
    {
        return Formatting::stringTofengeString(t);
    }
    static QHash<QString, QString> reloadDictionary();

public:
    virtual void LeftNavigationButtonClick() {}
    virtual void RightNavigationButtonClick() {}
    virtual void LeftSystemNavigationButtonClick() {}
    virtual void RightSystemNavigationButtonClick() {}

protected:
    void viewDidLoad() override;
    virtual void initNav() {}
    virtual void initUI() {}
    virtual void initData() {}

    // The return key in a field: ends editing there. Screens that act on it override.
    virtual void textFieldShouldReturn(QLineEdit *field);
    // Ends editing in every field of the screen.
    void endEditing();

    // What a failed request does besides switching the indicator off.
    enum class OnFailure
    {
        NetworkAlert,
        Silent
    };
    using Answer = std::function<void(const ResponseEnvelope &)>;

    // Sends an operation tied to this screen; the answer is handled by the caller
    // (list pattern: records taken whatever the flag says).
    void sendRequest(const QString &code, const QJsonObject &params, const ParamsExt &paramsExt,
                     Answer onAnswer, OnFailure onFailure = OnFailure::NetworkAlert);
    // Action pattern: a flag other than 1 shows the prompt in the message alert;
    // onSucceeded runs only for flag 1.
    void sendAction(const QString &code, const QJsonObject &params, Answer onSucceeded,
                    OnFailure onFailure = OnFailure::NetworkAlert);
    // As sendRequest, with an explicit failure handler.
    void sendRequest(const QString &code, const QJsonObject &params, const ParamsExt &paramsExt,
                     Answer onAnswer, std::function<void(const QString &)> onFailure);

    void keyPressEvent(QKeyEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;

private:
    QWidget *makeBarButton(const QString &image, const QString &title, bool left);
    QWidget *makeSystemBarButton(SystemItem item, bool left);

    QPointer<ProgressHUD> m_loadingView;
};
