#include "QZProfitEnquiriesViewController.h"

#include "ui_QZProfitEnquiriesViewController.h"

#include "FunctionCodes.h"
#include "HoldingsListStyle.h"
#include "HoldingsQueries.h"
#include "IncomeDetail.h"
#include "IncomeTableViewCell.h"
#include "SessionStore.h"
#include "UiColor.h"

QZProfitEnquiriesViewController::QZProfitEnquiriesViewController(QWidget *parent)
    : RootViewController(parent), m_ui(new Ui::QZProfitEnquiriesViewController)
{
    m_ui->setupUi(this);
}

QZProfitEnquiriesViewController::~QZProfitEnquiriesViewController()
{
    delete m_ui;
}

void QZProfitEnquiriesViewController::initNav()
{
    setTitle(m_model.cpqc);
    createLeftNavigationItem(QStringLiteral("return.png"), QString());
}

void QZProfitEnquiriesViewController::initUI()
{
    HoldingsListStyle::apply(m_ui->tableView, this, this, 55);
    m_ui->tableView->setTableHeaderView(m_ui->headView);
    m_ui->tableView->setTableFooterView(m_ui->isRecode);
    m_ui->progressLabelB->hide();
}

void QZProfitEnquiriesViewController::initData()
{
    const QString crmkhbh = SessionStore::currentCustomer().crmkhbh;
    const OnFailure stopSpinner{.then = [this]() { finishLoadingView(); }};
    initLoadingView();
    sendRequest(
        FunctionCode::SpecialTransactions,
        HoldingsQueries::specialTradeParams(crmkhbh, m_model.contractno),
        HoldingsQueries::specialTradePaging(),
        [this](const ResponseEnvelope &answer) {
            finishLoadingView();
            m_specialDataArray = answer.recordsAs<SpecialTradeModel>();
            if (IncomeDetail::receivedByTransfer(m_model, m_specialDataArray,
                                                 SessionStore::currentCustomer().zjhm))
                m_isTranserReceiver = QStringLiteral("转让");
        },
        stopSpinner);
    initLoadingView();
    sendRequest(
        FunctionCode::IncomeDistributions,
        HoldingsQueries::contractIncomeParams(crmkhbh, m_model.contractno),
        HoldingsQueries::contractIncomePaging(),
        [this](const ResponseEnvelope &answer) {
            finishLoadingView();
            m_profitDataArray = answer.recordsAs<CustomerIncomeModel>();
            showHeader();
            m_ui->tableView->setTableFooterView(m_profitDataArray.isEmpty() ? m_ui->isRecode
                                                                            : nullptr);
        },
        stopSpinner);
}

void QZProfitEnquiriesViewController::showHeader()
{
    const IncomeDetail::Header h =
        IncomeDetail::header(m_model, m_profitDataArray, !m_isTranserReceiver.isEmpty());
    if (h.syfpzh)
        m_ui->syfpzhLabel->setText(*h.syfpzh);
    m_ui->yqnhsyLabel->setText(h.yield);
    m_ui->cybjLabel->setText(h.cybj);
    m_ui->ljsyLabel->setText(h.ljsy);
    m_ui->ydfsyLabel->setText(h.ljsy);
    m_ui->fpfsLabel->setText(h.fpfs);
    m_ui->qxrqLabel->setText(h.qxrq);
    m_ui->jsrqLabel->setText(h.jsrq);
    m_ui->jljsLabel->setText(h.jljs);
    m_ui->yclLabel->setText(h.ycl);
    m_ui->progressBar->setProgress(h.progress);
    m_ui->progressBar->setColors(
        UiColor::background(),
        UiColor::getColor(h.grey ? QStringLiteral("9A9A9A") : QStringLiteral("0588E5")));
    m_ui->progressLabelA->setText(h.labelA);
    m_ui->progressLabelB->setText(h.labelB);
    m_ui->progressLabelA->setVisible(h.showsA);
    m_ui->progressLabelB->setVisible(!h.showsA);
}

void QZProfitEnquiriesViewController::LeftNavigationButtonClick()
{
    goBack();
}

int QZProfitEnquiriesViewController::numberOfRowsInSection(TableView *, int)
{
    return int(m_profitDataArray.size());
}

TableViewCell *QZProfitEnquiriesViewController::cellForRowAtIndexPath(TableView *tableView,
                                                                      const IndexPath &indexPath)
{
    auto *cell = tableView->dequeueReusableCell<IncomeTableViewCell>();
    cell->setIncome(m_profitDataArray.at(indexPath.row));
    return cell;
}
