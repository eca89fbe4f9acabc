#pragma once

#include <QWidget>

// A layer over the whole phone window that blocks touches to what lies below (or lets
// them through, for toasts) and follows the window's size. Alerts, sheets, the HUD and
// toasts are built on it.
class OverlayView : public QWidget
{
    Q_OBJECT

public:
    OverlayView(QWidget *over, bool modal, QColor dimming = QColor(0, 0, 0, 90));

    // The overlays currently shown over that widget's window, front-most last.
    static QList<OverlayView *> overlaysOver(QWidget *widget);

    void present();
    // Fades out and deletes the overlay.
    void dismiss();
    bool isDismissing() const { return m_dismissing; }

signals:
    void dismissed();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;

    // Subclasses place their panel when the overlay's size changes.
    virtual void layoutContent() {}

private:
    QColor m_dimming;
    bool m_dismissing = false;
};
