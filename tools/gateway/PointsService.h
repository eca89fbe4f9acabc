#pragma once

#include "DemoStore.h"
#include "FunctionRegistry.h"

// The points account: gift categories and catalogue, the balance and the history.
class PointsService
{
public:
    explicit PointsService(DemoStore &store) : m_store(store) {}

    void registerWith(FunctionRegistry &registry);

    // The points account of a customer, computed from the history: earned, spent, expired.
    static QJsonObject balance(const DemoStore &store, const QString &khbh);

private:
    GatewayReply categories(const GatewayCall &call) const;
    GatewayReply gifts(const GatewayCall &call) const;
    GatewayReply account(const GatewayCall &call) const;
    GatewayReply history(const GatewayCall &call) const;

    DemoStore &m_store;
};
