#include "QZactivityViewController.h"

#include "ui_QZactivityViewController.h"

#include "AppConfig.h"
#include "BaseNavigationViewController.h"
#include "FunctionCodes.h"
#include "NotificationCenter.h"
#include "QZActivityTableViewCell.h"
#include "QZCustomViewController.h"
#include "SessionStore.h"

QZactivityViewController::QZactivityViewController(QWidget *parent)
    : RootViewController(parent), m_ui(new Ui::QZactivityViewController)
{
    m_ui->setupUi(this);
    connect(m_ui->wyyButton, &QPushButton::clicked, this, [this]() {
        navigationController()->pushViewController(new QZCustomViewController, true);
    });
}

QZactivityViewController::~QZactivityViewController()
{
    delete m_ui;
}

void QZactivityViewController::initNav()
{
    setTitle(QStringLiteral("客户活动"));
    createLeftNavigationItem(QStringLiteral("return.png"), QString());
}

void QZactivityViewController::initUI()
{
    TableView *table = m_ui->tableView;
    table->setDataSource(this);
    table->setDelegate(this);
    table->setRowHeight(168);
    table->setSeparatorsVisible(false);
    table->setStyle(TableView::Style::Grouped); // the grey ground
    table->setSectionHeaderHeight(0);
    table->setTableFooterView(m_ui->footView);
    table->addLoadMoreFooter([this]() { footerRereshing(); });
    table->setAccessibleName(QStringLiteral("我的活动"));
    const QString hotline = QStringLiteral("如有修改，请致电：") + AppConfig::hotlineDisplay();
    m_ui->dhButton->setText(hotline);
    m_ui->dhButton->setAccessibleName(hotline);

    m_pages = std::make_unique<PagedListLoader>(
        this, table,
        PagedQuery{FunctionCode::ActivityRegistrations,
                   {{QStringLiteral("zjhm"), SessionStore::myDicValue(QStringLiteral("zjhm"))}},
                   {}},
        [this](const ResponseEnvelope &answer, bool firstPage) {
            const auto records = answer.recordsAs<QZActivityBookingModel>();
            // A first page replaces the list, also when it is pulled down to refresh.
            if (firstPage) {
                m_dataArray.clear();
                showEmptyState(records.isEmpty());
            }
            m_dataArray.append(records);
        });
}

void QZactivityViewController::initData()
{
    m_dataArray.clear();
    m_pages->loadFirstPage();
}

void QZactivityViewController::footerRereshing()
{
    m_pages->loadNextPage(int(m_dataArray.size()));
}

void QZactivityViewController::showEmptyState(bool empty)
{
    m_ui->tableView->setVisible(!empty);
    m_ui->dhButton->setVisible(!empty);
    m_ui->emptyView->setVisible(empty);
}

void QZactivityViewController::LeftNavigationButtonClick()
{
    goBack(Notification::Appearance);
}

int QZactivityViewController::numberOfRowsInSection(TableView *, int)
{
    return int(m_dataArray.size());
}

TableViewCell *QZactivityViewController::cellForRowAtIndexPath(TableView *tableView,
                                                               const IndexPath &indexPath)
{
    auto *cell = tableView->dequeueReusableCell<QZActivityTableViewCell>();
    cell->setRegistration(m_dataArray.at(indexPath.row));
    return cell;
}

void QZactivityViewController::didSelectRowAtIndexPath(TableView *tableView,
                                                       const IndexPath &indexPath)
{
    tableView->deselectRowAtIndexPath(indexPath, true);
}
