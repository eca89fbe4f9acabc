#include "ProductScreens.h"

#include "ProductAnnouncementViewController.h"
#include "ProductDetailViewController.h"
#include "QZDetailProductViewController.h"
#include "QZMoreDetailViewController.h"
#include "QZProductViewController.h"
#include "QZTrustClassViewController.h"
#include "ScreenRegistry.h"
#include "TrustClassDetailViewController.h"
#include "TrustHYViewController.h"
#include "TrustViewController.h"

void registerProductScreens()
{
    auto &registry = ScreenRegistry::instance();
    registry.add(QStringLiteral("QZProductViewController"), [] { return new QZProductViewController; });
    registry.add(QStringLiteral("TrustViewController"), [] { return new TrustViewController; });
    registry.add(QStringLiteral("QZDetailProductViewController"), [] { return new QZDetailProductViewController; });
    registry.add(QStringLiteral("QZMoreDetailViewController"), [] { return new QZMoreDetailViewController; });
    registry.add(QStringLiteral("ProductDetailViewController"), [] { return new ProductDetailViewController; });
    registry.add(QStringLiteral("ProductAnnouncementViewController"), [] { return new ProductAnnouncementViewController; });
    registry.add(QStringLiteral("QZTrustClassViewController"), [] { return new QZTrustClassViewController; });
    registry.add(QStringLiteral("TrustClassDetailViewController"), [] { return new TrustClassDetailViewController; });
    registry.add(QStringLiteral("TrustHYViewController"), [] { return new TrustHYViewController; });
}
