#include "HoldingsScreens.h"

#include "JfwjsViewController.h"
#include "QZAccountViewController.h"
#include "QZAppointmentedViewController.h"
#include "QZBoughtDetailViewController.h"
#include "QZBoughtViewController.h"
#include "QZProfitEnquiriesViewController.h"
#include "QZProfitViewController.h"
#include "QZTradeEnquiriesViewController.h"
#include "QZTradeViewController.h"
#include "RecordMapper.h"
#include "RedemptionDetailsViewController.h"
#include "ScreenRegistry.h"
#include "SpecialTransactionViewController.h"
#include "TransferDetailsViewController.h"

void registerHoldingsScreens()
{
    auto &registry = ScreenRegistry::instance();
    registry.add(QStringLiteral("QZAccountViewController"),
                 [] { return new QZAccountViewController; });
    registry.add(QStringLiteral("JfwjsViewController"), [] { return new JfwjsViewController; });
    registry.add(QStringLiteral("QZBoughtViewController"),
                 [] { return new QZBoughtViewController; });
    registry.add(QStringLiteral("QZBoughtDetailViewController"),
                 [] { return new QZBoughtDetailViewController; });
    registry.add(QStringLiteral("TransferDetailsViewController"),
                 [] { return new TransferDetailsViewController; });
    registry.add(QStringLiteral("RedemptionDetailsViewController"),
                 [] { return new RedemptionDetailsViewController; });
    registry.add(QStringLiteral("QZTradeViewController"), [] { return new QZTradeViewController; });
    registry.add(QStringLiteral("QZProfitViewController"),
                 [] { return new QZProfitViewController; });
    registry.add(QStringLiteral("QZTradeEnquiriesViewController"),
                 [] { return new QZTradeEnquiriesViewController; });
    registry.add(QStringLiteral("QZProfitEnquiriesViewController"),
                 [] { return new QZProfitEnquiriesViewController; });
    registry.add(QStringLiteral("SpecialTransactionViewController"),
                 [] { return new SpecialTransactionViewController; });
    registry.add(QStringLiteral("QZAppointmentedViewController"),
                 [] { return new QZAppointmentedViewController; });
    // The lists the account overview fills can be given their records by name too.
    RecordMapper::registerListConversion<UserMoneyModel>();
    RecordMapper::registerListConversion<ReturnDetailsModel>();
}
