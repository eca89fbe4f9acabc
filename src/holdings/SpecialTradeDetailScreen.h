#pragma once

#include "RootViewController.h"
#include "SpecialTradeModel.h"
#include "SpecialTradeTexts.h"
#include "TableView.h"
#include "UserMoneyModel.h"

namespace Ui {
class SpecialTradeDetailScreen;
}

// What the transfer and the redemption details share: one special transaction of a
// contract as a grouped list of sections, each row a name and its value.
class SpecialTradeDetailScreen : public RootViewController,
                                 private TableViewDataSource,
                                 private TableViewDelegate
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

    void LeftNavigationButtonClick() override;

protected:
    SpecialTradeDetailScreen(const QString &title, QWidget *parent);
    virtual QList<SpecialTradeTexts::Section> sections() const = 0;

private:
    void initNav() override;
    void initUI() override;
    void initData() override;

    int numberOfSectionsInTableView(TableView *tableView) override;
    int numberOfRowsInSection(TableView *tableView, int section) override;
    TableViewCell *cellForRowAtIndexPath(TableView *tableView, const IndexPath &indexPath) override;
    int heightForHeaderInSection(TableView *tableView, int section) override;
    int heightForFooterInSection(TableView *tableView, int section) override;
    QWidget *viewForHeaderInSection(TableView *tableView, int section) override;

    Ui::SpecialTradeDetailScreen *m_ui;
    QString m_title;
    UserMoneyModel m_htModel;
    SpecialTradeModel m_stModel;
    QList<SpecialTradeTexts::Section> m_sections;
};
