#include "AdvertisingColumn.h"

#include "CoverImageLabel.h"
#include "ImageLoader.h"
#include "PageControl.h"
#include "PagingScrollView.h"
#include "UiImage.h"

#include <QLabel>
#include <QTimer>

namespace {
constexpr int kIntervalMs = 3000;
constexpr int kStripHeight = 20;
} // namespace

AdvertisingColumn::AdvertisingColumn(QWidget *parent)
    : QWidget(parent), m_scrollView(new PagingScrollView(this)), m_containerView(new QWidget(this)),
      m_pageControl(new PageControl(m_containerView)), m_timer(new QTimer(this))
{
    setObjectName(QStringLiteral("headerView"));
    setAccessibleName(QStringLiteral("广告轮播"));
    setAutoFillBackground(true);
    setPalette(QPalette(Qt::white));
    m_scrollView->setObjectName(QStringLiteral("scrollView"));
    m_containerView->setObjectName(QStringLiteral("containerView"));
    m_pageControl->setObjectName(QStringLiteral("pageControl"));
    m_timer->setInterval(kIntervalMs);

    connect(m_timer, &QTimer::timeout, this, &AdvertisingColumn::timerAction);
    connect(m_scrollView, &PagingScrollView::pageChanged, m_pageControl,
            &PageControl::setCurrentPage);
    connect(m_scrollView, &PagingScrollView::pageTapped, this, &AdvertisingColumn::imageViewTap);
    connect(m_scrollView, &PagingScrollView::dragBegan, this, &AdvertisingColumn::dragBegan);
    connect(m_scrollView, &PagingScrollView::dragEnded, this, &AdvertisingColumn::dragEnded);
}

void AdvertisingColumn::setArray(const QStringList &images, const QStringList &links,
                                 const QStringList &targets)
{
    m_detailArray = links;
    m_urltargetArray = targets;
    m_totalNum = images.size();
    QList<QWidget *> pages;
    if (images.isEmpty()) {
        auto *empty = new QLabel;
        empty->setObjectName(QStringLiteral("emptyImage"));
        empty->setAlignment(Qt::AlignCenter);
        empty->setPixmap(UiImage::pixmap(QStringLiteral("comment_gray")));
        pages.append(empty);
    }
    for (int i = 0; i < images.size(); ++i) {
        auto *image = new CoverImageLabel;
        image->setObjectName(QStringLiteral("image%1").arg(i));
        ImageLoader::shared()->loadInto(image, QUrl(images.at(i)));
        pages.append(image);
    }
    m_scrollView->setPages(pages);
    m_pageControl->setNumberOfPages(int(m_totalNum));
    m_pageControl->setCurrentPage(0);
    resizeEvent(nullptr);
}

int AdvertisingColumn::currentPage() const
{
    return m_scrollView->currentPage();
}

void AdvertisingColumn::openTimer()
{
    m_timer->start();
    timerAction();
}

void AdvertisingColumn::closeTimer()
{
    m_timer->stop();
}

bool AdvertisingColumn::isTimerRunning() const
{
    return m_timer->isActive();
}

void AdvertisingColumn::setInterval(int milliseconds)
{
    m_timer->setInterval(milliseconds);
}

void AdvertisingColumn::timerAction()
{
    if (m_totalNum < 2) {
        closeTimer();
        return;
    }
    const int next = currentPage() + 1 < m_totalNum ? currentPage() + 1 : 0;
    m_scrollView->scrollToPage(next, true);
}

void AdvertisingColumn::imageViewTap(int page)
{
    if (page < 0 || page >= m_totalNum)
        return;
    emit imageTapped(m_detailArray.value(page), m_urltargetArray.value(page));
}

void AdvertisingColumn::resizeEvent(QResizeEvent *)
{
    m_scrollView->setGeometry(rect());
    m_containerView->setGeometry(0, height() - kStripHeight, width(), kStripHeight);
    const int dotsWidth = int(15 * m_totalNum);
    m_pageControl->setGeometry(width() - 100, 0, m_totalNum > 0 ? dotsWidth : 60, kStripHeight);
    m_containerView->raise();
}
