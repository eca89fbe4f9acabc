#pragma once

#include "CollectionView.h"
#include "RootViewController.h"
#include "ScoreDetailModel.h"
#include "ScoreHistoryModel.h"
#include "ScoreModel.h"
#include "TableView.h"
#include "backDelegate.h"

#include <QSet>

namespace Ui {
class QZCollectionViewController;
}
class SegmentedControl;

// "积分管理": the customer's points. "我的积分" shows the balance over a two-column grid of the
// gifts points can buy, filtered on the device by the choices of "类型"; "兑换明细" lists the
// points movements, newest first. Everything is loaded once, when the screen loads.
class QZCollectionViewController final : public RootViewController,
                                         public backDelegate,
                                         private CollectionViewDataSource,
                                         private TableViewDataSource,
                                         private TableViewDelegate
{
    Q_OBJECT
    Q_INTERFACES(backDelegate)
    Q_DISABLE_COPY_MOVE(QZCollectionViewController)

public:
    explicit QZCollectionViewController(QWidget *parent = nullptr);
    ~QZCollectionViewController() override;

    const QList<ScoreModel> &jfspdataArray() const { return m_jfspdataArray; }
    const QList<ScoreDetailModel> &jfmxdataArray() const { return m_jfmxdataArray; }
    const QList<ScoreHistoryModel> &jflsdataArray() const { return m_jflsdataArray; }
    qint64 typeButtonIndex() const { return m_typeButtonIndex; }
    qint64 pointButtonIndex() const { return m_pointButtonIndex; }
    qint64 orderButtonIndex() const { return m_orderButtonIndex; }

    void LeftNavigationButtonClick() override;
    // "类型": the filter screen.
    void RightNavigationButtonClick() override;
    void getNSIntegerDelegate(qint64 typeButtonIndex, qint64 pointButtonIndex,
                              qint64 orderButtonIndex) override;

protected:
    void initNav() override;
    void initUI() override;
    void initData() override;
    void resizeEvent(QResizeEvent *event) override;

private:
    int numberOfItemsInCollectionView(CollectionView *collectionView) override;
    TableViewCell *cellForItemAtIndex(CollectionView *collectionView, int index) override;
    void didSelectItemAtIndex(CollectionView *collectionView, int index) override;
    int numberOfRowsInSection(TableView *tableView, int section) override;
    TableViewCell *cellForRowAtIndexPath(TableView *tableView, const IndexPath &indexPath) override;
    void didSelectRowAtIndexPath(TableView *tableView, const IndexPath &indexPath) override;

    void showSegment(int index);
    void reloadLists();
    void fillHeader();

    Ui::QZCollectionViewController *m_ui;
    SegmentedControl *m_segmentView;
    QList<ScoreModel> m_jfspdataArray;
    QList<ScoreDetailModel> m_jfmxdataArray;
    QList<ScoreHistoryModel> m_jflsdataArray;
    QSet<QString> m_chosenGifts; // painted red
    qint64 m_typeButtonIndex = -1;
    qint64 m_pointButtonIndex = -1;
    qint64 m_orderButtonIndex = -1;
};
