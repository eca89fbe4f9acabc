#pragma once

#include "ProductAnnouncementsModel.h"
#include "RootViewController.h"
#include "TableView.h"

namespace Ui {
class QZMoreDetailViewController;
}

// "更多详情": the announcements of a product the customer may see, or a note that there
// are none yet. Customers who hold the product see the most.
class QZMoreDetailViewController : public RootViewController,
                                   public TableViewDataSource,
                                   public TableViewDelegate
{
    Q_OBJECT
    Q_PROPERTY(QString detailLabeltitle READ detailLabeltitle WRITE setDetailLabeltitle)
    Q_PROPERTY(QString cpdm READ cpdm WRITE setCpdm)
    Q_PROPERTY(QString belongto READ belongto WRITE setBelongto)

public:
    explicit QZMoreDetailViewController(QWidget *parent = nullptr);
    ~QZMoreDetailViewController() override;

    QString detailLabeltitle() const { return m_detailLabeltitle; }
    void setDetailLabeltitle(const QString &title) { m_detailLabeltitle = title; }
    QString cpdm() const { return m_cpdm; }
    void setCpdm(const QString &cpdm) { m_cpdm = cpdm; }
    QString belongto() const { return m_belongto; }
    void setBelongto(const QString &belongto) { m_belongto = belongto; }
    const QList<ProductAnnouncementsModel> &dataArray() const { return m_announcements; }

    // The announcement level asked for: 3 for holders, 2 for signed-in customers, else 1.
    static QString noticeLevel(bool isBuyCust, bool signedIn);

    void LeftNavigationButtonClick() override;

    int numberOfRowsInSection(TableView *tableView, int section) override;
    TableViewCell *cellForRowAtIndexPath(TableView *tableView, const IndexPath &indexPath) override;
    void didSelectRowAtIndexPath(TableView *tableView, const IndexPath &indexPath) override;

protected:
    void viewDidLoad() override;
    void initNav() override;
    void initUI() override;
    void initData() override;

private:
    Ui::QZMoreDetailViewController *m_ui;
    QString m_detailLabeltitle;
    QString m_cpdm;
    QString m_belongto;
    bool m_isBuyCust = false;
    QList<ProductAnnouncementsModel> m_announcements;
};
