#pragma once

#include "DemoStore.h"
#include "FunctionRegistry.h"

// Customer activities and questionnaires: the catalogue, the customers' registrations with
// their places check, and the questionnaire answers.
class ActivityService
{
public:
    explicit ActivityService(DemoStore &store) : m_store(store) {}

    void registerWith(FunctionRegistry &registry);

    // People registered for an activity: others' places plus every registration not cancelled.
    int joinedCount(const QString &activityId) const;

private:
    GatewayReply activities(const GatewayCall &call) const;
    GatewayReply registrations(const GatewayCall &call) const;
    GatewayReply registerForActivity(const GatewayCall &call);
    GatewayReply joined(const GatewayCall &call) const;
    GatewayReply answerQuestionnaire(const GatewayCall &call);

    DemoStore::Record activityView(const DemoStore::Record &activity) const;
    // Why the period refuses `activity` today; nothing while it is open.
    QString periodProblem(const DemoStore::Record &activity, bool questionnaire) const;

    DemoStore &m_store;
};
