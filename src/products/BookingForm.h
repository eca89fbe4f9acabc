#pragma once

#include "Booking.h"

#include <QPointer>
#include <functional>

class RootViewController;

// The booking form in an alert: "请填写预约信息" with the amount (in ten-thousands of yuan)
// and the telephone number. "立即预约" runs the checks; when they pass, `submit` gets the
// amount to send and the telephone number. Also the sign-in question asked of a visitor.
namespace BookingForm {

using Submit = std::function<void(const QString &yyje, const QString &phone)>;

// The product detail's form: captions inside the fields, length limits, the amount sent in
// yuan. checkStartingAmount: whether the product's starting amount (w_qdje) is enforced.
void show(RootViewController *screen, const QString &w_qdje, bool checkStartingAmount,
          Submit submit);
// The securities-trust detail's form: placeholders instead of captions, no length limits,
// no starting-amount check, and the amount sent as typed.
void showAsTyped(RootViewController *screen, Submit submit);

// "您尚未登录，是否现在登录！": "确定" opens the sign-in screen, "取消" does nothing.
void askToSignIn(RootViewController *screen);

} // namespace BookingForm
