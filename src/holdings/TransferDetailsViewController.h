#pragma once

#include "TradeEventDetailScreen.h"

// "转让详情": the transferor, the transfer and the transferee.
class TransferDetailsViewController final : public TradeEventDetailScreen
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TransferDetailsViewController)

public:
    explicit TransferDetailsViewController(QWidget *parent = nullptr);

private:
    QList<TradeEventTexts::Section> sections() const override;
};
