#pragma once

#include <QMetaType>
#include <QString>

// One of the customer's open bookings for a product; only their number matters.
class AppointmentModel
{
    Q_GADGET
    Q_PROPERTY(QString yyzt MEMBER yyzt)

public:
    QString yyzt; // booking state
};

Q_DECLARE_METATYPE(AppointmentModel)
