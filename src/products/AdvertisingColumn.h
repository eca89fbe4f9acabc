#pragma once

#include <QStringList>
#include <QWidget>

class PageControl;
class PagingScrollView;
class QTimer;

// The home page's carousel: one picture a page, advancing every three seconds while its
// timer runs and wrapping from the last picture to the first, a page control in a strip
// along the bottom. With no picture it shows "comment_gray". A tap reports the current
// page's link and target; the home page decides what opens.
class AdvertisingColumn final : public QWidget
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(AdvertisingColumn)

public:
    explicit AdvertisingColumn(QWidget *parent = nullptr);

    void setArray(const QStringList &images, const QStringList &links, const QStringList &targets);
    qint64 totalNum() const { return m_totalNum; }
    int currentPage() const;

    // The timer fires at once when opened, then every interval; closing pauses it.
    void openTimer();
    void closeTimer();
    bool isTimerRunning() const;
    // Three seconds unless a test shortens it.
    void setInterval(int milliseconds);

signals:
    void imageTapped(const QString &link, const QString &target);
    void dragBegan();
    void dragEnded();

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    void timerAction();
    void imageViewTap(int page);

    PagingScrollView *m_scrollView;
    QWidget *m_containerView;
    PageControl *m_pageControl;
    QTimer *m_timer;
    QStringList m_detailArray;
    QStringList m_urltargetArray;
    qint64 m_totalNum = 0;
};
