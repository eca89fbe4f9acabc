#include "QZCollectionViewController.h"

#include "ui_QZCollectionViewController.h"

#include "BaseNavigationViewController.h"
#include "FunctionCodes.h"
#include "NavigationItem.h"
#include "NotificationCenter.h"
#include "PointsFilter.h"
#include "PointsTexts.h"
#include "QZCollectionViewCell.h"
#include "QZStandingsDetailTableViewCell.h"
#include "QZTypeViewController.h"
#include "SegmentedControl.h"
#include "SessionStore.h"
#include "UiColor.h"

#include <QPushButton>

namespace {

// What marks a gift as chosen; gifts without an id are told apart by name.
QString giftKey(const ScoreModel &gift)
{
    return gift.id.isEmpty() ? gift.lpmc : gift.id;
}

} // namespace

QZCollectionViewController::QZCollectionViewController(QWidget *parent)
    : RootViewController(parent), m_ui(new Ui::QZCollectionViewController),
      m_segmentView(new SegmentedControl({QStringLiteral("我的积分"), QStringLiteral("兑换明细")}))
{
    m_ui->setupUi(this);
    m_segmentView->setObjectName(QStringLiteral("segmentView"));
    m_ui->segmentBar->layout()->addWidget(m_segmentView);
    connect(m_segmentView, &SegmentedControl::selectedIndexChanged, this,
            &QZCollectionViewController::showSegment);
}

QZCollectionViewController::~QZCollectionViewController()
{
    delete m_ui;
}

void QZCollectionViewController::initNav()
{
    setTitle(QStringLiteral("积分管理"));
    createLeftNavigationItem(QStringLiteral("return.png"), QString());
    creatRightNavigationItem(QString(), QStringLiteral("类型"));
    if (QWidget *leftButton = navigationItem()->rightWidget()) {
        leftButton->setObjectName(QStringLiteral("leftButton"));
        leftButton->setAccessibleName(QStringLiteral("类型"));
        leftButton->setStyleSheet(QStringLiteral(
            "QPushButton { border: none; background: transparent; color: white;"
            " font-size: 14px; font-weight: bold; padding-right: 10px; text-align: right; }"));
    }
}

void QZCollectionViewController::initUI()
{
    m_segmentView->setSelectedColor(UiColor::getColor(QStringLiteral("0588e5")));

    CollectionView *grid = m_ui->collectionView;
    grid->setDataSource(this);
    grid->setHeaderView(m_ui->headView);
    grid->setAccessibleName(QStringLiteral("可兑换的礼品"));

    TableView *history = m_ui->rightTableView;
    history->setDataSource(this);
    history->setDelegate(this);
    history->setRowHeight(100);
    history->setSeparatorsVisible(false);
    history->setStyle(TableView::Style::Grouped); // the grey ground
    history->setSectionHeaderHeight(0);
    history->setTableHeaderView(m_ui->rightTableHeadView);
    history->setAccessibleName(QStringLiteral("兑换明细"));

    m_ui->kyjf1Label->setText(PointsTexts::unknownPoints());
    m_ui->kyjf2Label->setText(PointsTexts::unknownPoints());
    m_ui->ysyjfLabel->setText(PointsTexts::unknownPoints());
    showSegment(0);
}

void QZCollectionViewController::initData()
{
    const QString khbh = SessionStore::currentCustomer().khbh;
    m_jfspdataArray.clear();
    sendRequest(FunctionCode::GiftCatalogue, {}, {}, [this](const ResponseEnvelope &answer) {
        m_jfspdataArray.append(answer.recordsAs<ScoreModel>());
        reloadLists();
    });
    m_jflsdataArray.clear();
    sendRequest(FunctionCode::PointsHistory, {{QStringLiteral("khbh"), khbh}},
                Request::paging(1000, 0, {{QStringLiteral("w_rq"), QStringLiteral("desc")}}),
                [this](const ResponseEnvelope &answer) {
                    m_jflsdataArray.append(answer.recordsAs<ScoreHistoryModel>());
                    reloadLists();
                });
    m_jfmxdataArray.clear();
    sendRequest(FunctionCode::PointsBalance, {{QStringLiteral("khbh"), khbh}}, {},
                [this](const ResponseEnvelope &answer) {
                    m_jfmxdataArray.append(answer.recordsAs<ScoreDetailModel>());
                    fillHeader();
                    reloadLists();
                });
}

void QZCollectionViewController::fillHeader()
{
    if (m_jfmxdataArray.isEmpty())
        return;
    const ScoreDetailModel &account = m_jfmxdataArray.first();
    m_ui->kyjf1Label->setText(PointsTexts::points(account.available_integral));
    m_ui->kyjf2Label->setText(PointsTexts::points(account.available_integral));
    m_ui->ysyjfLabel->setText(PointsTexts::consumedPoints(account.xfjf));
}

void QZCollectionViewController::reloadLists()
{
    m_ui->collectionView->reloadData();
    m_ui->rightTableView->reloadData();
}

void QZCollectionViewController::showSegment(int index)
{
    const bool points = index == 0;
    m_ui->collectionView->setVisible(points);
    m_ui->rightTableView->setVisible(!points);
    // Before the bar has taken the button, showing it would make it a window of its own.
    QWidget *leftButton = navigationItem()->rightWidget();
    if (leftButton && leftButton->parentWidget())
        leftButton->setVisible(points);
}

void QZCollectionViewController::resizeEvent(QResizeEvent *event)
{
    RootViewController::resizeEvent(event);
    // Two columns whatever the phone: items of (W - 20) / 2 by (W + 30) / 2.
    const int w = width();
    m_ui->collectionView->setItemSize(QSize((w - 20) / 2, (w + 30) / 2), QMargins(5, 0, 5, 5));
}

void QZCollectionViewController::LeftNavigationButtonClick()
{
    // "appearance" brings the tab bar back, which only a tab's first screen shows; the points
    // screen is usually entered from the points page, one screen further in.
    const BaseNavigationViewController *nav = navigationController();
    const bool toFirstScreen = nav && nav->viewControllers().size() == 2;
    goBack(toFirstScreen ? Notification::Appearance : QString());
}

void QZCollectionViewController::RightNavigationButtonClick()
{
    auto *filter = new QZTypeViewController;
    filter->setDelegate(this);
    navigationController()->pushViewController(filter, true);
}

void QZCollectionViewController::getNSIntegerDelegate(qint64 typeButtonIndex,
                                                      qint64 pointButtonIndex,
                                                      qint64 orderButtonIndex)
{
    m_typeButtonIndex = typeButtonIndex;
    m_pointButtonIndex = pointButtonIndex;
    m_orderButtonIndex = orderButtonIndex;
    const QString available =
        m_jfmxdataArray.isEmpty() ? QString() : m_jfmxdataArray.first().available_integral;
    // Filtering starts from what the grid holds: gifts removed before stay removed.
    m_jfspdataArray = PointsFilter::selectProduct(m_jfspdataArray, QString::number(typeButtonIndex),
                                                  QString::number(pointButtonIndex),
                                                  QString::number(orderButtonIndex), available);
    m_ui->collectionView->reloadData();
}

int QZCollectionViewController::numberOfItemsInCollectionView(CollectionView *)
{
    return int(m_jfspdataArray.size());
}

TableViewCell *QZCollectionViewController::cellForItemAtIndex(CollectionView *collectionView,
                                                              int index)
{
    auto *cell = collectionView->dequeueReusableCell<QZCollectionViewCell>();
    const ScoreModel &gift = m_jfspdataArray.at(index);
    cell->setGift(gift, m_chosenGifts.contains(giftKey(gift)));
    return cell;
}

void QZCollectionViewController::didSelectItemAtIndex(CollectionView *collectionView, int index)
{
    const ScoreModel &gift = m_jfspdataArray.at(index);
    m_chosenGifts.insert(giftKey(gift));
    if (auto *cell =
            qobject_cast<QZCollectionViewCell *>(collectionView->cellForItemAtIndex(index)))
        cell->setGift(gift, true);
}

int QZCollectionViewController::numberOfRowsInSection(TableView *, int)
{
    return int(m_jflsdataArray.size());
}

TableViewCell *QZCollectionViewController::cellForRowAtIndexPath(TableView *tableView,
                                                                 const IndexPath &indexPath)
{
    auto *cell = tableView->dequeueReusableCell<QZStandingsDetailTableViewCell>();
    cell->setMovement(m_jflsdataArray.at(indexPath.row));
    return cell;
}

void QZCollectionViewController::didSelectRowAtIndexPath(TableView *tableView,
                                                         const IndexPath &indexPath)
{
    tableView->deselectRowAtIndexPath(indexPath, true);
}
