#include "RedemptionDetailsViewController.h"

RedemptionDetailsViewController::RedemptionDetailsViewController(QWidget *parent)
    : SpecialTradeDetailScreen(QStringLiteral("赎回详情"), parent)
{
}

QList<SpecialTradeTexts::Section> RedemptionDetailsViewController::sections() const
{
    return SpecialTradeTexts::redemptionSections(htModel(), stModel());
}
