#include "TrustHistoryViewController.h"

#include "ui_TrustHistoryViewController.h"

#include "NotificationCenter.h"
#include "TrustHistoryTableViewCell.h"

TrustHistoryViewController::TrustHistoryViewController(QWidget *parent)
    : RootViewController(parent), m_ui(new Ui::TrustHistoryViewController)
{
    m_ui->setupUi(this);
}

TrustHistoryViewController::~TrustHistoryViewController()
{
    delete m_ui;
}

void TrustHistoryViewController::initNav()
{
    setTitle(QStringLiteral("净值详情"));
    createLeftNavigationItem(QStringLiteral("return.png"), QString());
}

void TrustHistoryViewController::initUI()
{
    TableView *table = m_ui->tableView;
    table->setDataSource(this);
    table->setDelegate(this);
    table->setTableHeaderView(m_ui->headView);
    // An empty footer, so that no empty rows are drawn below the last value.
    table->setTableFooterView(m_ui->footView);
    table->reloadData();
}

void TrustHistoryViewController::LeftNavigationButtonClick()
{
    goBack(Notification::Hidden);
}

int TrustHistoryViewController::numberOfRowsInSection(TableView *, int)
{
    return int(m_jzDataArray.size());
}

TableViewCell *TrustHistoryViewController::cellForRowAtIndexPath(TableView *tableView,
                                                                 const IndexPath &indexPath)
{
    auto *cell = tableView->dequeueReusableCell<TrustHistoryTableViewCell>();
    // Newest first: the records arrive oldest first.
    cell->setNetValue(m_jzDataArray.at(m_jzDataArray.size() - 1 - indexPath.row));
    return cell;
}

void TrustHistoryViewController::didSelectRowAtIndexPath(TableView *tableView,
                                                         const IndexPath &indexPath)
{
    tableView->deselectRowAtIndexPath(indexPath, true);
}
