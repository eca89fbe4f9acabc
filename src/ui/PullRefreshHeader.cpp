#include "PullRefreshHeader.h"

#include "ActivityIndicator.h"

#include <QHBoxLayout>
#include <QLabel>

PullRefreshHeader::PullRefreshHeader(QWidget *parent)
    : QWidget(parent), m_spinner(new ActivityIndicator(this)), m_label(new QLabel(this))
{
    setObjectName(QStringLiteral("pullRefreshHeader"));
    setFixedHeight(kHeight);
    m_spinner->setFixedSize(18, 18);
    m_label->setStyleSheet(QStringLiteral("color: #8e8e93; font-size: 13px;"));
    auto *row = new QHBoxLayout(this);
    row->addStretch();
    row->addWidget(m_spinner);
    row->addWidget(m_label);
    row->addStretch();
}

void PullRefreshHeader::showPull(int distance)
{
    m_spinner->setAnimating(false);
    m_spinner->hide();
    m_label->setText(distance >= kThreshold ? QStringLiteral("松开立即刷新")
                                            : QStringLiteral("下拉可以刷新"));
}

void PullRefreshHeader::showRefreshing()
{
    m_spinner->show();
    m_spinner->setAnimating(true);
    m_label->setText(QStringLiteral("正在刷新数据..."));
}

QString PullRefreshHeader::text() const
{
    return m_label->text();
}
