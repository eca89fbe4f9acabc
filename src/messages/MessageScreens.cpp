#include "MessageScreens.h"

#include "MessageDetailsViewController.h"
#include "PurchasedProductsModel.h"
#include "QZHelpViewController.h"
#include "QZInfomationDetailViewController.h"
#include "QZInformationViewController.h"
#include "QZMessageViewController.h"
#include "QZSettingViewController.h"
#include "RecordMapper.h"
#include "ScreenRegistry.h"

void registerMessageScreens()
{
    auto &registry = ScreenRegistry::instance();
    registry.add(QStringLiteral("QZHelpViewController"), [] { return new QZHelpViewController; });
    registry.add(QStringLiteral("MessageDetailsViewController"),
                 [] { return new MessageDetailsViewController; });
    registry.add(QStringLiteral("QZInformationViewController"),
                 [] { return new QZInformationViewController; });
    registry.add(QStringLiteral("QZInfomationDetailViewController"),
                 [] { return new QZInfomationDetailViewController; });
    registry.add(QStringLiteral("QZMessageViewController"),
                 [] { return new QZMessageViewController; });
    registry.add(QStringLiteral("QZSettingViewController"),
                 [] { return new QZSettingViewController; });
    // The account overview hands its purchased products to the message list by name.
    RecordMapper::registerListConversion<PurchasedProductsModel>();
}
