#include "QZDetailProductViewController.h"

#include "ui_QZDetailProductViewController.h"

#include "AlertController.h"
#include "AppointmentModel.h"
#include "BaseNavigationViewController.h"
#include "BookingForm.h"
#include "Constant.h"
#include "FunctionCodes.h"
#include "NotificationCenter.h"
#include "ProductTexts.h"
#include "QZDetailProductTableViewCell.h"
#include "QZMoreDetailViewController.h"
#include "Telephone.h"

namespace {

constexpr int kFieldRows = 15;
constexpr int kMoreRow = kFieldRows + 1; // row 16, "更多详情"
const QString kFromMessages = QStringLiteral("我的消息");

QString customerNumber()
{
    const auto &user = Constant::shareConstant()->currentUser();
    return user ? user->khbh : QString();
}

} // namespace

QZDetailProductViewController::QZDetailProductViewController(QWidget *parent)
    : RootViewController(parent), m_ui(new Ui::QZDetailProductViewController)
{
    m_ui->setupUi(this);
}

QZDetailProductViewController::~QZDetailProductViewController()
{
    delete m_ui;
}

void QZDetailProductViewController::viewDidLoad()
{
    m_state = Booking::Enquiry::Unknown;
    changeProduceBuyAbleState();
    initNav();
    initData();
    initUI();
    initUserData();
}

void QZDetailProductViewController::viewWillAppear(bool)
{
    // The first appearance follows the enquiry viewDidLoad has just sent; asking twice
    // would only stack two network alerts when the gateway is unreachable.
    if (Constant::shareConstant()->IsLogin() && appearanceCount() > 1)
        initUserData();
    changeProduceBuyAbleState();
}

void QZDetailProductViewController::initNav()
{
    setTitle(QStringLiteral("产品详情"));
    createLeftNavigationItem(QStringLiteral("return.png"), QString());
}

void QZDetailProductViewController::initData()
{
    m_rows = ProductTexts::detailRows(m_model);
}

void QZDetailProductViewController::initUI()
{
    m_ui->nhsylLabel->setText(ProductTexts::yieldText(m_model.w_yqnhsyl));
    m_ui->rgqdLabel->setText(m_rows.at(9).second);
    m_ui->tzqxLabel->setText(m_model.w_xtqx);
    m_ui->fpfsLabel->setText(m_rows.at(10).second);

    TableView *table = m_ui->tableView;
    table->setDataSource(this);
    table->setDelegate(this);
    table->setStyle(TableView::Style::Grouped);
    table->setSectionHeaderHeight(0);
    table->setRowHeight(TableView::kAutomaticDimension);
    table->setEstimatedRowHeight(72);
    table->setTableHeaderView(m_ui->tableHeadView);
    table->reloadData();

    connect(m_ui->yuyueButton, &QPushButton::clicked, this,
            &QZDetailProductViewController::yuyueClick);
    connect(m_ui->teleyuyueButton, &QPushButton::clicked, this,
            &QZDetailProductViewController::teleyuyueClcik);
}

void QZDetailProductViewController::initUserData()
{
    const QString khbh = customerNumber();
    if (!Constant::shareConstant()->currentUser())
        return;
    sendRequest(
        FunctionCode::Bookings,
        {{QStringLiteral("khbh"), khbh},
         {QStringLiteral("cpdm"), m_model.w_cpdm},
         {QStringLiteral("yyzt"), QStringLiteral("1,2")}},
        {},
        [this](const ResponseEnvelope &answer) {
            const bool open = !answer.recordsAs<AppointmentModel>().isEmpty();
            m_state = open ? Booking::Enquiry::Processing : Booking::Enquiry::NoOpenBooking;
            changeProduceBuyAbleState();
        },
        [this](const QString &) {
            m_state = Booking::Enquiry::Failed;
            changeProduceBuyAbleState();
            createUIAlertControllerWithNSString(QStringLiteral("您还没有连接到网络"));
        });
}

void QZDetailProductViewController::changeProduceBuyAbleState()
{
    applyLook(
        Booking::buttonLook(m_model.w_xszt, m_model.w_zt, m_state, m_ui->yuyueButton->text()));
}

void QZDetailProductViewController::applyLook(const Booking::ButtonLook &look)
{
    BookingForm::applyLook(look, m_ui->yuyueButton, m_ui->teleyuyueButton, m_ui->bottomBar, 50);
}

void QZDetailProductViewController::yuyueClick()
{
    if (!Constant::shareConstant()->currentUser()) {
        BookingForm::askToSignIn(this);
        return;
    }
    BookingForm::show(this, m_model.w_qdje, true,
                      [this](const QString &yyje, const QString &phone) { book(yyje, phone); });
}

void QZDetailProductViewController::book(const QString &yyje, const QString &phone)
{
    sendAction(FunctionCode::BookingAction,
               Booking::addParams(customerNumber(), m_model.w_cpdm, yyje, phone),
               [this](const ResponseEnvelope &) {
                   applyLook(Booking::processingLook());
                   auto *done =
                       new AlertController(this, QString(),
                                           QStringLiteral("您好！您已经成功提交澄岚信托的产品预约请"
                                                          "求,我们的客户经理会尽快与您取得联系。"));
                   done->addAction(QStringLiteral("关闭"), AlertController::ActionStyle::Cancel);
                   done->show();
               });
}

void QZDetailProductViewController::teleyuyueClcik()
{
    Telephone::askToCallHotline(this, Booking::telephoneBookingTitle());
}

void QZDetailProductViewController::nextClick()
{
    auto *more = new QZMoreDetailViewController;
    more->setDetailLabeltitle(m_model.w_cpmc);
    more->setCpdm(m_model.w_cpdm);
    navigationController()->pushViewController(more, true);
}

void QZDetailProductViewController::LeftNavigationButtonClick()
{
    if (m_belongto != kFromMessages)
        postNotification(Notification::Appearance);
    goBack();
}

int QZDetailProductViewController::numberOfRowsInSection(TableView *, int)
{
    return kFieldRows + 2;
}

TableViewCell *QZDetailProductViewController::cellForRowAtIndexPath(TableView *tableView,
                                                                    const IndexPath &indexPath)
{
    auto *cell = tableView->dequeueReusableCell<QZDetailProductTableViewCell>();
    cell->nextButton()->disconnect(this);
    if (indexPath.row == 0) {
        cell->showHeading(QStringLiteral("产品要素"), false);
    } else if (indexPath.row == kMoreRow) {
        cell->showHeading(QStringLiteral("更多详情"), true);
        connect(cell->nextButton(), &QPushButton::clicked, this,
                &QZDetailProductViewController::nextClick);
    } else {
        const auto &row = m_rows.at(indexPath.row - 1);
        cell->showField(row.first, row.second);
    }
    return cell;
}

void QZDetailProductViewController::didSelectRowAtIndexPath(TableView *tableView,
                                                            const IndexPath &indexPath)
{
    tableView->deselectRowAtIndexPath(indexPath, true);
    if (indexPath.row == kMoreRow)
        nextClick();
}
