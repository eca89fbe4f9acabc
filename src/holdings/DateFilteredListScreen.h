#pragma once

#include "DateFilterView.h"
#include "RootViewController.h"
#include "TableView.h"

#include <QPointer>

// What the four holdings lists with a date filter share: the title and back button, the
// filter as the header of the list (the screen's "tableView"), the rows it lets through,
// and a list reloaded whenever they change. The list screens say which records there
// are, how a row looks and what selecting it does.
class DateFilteredListScreen : public RootViewController,
                               protected TableViewDataSource,
                               protected TableViewDelegate
{
    Q_OBJECT

public:
    DateFilterView *filterView() const { return m_filter; }
    void LeftNavigationButtonClick() override;

protected:
    struct Look
    {
        QString title;
        int rowHeight;
        bool backPostsAppearance; // the lists the account opens show its tab bar again
    };

    DateFilteredListScreen(const DateFilterRule &rule, const Look &look, QWidget *parent);

    void initNav() override;
    void initUI() override;
    // The record a shown row stands for.
    int recordIndex(int row) const { return m_filter->shown().at(row); }

    int numberOfRowsInSection(TableView *tableView, int section) override;
    void didSelectRowAtIndexPath(TableView *tableView, const IndexPath &indexPath) override;

private:
    Look m_look;
    DateFilterView *m_filter;
    QPointer<TableView> m_table;
};
