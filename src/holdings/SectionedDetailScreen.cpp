#include "SectionedDetailScreen.h"

#include "SectionHeaderButton.h"
#include "TransferDetailsTableViewCell.h"

SectionedDetailScreen::SectionedDetailScreen(const QString &title, int headerHeight,
                                             QWidget *parent)
    : RootViewController(parent), m_title(title), m_headerHeight(headerHeight)
{
}

void SectionedDetailScreen::initNav()
{
    setTitle(m_title);
    createLeftNavigationItem(QStringLiteral("return.png"), QString());
}

void SectionedDetailScreen::initUI()
{
    m_table = findChild<TableView *>(QStringLiteral("tableView"));
    m_table->setDataSource(this);
    m_table->setDelegate(this);
    m_table->setSeparatorsVisible(false);
    m_table->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_table->setRowHeight(TableView::kAutomaticDimension);
    m_table->setEstimatedRowHeight(64);
}

void SectionedDetailScreen::setSections(const QList<HoldingsTexts::Section> &sections)
{
    m_sections = sections;
    m_table->reloadData();
}

void SectionedDetailScreen::LeftNavigationButtonClick()
{
    goBack();
}

bool SectionedDetailScreen::isExpanded(int) const
{
    return true;
}

void SectionedDetailScreen::prepareHeader(SectionHeaderButton *header, int section)
{
    header->setObjectName(QStringLiteral("sectionHeader%1").arg(section));
    header->setCursor(Qt::ArrowCursor); // a heading here, not a control
}

int SectionedDetailScreen::numberOfSectionsInTableView(TableView *)
{
    return int(m_sections.size());
}

int SectionedDetailScreen::numberOfRowsInSection(TableView *, int section)
{
    return isExpanded(section) ? int(m_sections.at(section).rows.size()) : 0;
}

TableViewCell *SectionedDetailScreen::cellForRowAtIndexPath(TableView *tableView,
                                                            const IndexPath &indexPath)
{
    auto *cell = tableView->dequeueReusableCell<TransferDetailsTableViewCell>();
    const auto &[name, value] = m_sections.at(indexPath.section).rows.at(indexPath.row);
    cell->setRow(name, value);
    return cell;
}

int SectionedDetailScreen::heightForHeaderInSection(TableView *, int)
{
    return m_headerHeight;
}

int SectionedDetailScreen::heightForFooterInSection(TableView *, int)
{
    return 0; // as low as the list allows: the headers keep the sections apart
}

QWidget *SectionedDetailScreen::viewForHeaderInSection(TableView *, int section)
{
    auto *header = new SectionHeaderButton(m_sections.at(section).title, m_headerHeight);
    prepareHeader(header, section);
    return header;
}
