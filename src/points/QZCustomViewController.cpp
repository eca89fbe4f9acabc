#include "QZCustomViewController.h"

#include "ui_QZCustomViewController.h"

#include "ActivityRules.h"
#include "BaseNavigationViewController.h"
#include "FunctionCodes.h"
#include "QZCustomDetailViewController.h"
#include "QZCustomTableViewCell.h"

#include <QLabel>

namespace {

constexpr int kHeaderHeight = 40;

} // namespace

QZCustomViewController::QZCustomViewController(QWidget *parent)
    : RootViewController(parent), m_ui(new Ui::QZCustomViewController)
{
    m_ui->setupUi(this);
}

QZCustomViewController::~QZCustomViewController()
{
    delete m_ui;
}

void QZCustomViewController::initNav()
{
    setTitle(QStringLiteral("客户活动"));
    createLeftNavigationItem(QStringLiteral("return.png"), QString());
}

void QZCustomViewController::initUI()
{
    TableView *table = m_ui->tableView;
    table->setDataSource(this);
    table->setDelegate(this);
    table->setStyle(TableView::Style::Grouped);
    table->setRowHeight(135);
    table->setSectionHeaderHeight(kHeaderHeight);
    table->setSeparatorsVisible(false);
    table->setAccessibleName(QStringLiteral("客户活动"));
    m_activities = std::make_unique<PagedList<QZActivityModel>>(
        this, table,
        PagedQuery{FunctionCode::Activities,
                   {},
                   {{QStringLiteral("booking_start_time"), QStringLiteral("desc")}}});
    table->addLoadMoreFooter([this]() { footerRereshing(); });
}

void QZCustomViewController::initData()
{
    m_activities->loadFirstPage();
}

void QZCustomViewController::footerRereshing()
{
    m_activities->loadNextPage();
}

void QZCustomViewController::LeftNavigationButtonClick()
{
    goBack();
}

int QZCustomViewController::numberOfSectionsInTableView(TableView *)
{
    return m_activities->size();
}

int QZCustomViewController::numberOfRowsInSection(TableView *, int)
{
    return 1;
}

TableViewCell *QZCustomViewController::cellForRowAtIndexPath(TableView *tableView,
                                                             const IndexPath &indexPath)
{
    auto *cell = tableView->dequeueReusableCell<QZCustomTableViewCell>();
    cell->setActivity(m_activities->records().at(indexPath.section), indexPath.section);
    // A reused cell is already connected.
    connect(cell, &QZCustomTableViewCell::stateTapped, this,
            &QZCustomViewController::stateButtonClick, Qt::UniqueConnection);
    return cell;
}

int QZCustomViewController::heightForHeaderInSection(TableView *, int)
{
    return kHeaderHeight;
}

QWidget *QZCustomViewController::viewForHeaderInSection(TableView *, int section)
{
    const QZActivityModel &activity = m_activities->records().at(section);
    auto *header = new QLabel(ActivityRules::periodHeader(activity));
    header->setObjectName(QStringLiteral("periodHeader"));
    const bool open = ActivityRules::isWithinBookingDates(activity);
    header->setStyleSheet(open ? QStringLiteral("background: #aedeff; color: #333333;"
                                                " font-size: 16px;")
                               : QStringLiteral("background: #cad1d8; color: #96979a;"
                                                " font-size: 16px;"));
    return header;
}

void QZCustomViewController::didSelectRowAtIndexPath(TableView *tableView,
                                                     const IndexPath &indexPath)
{
    tableView->deselectRowAtIndexPath(indexPath, true);
    openActivity(indexPath.section);
}

void QZCustomViewController::stateButtonClick(int tag)
{
    openActivity(tag - QZCustomTableViewCell::kStateTagBase);
}

void QZCustomViewController::openActivity(int section)
{
    if (section < 0 || section >= m_activities->size())
        return;
    auto *detail = new QZCustomDetailViewController;
    detail->setModel(m_activities->records().at(section));
    navigationController()->pushViewController(detail, true);
}
