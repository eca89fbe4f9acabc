#pragma once

#include <QJsonObject>
#include <QString>

// What the booking button of a product shows, and the checks and request of a booking.
namespace Booking {

// The customer's booking state for a product, as the detail screen learns it.
enum class Enquiry
{
    Unknown = 0,
    Processing = 1,
    NoOpenBooking = 2,
    Failed = 3
};

struct ButtonLook
{
    QString title;
    bool enabled = false;
    bool blue = false;      // blue means usable, grey means not
    bool fullWidth = false; // widened to the whole screen, 80 points high
    bool telephoneVisible = true;
};

// A product can be booked while on sale or open for booking, and its plan is normal.
bool isBookable(const QString &w_xszt, const QString &w_zt);
// The button for that product and enquiry state; currentTitle is kept where nothing says otherwise.
ButtonLook buttonLook(const QString &w_xszt, const QString &w_zt, Enquiry state,
                      const QString &currentTitle);
// The button once a booking has been sent and accepted, or is being processed.
ButtonLook processingLook();

// The securities-trust detail's rules: a trust is booked only while on sale ("1") with a
// normal plan; one open for booking ("2") is already running ("存续中").
bool isTrustBookable(const QString &w_xszt, const QString &w_zt);
ButtonLook trustButtonLook(const QString &w_xszt, const QString &w_zt, const QString &currentTitle);

// The question before calling the hotline to book: "立即拨打<hotline>预约产品".
QString telephoneBookingTitle();

struct Check
{
    enum class Result
    {
        Ok,
        Alert,
        Toast
    };
    Result result = Result::Ok;
    QString message;
    qint64 yyje = 0; // the amount in yuan when the check passes
};

// The form's checks in order; the amount is typed in ten-thousands of yuan.
// checkStartingAmount is false where the starting amount is not enforced.
Check checkForm(const QString &amount, const QString &phone, const QString &w_qdje,
                bool checkStartingAmount = true);

// Parameters of "166003" adding a booking in state 2.
QJsonObject addParams(const QString &khbh, const QString &cpdm, const QString &yyje,
                      const QString &phone);

// The form's fields keep at most this many characters.
constexpr int kAmountMaxLength = 5;
constexpr int kPhoneMaxLength = 11;

} // namespace Booking
