#include "QZFeedbackViewController.h"

#include "ui_QZFeedbackViewController.h"

#include "ActivityForms.h"
#include "DelayedPop.h"
#include "FunctionCodes.h"
#include "SessionStore.h"

#include <QKeyEvent>

QZFeedbackViewController::QZFeedbackViewController(QWidget *parent)
    : RootViewController(parent), m_ui(new Ui::QZFeedbackViewController), m_answer(this)
{
    m_ui->setupUi(this);
    m_ui->placeHolderLabel->setAttribute(Qt::WA_TransparentForMouseEvents);
    m_ui->textView->installEventFilter(this);
    connect(m_ui->textView, &QPlainTextEdit::textChanged, this,
            &QZFeedbackViewController::textViewDidChange);
    connect(m_ui->commitButton, &QPushButton::clicked, this,
            &QZFeedbackViewController::commitButtonClick);
    m_answer.setButton(m_ui->commitButton);
}

QZFeedbackViewController::~QZFeedbackViewController()
{
    delete m_ui;
}

void QZFeedbackViewController::initNav()
{
    setTitle(QStringLiteral("问卷调查"));
    createLeftNavigationItem(QStringLiteral("return.png"), QString());
}

void QZFeedbackViewController::initUI()
{
    m_ui->titleLabel->setText(m_activityModel.activity_name);
    m_ui->titleLabel->setVisible(!m_activityModel.activity_name.isEmpty());
    m_ui->countLabel->setText(ActivityForms::answerCount(0));
}

void QZFeedbackViewController::textViewDidChange()
{
    const QString text = m_ui->textView->toPlainText();
    m_ui->placeHolderLabel->setVisible(text.isEmpty());
    if (text.size() <= ActivityForms::kMaxAnswerLength) {
        m_ui->countLabel->setText(ActivityForms::answerCount(text.size()));
        return;
    }
    createUIAlertControllerWithNSString(ActivityForms::answerTooLongMessage());
    // Setting the shortened text comes back here with 500 characters for the count.
    m_ui->textView->setPlainText(text.left(ActivityForms::kMaxAnswerLength));
    m_ui->textView->moveCursor(QTextCursor::End);
}

bool QZFeedbackViewController::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_ui->textView && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent *>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            m_ui->textView->clearFocus();
            return true;
        }
    }
    return RootViewController::eventFilter(watched, event);
}

void QZFeedbackViewController::LeftNavigationButtonClick()
{
    goBack();
}

void QZFeedbackViewController::commitButtonClick()
{
    endEditing();
    const QString answer = m_ui->textView->toPlainText();
    const QString phone = m_ui->telephoneTextField->text();
    const QString problem = ActivityForms::checkQuestionnaire(answer, phone);
    if (!problem.isEmpty()) {
        createUIAlertControllerWithNSString(problem);
        return;
    }
    const int popDelay = m_popDelay;
    m_answer.sendAction(FunctionCode::Questionnaire,
                        ActivityForms::questionnaireParams(SessionStore::currentCustomer().khbh,
                                                           phone, m_activityModel.id, answer),
                        [popDelay](const ServerChange::Reply &reply, const ResponseEnvelope &) {
                            reply.showToast(QStringLiteral("问卷调查提交成功"), 2.5);
                            DelayedPop::schedule(reply.screen<QZFeedbackViewController>(),
                                                 popDelay);
                        });
}
