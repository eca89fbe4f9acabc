#include "QZBoughtViewController.h"

#include "ui_QZBoughtViewController.h"

#include "BaseNavigationViewController.h"
#include "HoldingsDateFilters.h"
#include "QZBoughtDetailViewController.h"
#include "QZBoughtTableViewCell.h"

QZBoughtViewController::QZBoughtViewController(QWidget *parent)
    : DateFilteredListScreen(HoldingsDateFilters::boughtRule(),
                             {QStringLiteral("已购买的产品"), 90, true}, parent),
      m_ui(new Ui::QZBoughtViewController)
{
    m_ui->setupUi(this);
}

QZBoughtViewController::~QZBoughtViewController()
{
    delete m_ui;
}

void QZBoughtViewController::setUserMoneyDataArray(const QList<UserMoneyModel> &contracts)
{
    m_userMoneyDataArray = contracts;
    if (isViewLoaded())
        initData();
}

void QZBoughtViewController::initData()
{
    filterView()->start(HoldingsDateFilters::boughtEntries(m_userMoneyDataArray));
}

TableViewCell *QZBoughtViewController::cellForRowAtIndexPath(TableView *tableView,
                                                             const IndexPath &indexPath)
{
    auto *cell = tableView->dequeueReusableCell<QZBoughtTableViewCell>();
    cell->setContract(m_userMoneyDataArray.at(recordIndex(indexPath.row)));
    return cell;
}

void QZBoughtViewController::didSelectRowAtIndexPath(TableView *tableView,
                                                     const IndexPath &indexPath)
{
    tableView->deselectRowAtIndexPath(indexPath, true);
    auto *detail = new QZBoughtDetailViewController;
    detail->setHtModel(m_userMoneyDataArray.at(recordIndex(indexPath.row)));
    navigationController()->pushViewController(detail, true);
}
