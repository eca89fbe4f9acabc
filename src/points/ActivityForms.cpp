#include "ActivityForms.h"

#include "TextValue.h"
#include "Validation.h"

namespace ActivityForms {

bool hasPlacesLeft(const QString &part_number, const QString &joined_num)
{
    return TextValue::integerValue(part_number) > TextValue::integerValue(joined_num);
}

QString placesFullMessage()
{
    return QStringLiteral("可参与人数已满，敬请期待下一次活动！");
}

QString checkRegistration(const QString &name, const QString &phone, const QString &number,
                          const QString &part_number, const QString &joined_num)
{
    if (name.isEmpty() && phone.isEmpty() && number.isEmpty())
        return QStringLiteral("亲，您可什么都没写就提交了啊!");
    if (!name.isEmpty() && phone.isEmpty() && number.isEmpty())
        return QStringLiteral("亲，您只填写了姓名耶!");
    if (!Validation::validatePhone(phone))
        return QStringLiteral("亲，电话号码仿佛有问题哦!");
    if (number.isEmpty())
        return QStringLiteral("亲，预约人数至少一人哦!");
    const qint64 left = TextValue::integerValue(part_number) - TextValue::integerValue(joined_num);
    if (left < TextValue::integerValue(number))
        return TextValue::format("非常抱歉，由于参与名额限制，目前还剩余报名人数为%lld",
                                 static_cast<long long>(left));
    return QString();
}

QJsonObject registrationParams(const QZActivityModel &activity, const QString &khbh,
                               const QString &name, const QString &phone, const QString &number)
{
    return {{"booking_start_time", activity.booking_start_time},
            {"booking_end_time", activity.booking_end_time},
            {"action", "A"},
            {"khbh", khbh},
            {"id", ""},
            {"activity_id", activity.id},
            {"status", "1"},
            {"booking_time", ""},
            {"visit_user", ""},
            {"visit_time", ""},
            {"system_type", "3"},
            {"contact_name", name},
            {"contact_number", phone},
            {"booking_count", number}};
}

QString answerCount(qsizetype length)
{
    return TextValue::format("已输入：%lld/500", static_cast<long long>(length));
}

QString answerTooLongMessage()
{
    return QStringLiteral("字符个数不能大于500");
}

QString checkQuestionnaire(const QString &answer, const QString &phone)
{
    if (answer.isEmpty())
        return QStringLiteral("您还没有留下您宝贵的意见");
    if (!phone.isEmpty() && (Validation::isPureNumandCharacters(phone) || phone.size() < 7))
        return QStringLiteral("请留下正确的手机号");
    return QString();
}

QJsonObject questionnaireParams(const QString &khbh, const QString &phone,
                                const QString &activityId, const QString &answer)
{
    return {{"khbh", khbh},
            {"sjhm", phone},
            {"activity_id", activityId},
            {"pcontent", answer},
            {"system_type", "3"}};
}

} // namespace ActivityForms
