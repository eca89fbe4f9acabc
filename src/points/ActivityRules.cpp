#include "ActivityRules.h"

#include "Formatting.h"
#include "TextValue.h"

namespace ActivityRules {
namespace {

qint64 day(const QString &yyyyMMdd)
{
    return TextValue::integerValue(yyyyMMdd);
}

} // namespace

Period period(const QZActivityModel &activity)
{
    const qint64 today = day(activity.system_time);
    if (today < day(activity.booking_start_time))
        return Period::NotStarted;
    if (today > day(activity.booking_end_time) || activity.activity_status == QLatin1String("3"))
        return Period::Ended;
    return Period::Open;
}

bool isQuestionnaire(const QZActivityModel &activity)
{
    return activity.acti_type == QLatin1String("2");
}

bool isWithinBookingDates(const QZActivityModel &activity)
{
    const qint64 today = day(activity.system_time);
    return day(activity.booking_start_time) <= today && today <= day(activity.booking_end_time);
}

StateButton stateButton(const QZActivityModel &activity)
{
    const bool questionnaire = isQuestionnaire(activity);
    switch (period(activity)) {
    case Period::NotStarted:
        return {questionnaire ? QStringLiteral("问卷调查未开始") : QStringLiteral("报名未开始"),
                true};
    case Period::Ended:
        return {questionnaire ? QStringLiteral("问卷调查已结束") : QStringLiteral("报名已结束"),
                true};
    case Period::Open:
        break;
    }
    return {questionnaire ? QStringLiteral("问卷调查>>") : QStringLiteral("我要参与>>"), false};
}

QString dateRange(const QString &start, const QString &end)
{
    return Formatting::GetFormateDate(start) + u'~' + Formatting::GetFormateDate(end);
}

QString periodHeader(const QZActivityModel &activity)
{
    return QStringLiteral("   报名时间:") +
           dateRange(activity.booking_start_time, activity.booking_end_time);
}

QString placeText(const QZActivityModel &activity)
{
    return QStringLiteral("活动地点：") + activity.activity_place;
}

QString timeText(const QZActivityModel &activity)
{
    return QStringLiteral("活动时间:") + dateRange(activity.start_time, activity.end_time);
}

ActionArea actionArea(const QZActivityModel &activity, bool signedIn, const QString &khlx)
{
    ActionArea area;
    const Period now = period(activity);
    if (isQuestionnaire(activity)) {
        area.questionnaire = true;
        area.questionnaireOpen = now == Period::Open;
        if (now == Period::NotStarted)
            area.questionnaireText = QStringLiteral("问卷调查未开始");
        else if (now == Period::Ended)
            area.questionnaireText = QStringLiteral("问卷调查已结束");
        return area;
    }
    if (now != Period::Open) {
        area.finish = true;
        if (now == Period::NotStarted)
            area.finishText = QStringLiteral("报名未开始");
        return area;
    }
    area.online = activity.part_type != QLatin1String("2");
    area.phone = activity.part_type != QLatin1String("1");
    // The eligibility test: a paused or closed activity offers nothing; a visitor may try
    // either way; a customer of a type not invited is offered none.
    if (activity.activity_status == QLatin1String("2") ||
        activity.activity_status == QLatin1String("3")) {
        area.online = area.phone = false;
    } else if (!signedIn) {
        area.online = area.phone = true;
    } else if (khlx.isEmpty() || !activity.activity_cust.contains(khlx)) {
        // An empty type is no type at all, not a part of every list.
        area.online = area.phone = false;
    }
    return area;
}

std::optional<RegistrationStatus> registrationStatus(const QString &status)
{
    if (status == QLatin1String("1"))
        return RegistrationStatus{QStringLiteral("已报名"), true};
    if (status == QLatin1String("2"))
        return RegistrationStatus{QStringLiteral("报名成功"), true};
    if (status == QLatin1String("3"))
        return RegistrationStatus{QStringLiteral("报名取消"), false};
    return std::nullopt;
}

} // namespace ActivityRules
