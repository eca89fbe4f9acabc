#include "ActivityService.h"

#include "DemoRules.h"
#include "RecordQuery.h"
#include "Validation.h"

namespace {
const QString kActivities = QStringLiteral("activities");
const QString kRegistrations = QStringLiteral("registrations");
const QString kQuestionnaire = QStringLiteral("2");

QString text(const DemoStore::Record &r, const char *key)
{
    return r.value(QLatin1String(key)).toVariant().toString();
}
} // namespace

void ActivityService::registerWith(FunctionRegistry &registry)
{
    registry.add(QStringLiteral("164008"), [this](const GatewayCall &c) { return activities(c); });
    registry.add(QStringLiteral("166004"),
                 [this](const GatewayCall &c) { return registrations(c); });
    registry.add(QStringLiteral("166005"),
                 [this](const GatewayCall &c) { return registerForActivity(c); });
    registry.add(QStringLiteral("166017"), [this](const GatewayCall &c) { return joined(c); });
    registry.add(QStringLiteral("166018"),
                 [this](const GatewayCall &c) { return answerQuestionnaire(c); });
}

int ActivityService::joinedCount(const QString &activityId) const
{
    const DemoStore::Record activity = m_store.find(kActivities, QStringLiteral("id"), activityId);
    int joined = text(activity, "_joined_others").toInt();
    for (const DemoStore::Record &r : m_store.table(kRegistrations))
        if (text(r, "activity_id") == activityId && text(r, "status") != QLatin1String("3"))
            joined += text(r, "booking_count").toInt();
    return joined;
}

DemoStore::Record ActivityService::activityView(const DemoStore::Record &activity) const
{
    DemoStore::Record view = activity;
    view.insert(QStringLiteral("system_time"), DemoRules::dateText(m_store.today()));
    return view;
}

QString ActivityService::periodProblem(const DemoStore::Record &activity, bool questionnaire) const
{
    const qlonglong today = DemoRules::dateText(m_store.today()).toLongLong();
    const QString what = questionnaire ? QStringLiteral("问卷调查") : QStringLiteral("报名");
    if (today < text(activity, "booking_start_time").toLongLong())
        return what + QStringLiteral("未开始");
    if (today > text(activity, "booking_end_time").toLongLong() ||
        text(activity, "activity_status") == QLatin1String("3"))
        return what + QStringLiteral("已结束");
    if (text(activity, "activity_status") == QLatin1String("2"))
        return QStringLiteral("该活动已暂停报名");
    return {};
}

GatewayReply ActivityService::activities(const GatewayCall &call) const
{
    DemoStore::Table views;
    for (const DemoStore::Record &a : m_store.table(kActivities))
        views.append(activityView(a));
    const QJsonArray records = RecordQuery()
                                   .filter(QStringLiteral("id"))
                                   .filter(QStringLiteral("acti_type"))
                                   .filter(QStringLiteral("activity_status"))
                                   .defaultOrder(QStringLiteral("booking_start_time"), false)
                                   .numberRows(QStringLiteral("rn"))
                                   .run(views, call);
    return GatewayReply::ok(records, QStringLiteral("查询成功"));
}

GatewayReply ActivityService::registrations(const GatewayCall &call) const
{
    if (call.param(QStringLiteral("zjhm")).isEmpty() &&
        call.param(QStringLiteral("khbh")).isEmpty())
        return GatewayReply::ok({}, QStringLiteral("请先登录"));
    DemoStore::Table views;
    for (const DemoStore::Record &r : m_store.table(kRegistrations)) {
        DemoStore::Record view = r;
        const DemoStore::Record activity =
            m_store.find(kActivities, QStringLiteral("id"), text(r, "activity_id"));
        for (const char *field :
             {"activity_name", "activity_detail", "activity_status", "start_time", "end_time",
              "booking_start_time", "booking_end_time"})
            view.insert(QLatin1String(field), text(activity, field));
        const DemoStore::Record customer =
            m_store.find(QStringLiteral("customers"), QStringLiteral("khbh"), text(r, "khbh"));
        for (const char *field : {"khxm", "sjhm", "zjhm"})
            view.insert(QLatin1String(field), text(customer, field));
        views.append(view);
    }
    const QJsonArray records = RecordQuery()
                                   .filter(QStringLiteral("zjhm"))
                                   .filter(QStringLiteral("khbh"))
                                   .filter(QStringLiteral("status"))
                                   .defaultOrder(QStringLiteral("booking_time"), false)
                                   .run(views, call);
    return GatewayReply::ok(records, QStringLiteral("查询成功"));
}

GatewayReply ActivityService::registerForActivity(const GatewayCall &call)
{
    if (call.param(QStringLiteral("action")) != QLatin1String("A"))
        return GatewayReply::refuse(
            QStringLiteral("不支持的操作：%1").arg(call.param(QStringLiteral("action"))));
    const QString activityId = call.param(QStringLiteral("activity_id"));
    const DemoStore::Record activity = m_store.find(kActivities, QStringLiteral("id"), activityId);
    if (activityId.isEmpty() || activity.isEmpty())
        return GatewayReply::refuse(QStringLiteral("活动不存在"));
    if (text(activity, "acti_type") == kQuestionnaire)
        return GatewayReply::refuse(QStringLiteral("问卷调查无需报名"));
    const QString khbh = call.param(QStringLiteral("khbh"));
    const DemoStore::Record customer =
        m_store.find(QStringLiteral("customers"), QStringLiteral("khbh"), khbh);
    if (khbh.isEmpty() || customer.isEmpty())
        return GatewayReply::refuse(QStringLiteral("请先登录"));
    if (const QString problem = periodProblem(activity, false); !problem.isEmpty())
        return GatewayReply::refuse(problem);
    if (!text(activity, "activity_cust").contains(text(customer, "khlx")))
        return GatewayReply::refuse(QStringLiteral("您不在本次活动的邀请范围内"));
    if (text(activity, "part_type") == QLatin1String("2"))
        return GatewayReply::refuse(QStringLiteral("本活动仅接受电话报名"));
    if (!Validation::validatePhone(call.param(QStringLiteral("contact_number"))))
        return GatewayReply::refuse(QStringLiteral("亲，电话号码仿佛有问题哦!"));
    bool numeric = false;
    const int count = call.param(QStringLiteral("booking_count")).toInt(&numeric);
    if (!numeric || count < 1)
        return GatewayReply::refuse(QStringLiteral("亲，预约人数至少一人哦!"));
    const int left = text(activity, "part_number").toInt() - joinedCount(activityId);
    if (left <= 0)
        return GatewayReply::refuse(QStringLiteral("可参与人数已满，敬请期待下一次活动！"));
    if (count > left)
        return GatewayReply::refuse(
            QStringLiteral("非常抱歉，由于参与名额限制，目前还剩余报名人数为%1").arg(left));

    m_store.table(kRegistrations)
        .append(DemoStore::Record{{"id", m_store.nextId(kRegistrations)},
                                  {"activity_id", activityId},
                                  {"khbh", khbh},
                                  {"booking_count", QString::number(count)},
                                  {"contact_name", call.param(QStringLiteral("contact_name"))},
                                  {"contact_number", call.param(QStringLiteral("contact_number"))},
                                  {"booking_time", DemoRules::now()},
                                  {"status", QStringLiteral("1")},
                                  {"system_type", call.param(QStringLiteral("system_type"))},
                                  {"visit_status", QStringLiteral("0")},
                                  {"visit_user", QString()},
                                  {"visit_time", QString()},
                                  {"visit_txt", QString()}});
    m_store.markChanged();
    return GatewayReply::ok({}, QStringLiteral("活动预约成功"));
}

GatewayReply ActivityService::joined(const GatewayCall &call) const
{
    const QString activityId = call.param(QStringLiteral("activity_id"));
    const DemoStore::Record activity = m_store.find(kActivities, QStringLiteral("id"), activityId);
    if (activityId.isEmpty() || activity.isEmpty())
        return GatewayReply::ok({}, QStringLiteral("活动不存在"));
    return GatewayReply::ok({QJsonObject{{"joined_num", QString::number(joinedCount(activityId))},
                                         {"activity_id", activityId},
                                         {"part_number", text(activity, "part_number")}}},
                            QStringLiteral("查询成功"));
}

GatewayReply ActivityService::answerQuestionnaire(const GatewayCall &call)
{
    const QString activityId = call.param(QStringLiteral("activity_id"));
    const DemoStore::Record activity = m_store.find(kActivities, QStringLiteral("id"), activityId);
    if (activityId.isEmpty() || activity.isEmpty())
        return GatewayReply::refuse(QStringLiteral("活动不存在"));
    if (text(activity, "acti_type") != kQuestionnaire)
        return GatewayReply::refuse(QStringLiteral("该活动不是问卷调查"));
    if (const QString problem = periodProblem(activity, true); !problem.isEmpty())
        return GatewayReply::refuse(problem);
    const QString answer = call.param(QStringLiteral("pcontent")).trimmed();
    if (answer.isEmpty())
        return GatewayReply::refuse(QStringLiteral("您还没有留下您宝贵的意见"));
    if (answer.size() > 500)
        return GatewayReply::refuse(QStringLiteral("字符个数不能大于500"));
    m_store.table(QStringLiteral("feedback"))
        .append(DemoStore::Record{{"id", m_store.nextId(QStringLiteral("feedback"))},
                                  {"activity_id", activityId},
                                  {"khbh", call.param(QStringLiteral("khbh"))},
                                  {"sjhm", call.param(QStringLiteral("sjhm"))},
                                  {"pcontent", answer},
                                  {"system_type", call.param(QStringLiteral("system_type"))},
                                  {"create_time", DemoRules::now()}});
    m_store.markChanged();
    return GatewayReply::ok({}, QStringLiteral("问卷调查提交成功"));
}
