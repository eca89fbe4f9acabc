#pragma once

#include "SectionedDetailScreen.h"
#include "SpecialTradeModel.h"
#include "SpecialTradeTexts.h"
#include "UserMoneyModel.h"

namespace Ui {
class SpecialTradeDetailScreen;
}

// What the transfer and the redemption details share: one special transaction of a
// contract, its sections on a grouped list.
class SpecialTradeDetailScreen : public SectionedDetailScreen
{
    Q_OBJECT
    Q_PROPERTY(UserMoneyModel htModel READ htModel WRITE setHtModel)
    Q_PROPERTY(SpecialTradeModel stModel READ stModel WRITE setStModel)

public:
    ~SpecialTradeDetailScreen() override;

    UserMoneyModel htModel() const { return m_htModel; }
    void setHtModel(const UserMoneyModel &model) { m_htModel = model; }
    SpecialTradeModel stModel() const { return m_stModel; }
    void setStModel(const SpecialTradeModel &model) { m_stModel = model; }

protected:
    SpecialTradeDetailScreen(const QString &title, QWidget *parent);
    virtual QList<SpecialTradeTexts::Section> sections() const = 0;

private:
    void initUI() override;
    void initData() override;

    Ui::SpecialTradeDetailScreen *m_ui;
    UserMoneyModel m_htModel;
    SpecialTradeModel m_stModel;
};
