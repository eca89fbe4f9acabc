#include "Toast.h"

#include <QLabel>
#include <QTimer>

ToastEvents *ToastEvents::instance()
{
    static ToastEvents events;
    return &events;
}

Toast::Toast(QWidget *over, const QString &text, double seconds)
    : OverlayView(over, false, Qt::transparent), m_label(new QLabel(text, this)), m_seconds(seconds)
{
    setObjectName(QStringLiteral("toast"));
    m_label->setObjectName(QStringLiteral("toastLabel"));
    m_label->setWordWrap(true);
    m_label->setAlignment(Qt::AlignCenter);
    m_label->setStyleSheet(QStringLiteral("QLabel { background: rgba(0, 0, 0, 190); color: white;"
                                          " border-radius: 8px; padding: 10px 14px; font-size: 14px; }"));
}

Toast *Toast::show(QWidget *over, const QString &text, double seconds,
                   std::function<void()> completion)
{
    auto *toast = new Toast(over, text, seconds);
    if (completion)
        connect(toast, &OverlayView::dismissed, toast, completion);
    toast->present();
    QTimer::singleShot(int(seconds * 1000), toast, &OverlayView::dismiss);
    emit ToastEvents::instance()->shown(text, seconds);
    return toast;
}

QString Toast::text() const
{
    return m_label->text();
}

void Toast::layoutContent()
{
    const int maxWidth = width() * 4 / 5;
    m_label->setMaximumWidth(maxWidth);
    QSize s = m_label->sizeHint();
    if (s.width() > maxWidth)
        s = QSize(maxWidth, m_label->heightForWidth(maxWidth));
    m_label->setGeometry((width() - s.width()) / 2, (height() - s.height()) / 2, s.width(), s.height());
}
