#include "QZStandingsViewController.h"

#include "ui_QZStandingsViewController.h"

#include "SegmentedControl.h"
#include "TableViewCell.h"
#include "UiColor.h"

namespace {

constexpr int kRows = 10;
const QString kReuseIdentifier = QStringLiteral("QZStandingsViewControllerRow");

} // namespace

QZStandingsViewController::QZStandingsViewController(QWidget *parent)
    : RootViewController(parent), m_ui(new Ui::QZStandingsViewController),
      m_segmentView(new SegmentedControl({QStringLiteral("我的积分"), QStringLiteral("兑换明细")}))
{
    m_ui->setupUi(this);
    m_segmentView->setObjectName(QStringLiteral("segmentView"));
    m_ui->segmentBar->layout()->addWidget(m_segmentView);
}

QZStandingsViewController::~QZStandingsViewController()
{
    delete m_ui;
}

void QZStandingsViewController::initNav()
{
    setTitle(QStringLiteral("客户活动"));
    createLeftNavigationItem(QStringLiteral("return.png"), QString());
}

void QZStandingsViewController::initUI()
{
    m_segmentView->setSelectedColor(UiColor::getColor(QStringLiteral("0588e5")));
    m_ui->tableView->setDataSource(this);
    m_ui->tableView->setDelegate(this);
    m_ui->tableView->reloadData();
}

void QZStandingsViewController::LeftNavigationButtonClick()
{
    goBack();
}

int QZStandingsViewController::numberOfRowsInSection(TableView *, int)
{
    return kRows;
}

TableViewCell *QZStandingsViewController::cellForRowAtIndexPath(TableView *tableView,
                                                                const IndexPath &)
{
    if (TableViewCell *cell = tableView->dequeueReusableCellWithIdentifier(kReuseIdentifier))
        return cell;
    return new TableViewCell(kReuseIdentifier);
}

void QZStandingsViewController::didSelectRowAtIndexPath(TableView *tableView,
                                                        const IndexPath &indexPath)
{
    tableView->deselectRowAtIndexPath(indexPath, true);
}
