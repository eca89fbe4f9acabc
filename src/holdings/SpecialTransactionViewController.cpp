#include "SpecialTransactionViewController.h"

#include "ui_SpecialTransactionViewController.h"

#include "BaseNavigationViewController.h"
#include "FunctionCodes.h"
#include "HoldingsDateFilters.h"
#include "HoldingsQueries.h"
#include "HoldingsTexts.h"
#include "RedemptionDetailsViewController.h"
#include "SessionStore.h"
#include "SpecialTradeTableViewCell.h"
#include "TransferDetailsViewController.h"

SpecialTransactionViewController::SpecialTransactionViewController(QWidget *parent)
    : DateFilteredListScreen(HoldingsDateFilters::specialRule(),
                             {QStringLiteral("特殊交易"), 110, false}, parent),
      m_ui(new Ui::SpecialTransactionViewController)
{
    m_ui->setupUi(this);
}

SpecialTransactionViewController::~SpecialTransactionViewController()
{
    delete m_ui;
}

void SpecialTransactionViewController::initData()
{
    initLoadingView();
    sendRequest(
        FunctionCode::SpecialTransactions,
        HoldingsQueries::specialTradeParams(SessionStore::currentCustomer().crmkhbh,
                                            m_htModel.contractno),
        HoldingsQueries::specialTradePaging(),
        [this](const ResponseEnvelope &answer) {
            finishLoadingView();
            m_specialDataArray = answer.recordsAs<SpecialTradeModel>();
            // The filter starts only now that there is something to filter.
            filterView()->start(HoldingsDateFilters::specialEntries(m_specialDataArray));
        },
        OnFailure{.then = [this]() { finishLoadingView(); }});
}

TableViewCell *SpecialTransactionViewController::cellForRowAtIndexPath(TableView *tableView,
                                                                       const IndexPath &indexPath)
{
    auto *cell = tableView->dequeueReusableCell<SpecialTradeTableViewCell>();
    cell->setTrade(m_htModel.cpqc, m_specialDataArray.at(recordIndex(indexPath.row)));
    return cell;
}

void SpecialTransactionViewController::didSelectRowAtIndexPath(TableView *tableView,
                                                               const IndexPath &indexPath)
{
    tableView->deselectRowAtIndexPath(indexPath, true);
    const SpecialTradeModel &trade = m_specialDataArray.at(recordIndex(indexPath.row));
    TradeEventDetailScreen *detail = nullptr;
    if (trade.jylx == HoldingsTexts::kTransfer)
        detail = new TransferDetailsViewController;
    else if (trade.jylx == HoldingsTexts::kRedemption)
        detail = new RedemptionDetailsViewController;
    if (!detail)
        return; // other kinds have no detail
    detail->setHtModel(m_htModel);
    detail->setStModel(trade);
    navigationController()->pushViewController(detail, true);
}
