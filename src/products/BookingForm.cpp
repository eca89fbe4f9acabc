#include "BookingForm.h"

#include "AlertController.h"
#include "Booking.h"
#include "RootViewController.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>

void BookingForm::decorate(QLineEdit *field, const QString &caption, int maxLength)
{
    field->setInputMethodHints(Qt::ImhDigitsOnly);
    field->setMaxLength(maxLength);
    // The caption sits inside the field, on the right.
    auto *label = new QLabel(caption, field);
    label->setStyleSheet(QStringLiteral("color: #cccccc; font-size: 12px; font-weight: bold; background: transparent;"));
    label->setAttribute(Qt::WA_TransparentForMouseEvents);
    auto *row = new QHBoxLayout(field);
    row->setContentsMargins(0, 0, 6, 0);
    row->addStretch();
    row->addWidget(label);
    field->setTextMargins(0, 0, label->sizeHint().width() + 6, 0);
}

void BookingForm::show(RootViewController *screen, const QString &w_qdje, bool checkStartingAmount, Submit submit)
{
    auto *alert = new AlertController(screen, QStringLiteral("请填写预约信息"), QString());
    QLineEdit *amount = alert->addTextField(
        [](QLineEdit *f) { decorate(f, QStringLiteral("预约金额(万元)"), Booking::kAmountMaxLength); });
    QLineEdit *phone = alert->addTextField(
        [](QLineEdit *f) { decorate(f, QStringLiteral("预约电话"), Booking::kPhoneMaxLength); });
    QPointer<RootViewController> guard(screen);
    alert->addAction(QStringLiteral("立即预约"), AlertController::ActionStyle::Default,
                     [guard, amount, phone, w_qdje, checkStartingAmount, submit]() {
                         if (!guard)
                             return;
                         const Booking::Check check =
                             Booking::checkForm(amount->text(), phone->text(), w_qdje, checkStartingAmount);
                         switch (check.result) {
                         case Booking::Check::Result::Alert:
                             guard->createUIAlertControllerWithNSString(check.message);
                             break;
                         case Booking::Check::Result::Toast:
                             guard->showToast(check.message, 1.5);
                             break;
                         case Booking::Check::Result::Ok:
                             submit(QString::number(check.yyje), phone->text());
                             break;
                         }
                     });
    alert->addAction(QStringLiteral("取消"), AlertController::ActionStyle::Cancel);
    alert->show();
}
