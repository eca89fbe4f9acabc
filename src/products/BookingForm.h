#pragma once

#include <QObject>
#include <QPointer>
#include <functional>

class QLineEdit;
class RootViewController;

// The booking form in an alert: "请填写预约信息" with the amount (in ten-thousands of yuan)
// and the telephone number, each captioned inside its field. "立即预约" runs the checks;
// when they pass, `submit` gets the amount in yuan and the telephone number.
class BookingForm : public QObject
{
    Q_OBJECT

public:
    using Submit = std::function<void(const QString &yyje, const QString &phone)>;

    // checkStartingAmount: whether the product's starting amount (w_qdje) is enforced.
    static void show(RootViewController *screen, const QString &w_qdje, bool checkStartingAmount, Submit submit);

private:
    static void decorate(QLineEdit *field, const QString &caption, int maxLength);
};
