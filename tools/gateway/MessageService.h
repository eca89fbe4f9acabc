#pragma once

#include "DemoStore.h"
#include "FunctionRegistry.h"

// The customer's messages with their read marks, the unread count, and the company news.
class MessageService
{
public:
    explicit MessageService(DemoStore &store) : m_store(store) {}

    void registerWith(FunctionRegistry &registry);

    // The messages the list shows to `call`'s customer, before ordering and paging.
    DemoStore::Table visibleMessages(const GatewayCall &call) const;

private:
    GatewayReply messages(const GatewayCall &call) const;
    GatewayReply markRead(const GatewayCall &call);
    GatewayReply unreadCount(const GatewayCall &call) const;
    GatewayReply news(const GatewayCall &call) const;

    DemoStore &m_store;
};
