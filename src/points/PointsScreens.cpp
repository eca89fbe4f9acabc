#include "PointsScreens.h"

#include "QZAddCustomViewController.h"
#include "QZCollectionViewController.h"
#include "QZCustomDetailViewController.h"
#include "QZCustomViewController.h"
#include "QZFeedbackViewController.h"
#include "QZStandingsViewController.h"
#include "QZTypeViewController.h"
#include "QZactivityViewController.h"
#include "ScreenRegistry.h"

void registerPointsScreens()
{
    auto &registry = ScreenRegistry::instance();
    registry.add(QStringLiteral("QZCollectionViewController"),
                 [] { return new QZCollectionViewController; });
    registry.add(QStringLiteral("QZTypeViewController"), [] { return new QZTypeViewController; });
    registry.add(QStringLiteral("QZStandingsViewController"),
                 [] { return new QZStandingsViewController; });
    registry.add(QStringLiteral("QZactivityViewController"),
                 [] { return new QZactivityViewController; });
    registry.add(QStringLiteral("QZCustomViewController"),
                 [] { return new QZCustomViewController; });
    registry.add(QStringLiteral("QZCustomDetailViewController"),
                 [] { return new QZCustomDetailViewController; });
    registry.add(QStringLiteral("QZAddCustomViewController"),
                 [] { return new QZAddCustomViewController; });
    registry.add(QStringLiteral("QZFeedbackViewController"),
                 [] { return new QZFeedbackViewController; });
}
