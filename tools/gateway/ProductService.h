#pragma once

#include "DemoStore.h"
#include "FunctionRegistry.h"

// Products, net values, announcements, the home carousel, the splash advertisement and the
// customers' bookings of products.
class ProductService
{
public:
    explicit ProductService(DemoStore &store) : m_store(store) {}

    void registerWith(FunctionRegistry &registry);

    // A booking as the booking lists show it: joined with its customer and its product.
    DemoStore::Record bookingView(const DemoStore::Record &booking) const;

private:
    GatewayReply products(const GatewayCall &call) const;
    GatewayReply netValues(const GatewayCall &call) const;
    GatewayReply announcements(const GatewayCall &call) const;
    GatewayReply carousel(const GatewayCall &call) const;
    GatewayReply splash(const GatewayCall &call) const;
    GatewayReply bookings(const GatewayCall &call) const;
    GatewayReply changeBooking(const GatewayCall &call);
    GatewayReply addBooking(const GatewayCall &call);
    GatewayReply deleteBooking(const GatewayCall &call);

    DemoStore &m_store;
};
