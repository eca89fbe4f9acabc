#include "QZAppointmentedViewController.h"

#include "ui_QZAppointmentedViewController.h"

#include "BaseNavigationViewController.h"
#include "BookingRecords.h"
#include "FunctionCodes.h"
#include "HoldingsListStyle.h"
#include "NotificationCenter.h"
#include "QZAppointmentedTableViewCell.h"
#include "SessionStore.h"

namespace {

constexpr int kRowHeight = 140;

} // namespace

QZAppointmentedViewController::QZAppointmentedViewController(QWidget *parent)
    : RootViewController(parent), m_ui(new Ui::QZAppointmentedViewController), m_delete(this)
{
    m_ui->setupUi(this);
    m_ui->emptyView->hide();
    connect(m_ui->wyyButton, &QPushButton::clicked, this,
            &QZAppointmentedViewController::goToProducts);
}

QZAppointmentedViewController::~QZAppointmentedViewController()
{
    delete m_ui;
}

void QZAppointmentedViewController::initNav()
{
    setTitle(QStringLiteral("已预约的产品"));
    createLeftNavigationItem(QStringLiteral("return.png"), QString());
}

void QZAppointmentedViewController::initUI()
{
    HoldingsListStyle::apply(m_ui->tableView, this, this, kRowHeight);
    PagedQuery query{FunctionCode::Bookings,
                     {{QStringLiteral("khbh"), SessionStore::currentCustomer().khbh}},
                     {{QStringLiteral("yyzt_sort"), QStringLiteral("asc")},
                      {QStringLiteral("yysj"), QStringLiteral("desc")}}};
    // Later pages name the customer as stored at sign-in.
    query.laterPageParams = []() {
        return QJsonObject{
            {QStringLiteral("khbh"), SessionStore::myDicValue(QStringLiteral("khbh"))}};
    };
    m_pages = std::make_unique<PagedListLoader>(
        this, m_ui->tableView, query, [this](const ResponseEnvelope &answer, bool firstPage) {
            // A first page replaces the list, also when it is pulled down to refresh.
            if (firstPage)
                m_dataArray.clear();
            m_dataArray.append(answer.recordsAs<modelForAppointedProd>());
            if (firstPage) {
                const bool none = answer.records().isEmpty();
                m_ui->tableView->setVisible(!none);
                m_ui->emptyView->setVisible(none);
            }
        });
    m_ui->tableView->addLoadMoreFooter([this]() { footerRereshing(); });
}

void QZAppointmentedViewController::initData()
{
    m_dataArray.clear();
    m_pages->loadFirstPage();
}

void QZAppointmentedViewController::footerRereshing()
{
    m_pages->loadNextPage(int(m_dataArray.size()));
}

void QZAppointmentedViewController::deleteBooking(const modelForAppointedProd &booking)
{
    m_delete.sendAction(FunctionCode::BookingAction,
                        BookingRecords::deleteParams(SessionStore::currentCustomer().khbh, booking),
                        [](const ServerChange::Reply &reply, const ResponseEnvelope &) {
                            if (auto *screen = reply.screen<QZAppointmentedViewController>())
                                screen->initData();
                            reply.showToast(QStringLiteral("预约产品删除成功"), 1.0);
                        });
}

void QZAppointmentedViewController::goToProducts()
{
    if (navigationController())
        navigationController()->popViewControllerAnimated(true);
    postNotification(Notification::Change1);
    postNotification(Notification::Appearance);
}

void QZAppointmentedViewController::LeftNavigationButtonClick()
{
    goBack(Notification::Appearance);
}

int QZAppointmentedViewController::numberOfRowsInSection(TableView *, int)
{
    return int(m_dataArray.size());
}

TableViewCell *QZAppointmentedViewController::cellForRowAtIndexPath(TableView *tableView,
                                                                    const IndexPath &indexPath)
{
    auto *cell = tableView->dequeueReusableCell<QZAppointmentedTableViewCell>();
    const modelForAppointedProd booking = m_dataArray.at(indexPath.row);
    cell->setBooking(booking);
    cell->setButton([this, booking](const QString &) { deleteBooking(booking); });
    return cell;
}

void QZAppointmentedViewController::didSelectRowAtIndexPath(TableView *tableView,
                                                            const IndexPath &indexPath)
{
    tableView->deselectRowAtIndexPath(indexPath, true);
}
