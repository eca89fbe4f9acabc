#include "QZMessageViewController.h"

#include "ui_QZMessageViewController.h"

#include "FunctionCodes.h"
#include "MessageTableViewCell.h"
#include "MessageTexts.h"
#include "NotificationCenter.h"
#include "SessionStore.h"

#include <QScrollBar>

namespace {
const QString kTitle = QStringLiteral("我的消息");
constexpr int kRowHeight = 120;
} // namespace

QZMessageViewController::QZMessageViewController(QWidget *parent)
    : RootViewController(parent), m_ui(new Ui::QZMessageViewController)
{
    m_ui->setupUi(this);
    m_ui->tableView->addLoadMoreFooter([this]() { footerRereshing(); });
}

QZMessageViewController::~QZMessageViewController()
{
    delete m_ui;
}

void QZMessageViewController::initNav()
{
    setTitle(kTitle);
    createLeftNavigationItem(QStringLiteral("return.png"), QString());
}

void QZMessageViewController::initUI()
{
    TableView *table = m_ui->tableView;
    // The list exists before the table first asks for its rows.
    const QZLoginModel &customer = SessionStore::currentCustomer();
    PagedQuery query{FunctionCode::Messages,
                     {{QStringLiteral("khbh"), customer.khbh},
                      {QStringLiteral("send_cust"), customer.khlx},
                      {QStringLiteral("query_today"), QStringLiteral("true")},
                      {QStringLiteral("include_product_message"), QStringLiteral("true")},
                      {QStringLiteral("system_type"), QStringLiteral("3")}},
                     {{QStringLiteral("send_time"), QStringLiteral("desc")}}};
    query.emptyText = QStringLiteral("暂无消息");
    m_messages = std::make_unique<PagedList<QZMessageModel>>(this, table, query);
    table->setDataSource(this);
    table->setDelegate(this);
    table->setStyle(TableView::Style::Grouped); // the grey background
    table->setSectionHeaderHeight(0);
    table->setRowHeight(kRowHeight);
    table->setSeparatorsVisible(false);
    table->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
}

void QZMessageViewController::viewWillAppear(bool animated)
{
    RootViewController::viewWillAppear(animated);
    // Coming back from a message shows its read mark: the list starts again from the top.
    m_messages->loadFirstPage();
}

void QZMessageViewController::footerRereshing()
{
    m_messages->loadNextPage();
}

void QZMessageViewController::LeftNavigationButtonClick()
{
    goBack(Notification::Appearance);
}

int QZMessageViewController::numberOfRowsInSection(TableView *, int)
{
    return m_messages->size();
}

TableViewCell *QZMessageViewController::cellForRowAtIndexPath(TableView *tableView,
                                                              const IndexPath &indexPath)
{
    auto *cell = tableView->dequeueReusableCell<MessageTableViewCell>();
    cell->setMessage(m_messages->records().at(indexPath.row));
    return cell;
}

void QZMessageViewController::didSelectRowAtIndexPath(TableView *tableView,
                                                      const IndexPath &indexPath)
{
    tableView->deselectRowAtIndexPath(indexPath, true);
    const QZMessageModel message = m_messages->records().at(indexPath.row);
    m_newsId = message.obj_id;
    m_readDataArray.clear();
    markRead(message);
    // The target opens at once; the read mark's answer comes whenever it comes.
    switch (MessageTexts::targetOf(message.message_type)) {
    case MessageTexts::Target::Article:
        pushScreenNamed(
            QStringLiteral("QZInfomationDetailViewController"),
            {{QStringLiteral("newsId"), m_newsId}, {QStringLiteral("belongto"), kTitle}});
        break;
    case MessageTexts::Target::Product:
        openProduct(message.w_cpdm);
        break;
    case MessageTexts::Target::Nothing:
        break;
    }
}

void QZMessageViewController::markRead(const QZMessageModel &message)
{
    const QZLoginModel &customer = SessionStore::currentCustomer();
    sendAction(FunctionCode::MarkMessageRead,
               {{QStringLiteral("khbh"), customer.khbh},
                {QStringLiteral("send_cust"), customer.khlx},
                {QStringLiteral("message_id"), message.target_id},
                {QStringLiteral("message_type"), message.message_type},
                {QStringLiteral("message_status"), QStringLiteral("1")}},
               [this](const ResponseEnvelope &answer) {
                   m_readDataArray.append(answer.recordsAs<ReadedMesModel>());
                   m_ui->tableView->reloadData();
               });
}

void QZMessageViewController::openProduct(const QString &w_cpdm)
{
    sendRequest(FunctionCode::TrustProducts, {{QStringLiteral("w_cpdm"), w_cpdm}}, ParamsExt(),
                [this](const ResponseEnvelope &answer) {
                    const QList<modelForProd> products = answer.recordsAs<modelForProd>();
                    if (products.isEmpty())
                        return;
                    m_modelx = products.first();
                    pushScreenNamed(QStringLiteral("QZDetailProductViewController"),
                                    {{QStringLiteral("model"), RecordMapper::toJson(m_modelx)},
                                     {QStringLiteral("belongto"), kTitle}});
                });
}
