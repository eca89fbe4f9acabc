#include "Toast.h"

#include <QLabel>
#include <QTimer>

ToastEvents *ToastEvents::instance()
{
    static ToastEvents events;
    return &events;
}

Toast::Toast(QWidget *over, const QString &text, double seconds)
    : OverlayView(over, false, Qt::transparent), m_label(new QLabel(this)), m_seconds(seconds)
{
    setObjectName(QStringLiteral("toast"));
    m_label->setObjectName(QStringLiteral("toastLabel"));
    // Toast texts often come from the server: never read as HTML, which could load files.
    m_label->setTextFormat(Qt::PlainText);
    m_label->setText(text);
    m_label->setWordWrap(true);
    m_label->setAlignment(Qt::AlignCenter);
    m_label->setStyleSheet(
        QStringLiteral("QLabel { background: rgba(0, 0, 0, 190); color: white;"
                       " border-radius: 8px; padding: 10px 14px; font-size: 14px; }"));
}

Toast *Toast::showText(QWidget *over, const QString &text, double seconds,
                       std::function<void()> completion)
{
    // Toasts over one window take turns: each waits for the one before it to go.
    Toast *ahead = nullptr;
    for (QObject *child : over->window()->children()) {
        if (auto *waiting = qobject_cast<Toast *>(child); waiting && !waiting->isDismissing())
            ahead = waiting;
    }
    auto *toast = new Toast(over, text, seconds);
    if (completion)
        connect(toast, &OverlayView::dismissed, toast, completion);
    if (ahead)
        connect(ahead, &OverlayView::dismissed, toast, &Toast::start);
    else
        toast->start();
    emit ToastEvents::instance()->shown(text, seconds);
    return toast;
}

void Toast::start()
{
    present();
    QTimer::singleShot(int(m_seconds * 1000), this, &OverlayView::dismiss);
}

QString Toast::text() const
{
    return m_label->text();
}

void Toast::layoutContent()
{
    // One line when it fits, else wrapped at four fifths of the window.
    const int padding = 2 * 14 + 2;
    const int natural = m_label->fontMetrics().horizontalAdvance(m_label->text()) + padding;
    const int w = std::min(natural, width() * 4 / 5);
    const QRect text = m_label->fontMetrics().boundingRect(QRect(0, 0, w - padding, 10000),
                                                           Qt::TextWordWrap, m_label->text());
    const int h = text.height() + 2 * 10 + 2;
    m_label->setGeometry((width() - w) / 2, (height() - h) / 2, w, h);
}
