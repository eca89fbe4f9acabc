#pragma once

#include "NetProductModel.h"
#include "ProductBooking.h"
#include "RXLineChartViewDelegate.h"
#include "RootViewController.h"
#include "TableView.h"
#include "TrustProductModel.h"

#include <QPointer>

namespace Ui {
class QZTrustDetailViewController;
}
class QLabel;
class RXLineChartView;

// "证券信托产品": one securities trust's key figures, a three-row description, its net values
// of the last two years as a line chart (a tap opens the full history), and booking with an
// amount and a telephone number, or by telephone.
class QZTrustDetailViewController : public RootViewController,
                                    public TableViewDataSource,
                                    public TableViewDelegate,
                                    public RXLineChartViewDelegate
{
    Q_OBJECT
    Q_PROPERTY(TrustProductModel jzmodel READ jzmodel WRITE setJzmodel)

public:
    explicit QZTrustDetailViewController(QWidget *parent = nullptr);
    ~QZTrustDetailViewController() override;

    TrustProductModel jzmodel() const { return m_jzmodel; }
    void setJzmodel(const TrustProductModel &jzmodel) { m_jzmodel = jzmodel; }
    // The net values in the order the server sent them (oldest first).
    const QList<NetProductModel> &jzDataArray() const { return m_jzDataArray; }
    QString fxgm() const { return m_fxgm; }
    RXLineChartView *lineChartView() const;

    void LeftNavigationButtonClick() override;
    void yuyueClick();
    void teleyuyueClcik();
    // Opens the net-value history.
    void chartViewTapped();

    int numberOfRowsInSection(TableView *tableView, int section) override;
    TableViewCell *cellForRowAtIndexPath(TableView *tableView, const IndexPath &indexPath) override;
    void didSelectRowAtIndexPath(TableView *tableView, const IndexPath &indexPath) override;

protected:
    void viewDidLoad() override;
    void viewWillAppear(bool animated) override;
    void initNav() override;
    void initData() override;
    void initUI() override;

private:
    void initjzData();
    void showNetValues(const QList<NetProductModel> &records);
    void reloadChartView();
    void changeProduceBuyAbleState();

    Ui::QZTrustDetailViewController *m_ui;
    ProductBooking *m_booking = nullptr;
    TrustProductModel m_jzmodel;
    QList<NetProductModel> m_jzDataArray;
    QList<QPair<QString, QString>> m_rows; // caption, content
    QString m_fxgm;
    QPointer<RXLineChartView> m_lineChartView;
    QLabel *m_noValues = nullptr; // "暂无净值数据", made when a trust has none
};
