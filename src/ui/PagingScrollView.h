#pragma once

#include <QList>
#include <QPointer>
#include <QWidget>

// A horizontally paging view (the splash advertisement, the home carousel): one page
// fills the view; a drag of more than a third of the width turns the page.
class PagingScrollView : public QWidget
{
    Q_OBJECT

public:
    explicit PagingScrollView(QWidget *parent = nullptr);

    // The view takes ownership of the pages.
    void setPages(const QList<QWidget *> &pages);
    int pageCount() const { return int(m_pages.size()); }
    QWidget *page(int index) const;
    int currentPage() const { return m_current; }
    void scrollToPage(int index, bool animated);

signals:
    void pageChanged(int index);
    void pageTapped(int index);
    // A finger starts moving the pages, and lets them go.
    void dragBegan();
    void dragEnded();

protected:
    void resizeEvent(QResizeEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    void placePages(int offset);

    QWidget *m_strip;
    QList<QPointer<QWidget>> m_pages;
    int m_current = 0;
    int m_pressX = 0;
    bool m_dragging = false;
};
