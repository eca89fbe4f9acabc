#pragma once

#include "Booking.h"
#include "ServerChange.h"

#include <QObject>

class QPushButton;
class RootViewController;

// The booking part the product detail and the securities-trust detail share: the booking
// button, the telephone-booking button and the bar holding both; the sign-in question for a
// visitor; the form; "166003" sent once however often the form is submitted; and what an
// accepted booking shows, even when the customer has already left the screen.
class ProductBooking final : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(ProductBooking)

public:
    enum class Kind
    {
        Product, // the form's captions and limits, the amount in yuan, the success alert
        Trust    // placeholders, the amount as typed, the success toast
    };
    struct Controls
    {
        QPushButton *book;
        QPushButton *telephone;
        QWidget *bar;
        int barHeight; // the bar's height unless the button is widened (80 points)
    };

    ProductBooking(RootViewController *screen, Kind kind, const Controls &controls);

    // The product to book: its code and, for the product form, its starting amount.
    void setProduct(const QString &cpdm, const QString &w_qdje = QString());
    void applyLook(const Booking::ButtonLook &look);
    // What the buttons show now.
    const Booking::ButtonLook &look() const { return m_look; }

    void yuyueClick();
    void teleyuyueClcik();

private:
    void book(const QString &yyje, const QString &phone);

    RootViewController *m_screen;
    Kind m_kind;
    Controls m_controls;
    QString m_cpdm;
    QString m_qdje;
    Booking::ButtonLook m_look;
    ServerChange m_booking;
};
