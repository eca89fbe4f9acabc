#pragma once

#include <QString>

class AlertController;
class QWidget;

// Drives the booking form of the product and trust details as a customer would.
namespace BookingFormDriver {

// Taps the booking button and returns the form it opened, or null when none opened.
AlertController *open(QWidget *window, QWidget *detail);
// Types the amount and the telephone number into the form's two fields.
void fill(AlertController *form, const QString &amount, const QString &phone);

} // namespace BookingFormDriver
