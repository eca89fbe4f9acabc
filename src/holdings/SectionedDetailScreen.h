#pragma once

#include "HoldingsTexts.h"
#include "RootViewController.h"
#include "TableView.h"

class SectionHeaderButton;

// What the holdings details made of titled sections share: the title and back button, the
// white section headers, and each row a name with its value on the screen's "tableView".
// The details say what their sections hold and what their headers do.
class SectionedDetailScreen : public RootViewController,
                              private TableViewDataSource,
                              private TableViewDelegate
{
    Q_OBJECT

public:
    void LeftNavigationButtonClick() override;

protected:
    SectionedDetailScreen(const QString &title, int headerHeight, QWidget *parent);

    void initNav() override;
    void initUI() override;
    void setSections(const QList<HoldingsTexts::Section> &sections);
    TableView *tableView() const { return m_table; }

    // A folded section shows its header only.
    virtual bool isExpanded(int section) const;
    // The header as built; details that act on it name and wire it here.
    virtual void prepareHeader(SectionHeaderButton *header, int section);

private:
    int numberOfSectionsInTableView(TableView *tableView) override;
    int numberOfRowsInSection(TableView *tableView, int section) override;
    TableViewCell *cellForRowAtIndexPath(TableView *tableView, const IndexPath &indexPath) override;
    int heightForHeaderInSection(TableView *tableView, int section) override;
    int heightForFooterInSection(TableView *tableView, int section) override;
    QWidget *viewForHeaderInSection(TableView *tableView, int section) override;

    QString m_title;
    int m_headerHeight;
    TableView *m_table = nullptr;
    QList<HoldingsTexts::Section> m_sections;
};
