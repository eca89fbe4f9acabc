#include "QZAccountViewController.h"

#include "ui_QZAccountViewController.h"

#include "AccountTexts.h"
#include "AlertController.h"
#include "BaseNavigationViewController.h"
#include "Constant.h"
#include "FunctionCodes.h"
#include "JfwjsViewController.h"
#include "MessageNumModel.h"
#include "NavigationItem.h"
#include "NotificationCenter.h"
#include "QZAccountTableViewCell.h"
#include "QZAppointmentedViewController.h"
#include "QZBoughtViewController.h"
#include "QZProfitViewController.h"
#include "QZTradeViewController.h"
#include "RecordMapper.h"
#include "SessionStore.h"
#include "SignInForm.h"
#include "SignInFormView.h"
#include "TextValue.h"
#include "UiImage.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {

struct MenuEntry
{
    const char *image;
    const char *name;
};

constexpr MenuEntry kMenu[] = {{"folder", "积分管理"}, {"tea", "客户活动"}, {"tc", "退出当前帐户"}};
constexpr int kSignOutRow = 2;

QJsonObject holdingsQuery(const QString &crmkhbh)
{
    return {{QStringLiteral("cus_id"), crmkhbh},
            {QStringLiteral("start_date"), QString()},
            {QStringLiteral("end_date"), QString()}};
}

} // namespace

QZAccountViewController::QZAccountViewController(QWidget *parent)
    : RootViewController(parent), m_ui(new Ui::QZAccountViewController)
{
    m_ui->setupUi(this);
    m_form = new SignInForm(this, m_ui->formView);
    setMainButton(m_ui->formView->loginButton());

    connect(m_ui->formView->loginButton(), &QPushButton::clicked, this,
            &QZAccountViewController::signIn);
    connect(m_ui->formView->registerButton(), &QPushButton::clicked, this,
            [this]() { pushScreenNamed(QStringLiteral("QZRegister1ViewController")); });
    connect(m_ui->formView->forgetButton(), &QPushButton::clicked, this,
            [this]() { pushScreenNamed(QStringLiteral("GetphoneNumberViewController")); });
    connect(m_ui->leftControlView, &QPushButton::clicked, this, [this]() {
        auto *trade = new QZTradeViewController;
        trade->setUserMoneyArray(m_wdfMoneyDataArray);
        navigationController()->pushViewController(trade, true);
    });
    connect(m_ui->rightControlView, &QPushButton::clicked, this, [this]() {
        auto *profit = new QZProfitViewController;
        profit->setProfitArray(m_profitDataArray);
        navigationController()->pushViewController(profit, true);
    });
    connect(m_ui->buttomLeftView, &QPushButton::clicked, this, [this]() {
        auto *bought = new QZBoughtViewController;
        bought->setUserMoneyDataArray(m_userMoneyDataArray);
        navigationController()->pushViewController(bought, true);
    });
    connect(m_ui->buttomRightView, &QPushButton::clicked, this, [this]() {
        navigationController()->pushViewController(new QZAppointmentedViewController, true);
    });
}

QZAccountViewController::~QZAccountViewController()
{
    delete m_ui;
}

void QZAccountViewController::viewDidLoad()
{
    initNav();
    initUI();
    m_form->prefill();
    changeViewStatus();
    m_lastLoginState = Constant::shareConstant()->IsLogin();
}

void QZAccountViewController::initNav()
{
    setTitle(QStringLiteral("我的账户"));
    m_settingsButton = new QPushButton(QStringLiteral("账户设置"));
    m_settingsButton->setObjectName(QStringLiteral("leftButton"));
    m_settingsButton->setAccessibleName(QStringLiteral("账户设置"));
    m_settingsButton->setFlat(true);
    m_settingsButton->setFixedSize(72, 44);
    m_settingsButton->setStyleSheet(QStringLiteral(
        "QPushButton { border: none; background: transparent; color: white; font-size: 14px; }"));
    connect(m_settingsButton, &QPushButton::clicked, this,
            &QZAccountViewController::LeftNavigationButtonClick);
    navigationItem()->setLeftWidget(m_settingsButton);

    // The bell's touch area reaches well beyond the bell itself.
    m_bell = new QPushButton;
    m_bell->setObjectName(QStringLiteral("rightview"));
    m_bell->setAccessibleName(QStringLiteral("我的消息"));
    m_bell->setFlat(true);
    m_bell->setFixedSize(56, 44);
    m_bell->setIcon(UiImage::named(QStringLiteral("bell")));
    m_bell->setIconSize(QSize(21, 21));
    m_bell->setStyleSheet(QStringLiteral("QPushButton { border: none; background: transparent; }"));
    m_messageBut = new QPushButton(QStringLiteral("0"), m_bell);
    m_messageBut->setObjectName(QStringLiteral("messageBut"));
    m_messageBut->setAttribute(Qt::WA_TransparentForMouseEvents);
    m_messageBut->setGeometry(18 + 15, 12 - 5, 15, 15);
    m_messageBut->setStyleSheet(
        QStringLiteral("QPushButton { background: red; color: white; border: none;"
                       " border-radius: 7px; font-size: 9px; padding: 0; }"));
    m_messageBut->hide();
    connect(m_bell, &QPushButton::clicked, this,
            &QZAccountViewController::RightNavigationButtonClick);
    navigationItem()->setRightWidget(m_bell);
}

void QZAccountViewController::initUI()
{
    TableView *table = m_ui->tableView;
    table->setDataSource(this);
    table->setDelegate(this);
    table->setStyle(TableView::Style::Grouped);
    table->setSectionHeaderHeight(0);
    table->setRowHeight(50);
    table->setTableHeaderView(m_ui->headView);
    table->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    table->setEnabled(true);
    m_ui->formView->numberTextField()->setMaxLength(SignInForm::kNumberMaxLength);
}

void QZAccountViewController::viewWillAppear(bool)
{
    postNotification(Notification::Appearance);
    if (navigationController())
        navigationController()->setNavigationBarHidden(false);
    const auto saved = SessionStore::savedSignIn();
    m_ui->formView->passwordTextField()->setText(saved ? saved->password : QString());
    // The first showing follows the refresh of loading; asking again would send it twice.
    if (appearanceCount() == 1)
        return;
    const bool signedIn = Constant::shareConstant()->IsLogin();
    if (m_lastLoginState != signedIn) {
        changeViewStatus();
    } else if (signedIn) {
        loadUnreadCount();
        loadBookings();
    }
}

void QZAccountViewController::viewDidDisappear(bool)
{
    m_lastLoginState = Constant::shareConstant()->IsLogin();
}

void QZAccountViewController::changeViewStatus()
{
    const bool signedIn = Constant::shareConstant()->IsLogin();
    m_ui->tableView->setVisible(signedIn);
    m_ui->loginView->setVisible(!signedIn);
    navigationItem()->setWidgetsHidden(!signedIn);
    if (!signedIn)
        return;
    m_ui->tableView->reloadData();
    if (SessionStore::currentCustomer().khlx == QLatin1String("3"))
        loadFigures();
    else
        showZeroFigures();
    loadUnreadCount();
    loadBookings();
}

void QZAccountViewController::showZeroFigures()
{
    m_ui->totalMoney->setText(QStringLiteral("0.00元"));
    m_ui->productsNum->setText(QStringLiteral("0"));
    m_ui->totalIncome->setText(QStringLiteral("0.00元"));
    m_ui->zzcLabel->setText(QStringLiteral("0.00元"));
}

void QZAccountViewController::loadFigures()
{
    QJsonObject purchased = holdingsQuery(SessionStore::currentCustomer().crmkhbh);
    purchased.insert(QStringLiteral("project_id"), QString());
    purchased.insert(QStringLiteral("cy"), QStringLiteral("1"));
    purchased.insert(QStringLiteral("zt"), QString());
    m_ui->productsNum->setText(QStringLiteral("0"));
    sendRequest(FunctionCode::PurchasedProducts, purchased,
                Request::paging(10, 0, {{QStringLiteral("ksrq"), QStringLiteral("desc")}}),
                [this](const ResponseEnvelope &answer) {
                    m_productsDataArray = answer.recordsAs<PurchasedProductsModel>();
                });
    loadContracts(false);
    loadContracts(true);
    loadIncome();
}

void QZAccountViewController::loadContracts(bool validOnly)
{
    QJsonObject params = holdingsQuery(SessionStore::currentCustomer().crmkhbh);
    params.insert(QStringLiteral("product_name"), QString());
    params.insert(QStringLiteral("cp_status"), QStringLiteral("0"));
    if (validOnly)
        params.insert(QStringLiteral("sfyx"), QStringLiteral("0"));
    sendRequest(
        FunctionCode::Contracts, params,
        Request::paging(1000, 0, {{QStringLiteral("ksrq"), QStringLiteral("desc")}}),
        [this, validOnly](const ResponseEnvelope &answer) {
            finishLoadingView();
            const auto contracts = answer.recordsAs<UserMoneyModel>();
            const double total =
                contracts.isEmpty() ? 0 : TextValue::doubleValue(contracts.first().zhtyxje);
            // Both answers write the holdings; the later one decides.
            m_ui->totalMoney->setText(AccountTexts::tenThousandsText(total));
            if (validOnly) {
                m_wdfMoneyDataArray = contracts;
                return;
            }
            m_userMoneyDataArray = contracts;
            m_wdbj = total;
            m_ui->zzcLabel->setText(AccountTexts::tenThousandsFigure(m_wdbj));
            m_ui->productsNum->setText(QString::number(contracts.size()));
        },
        OnFailure{.then = [this]() { finishLoadingView(); }});
}

void QZAccountViewController::loadIncome()
{
    initLoadingView();
    QJsonObject params = holdingsQuery(SessionStore::currentCustomer().crmkhbh);
    params.insert(QStringLiteral("cpmc"), QString());
    params.insert(QStringLiteral("sffb"), QStringLiteral("0"));
    params.insert(QStringLiteral("htid"), QString());
    sendRequest(
        FunctionCode::IncomeDistributions, params,
        Request::paging(1000, 0, {{QStringLiteral("fprq"), QStringLiteral("desc")}}),
        [this](const ResponseEnvelope &answer) {
            finishLoadingView();
            m_profitDataArray = answer.recordsAs<ReturnDetailsModel>();
            if (const auto income = AccountTexts::incomeText(m_profitDataArray))
                m_ui->totalIncome->setText(*income);
        },
        OnFailure{.then = [this]() { finishLoadingView(); }});
}

void QZAccountViewController::loadUnreadCount()
{
    const QZLoginModel &customer = SessionStore::currentCustomer();
    sendRequest(
        FunctionCode::UnreadMessageCount,
        {{QStringLiteral("khbh"), customer.khbh},
         {QStringLiteral("send_cust"), customer.khlx},
         {QStringLiteral("system_type"), QStringLiteral("3")}},
        {}, [this](const ResponseEnvelope &answer) {
            const auto badge = AccountTexts::unreadBadge(answer.recordsAs<MessageNumModel>());
            m_messageBut->setText(badge.value_or(QStringLiteral("0")));
            m_messageBut->setVisible(badge.has_value());
            m_bell->setAccessibleName(badge ? QStringLiteral("我的消息，%1条未读").arg(*badge)
                                            : QStringLiteral("我的消息"));
        });
}

void QZAccountViewController::loadBookings()
{
    // The count of bookings is no reason to trouble the customer when it cannot be had.
    sendRequest(
        FunctionCode::Bookings, {{QStringLiteral("khbh"), SessionStore::currentCustomer().khbh}},
        Request::paging(1000, 0, {{QStringLiteral("yysj"), QStringLiteral("desc")}}),
        [this](const ResponseEnvelope &answer) {
            m_yydataArray = answer.recordsAs<modelForAppointedProd>();
            m_ui->yyLabel->setText(QString::number(m_yydataArray.size()));
            m_ui->tableView->reloadData();
        },
        OnFailure::silent());
}

void QZAccountViewController::textFieldShouldReturn(QLineEdit *field)
{
    RootViewController::textFieldShouldReturn(field);
    signIn();
}

void QZAccountViewController::signIn()
{
    endEditing();
    m_form->submit(0.5, [this]() { changeViewStatus(); });
}

void QZAccountViewController::askToSignOut()
{
    auto *alert = new AlertController(this, QStringLiteral("确定退出吗？"), QString());
    alert->addAction(QStringLiteral("确定"), AlertController::ActionStyle::Default,
                     [this]() { exitAccount(); });
    alert->addAction(QStringLiteral("取消"), AlertController::ActionStyle::Cancel);
    alert->open();
}

void QZAccountViewController::exitAccount()
{
    SessionStore::exitAccount();
    m_ui->formView->passwordTextField()->clear();
    changeViewStatus();
}

void QZAccountViewController::LeftNavigationButtonClick()
{
    pushScreenNamed(QStringLiteral("QZSettingViewController"));
}

void QZAccountViewController::RightNavigationButtonClick()
{
    pushScreenNamed(
        QStringLiteral("QZMessageViewController"),
        {{QStringLiteral("productsArray"), RecordMapper::toJsonArray(m_productsDataArray)}});
}

int QZAccountViewController::numberOfRowsInSection(TableView *, int)
{
    return int(std::size(kMenu));
}

TableViewCell *QZAccountViewController::cellForRowAtIndexPath(TableView *tableView,
                                                              const IndexPath &indexPath)
{
    auto *cell = tableView->dequeueReusableCell<QZAccountTableViewCell>();
    const MenuEntry &entry = kMenu[indexPath.row];
    cell->setEntry(QString::fromLatin1(entry.image), QString::fromUtf8(entry.name),
                   indexPath.row != kSignOutRow);
    return cell;
}

void QZAccountViewController::didSelectRowAtIndexPath(TableView *tableView,
                                                      const IndexPath &indexPath)
{
    tableView->deselectRowAtIndexPath(indexPath, true);
    switch (indexPath.row) {
    case 0:
        navigationController()->pushViewController(new JfwjsViewController, true);
        break;
    case 1:
        pushScreenNamed(QStringLiteral("QZactivityViewController"));
        break;
    case kSignOutRow:
        askToSignOut();
        break;
    default:
        break;
    }
}
