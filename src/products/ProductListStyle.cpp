#include "ProductListStyle.h"

#include "TableView.h"
#include "UiColor.h"

#include <QScrollBar>

namespace ProductListStyle {

void apply(TableView *table, TableViewDataSource *dataSource, TableViewDelegate *delegate)
{
    table->setDataSource(dataSource);
    table->setDelegate(delegate);
    // Cards are 160 points and grow when a name or a term runs to more lines.
    table->setRowHeight(TableView::kAutomaticDimension);
    table->setEstimatedRowHeight(160);
    table->setSeparatorsVisible(false);
    table->setStyle(TableView::Style::Grouped); // the grey background
    table->setSectionHeaderHeight(0);
    table->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
}

} // namespace ProductListStyle
