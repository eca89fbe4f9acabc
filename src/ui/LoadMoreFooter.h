#pragma once

#include <QWidget>
#include <functional>

class ActivityIndicator;
class QLabel;

// The footer at the end of a paged list: pulling past the end, or scrolling to it,
// starts refreshing and calls the screen's footerRereshing.
class LoadMoreFooter : public QWidget
{
    Q_OBJECT

public:
    static constexpr int kHeight = 44;

    LoadMoreFooter(std::function<void()> onRefresh, QWidget *parent = nullptr);

    bool isRefreshing() const { return m_refreshing; }
    void beginRefreshing();
    void endRefreshing();

signals:
    void refreshingStarted();

private:
    std::function<void()> m_onRefresh;
    ActivityIndicator *m_spinner;
    QLabel *m_label;
    bool m_refreshing = false;
};
