#pragma once

#include "PagedList.h"
#include "PurchasedProductsModel.h"
#include "QZMessageModel.h"
#include "ReadedMesModel.h"
#include "RootViewController.h"
#include "TableView.h"
#include "modelForProd.h"

#include <memory>

namespace Ui {
class QZMessageViewController;
}

// "我的消息": the customer's messages, newest first, ten at a time, from the first page each
// time the screen appears. Selecting one marks it read and opens the article or the
// product it names.
class QZMessageViewController final : public RootViewController,
                                      private TableViewDataSource,
                                      private TableViewDelegate
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(QZMessageViewController)
    // Set by the account overview; the list does not use it.
    Q_PROPERTY(
        QList<PurchasedProductsModel> productsArray READ productsArray WRITE setProductsArray)

public:
    explicit QZMessageViewController(QWidget *parent = nullptr);
    ~QZMessageViewController() override;

    QList<PurchasedProductsModel> productsArray() const { return m_productsArray; }
    void setProductsArray(const QList<PurchasedProductsModel> &products)
    {
        m_productsArray = products;
    }
    const QList<QZMessageModel> &dataArray() const { return m_messages->records(); }
    const QList<ReadedMesModel> &readDataArray() const { return m_readDataArray; }
    QString newsId() const { return m_newsId; }
    modelForProd modelx() const { return m_modelx; }

    void footerRereshing();
    void LeftNavigationButtonClick() override;

private:
    void initNav() override;
    void initUI() override;
    void viewWillAppear(bool animated) override;

    int numberOfRowsInSection(TableView *tableView, int section) override;
    TableViewCell *cellForRowAtIndexPath(TableView *tableView, const IndexPath &indexPath) override;
    void didSelectRowAtIndexPath(TableView *tableView, const IndexPath &indexPath) override;

    void markRead(const QZMessageModel &message);
    void openProduct(const QString &w_cpdm);

    Ui::QZMessageViewController *m_ui;
    std::unique_ptr<PagedList<QZMessageModel>> m_messages;
    QList<ReadedMesModel> m_readDataArray;
    QList<PurchasedProductsModel> m_productsArray;
    QString m_newsId;
    modelForProd m_modelx;
};
