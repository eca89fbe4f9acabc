#include "OverlayView.h"

#include "Animations.h"

#include <QEvent>
#include <QMouseEvent>
#include <QPainter>

OverlayView::OverlayView(QWidget *over, bool modal, QColor dimming)
    : QWidget(over->window()), m_dimming(dimming)
{
    hide(); // until presented
    setProperty("chenglanOverlay", true);
    if (!modal)
        setAttribute(Qt::WA_TransparentForMouseEvents);
    parentWidget()->installEventFilter(this);
    setGeometry(parentWidget()->rect());
}

QList<OverlayView *> OverlayView::overlaysOver(QWidget *widget)
{
    QList<OverlayView *> out;
    if (!widget)
        return out;
    for (QObject *child : widget->window()->children()) {
        auto *overlay = qobject_cast<OverlayView *>(child);
        if (overlay && overlay->isVisible() && !overlay->m_dismissing)
            out.append(overlay);
    }
    return out;
}

void OverlayView::present()
{
    setGeometry(parentWidget()->rect());
    layoutContent();
    show();
    raise();
    Animations::fade(this, 0.0, 1.0, 150, {});
}

void OverlayView::dismiss()
{
    if (m_dismissing)
        return;
    m_dismissing = true;
    setAttribute(Qt::WA_TransparentForMouseEvents);
    Animations::fade(this, 1.0, 0.0, 150, [this]() {
        hide();
        emit dismissed();
        deleteLater();
    });
}

bool OverlayView::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == parentWidget() && event->type() == QEvent::Resize) {
        setGeometry(parentWidget()->rect());
        layoutContent();
    }
    return QWidget::eventFilter(watched, event);
}

void OverlayView::paintEvent(QPaintEvent *)
{
    if (m_dimming.alpha() == 0)
        return;
    QPainter p(this);
    p.fillRect(rect(), m_dimming);
}

void OverlayView::mousePressEvent(QMouseEvent *event)
{
    // Modal: touches outside the panel go nowhere.
    event->accept();
}
