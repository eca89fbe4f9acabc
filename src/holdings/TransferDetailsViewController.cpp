#include "TransferDetailsViewController.h"

TransferDetailsViewController::TransferDetailsViewController(QWidget *parent)
    : SpecialTradeDetailScreen(QStringLiteral("转让详情"), parent)
{
}

QList<SpecialTradeTexts::Section> TransferDetailsViewController::sections() const
{
    return SpecialTradeTexts::transferSections(htModel(), stModel());
}
