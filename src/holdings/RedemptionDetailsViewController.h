#pragma once

#include "TradeEventDetailScreen.h"

// "赎回详情": the investor and the redemption.
class RedemptionDetailsViewController final : public TradeEventDetailScreen
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(RedemptionDetailsViewController)

public:
    explicit RedemptionDetailsViewController(QWidget *parent = nullptr);

private:
    QList<TradeEventTexts::Section> sections() const override;
};
