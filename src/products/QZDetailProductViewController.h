#pragma once

#include "Booking.h"
#include "ProductBooking.h"
#include "RootViewController.h"
#include "TableView.h"
#include "modelForProd.h"

namespace Ui {
class QZDetailProductViewController;
}

// "产品详情": one product's fifteen fields, the customer's booking state for it, booking
// with an amount and a telephone number, booking by telephone, and its announcements.
class QZDetailProductViewController : public RootViewController,
                                      public TableViewDataSource,
                                      public TableViewDelegate
{
    Q_OBJECT
    Q_PROPERTY(modelForProd model READ model WRITE setModel)
    Q_PROPERTY(QString belongto READ belongto WRITE setBelongto)

public:
    explicit QZDetailProductViewController(QWidget *parent = nullptr);
    ~QZDetailProductViewController() override;

    modelForProd model() const { return m_model; }
    void setModel(const modelForProd &model) { m_model = model; }
    QString belongto() const { return m_belongto; }
    void setBelongto(const QString &belongto) { m_belongto = belongto; }
    Booking::Enquiry state() const { return m_state; }

    void LeftNavigationButtonClick() override;
    void yuyueClick();
    void teleyuyueClcik();
    void nextClick();

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
    void initUserData();
    void changeProduceBuyAbleState();

    Ui::QZDetailProductViewController *m_ui;
    ProductBooking *m_booking = nullptr;
    modelForProd m_model;
    QString m_belongto;
    Booking::Enquiry m_state = Booking::Enquiry::Unknown;
    QList<QPair<QString, QString>> m_rows; // caption, content
};
