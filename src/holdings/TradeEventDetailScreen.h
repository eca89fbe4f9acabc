#pragma once

#include "SectionedDetailScreen.h"
#include "SpecialTradeModel.h"
#include "TradeEventTexts.h"
#include "UserMoneyModel.h"

namespace Ui {
class TradeEventDetailScreen;
}

// What the transfer and the redemption details share: one special transaction of a
// contract, its sections on a grouped list.
class TradeEventDetailScreen : public SectionedDetailScreen
{
    Q_OBJECT
    Q_PROPERTY(UserMoneyModel htModel READ htModel WRITE setHtModel)
    Q_PROPERTY(SpecialTradeModel stModel READ stModel WRITE setStModel)

public:
    ~TradeEventDetailScreen() override;

    UserMoneyModel htModel() const { return m_htModel; }
    void setHtModel(const UserMoneyModel &model) { m_htModel = model; }
    SpecialTradeModel stModel() const { return m_stModel; }
    void setStModel(const SpecialTradeModel &model) { m_stModel = model; }

protected:
    TradeEventDetailScreen(const QString &title, QWidget *parent);
    virtual QList<TradeEventTexts::Section> sections() const = 0;

private:
    void initUI() override;
    void initData() override;

    Ui::TradeEventDetailScreen *m_ui;
    UserMoneyModel m_htModel;
    SpecialTradeModel m_stModel;
};
