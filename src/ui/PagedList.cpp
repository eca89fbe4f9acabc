#include "PagedList.h"

#include "AlertController.h"
#include "GatewayClient.h"
#include "LoadMoreFooter.h"
#include "RootViewController.h"
#include "TableView.h"
#include "Toast.h"

PagedListLoader::PagedListLoader(RootViewController *screen, TableView *table, PagedQuery query,
                                 PageArrived arrived)
    : m_screen(screen), m_table(table), m_query(std::move(query)), m_arrived(std::move(arrived))
{
    // Pulled down, a list asks for its first page again.
    if (m_table)
        m_table->setPullToRefresh([this]() { send(0, true); });
}

void PagedListLoader::loadFirstPage()
{
    if (m_table)
        m_table->reloadData();
    send(0, true);
}

void PagedListLoader::loadNextPage(int rowsHeld)
{
    send(rowsHeld, false);
    // The footer stops spinning as soon as the request is out; another pull may follow.
    if (m_table && m_table->loadMoreFooter())
        m_table->loadMoreFooter()->endRefreshing();
}

void PagedListLoader::send(int offset, bool firstPage)
{
    if (!m_screen)
        return;
    const bool withOrder = firstPage || m_query.orderbyOnEveryPage;
    const ParamsExt ext =
        Request::paging(m_query.pageSize, offset, withOrder ? m_query.orderby : OrderBy());
    const QJsonObject params =
        !firstPage && m_query.laterPageParams ? m_query.laterPageParams() : m_query.params;
    GatewayClient::post(
        Request::getJsonStr(m_query.code, params, ext), m_screen,
        [this, firstPage](const ResponseEnvelope &answer) {
            m_arrived(answer, firstPage);
            if (!m_table)
                return;
            if (firstPage) {
                m_table->endPullRefreshing();
                if (answer.records().isEmpty() && !m_query.emptyText.isEmpty())
                    m_table->showEmptyState(QStringLiteral("comment_empty"), m_query.emptyText,
                                            QString(), {});
                else
                    m_table->hideEmptyState();
            }
            m_table->reloadData();
            if (m_table->loadMoreFooter())
                m_table->loadMoreFooter()->endRefreshing();
            if (!firstPage && answer.records().isEmpty())
                Toast::showText(m_screen, QStringLiteral("没有更多数据了！"), 1.5);
        },
        [this, firstPage](const QString &error) {
            AlertController::showMessage(m_screen, OnFailure().messageFor(error));
            if (!firstPage || !m_table)
                return;
            m_table->endPullRefreshing();
            // Rather than a blank list: what happened, and a way to ask again.
            if (m_table->numberOfRowsInSection(0) == 0)
                m_table->showEmptyState(QStringLiteral("load_failed"),
                                        QStringLiteral("网络不给力，数据加载失败"),
                                        QStringLiteral("重新加载"), [this]() { send(0, true); });
        });
}
