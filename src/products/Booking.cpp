#include "Booking.h"

#include "AppConfig.h"
#include "TextValue.h"
#include "Validation.h"

#include <limits>

namespace Booking {
namespace {

// Why a product cannot be booked, as the button says it; empty when no reason applies.
QString unavailableReason(const QString &w_xszt, const QString &w_zt)
{
    if (w_xszt == QLatin1String("3"))
        return QStringLiteral("售完");
    if (w_zt == QLatin1String("2"))
        return QStringLiteral("计划终止");
    if (w_zt == QLatin1String("3"))
        return QStringLiteral("计划失败");
    return QString();
}

// Grey, disabled, no telephone booking; widened when it says why, otherwise its title stays.
ButtonLook unavailableLook(const QString &reason, const QString &currentTitle)
{
    ButtonLook look;
    look.telephoneVisible = false;
    look.fullWidth = !reason.isEmpty();
    look.title = reason.isEmpty() ? currentTitle : reason;
    return look;
}

ButtonLook bookableLook()
{
    ButtonLook look;
    look.title = QStringLiteral("立即预约");
    look.blue = true;
    look.enabled = true;
    return look;
}

} // namespace

bool isBookable(const QString &w_xszt, const QString &w_zt)
{
    const bool onSale = w_xszt == QLatin1String("1") || w_xszt == QLatin1String("2");
    const bool normal = w_zt == QLatin1String("0") || w_zt == QLatin1String("1");
    return onSale && normal;
}

ButtonLook processingLook()
{
    ButtonLook look;
    look.title = QStringLiteral("预约处理中");
    look.fullWidth = true;
    look.telephoneVisible = false;
    return look;
}

ButtonLook buttonLook(const QString &w_xszt, const QString &w_zt, Enquiry state,
                      const QString &currentTitle)
{
    if (isBookable(w_xszt, w_zt)) {
        if (state == Enquiry::Processing)
            return processingLook();
        ButtonLook look = bookableLook();
        look.enabled = state != Enquiry::Failed;
        return look;
    }
    return unavailableLook(unavailableReason(w_xszt, w_zt), currentTitle);
}

bool isTrustBookable(const QString &w_xszt, const QString &w_zt)
{
    const bool normal = w_zt == QLatin1String("0") || w_zt == QLatin1String("1");
    return normal && w_xszt == QLatin1String("1");
}

ButtonLook trustButtonLook(const QString &w_xszt, const QString &w_zt, const QString &currentTitle)
{
    if (isTrustBookable(w_xszt, w_zt))
        return bookableLook();
    const QString reason =
        w_xszt == QLatin1String("2") ? QStringLiteral("存续中") : unavailableReason(w_xszt, w_zt);
    return unavailableLook(reason, currentTitle);
}

QString telephoneBookingTitle()
{
    return QStringLiteral("立即拨打%1预约产品").arg(AppConfig::hotlineDisplay());
}

Check checkForm(const QString &amount, const QString &phone, const QString &w_qdje,
                bool checkStartingAmount)
{
    const auto alert = [](const QString &message) {
        return Check{Check::Result::Alert, message, 0};
    };
    if (amount.isEmpty())
        return alert(QStringLiteral("您还没有输入金额"));
    if (Validation::isPureNumandCharacters(amount))
        return alert(QStringLiteral("请在金额栏输入数字内容"));
    // The amount is sent in yuan; one whose yuan do not fit the number is no amount at all.
    constexpr int kYuanPerUnit = 10000;
    const qint64 units = TextValue::integerValue(amount);
    if (units > std::numeric_limits<qint64>::max() / kYuanPerUnit ||
        units < std::numeric_limits<qint64>::min() / kYuanPerUnit)
        return alert(QStringLiteral("请输入正确的金额"));
    if (checkStartingAmount &&
        TextValue::doubleValue(amount) * kYuanPerUnit < TextValue::doubleValue(w_qdje)) {
        return Check{Check::Result::Toast,
                     TextValue::format("您的预约金额小于认购起点(%d万元)",
                                       TextValue::intValue(w_qdje) / kYuanPerUnit),
                     0};
    }
    if (!Validation::validatePhone(phone))
        return alert(QStringLiteral("请填写正确的手机号码"));
    if (Validation::isPureNumandCharacters(phone))
        return alert(QStringLiteral("请在电话栏输入数字内容"));
    return Check{Check::Result::Ok, QString(), units * kYuanPerUnit};
}

QJsonObject addParams(const QString &khbh, const QString &cpdm, const QString &yyje,
                      const QString &phone)
{
    return {
        {QStringLiteral("action"), QStringLiteral("A")},
        {QStringLiteral("khbh"), khbh},
        {QStringLiteral("cpdm"), cpdm},
        {QStringLiteral("yyje"), yyje},
        {QStringLiteral("yydh"), phone},
        {QStringLiteral("yyzt"), QStringLiteral("2")},
        {QStringLiteral("system_type"), QStringLiteral("3")},
        {QStringLiteral("back_content"), QString()},
        {QStringLiteral("yysj"), QString()},
        {QStringLiteral("id"), QString()},
    };
}

} // namespace Booking
