#pragma once

#include <QWidget>

class ActivityIndicator;
class QLabel;

// The strip above a list's first row while it is pulled down: it says whether letting go
// refreshes the list, then that the list is refreshing.
class PullRefreshHeader final : public QWidget
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(PullRefreshHeader)

public:
    static constexpr int kHeight = 44;
    // How far the list must be pulled for letting go to refresh it.
    static constexpr int kThreshold = 60;

    explicit PullRefreshHeader(QWidget *parent = nullptr);

    void showPull(int distance);
    void showRefreshing();
    QString text() const;

private:
    ActivityIndicator *m_spinner;
    QLabel *m_label;
};
