#include "LoadMoreFooter.h"

#include "ActivityIndicator.h"

#include <QHBoxLayout>
#include <QLabel>

namespace {
const QString kIdleText = QStringLiteral("上拉加载更多");
const QString kRefreshingText = QStringLiteral("正在加载更多的数据...");
} // namespace

LoadMoreFooter::LoadMoreFooter(std::function<void()> onRefresh, QWidget *parent)
    : QWidget(parent), m_onRefresh(std::move(onRefresh)), m_spinner(new ActivityIndicator(this)),
      m_label(new QLabel(kIdleText, this))
{
    setObjectName(QStringLiteral("loadMoreFooter"));
    setFixedHeight(kHeight);
    m_spinner->setFixedSize(18, 18);
    m_label->setStyleSheet(QStringLiteral("color: #8e8e93; font-size: 13px;"));
    auto *row = new QHBoxLayout(this);
    row->addStretch();
    row->addWidget(m_spinner);
    row->addWidget(m_label);
    row->addStretch();
}

void LoadMoreFooter::beginRefreshing()
{
    if (m_refreshing)
        return;
    m_refreshing = true;
    m_label->setText(kRefreshingText);
    m_spinner->setAnimating(true);
    emit refreshingStarted();
    if (m_onRefresh)
        m_onRefresh();
}

void LoadMoreFooter::endRefreshing()
{
    m_refreshing = false;
    m_label->setText(kIdleText);
    m_spinner->setAnimating(false);
}
