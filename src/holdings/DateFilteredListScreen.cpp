#include "DateFilteredListScreen.h"

#include "HoldingsListStyle.h"
#include "NotificationCenter.h"

DateFilteredListScreen::DateFilteredListScreen(const DateFilterRule &rule, const Look &look,
                                               QWidget *parent)
    : RootViewController(parent), m_look(look), m_filter(new DateFilterView(rule, this))
{
    connect(m_filter, &DateFilterView::rowsChanged, this, [this]() {
        if (m_table)
            m_table->reloadData();
    });
}

void DateFilteredListScreen::initNav()
{
    setTitle(m_look.title);
    createLeftNavigationItem(QStringLiteral("return.png"), QString());
}

void DateFilteredListScreen::initUI()
{
    m_table = findChild<TableView *>(QStringLiteral("tableView"));
    HoldingsListStyle::apply(m_table, this, this, m_look.rowHeight);
    m_table->setTableHeaderView(m_filter);
}

void DateFilteredListScreen::LeftNavigationButtonClick()
{
    goBack(m_look.backPostsAppearance ? Notification::Appearance : QString());
}

int DateFilteredListScreen::numberOfRowsInSection(TableView *, int)
{
    return int(m_filter->shown().size());
}

void DateFilteredListScreen::didSelectRowAtIndexPath(TableView *tableView,
                                                     const IndexPath &indexPath)
{
    tableView->deselectRowAtIndexPath(indexPath, true);
}
