#include "QZTradeViewController.h"

#include "ui_QZTradeViewController.h"

#include "HoldingsDateFilters.h"
#include "QZProfitTableViewCell.h"

QZTradeViewController::QZTradeViewController(QWidget *parent)
    : DateFilteredListScreen(HoldingsDateFilters::tradeRule(),
                             {QStringLiteral("未兑付本金"), 88, true}, parent),
      m_ui(new Ui::QZTradeViewController)
{
    m_ui->setupUi(this);
}

QZTradeViewController::~QZTradeViewController()
{
    delete m_ui;
}

void QZTradeViewController::setUserMoneyArray(const QList<UserMoneyModel> &contracts)
{
    m_userMoneyArray = contracts;
    if (isViewLoaded())
        initData();
}

void QZTradeViewController::initData()
{
    filterView()->start(HoldingsDateFilters::tradeEntries(m_userMoneyArray));
}

TableViewCell *QZTradeViewController::cellForRowAtIndexPath(TableView *tableView,
                                                            const IndexPath &indexPath)
{
    auto *cell = tableView->dequeueReusableCell<QZProfitTableViewCell>();
    cell->setContract(m_userMoneyArray.at(recordIndex(indexPath.row)));
    return cell;
}
