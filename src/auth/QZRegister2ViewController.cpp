#include "QZRegister2ViewController.h"

#include "ui_QZRegister2ViewController.h"

#include "AuthFormStyle.h"
#include "BaseNavigationViewController.h"
#include "FunctionCodes.h"
#include "QZRegister3ViewController.h"
#include "SessionStore.h"
#include "SignIn.h"

QZRegister2ViewController::QZRegister2ViewController(QWidget *parent)
    : RootViewController(parent), m_ui(new Ui::QZRegister2ViewController), m_registration(this)
{
    m_ui->setupUi(this);
    AuthFormStyle::apply(this);
}

QZRegister2ViewController::~QZRegister2ViewController()
{
    delete m_ui;
}

void QZRegister2ViewController::setApplicant(const Registration::Applicant &applicant)
{
    m_name = applicant.name;
    m_credentialsType = applicant.typeName;
    m_credentialsNumber = applicant.number;
    m_mobilePhone = applicant.mobile;
    m_yanZhengMa = applicant.code;
}

void QZRegister2ViewController::initNav()
{
    setTitle(QStringLiteral("注册"));
    createLeftNavigationItem(QStringLiteral("return.png"), QString());
}

void QZRegister2ViewController::initUI()
{
    connect(m_ui->nextButton, &QPushButton::clicked, this, &QZRegister2ViewController::next);
    m_registration.setButton(m_ui->nextButton);
}

void QZRegister2ViewController::next()
{
    const QString password = m_ui->passwordTextField->text();
    const QString confirmation = m_ui->confirmTextField->text();
    if (const auto problem = Registration::checkPasswords(password, confirmation)) {
        createUIAlertControllerWithNSString(*problem);
        return;
    }
    const Registration::Applicant applicant{m_name, m_credentialsType, m_credentialsNumber,
                                            m_mobilePhone, m_yanZhengMa};
    const auto params = Registration::createParams(applicant, confirmation);
    if (!params)
        return; // the cipher failed: nothing can be sent
    m_registration.sendAction(
        FunctionCode::Register, *params,
        [applicant, password](const ServerChange::Reply &reply, const ResponseEnvelope &answer) {
            const auto customers = answer.recordsAs<QZLoginModel>();
            if (customers.isEmpty()) {
                reply.showAlert(QStringLiteral("注册失败"));
                return;
            }
            // The new customer is signed in whatever becomes of the screens.
            SignIn::storeFormSignIn(customers.first(), applicant.typeName, applicant.number,
                                    password);
            // A gesture set before belongs to whoever signed in then, not to this customer.
            SessionStore::setGestureFinal(QString());
            if (auto *screen = reply.screen<QZRegister2ViewController>())
                screen->showRegistered();
        });
}

void QZRegister2ViewController::showRegistered()
{
    navigationController()->pushViewController(new QZRegister3ViewController, false);
    pushScreenNamed(QStringLiteral("KVGestureViewController"),
                    {{QStringLiteral("gesturePasswordType"), 1}});
}

void QZRegister2ViewController::LeftNavigationButtonClick()
{
    goBack();
}
