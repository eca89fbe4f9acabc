#pragma once

#include <QList>
#include <QWidget>

class WNCircle;

// The small 3×3 preview above the pad that echoes the first drawing while a new gesture
// is being set.
class WNCircleInfoView : public QWidget
{
    Q_OBJECT

public:
    explicit WNCircleInfoView(QWidget *parent = nullptr);

    QList<WNCircle *> circles() const { return m_circles; }

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    void layoutSubviews();

    QList<WNCircle *> m_circles;
};
