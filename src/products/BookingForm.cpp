#include "BookingForm.h"

#include "AlertController.h"
#include "BaseNavigationViewController.h"
#include "LoginViewController.h"
#include "RootViewController.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>

namespace BookingForm {
namespace {

struct Style
{
    bool captions; // captions inside the fields (else placeholders)
    bool checkStartingAmount;
    bool amountAsTyped; // send the amount as typed (else in yuan)
};

void decorate(QLineEdit *field, const QString &caption, int maxLength)
{
    field->setInputMethodHints(Qt::ImhDigitsOnly);
    field->setMaxLength(maxLength);
    // The caption sits inside the field, on the right.
    auto *label = new QLabel(caption, field);
    label->setStyleSheet(QStringLiteral(
        "color: #cccccc; font-size: 12px; font-weight: bold; background: transparent;"));
    label->setAttribute(Qt::WA_TransparentForMouseEvents);
    auto *row = new QHBoxLayout(field);
    row->setContentsMargins(0, 0, 6, 0);
    row->addStretch();
    row->addWidget(label);
    field->setTextMargins(0, 0, label->sizeHint().width() + 6, 0);
}

void present(RootViewController *screen, const QString &w_qdje, Style style, Submit submit)
{
    auto *alert = new AlertController(screen, QStringLiteral("请填写预约信息"), QString());
    const auto field = [style](const QString &caption, int maxLength) {
        return [style, caption, maxLength](QLineEdit *f) {
            if (style.captions) {
                decorate(f, caption, maxLength);
            } else {
                f->setInputMethodHints(Qt::ImhDigitsOnly);
                f->setPlaceholderText(caption);
            }
        };
    };
    QLineEdit *amount =
        alert->addTextField(field(QStringLiteral("预约金额(万元)"), Booking::kAmountMaxLength));
    QLineEdit *phone =
        alert->addTextField(field(QStringLiteral("预约电话"), Booking::kPhoneMaxLength));
    QPointer<RootViewController> guard(screen);
    alert->addAction(
        QStringLiteral("立即预约"), AlertController::ActionStyle::Default,
        [guard, amount, phone, w_qdje, style, submit]() {
            if (!guard)
                return;
            const Booking::Check check = Booking::checkForm(amount->text(), phone->text(), w_qdje,
                                                            style.checkStartingAmount);
            switch (check.result) {
            case Booking::Check::Result::Alert:
                guard->createUIAlertControllerWithNSString(check.message);
                break;
            case Booking::Check::Result::Toast:
                guard->showToast(check.message, 1.5);
                break;
            case Booking::Check::Result::Ok:
                submit(style.amountAsTyped ? amount->text() : QString::number(check.yyje),
                       phone->text());
                break;
            }
        });
    alert->addAction(QStringLiteral("取消"), AlertController::ActionStyle::Cancel);
    alert->open();
}

} // namespace

void show(RootViewController *screen, const QString &w_qdje, bool checkStartingAmount,
          Submit submit)
{
    present(screen, w_qdje, Style{true, checkStartingAmount, false}, std::move(submit));
}

void showAsTyped(RootViewController *screen, Submit submit)
{
    present(screen, QString(), Style{false, false, true}, std::move(submit));
}

void askToSignIn(RootViewController *screen)
{
    auto *question =
        new AlertController(screen, QStringLiteral("您尚未登录，是否现在登录！"), QString());
    QPointer<RootViewController> guard(screen);
    question->addAction(QStringLiteral("确定"), AlertController::ActionStyle::Default, [guard]() {
        if (guard && guard->navigationController())
            guard->navigationController()->pushViewController(new LoginViewController, true);
    });
    question->addAction(QStringLiteral("取消"), AlertController::ActionStyle::Cancel);
    question->open();
}

} // namespace BookingForm
