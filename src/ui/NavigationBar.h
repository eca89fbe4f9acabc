#pragma once

#include <QPointer>
#include <QWidget>

class NavigationItem;
class QLabel;

// The 44-point bar of a navigation stack: the top screen's title in the middle, its
// left and right items at the edges.
class NavigationBar : public QWidget
{
    Q_OBJECT

public:
    static constexpr int kHeight = 44;

    explicit NavigationBar(QWidget *parent = nullptr);

    void setItem(NavigationItem *item);
    NavigationItem *item() const;
    QString title() const;

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void refresh();
    void layoutItems();

    QPointer<NavigationItem> m_item;
    QLabel *m_titleLabel;
    QPointer<QWidget> m_left;
    QPointer<QWidget> m_right;
};
