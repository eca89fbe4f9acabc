#include "QZBoughtDetailViewController.h"

#include "ui_QZBoughtDetailViewController.h"

#include "BaseNavigationViewController.h"
#include "HoldingsTexts.h"
#include "QZProfitEnquiriesViewController.h"
#include "QZTradeEnquiriesViewController.h"
#include "SectionHeaderButton.h"
#include "SpecialTransactionViewController.h"

namespace {

enum SectionIndex
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
    : SectionedDetailScreen(QStringLiteral("产品详情"), kHeaderHeight, parent),
      m_ui(new Ui::QZBoughtDetailViewController)
{
    m_ui->setupUi(this);
}

QZBoughtDetailViewController::~QZBoughtDetailViewController()
{
    delete m_ui;
}

void QZBoughtDetailViewController::initUI()
{
    SectionedDetailScreen::initUI();
    m_ui->yqnhsyLabel->setText(m_htModel.nhsyl);
    m_ui->rgqdLabel->setText(HoldingsTexts::roundedTenThousands(m_htModel.htje));
    m_ui->tzqxLabel->setText(m_htModel.xtqx);
    m_ui->fpfsLabel->setText(m_htModel.dividendmethodname);
    tableView()->setTableHeaderView(m_ui->tableHeadView);
}

void QZBoughtDetailViewController::initData()
{
    const QList<HoldingsTexts::Section> sections = HoldingsTexts::boughtDetailSections(m_htModel);
    m_stateArray = QStringList(sections.size(), QStringLiteral("1"));
    setSections(sections);
}

bool QZBoughtDetailViewController::isExpanded(int section) const
{
    // Only the basic information has rows to fold.
    return section == BasicInfo && m_stateArray.value(section) == QLatin1String("1");
}

void QZBoughtDetailViewController::prepareHeader(SectionHeaderButton *header, int section)
{
    header->setObjectName(QLatin1String(kHeaderNames[section]));
    if (section == BasicInfo)
        header->showArrow(m_stateArray.at(section) == QLatin1String("1"));
    connect(header, &QPushButton::clicked, this, [this, section]() { sectionTouched(section); });
}

void QZBoughtDetailViewController::sectionTouched(int section)
{
    m_stateArray[section] =
        m_stateArray.at(section) == QLatin1String("1") ? QStringLiteral("0") : QStringLiteral("1");
    tableView()->reloadData();
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
