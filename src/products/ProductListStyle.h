#pragma once

class TableView;
class TableViewDataSource;
class TableViewDelegate;

// The look both product lists share: 160-point rows of cards on the grey background,
// no separators.
namespace ProductListStyle {

void apply(TableView *table, TableViewDataSource *dataSource, TableViewDelegate *delegate);

} // namespace ProductListStyle
