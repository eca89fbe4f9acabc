#include "QZMoreDetailViewController.h"

#include "ui_QZMoreDetailViewController.h"

#include "BaseNavigationViewController.h"
#include "Constant.h"
#include "FunctionCodes.h"
#include "ProductDetailViewController.h"
#include "QZMoreDetailTableViewCell.h"

QZMoreDetailViewController::QZMoreDetailViewController(QWidget *parent)
    : RootViewController(parent), m_ui(new Ui::QZMoreDetailViewController)
{
    m_ui->setupUi(this);
}

QZMoreDetailViewController::~QZMoreDetailViewController()
{
    delete m_ui;
}

QString QZMoreDetailViewController::noticeLevel(bool isBuyCust, bool signedIn)
{
    if (isBuyCust)
        return QStringLiteral("3");
    return signedIn ? QStringLiteral("2") : QStringLiteral("1");
}

void QZMoreDetailViewController::viewDidLoad()
{
    m_isBuyCust = m_belongto == QStringLiteral("产品详情");
    RootViewController::viewDidLoad();
}

void QZMoreDetailViewController::initNav()
{
    setTitle(QStringLiteral("更多详情"));
    createLeftNavigationItem(QStringLiteral("return.png"), QString());
}

void QZMoreDetailViewController::initUI()
{
    TableView *table = m_ui->tableView;
    table->setDataSource(this);
    table->setDelegate(this);
    table->setStyle(TableView::Style::Grouped);
    table->setSectionHeaderHeight(0);
    table->setRowHeight(64);
    table->setTableHeaderView(m_ui->headView);
    m_ui->footView->hide();
}

void QZMoreDetailViewController::initData()
{
    const QJsonObject params{
        {QStringLiteral("prod_code"), m_cpdm},
        {QStringLiteral("is_display"), QStringLiteral("1")},
        {QStringLiteral("status"), QStringLiteral("1")},
        {QStringLiteral("notice_level"),
         noticeLevel(m_isBuyCust, Constant::shareConstant()->IsLogin())},
    };
    sendRequest(FunctionCode::Announcements, params, {}, [this](const ResponseEnvelope &answer) {
        m_announcements = answer.recordsAs<ProductAnnouncementsModel>();
        // The note shows only while there is nothing to list.
        m_ui->tableView->setTableFooterView(m_announcements.isEmpty() ? m_ui->footView : nullptr);
        if (m_announcements.isEmpty())
            m_ui->footView->show();
        m_ui->tableView->reloadData();
    });
}

void QZMoreDetailViewController::LeftNavigationButtonClick()
{
    goBack();
}

int QZMoreDetailViewController::numberOfRowsInSection(TableView *, int)
{
    return int(m_announcements.size());
}

TableViewCell *QZMoreDetailViewController::cellForRowAtIndexPath(TableView *tableView,
                                                                 const IndexPath &indexPath)
{
    auto *cell = tableView->dequeueReusableCell<QZMoreDetailTableViewCell>();
    cell->setAnnouncement(m_announcements.at(indexPath.row));
    return cell;
}

void QZMoreDetailViewController::didSelectRowAtIndexPath(TableView *tableView,
                                                         const IndexPath &indexPath)
{
    tableView->deselectRowAtIndexPath(indexPath, true);
    auto *announcement = new ProductDetailViewController;
    announcement->setModel(m_announcements.at(indexPath.row));
    navigationController()->pushViewController(announcement, true);
}
