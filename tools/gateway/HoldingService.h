#pragma once

#include "DemoStore.h"
#include "FunctionRegistry.h"

// The holdings system: a customer's trust contracts, purchased products, income distributions
// and special transactions (transfers and redemptions), keyed by the CRM customer number.
class HoldingService
{
public:
    explicit HoldingService(DemoStore &store) : m_store(store) {}

    void registerWith(FunctionRegistry &registry);

    // A contract with the figures the server computes: totals, distributed income, day counts,
    // its special-transaction mark.
    DemoStore::Record contractView(const DemoStore::Record &contract) const;

private:
    GatewayReply contracts(const GatewayCall &call) const;
    GatewayReply purchasedProducts(const GatewayCall &call) const;
    GatewayReply incomes(const GatewayCall &call) const;
    GatewayReply specialTrades(const GatewayCall &call) const;

    DemoStore::Table contractsOf(const QString &cusId) const;
    DemoStore::Record incomeView(const DemoStore::Record &income) const;
    // Income paid so far (dividends and selling-period income, not returned principal).
    double paidIncome(const QString &contractNo) const;
    double customerIncome(const QString &cusId) const;

    DemoStore &m_store;
};
