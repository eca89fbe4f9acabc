#include "HoldingsListStyle.h"

#include "TableView.h"

namespace HoldingsListStyle {

void apply(TableView *table, TableViewDataSource *dataSource, TableViewDelegate *delegate,
           int rowHeight)
{
    table->setDataSource(dataSource);
    table->setDelegate(delegate);
    table->setRowHeight(rowHeight);
    table->setSeparatorsVisible(false);
    table->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    // A plain list (no gaps between sections) on the grey ground. The application's style
    // sheet paints scroll areas itself, so the ground is given the same way.
    table->setStyleSheet(QStringLiteral("TableView { background: #efefef; }"));
}

} // namespace HoldingsListStyle
