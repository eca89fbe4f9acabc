#include "ProductScreens.h"

#include "OnlineTradingViewController.h"
#include "ProductAnnouncementViewController.h"
#include "ProductDetailViewController.h"
#include "QZDetailProductViewController.h"
#include "QZHomePageViewController.h"
#include "QZMoreDetailViewController.h"
#include "QZProductViewController.h"
#include "QZTrustClassViewController.h"
#include "QZTrustDetailViewController.h"
#include "RecordMapper.h"
#include "ScreenRegistry.h"
#include "TrustClassDetailViewController.h"
#include "TrustHYViewController.h"
#include "TrustHistoryViewController.h"
#include "TrustViewController.h"

void registerProductScreens()
{
    auto &registry = ScreenRegistry::instance();
    registry.add(QStringLiteral("QZHomePageViewController"),
                 [] { return new QZHomePageViewController; });
    registry.add(QStringLiteral("OnlineTradingViewController"),
                 [] { return new OnlineTradingViewController; });
    registry.add(QStringLiteral("QZProductViewController"),
                 [] { return new QZProductViewController; });
    registry.add(QStringLiteral("TrustViewController"), [] { return new TrustViewController; });
    registry.add(QStringLiteral("QZDetailProductViewController"),
                 [] { return new QZDetailProductViewController; });
    registry.add(QStringLiteral("QZMoreDetailViewController"),
                 [] { return new QZMoreDetailViewController; });
    registry.add(QStringLiteral("ProductDetailViewController"),
                 [] { return new ProductDetailViewController; });
    registry.add(QStringLiteral("ProductAnnouncementViewController"),
                 [] { return new ProductAnnouncementViewController; });
    registry.add(QStringLiteral("QZTrustClassViewController"),
                 [] { return new QZTrustClassViewController; });
    registry.add(QStringLiteral("TrustClassDetailViewController"),
                 [] { return new TrustClassDetailViewController; });
    registry.add(QStringLiteral("TrustHYViewController"), [] { return new TrustHYViewController; });
    registry.add(QStringLiteral("QZTrustDetailViewController"),
                 [] { return new QZTrustDetailViewController; });
    registry.add(QStringLiteral("TrustHistoryViewController"),
                 [] { return new TrustHistoryViewController; });
    // The history's records can be given by name too: a JSON array of net-value records.
    RecordMapper::registerListConversion<NetProductModel>();
}
