#include "QZProfitViewController.h"

#include "ui_QZProfitViewController.h"

#include "HoldingsDateFilters.h"
#include "ReturnDetailsTableViewCell.h"

QZProfitViewController::QZProfitViewController(QWidget *parent)
    : DateFilteredListScreen(HoldingsDateFilters::profitRule(),
                             {QStringLiteral("已分配收益"), 88, true}, parent),
      m_ui(new Ui::QZProfitViewController)
{
    m_ui->setupUi(this);
}

QZProfitViewController::~QZProfitViewController()
{
    delete m_ui;
}

void QZProfitViewController::setProfitArray(const QList<ReturnDetailsModel> &incomes)
{
    m_profitArray = incomes;
    if (isViewLoaded())
        initData();
}

void QZProfitViewController::initData()
{
    filterView()->start(HoldingsDateFilters::profitEntries(m_profitArray));
}

TableViewCell *QZProfitViewController::cellForRowAtIndexPath(TableView *tableView,
                                                             const IndexPath &indexPath)
{
    auto *cell = tableView->dequeueReusableCell<ReturnDetailsTableViewCell>();
    cell->setIncome(m_profitArray.at(recordIndex(indexPath.row)));
    return cell;
}
