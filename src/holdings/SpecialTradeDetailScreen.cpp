#include "SpecialTradeDetailScreen.h"

#include "ui_SpecialTradeDetailScreen.h"

#include "SectionHeaderButton.h"
#include "TransferDetailsTableViewCell.h"

namespace {

constexpr int kHeaderHeight = 64;

} // namespace

SpecialTradeDetailScreen::SpecialTradeDetailScreen(const QString &title, QWidget *parent)
    : RootViewController(parent), m_ui(new Ui::SpecialTradeDetailScreen), m_title(title)
{
    m_ui->setupUi(this);
}

SpecialTradeDetailScreen::~SpecialTradeDetailScreen()
{
    delete m_ui;
}

void SpecialTradeDetailScreen::initNav()
{
    setTitle(m_title);
    createLeftNavigationItem(QStringLiteral("return.png"), QString());
}

void SpecialTradeDetailScreen::initUI()
{
    TableView *table = m_ui->tableView;
    table->setDataSource(this);
    table->setDelegate(this);
    table->setStyle(TableView::Style::Grouped);
    table->setSeparatorsVisible(false);
    table->setRowHeight(TableView::kAutomaticDimension);
    table->setEstimatedRowHeight(64);
}

void SpecialTradeDetailScreen::initData()
{
    m_sections = sections();
    m_ui->tableView->reloadData();
}

void SpecialTradeDetailScreen::LeftNavigationButtonClick()
{
    goBack();
}

int SpecialTradeDetailScreen::numberOfSectionsInTableView(TableView *)
{
    return int(m_sections.size());
}

int SpecialTradeDetailScreen::numberOfRowsInSection(TableView *, int section)
{
    return int(m_sections.at(section).rows.size());
}

TableViewCell *SpecialTradeDetailScreen::cellForRowAtIndexPath(TableView *tableView,
                                                               const IndexPath &indexPath)
{
    auto *cell = tableView->dequeueReusableCell<TransferDetailsTableViewCell>();
    const auto &[name, value] = m_sections.at(indexPath.section).rows.at(indexPath.row);
    cell->setRow(name, value);
    return cell;
}

int SpecialTradeDetailScreen::heightForHeaderInSection(TableView *, int)
{
    return kHeaderHeight;
}

int SpecialTradeDetailScreen::heightForFooterInSection(TableView *, int)
{
    return 0; // as low as the list allows: the headers keep the sections apart
}

QWidget *SpecialTradeDetailScreen::viewForHeaderInSection(TableView *, int section)
{
    auto *header = new SectionHeaderButton(m_sections.at(section).title, kHeaderHeight);
    header->setObjectName(QStringLiteral("sectionHeader%1").arg(section));
    header->setCursor(Qt::ArrowCursor); // a heading here, not a control
    return header;
}
