#pragma once

#include <QColor>
#include <QWidget>

// A thin horizontal bar filled from the left by a progress between 0 and 1.
class ProgressBar : public QWidget
{
    Q_OBJECT

public:
    explicit ProgressBar(QWidget *parent = nullptr);

    double progress() const { return m_progress; }
    void setProgress(double progress);
    void setColors(const QColor &track, const QColor &fill);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    double m_progress = 0.0;
    QColor m_track;
    QColor m_fill;
};
