#include "QZAddCustomViewController.h"

#include "ui_QZAddCustomViewController.h"

#include "ActivityForms.h"
#include "ActivityRules.h"
#include "DelayedPop.h"
#include "FunctionCodes.h"
#include "SessionStore.h"

#include <QRegularExpressionValidator>

QZAddCustomViewController::QZAddCustomViewController(QWidget *parent)
    : RootViewController(parent), m_ui(new Ui::QZAddCustomViewController), m_registration(this)
{
    m_ui->setupUi(this);
    connect(m_ui->nextButton, &QPushButton::clicked, this, &QZAddCustomViewController::nextClick);
    m_registration.setButton(m_ui->nextButton);
}

QZAddCustomViewController::~QZAddCustomViewController()
{
    delete m_ui;
}

void QZAddCustomViewController::initNav()
{
    setTitle(QStringLiteral("客户活动"));
    createLeftNavigationItem(QStringLiteral("return.png"), QString());
}

void QZAddCustomViewController::initUI()
{
    m_ui->activityNameLabel->setText(m_activityModel.activity_name);
    m_ui->activityTimeLabel->setText(ActivityRules::timeText(m_activityModel));
    // The telephone and the number come from a number pad: digits only.
    const QRegularExpression digits(QStringLiteral("[0-9]*"));
    m_ui->phoneTextField->setValidator(new QRegularExpressionValidator(digits, this));
    m_ui->phoneTextField->setMaxLength(11);
    m_ui->phoneTextField->setInputMethodHints(Qt::ImhDigitsOnly);
    m_ui->numberTextField->setValidator(new QRegularExpressionValidator(digits, this));
    m_ui->numberTextField->setMaxLength(4);
    m_ui->numberTextField->setInputMethodHints(Qt::ImhDigitsOnly);
}

void QZAddCustomViewController::LeftNavigationButtonClick()
{
    goBack();
}

void QZAddCustomViewController::nextClick()
{
    endEditing();
    const QString name = m_ui->nameTextField->text();
    const QString phone = m_ui->phoneTextField->text();
    const QString number = m_ui->numberTextField->text();
    const QString problem = ActivityForms::checkRegistration(
        name, phone, number, m_activityModel.part_number, m_ybmModel.joined_num);
    if (!problem.isEmpty()) {
        createUIAlertControllerWithNSString(problem);
        return;
    }
    const int popDelay = m_popDelay;
    m_registration.sendAction(
        FunctionCode::JoinActivity,
        ActivityForms::registrationParams(m_activityModel, SessionStore::currentCustomer().khbh,
                                          name, phone, number),
        [popDelay](const ServerChange::Reply &reply, const ResponseEnvelope &) {
            reply.showToast(QStringLiteral("活动预约成功"), 1.5);
            DelayedPop::schedule(reply.screen<QZAddCustomViewController>(), popDelay);
        },
        OnFailure{.message = OnFailure::noNetworkShort(), .then = {}});
}
