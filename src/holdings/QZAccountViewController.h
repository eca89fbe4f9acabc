#pragma once

#include "PurchasedProductsModel.h"
#include "ReturnDetailsModel.h"
#include "RootViewController.h"
#include "TableView.h"
#include "UserMoneyModel.h"
#include "modelForAppointedProd.h"

namespace Ui {
class QZAccountViewController;
}
class QLabel;
class QPushButton;
class SignInForm;

// "我的账户", the account tab. Signed out it is the sign-in form; signed in it shows the
// customer's figures (holdings for customers of type "3"), four header areas opening the
// holdings screens, a three-row menu, the settings button and the messages bell.
class QZAccountViewController final : public RootViewController,
                                      public TableViewDataSource,
                                      public TableViewDelegate
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(QZAccountViewController)

public:
    explicit QZAccountViewController(QWidget *parent = nullptr);
    ~QZAccountViewController() override;

    const QList<UserMoneyModel> &userMoneyDataArray() const { return m_userMoneyDataArray; }
    const QList<UserMoneyModel> &wdfMoneyDataArray() const { return m_wdfMoneyDataArray; }
    const QList<PurchasedProductsModel> &productsDataArray() const { return m_productsDataArray; }
    const QList<ReturnDetailsModel> &profitDataArray() const { return m_profitDataArray; }
    const QList<modelForAppointedProd> &yydataArray() const { return m_yydataArray; }

    void LeftNavigationButtonClick() override;  // "账户设置"
    void RightNavigationButtonClick() override; // the bell

    int numberOfRowsInSection(TableView *tableView, int section) override;
    TableViewCell *cellForRowAtIndexPath(TableView *tableView, const IndexPath &indexPath) override;
    void didSelectRowAtIndexPath(TableView *tableView, const IndexPath &indexPath) override;

protected:
    void viewDidLoad() override;
    void viewWillAppear(bool animated) override;
    void viewDidDisappear(bool animated) override;
    void initNav() override;
    void initUI() override;
    void textFieldShouldReturn(QLineEdit *field) override;

private:
    void changeViewStatus();
    void loadFigures();
    void loadContracts(bool validOnly);
    void loadIncome();
    void loadUnreadCount();
    void loadBookings();
    void showZeroFigures();
    void signIn();
    void askToSignOut();
    void exitAccount();

    Ui::QZAccountViewController *m_ui;
    SignInForm *m_form = nullptr;
    QPushButton *m_settingsButton = nullptr; // "账户设置", on the left of the bar
    QPushButton *m_bell = nullptr;           // the bell's enlarged touch area
    QPushButton *m_messageBut = nullptr;     // the unread badge
    QList<UserMoneyModel> m_userMoneyDataArray;
    QList<UserMoneyModel> m_wdfMoneyDataArray;
    QList<PurchasedProductsModel> m_productsDataArray;
    QList<ReturnDetailsModel> m_profitDataArray;
    QList<modelForAppointedProd> m_yydataArray;
    double m_wdbj = -1.0;
    bool m_lastLoginState = false;
};
