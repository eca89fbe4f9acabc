#include "QZBoughtDetailViewController.h"

#include "ui_QZBoughtDetailViewController.h"

#include "BaseNavigationViewController.h"
#include "HoldingsTexts.h"
#include "QZProfitEnquiriesViewController.h"
#include "QZTradeEnquiriesViewController.h"
#include "SectionHeaderButton.h"
#include "SpecialTransactionViewController.h"
#include "TransferDetailsTableViewCell.h"

namespace {

enum Section
{
    BasicInfo,
    ContractInfo,
    SpecialTrades,
    IncomeInfo,
    MoreInfo
};
constexpr int kHeaderHeight = 44;
const char *const kHeaderNames[] = {"basicInfoHeader", "contractInfoHeader", "specialTradeHeader",
                                    "incomeInfoHeader", "moreInfoHeader"};

} // namespace

QZBoughtDetailViewController::QZBoughtDetailViewController(QWidget *parent)
    : RootViewController(parent), m_ui(new Ui::QZBoughtDetailViewController)
{
    m_ui->setupUi(this);
}

QZBoughtDetailViewController::~QZBoughtDetailViewController()
{
    delete m_ui;
}

void QZBoughtDetailViewController::initNav()
{
    setTitle(QStringLiteral("产品详情"));
    createLeftNavigationItem(QStringLiteral("return.png"), QString());
}

void QZBoughtDetailViewController::initData()
{
    m_sectionArray = {QStringLiteral("基本信息"), QStringLiteral("合同信息"),
                      QStringLiteral("特殊交易"), QStringLiteral("收益信息"),
                      QStringLiteral("更多信息")};
    m_stateArray = QStringList(m_sectionArray.size(), QStringLiteral("1"));
    m_valueArray = HoldingsTexts::boughtDetailRows(m_htModel);
    m_ui->tableView->reloadData();
}

void QZBoughtDetailViewController::initUI()
{
    m_ui->yqnhsyLabel->setText(m_htModel.nhsyl);
    m_ui->rgqdLabel->setText(HoldingsTexts::roundedTenThousands(m_htModel.htje));
    m_ui->tzqxLabel->setText(m_htModel.xtqx);
    m_ui->fpfsLabel->setText(m_htModel.dividendmethodname);

    TableView *table = m_ui->tableView;
    table->setDataSource(this);
    table->setDelegate(this);
    table->setRowHeight(TableView::kAutomaticDimension);
    table->setEstimatedRowHeight(72);
    table->setSeparatorsVisible(false);
    table->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    table->setTableHeaderView(m_ui->tableHeadView);
}

void QZBoughtDetailViewController::LeftNavigationButtonClick()
{
    goBack();
}

void QZBoughtDetailViewController::sectionTouched(int section)
{
    m_stateArray[section] =
        m_stateArray.at(section) == QLatin1String("1") ? QStringLiteral("0") : QStringLiteral("1");
    m_ui->tableView->reloadData();
    switch (section) {
    case ContractInfo: {
        auto *contract = new QZTradeEnquiriesViewController;
        contract->setHtModel(m_htModel);
        navigationController()->pushViewController(contract, true);
        break;
    }
    case SpecialTrades: {
        auto *trades = new SpecialTransactionViewController;
        trades->setHtModel(m_htModel);
        navigationController()->pushViewController(trades, true);
        break;
    }
    case IncomeInfo: {
        auto *income = new QZProfitEnquiriesViewController;
        income->setModel(m_htModel);
        navigationController()->pushViewController(income, true);
        break;
    }
    case MoreInfo:
        pushScreenNamed(QStringLiteral("QZMoreDetailViewController"),
                        {{QStringLiteral("detailLabeltitle"), m_htModel.cpmc},
                         {QStringLiteral("cpdm"), m_htModel.cpdm},
                         {QStringLiteral("belongto"), title()}});
        break;
    default:
        break; // the basic information only folds
    }
}

int QZBoughtDetailViewController::numberOfSectionsInTableView(TableView *)
{
    return int(m_sectionArray.size());
}

int QZBoughtDetailViewController::numberOfRowsInSection(TableView *, int section)
{
    const bool expanded = m_stateArray.value(section) == QLatin1String("1");
    return section == BasicInfo && expanded ? int(m_valueArray.size()) : 0;
}

TableViewCell *QZBoughtDetailViewController::cellForRowAtIndexPath(TableView *tableView,
                                                                   const IndexPath &indexPath)
{
    auto *cell = tableView->dequeueReusableCell<TransferDetailsTableViewCell>();
    const auto &[name, value] = m_valueArray.at(indexPath.row);
    cell->setRow(name, value);
    return cell;
}

int QZBoughtDetailViewController::heightForHeaderInSection(TableView *, int)
{
    return kHeaderHeight;
}

int QZBoughtDetailViewController::heightForFooterInSection(TableView *, int)
{
    return 0;
}

QWidget *QZBoughtDetailViewController::viewForHeaderInSection(TableView *, int section)
{
    auto *header = new SectionHeaderButton(m_sectionArray.at(section), kHeaderHeight);
    header->setObjectName(QLatin1String(kHeaderNames[section]));
    if (section == BasicInfo)
        header->showArrow(m_stateArray.at(section) == QLatin1String("1"));
    connect(header, &QPushButton::clicked, this, [this, section]() { sectionTouched(section); });
    return header;
}
