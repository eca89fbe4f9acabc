#pragma once

#include "KhxxModel.h"
#include "RootViewController.h"
#include "ServerChange.h"
#include "SettingRows.h"
#include "TableView.h"

#include <QStringList>

namespace Ui {
class QZSettingViewController;
}

// "账户设置": the signed-in customer's profile with the change of sex, the changes of e-mail
// address, mobile number and password, and the gesture lock's switch. Shown to nobody, it
// forgets the stored password and closes.
class QZSettingViewController final : public RootViewController,
                                      private TableViewDataSource,
                                      private TableViewDelegate
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(QZSettingViewController)

public:
    explicit QZSettingViewController(QWidget *parent = nullptr);
    ~QZSettingViewController() override;

    const QList<KhxxModel> &khxxArray() const { return m_khxxArray; }
    const QStringList &detailArray() const { return m_detailArray; }
    int changeSex() const { return int(m_changeSex); }

    void LeftNavigationButtonClick() override;

private:
    void initNav() override;
    void initUI() override;
    void initData() override;
    void viewWillAppear(bool animated) override;
    void viewDidAppear(bool animated) override;

    int numberOfSectionsInTableView(TableView *tableView) override;
    int numberOfRowsInSection(TableView *tableView, int section) override;
    int heightForFooterInSection(TableView *tableView, int section) override;
    TableViewCell *cellForRowAtIndexPath(TableView *tableView, const IndexPath &indexPath) override;
    void didSelectRowAtIndexPath(TableView *tableView, const IndexPath &indexPath) override;

    QList<SettingRow> rowsOf(int section) const;
    void btnClick(bool switchOn);
    void openGestureLock(uint type);
    void xzxb();
    void chaangSex(SettingRows::PickedSex picked);

    Ui::QZSettingViewController *m_ui;
    ServerChange m_sexChange;
    QList<KhxxModel> m_khxxArray;
    QStringList m_detailArray;
    SettingRows::PickedSex m_changeSex = SettingRows::PickedSex::None;
    bool m_leaving = false;
};
