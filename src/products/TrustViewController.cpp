#include "TrustViewController.h"

#include "ui_TrustViewController.h"

#include "BaseNavigationViewController.h"
#include "FunctionCodes.h"
#include "NotificationCenter.h"
#include "ProductListStyle.h"
#include "RecordMapper.h"
#include "ScreenRegistry.h"
#include "TrustTableViewCell.h"

TrustViewController::TrustViewController(QWidget *parent)
    : RootViewController(parent), m_ui(new Ui::TrustViewController)
{
    m_ui->setupUi(this);
}

TrustViewController::~TrustViewController()
{
    delete m_ui;
}

void TrustViewController::initNav()
{
    setTitle(QStringLiteral("证券信托产品"));
    createLeftNavigationItem(QStringLiteral("return.png"), QString());
}

void TrustViewController::initUI()
{
    ProductListStyle::apply(m_ui->tableView, this, this);
    PagedQuery query{FunctionCode::TrustProducts,
                     {{QStringLiteral("w_cplx"), QStringLiteral("2")},
                      {QStringLiteral("w_sfxs"), QStringLiteral("1")},
                      {QStringLiteral("w_zt"), QStringLiteral("1")}},
                     {{QStringLiteral("w_sfrx"), QStringLiteral("asc")}}};
    query.orderbyOnEveryPage = false; // further pages carry the paging only
    m_trusts = std::make_unique<PagedList<TrustProductModel>>(this, m_ui->tableView, query);
    m_ui->tableView->addLoadMoreFooter([this]() { footerRereshing(); });
}

void TrustViewController::initData()
{
    m_trusts->loadFirstPage();
}

void TrustViewController::footerRereshing()
{
    m_trusts->loadNextPage();
}

void TrustViewController::LeftNavigationButtonClick()
{
    postNotification(Notification::Appearance);
    navigationController()->popToRootViewControllerAnimated(true);
}

int TrustViewController::numberOfRowsInSection(TableView *, int)
{
    return m_trusts->size();
}

TableViewCell *TrustViewController::cellForRowAtIndexPath(TableView *tableView,
                                                          const IndexPath &indexPath)
{
    auto *cell = tableView->dequeueReusableCell<TrustTableViewCell>();
    cell->setTrust(m_trusts->records().at(indexPath.row));
    return cell;
}

void TrustViewController::didSelectRowAtIndexPath(TableView *tableView, const IndexPath &indexPath)
{
    tableView->deselectRowAtIndexPath(indexPath, true);
    // Made through the registry, which fills the detail's jzmodel from the record.
    QString error;
    ViewController *detail = ScreenRegistry::instance().create(
        QStringLiteral("QZTrustDetailViewController"),
        {{QStringLiteral("jzmodel"), RecordMapper::toJson(m_trusts->records().at(indexPath.row))}},
        &error);
    if (detail)
        navigationController()->pushViewController(detail, true);
}
