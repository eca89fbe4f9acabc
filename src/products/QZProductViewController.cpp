#include "QZProductViewController.h"

#include "ui_QZProductViewController.h"

#include "BaseNavigationViewController.h"
#include "FunctionCodes.h"
#include "ProductListStyle.h"
#include "QZDetailProductViewController.h"
#include "QZProductTableViewCell.h"

QZProductViewController::QZProductViewController(QWidget *parent)
    : RootViewController(parent), m_ui(new Ui::QZProductViewController)
{
    m_ui->setupUi(this);
}

QZProductViewController::~QZProductViewController()
{
    delete m_ui;
}

void QZProductViewController::initNav()
{
    setTitle(QStringLiteral("热销产品"));
}

void QZProductViewController::initUI()
{
    ProductListStyle::apply(m_ui->tableView, this, this);
    m_products = std::make_unique<PagedList<modelForProd>>(
        this, m_ui->tableView,
        PagedQuery{FunctionCode::HotProducts,
                   {{QStringLiteral("w_sfxs"), QStringLiteral("1")}},
                   {{QStringLiteral("w_sfrx"), QStringLiteral("asc")}}});
    m_ui->tableView->addLoadMoreFooter([this]() { footerRereshing(); });
}

void QZProductViewController::initData()
{
    m_products->loadFirstPage();
}

void QZProductViewController::footerRereshing()
{
    m_products->loadNextPage();
}

int QZProductViewController::numberOfRowsInSection(TableView *, int)
{
    return m_products->size();
}

TableViewCell *QZProductViewController::cellForRowAtIndexPath(TableView *tableView,
                                                              const IndexPath &indexPath)
{
    auto *cell = tableView->dequeueReusableCell<QZProductTableViewCell>();
    cell->setProduct(m_products->records().at(indexPath.row));
    return cell;
}

void QZProductViewController::didSelectRowAtIndexPath(TableView *tableView,
                                                      const IndexPath &indexPath)
{
    tableView->deselectRowAtIndexPath(indexPath, true);
    auto *detail = new QZDetailProductViewController;
    detail->setModel(m_products->records().at(indexPath.row));
    navigationController()->pushViewController(detail, true);
}
