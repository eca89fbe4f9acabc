#include "ProductBooking.h"

#include "AlertController.h"
#include "BookingForm.h"
#include "Constant.h"
#include "FunctionCodes.h"
#include "RootViewController.h"
#include "SessionStore.h"
#include "Telephone.h"

#include <QPointer>
#include <QPushButton>
#include <QStyle>

namespace {

const QString kBookedMessage =
    QStringLiteral("您好！您已经成功提交澄岚信托的产品预约请求,我们的客户经理会尽快与您取得联系。");

} // namespace

ProductBooking::ProductBooking(RootViewController *screen, Kind kind, const Controls &controls)
    : QObject(screen), m_screen(screen), m_kind(kind), m_controls(controls), m_booking(screen)
{
    m_look.title = m_controls.book->text();
    connect(m_controls.book, &QPushButton::clicked, this, &ProductBooking::yuyueClick);
    connect(m_controls.telephone, &QPushButton::clicked, this, &ProductBooking::teleyuyueClcik);
    m_booking.setButton(m_controls.book);
}

void ProductBooking::setProduct(const QString &cpdm, const QString &w_qdje)
{
    m_cpdm = cpdm;
    m_qdje = w_qdje;
}

void ProductBooking::applyLook(const Booking::ButtonLook &look)
{
    m_look = look;
    QPushButton *button = m_controls.book;
    button->setText(look.title);
    button->setEnabled(look.enabled);
    button->setProperty("usable", look.blue);
    // The style sheet picks the colour from "usable"; re-polish so it does.
    button->style()->unpolish(button);
    button->style()->polish(button);
    m_controls.telephone->setVisible(look.telephoneVisible);
    m_controls.bar->setFixedHeight(look.fullWidth ? 80 : m_controls.barHeight);
}

void ProductBooking::yuyueClick()
{
    if (!Constant::shareConstant()->currentUser()) {
        BookingForm::askToSignIn(m_screen);
        return;
    }
    // A booking already on its way: the answer decides what the button shows next.
    if (m_booking.isPending())
        return;
    const auto submit = [this](const QString &yyje, const QString &phone) { book(yyje, phone); };
    if (m_kind == Kind::Product)
        BookingForm::show(m_screen, m_qdje, true, submit);
    else
        BookingForm::showAsTyped(m_screen, submit);
}

void ProductBooking::book(const QString &yyje, const QString &phone)
{
    const Kind kind = m_kind;
    QPointer<ProductBooking> self(this); // gone with its screen
    m_booking.sendAction(
        FunctionCode::BookingAction,
        Booking::addParams(SessionStore::currentCustomer().khbh, m_cpdm, yyje, phone),
        [kind, self](const ServerChange::Reply &reply, const ResponseEnvelope &) {
            if (kind == Kind::Trust) {
                reply.showToast(QStringLiteral("产品预约成功"), 0.25);
                return;
            }
            if (self)
                self->applyLook(Booking::processingLook());
            if (QWidget *window = reply.window()) {
                auto *done = new AlertController(window, QString(), kBookedMessage);
                done->addAction(QStringLiteral("关闭"), AlertController::ActionStyle::Cancel);
                done->open();
            }
        });
}

void ProductBooking::teleyuyueClcik()
{
    Telephone::askToCallHotline(m_screen, Booking::telephoneBookingTitle());
}
