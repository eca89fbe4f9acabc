#include "QZTrustClassViewController.h"

#include "ui_QZTrustClassViewController.h"

#include "BaseNavigationViewController.h"
#include "NotificationCenter.h"
#include "QZHelpTableViewCell.h"
#include "ResourceText.h"
#include "TrustClassDetailViewController.h"
#include "TrustHYViewController.h"
#include "UiColor.h"

#include <QPushButton>

namespace {
constexpr int kNextButtonTagBase = 10010;
} // namespace

QZTrustClassViewController::QZTrustClassViewController(QWidget *parent)
    : RootViewController(parent), m_ui(new Ui::QZTrustClassViewController)
{
    m_ui->setupUi(this);
}

QZTrustClassViewController::~QZTrustClassViewController()
{
    delete m_ui;
}

void QZTrustClassViewController::initNav()
{
    setTitle(QStringLiteral("信托讲堂"));
    createLeftNavigationItem(QStringLiteral("return.png"), QString());
}

void QZTrustClassViewController::initUI()
{
    TableView *table = m_ui->tableView;
    table->setDataSource(this);
    table->setDelegate(this);
    table->setStyle(TableView::Style::Grouped);
    table->setSectionHeaderHeight(0);
    table->setRowHeight(50);
    table->setTableHeaderView(m_ui->headView);
    connect(m_ui->headControl, &QPushButton::clicked, this, [this]() {
        navigationController()->pushViewController(new TrustHYViewController, true);
    });
}

void QZTrustClassViewController::initData()
{
    m_dataArray = {QStringLiteral("信托法"), QStringLiteral("信托公司管理方法"),
                   QStringLiteral("信托公司集合资金信托计划管理办法")};
    m_detailDataArray.clear();
    for (const char *resource : {"xintuofa", "xintuogongsiguanlifa", "xintuojihuafa"})
        m_detailDataArray.append(ResourceText::html(QString::fromLatin1(resource)));
    m_ui->tableView->reloadData();
}

void QZTrustClassViewController::LeftNavigationButtonClick()
{
    goBack(Notification::Appearance);
}

void QZTrustClassViewController::openText(int row)
{
    if (row < 0 || row >= m_dataArray.size())
        return;
    auto *detail = new TrustClassDetailViewController;
    detail->setString(m_dataArray.at(row));
    detail->setDetailString(m_detailDataArray.at(row));
    navigationController()->pushViewController(detail, true);
}

int QZTrustClassViewController::numberOfRowsInSection(TableView *, int)
{
    return int(m_dataArray.size());
}

TableViewCell *QZTrustClassViewController::cellForRowAtIndexPath(TableView *tableView,
                                                                 const IndexPath &indexPath)
{
    auto *cell = tableView->dequeueReusableCell<QZHelpTableViewCell>();
    cell->setBackgroundColor(UiColor::background());
    cell->nameLabel()->setText(m_dataArray.at(indexPath.row));
    QPushButton *next = cell->nextButton();
    next->setProperty("tag", kNextButtonTagBase + indexPath.row);
    next->disconnect(this);
    connect(next, &QPushButton::clicked, this,
            [this, next]() { openText(next->property("tag").toInt() - kNextButtonTagBase); });
    return cell;
}

void QZTrustClassViewController::didSelectRowAtIndexPath(TableView *tableView,
                                                         const IndexPath &indexPath)
{
    tableView->deselectRowAtIndexPath(indexPath, true);
    openText(indexPath.row);
}
