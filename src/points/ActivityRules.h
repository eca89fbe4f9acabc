#pragma once

#include "QZActivityModel.h"

#include <QString>
#include <optional>

// Where an activity or questionnaire stands, and what the catalogue, the detail and the
// customer's registrations show for it. Dates are yyyyMMdd texts compared as integers, and
// every test of the period uses the server's `system_time`.
namespace ActivityRules {

enum class Period
{
    NotStarted, // before booking_start_time
    Ended,      // after booking_end_time, or activity_status "3"
    Open
};

Period period(const QZActivityModel &activity);
bool isQuestionnaire(const QZActivityModel &activity);
// booking_start_time ≤ system_time ≤ booking_end_time, whatever the status says: the
// catalogue's header colour.
bool isWithinBookingDates(const QZActivityModel &activity);

// The catalogue's state button.
struct StateButton
{
    QString title;
    bool grey = false;
};
StateButton stateButton(const QZActivityModel &activity);

// "   报名时间:%@~%@" (three leading spaces), the catalogue's section header.
QString periodHeader(const QZActivityModel &activity);
// "%@~%@" of two yyyyMMdd dates, shown as yyyy-MM-dd.
QString dateRange(const QString &start, const QString &end);
QString placeText(const QZActivityModel &activity); // "活动地点：%@"
QString timeText(const QZActivityModel &activity);  // "活动时间:%@~%@"

// What the detail's action area shows. An empty text keeps the interface file's own.
struct ActionArea
{
    bool online = false;
    bool phone = false;
    bool finish = false;
    bool questionnaire = false;
    QString finishText;
    QString questionnaireText;
    bool questionnaireOpen = false; // tappable, in its normal colour
};
// signedIn and khlx are the session's; a customer whose type `activity_cust` does not name
// gets no registration controls, a visitor gets both (the online one asks to sign in).
ActionArea actionArea(const QZActivityModel &activity, bool signedIn, const QString &khlx);

// The state of one of the customer's registrations ("166004"): "1" 已报名, "2" 报名成功 (both
// green), "3" 报名取消 (colour unchanged); nothing for other values.
struct RegistrationStatus
{
    QString text;
    bool green = false;
};
std::optional<RegistrationStatus> registrationStatus(const QString &status);

} // namespace ActivityRules
