#pragma once

#include "RootViewController.h"
#include "TableView.h"
#include "UserMoneyModel.h"

#include <QStringList>

namespace Ui {
class QZBoughtDetailViewController;
}

// "产品详情" of a bought product: the contract's figures, its basic information that folds
// away, and the headers that lead to the contract, its special transactions, its income
// and the product's announcements.
class QZBoughtDetailViewController final : public RootViewController,
                                           private TableViewDataSource,
                                           private TableViewDelegate
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(QZBoughtDetailViewController)
    Q_PROPERTY(UserMoneyModel htModel READ htModel WRITE setHtModel)

public:
    explicit QZBoughtDetailViewController(QWidget *parent = nullptr);
    ~QZBoughtDetailViewController() override;

    UserMoneyModel htModel() const { return m_htModel; }
    void setHtModel(const UserMoneyModel &model) { m_htModel = model; }
    // Per section, "1" expanded or "0" collapsed.
    const QStringList &stateArray() const { return m_stateArray; }

    void LeftNavigationButtonClick() override;

private:
    void initNav() override;
    void initUI() override;
    void initData() override;
    void sectionTouched(int section);

    int numberOfSectionsInTableView(TableView *tableView) override;
    int numberOfRowsInSection(TableView *tableView, int section) override;
    TableViewCell *cellForRowAtIndexPath(TableView *tableView, const IndexPath &indexPath) override;
    int heightForHeaderInSection(TableView *tableView, int section) override;
    int heightForFooterInSection(TableView *tableView, int section) override;
    QWidget *viewForHeaderInSection(TableView *tableView, int section) override;

    Ui::QZBoughtDetailViewController *m_ui;
    UserMoneyModel m_htModel;
    QStringList m_sectionArray;
    QStringList m_stateArray;
    QList<QPair<QString, QString>> m_valueArray; // the first section's rows
};
