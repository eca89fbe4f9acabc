#pragma once

#include <QWidget>

// A row of dots, one per page, the current one filled white.
class PageControl final : public QWidget
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(PageControl)

public:
    explicit PageControl(QWidget *parent = nullptr);

    int numberOfPages() const { return m_pages; }
    void setNumberOfPages(int pages);
    int currentPage() const { return m_current; }
    void setCurrentPage(int page);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    int m_pages = 0;
    int m_current = 0;
};
