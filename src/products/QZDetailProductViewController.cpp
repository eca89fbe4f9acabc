#include "QZDetailProductViewController.h"

#include "ui_QZDetailProductViewController.h"

#include "AppointmentModel.h"
#include "BaseNavigationViewController.h"
#include "Constant.h"
#include "FunctionCodes.h"
#include "NotificationCenter.h"
#include "ProductTexts.h"
#include "QZDetailProductTableViewCell.h"
#include "QZMoreDetailViewController.h"
#include "SessionStore.h"

namespace {

constexpr int kFieldRows = 15;
constexpr int kMoreRow = kFieldRows + 1; // row 16, "更多详情"
constexpr int kButtonsHeight = 50;
const QString kFromMessages = QStringLiteral("我的消息");

} // namespace

QZDetailProductViewController::QZDetailProductViewController(QWidget *parent)
    : RootViewController(parent), m_ui(new Ui::QZDetailProductViewController)
{
    m_ui->setupUi(this);
    m_booking = new ProductBooking(
        this, ProductBooking::Kind::Product,
        {m_ui->yuyueButton, m_ui->teleyuyueButton, m_ui->bottomBar, kButtonsHeight});
    setMainButton(m_ui->yuyueButton);
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
    m_booking->setProduct(m_model.w_cpdm, m_model.w_qdje);
}

void QZDetailProductViewController::initUserData()
{
    if (!Constant::shareConstant()->currentUser())
        return;
    sendRequest(
        FunctionCode::Bookings,
        {{QStringLiteral("khbh"), SessionStore::currentCustomer().khbh},
         {QStringLiteral("cpdm"), m_model.w_cpdm},
         {QStringLiteral("yyzt"), QStringLiteral("1,2")}},
        {},
        [this](const ResponseEnvelope &answer) {
            const bool open = !answer.recordsAs<AppointmentModel>().isEmpty();
            m_state = open ? Booking::Enquiry::Processing : Booking::Enquiry::NoOpenBooking;
            changeProduceBuyAbleState();
        },
        OnFailure{.then = [this]() {
            m_state = Booking::Enquiry::Failed;
            changeProduceBuyAbleState();
        }});
}

void QZDetailProductViewController::changeProduceBuyAbleState()
{
    m_booking->applyLook(
        Booking::buttonLook(m_model.w_xszt, m_model.w_zt, m_state, m_booking->look().title));
}

void QZDetailProductViewController::yuyueClick()
{
    m_booking->yuyueClick();
}

void QZDetailProductViewController::teleyuyueClcik()
{
    m_booking->teleyuyueClcik();
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
