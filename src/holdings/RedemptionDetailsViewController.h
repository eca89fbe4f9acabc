#pragma once

#include "SpecialTradeDetailScreen.h"

// "赎回详情": the investor and the redemption.
class RedemptionDetailsViewController final : public SpecialTradeDetailScreen
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(RedemptionDetailsViewController)

public:
    explicit RedemptionDetailsViewController(QWidget *parent = nullptr);

private:
    QList<SpecialTradeTexts::Section> sections() const override;
};
