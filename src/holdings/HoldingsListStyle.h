#pragma once

class TableView;
class TableViewDataSource;
class TableViewDelegate;

// The look every holdings list shares: fixed rows, no separators, no scroll indicator,
// the grey "efefef" ground between the cards.
namespace HoldingsListStyle {

void apply(TableView *table, TableViewDataSource *dataSource, TableViewDelegate *delegate,
           int rowHeight);

} // namespace HoldingsListStyle
