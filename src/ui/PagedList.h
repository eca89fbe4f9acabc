#pragma once

#include "Request.h"
#include "ResponseEnvelope.h"

#include <QJsonObject>
#include <QList>
#include <QPointer>
#include <QString>
#include <functional>

class RootViewController;
class TableView;

// What a paged list asks the gateway for.
struct PagedQuery
{
    QString code;
    QJsonObject params;
    OrderBy orderby;
    // Some lists send their order with the first page only.
    bool orderbyOnEveryPage = true;
    int pageSize = 10;
    // Some lists take later pages' parameters from elsewhere (the stored customer, say),
    // read when each page is asked for.
    std::function<QJsonObject()> laterPageParams = {};
    // What an empty first page says in place of the rows; nothing when empty.
    QString emptyText = {};
};

// The paging every list screen shares: the first page when the screen loads and when the
// list is pulled down, a further page (offset = rows held) each time the load-more footer
// is pulled, records taken whatever the flag says, "没有更多数据了！" for an empty further
// page, and the network alert on a failure; a first page that fails leaves the empty list
// saying so, with "重新加载".
class PagedListLoader
{
public:
    using PageArrived = std::function<void(const ResponseEnvelope &answer, bool firstPage)>;

    PagedListLoader(RootViewController *screen, TableView *table, PagedQuery query,
                    PageArrived arrived);

    void loadFirstPage();
    void loadNextPage(int rowsHeld);
    const PagedQuery &query() const { return m_query; }

private:
    void send(int offset, bool firstPage);

    QPointer<RootViewController> m_screen;
    QPointer<TableView> m_table;
    PagedQuery m_query;
    PageArrived m_arrived;
};

// A paged list of records of one type: the screen's data array and its loader together.
template <class Record> class PagedList
{
    Q_DISABLE_COPY_MOVE(PagedList) // the loader's continuation refers to this object

public:
    PagedList(RootViewController *screen, TableView *table, PagedQuery query)
        : m_loader(screen, table, std::move(query),
                   [this](const ResponseEnvelope &answer, bool firstPage) {
                       // A first page replaces the list, also when pulled down to refresh.
                       if (firstPage)
                           m_records.clear();
                       m_records.append(answer.recordsAs<Record>());
                   })
    {
    }

    const QList<Record> &records() const { return m_records; }
    int size() const { return int(m_records.size()); }

    void loadFirstPage()
    {
        m_records.clear();
        m_loader.loadFirstPage();
    }
    void loadNextPage() { m_loader.loadNextPage(size()); }

private:
    QList<Record> m_records;
    PagedListLoader m_loader;
};
