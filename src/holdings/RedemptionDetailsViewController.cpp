#include "RedemptionDetailsViewController.h"

RedemptionDetailsViewController::RedemptionDetailsViewController(QWidget *parent)
    : TradeEventDetailScreen(QStringLiteral("赎回详情"), parent)
{
}

QList<TradeEventTexts::Section> RedemptionDetailsViewController::sections() const
{
    return TradeEventTexts::redemptionSections(htModel(), stModel());
}
