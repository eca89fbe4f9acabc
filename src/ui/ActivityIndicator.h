#pragma once

#include <QColor>
#include <QWidget>

class QTimer;

// A spinning activity indicator of twelve fading spokes.
class ActivityIndicator : public QWidget
{
    Q_OBJECT

public:
    explicit ActivityIndicator(QWidget *parent = nullptr);

    void setColor(const QColor &color);
    bool isAnimating() const;
    void setAnimating(bool animating);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QColor m_color;
    QTimer *m_timer;
    int m_step = 0;
};
