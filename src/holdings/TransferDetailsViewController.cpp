#include "TransferDetailsViewController.h"

TransferDetailsViewController::TransferDetailsViewController(QWidget *parent)
    : TradeEventDetailScreen(QStringLiteral("转让详情"), parent)
{
}

QList<TradeEventTexts::Section> TransferDetailsViewController::sections() const
{
    return TradeEventTexts::transferSections(htModel(), stModel());
}
