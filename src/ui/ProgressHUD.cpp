#include "ProgressHUD.h"

#include "ActivityIndicator.h"
#include "UiColor.h"

#include <QLabel>

ProgressHUD::ProgressHUD(QWidget *over, Look look, const QString &text)
    : OverlayView(over, true, Qt::transparent), m_look(look), m_box(new QWidget(this)),
      m_spinner(new ActivityIndicator(m_box)), m_label(new QLabel(text, m_box))
{
    setObjectName(look == Look::Box ? QStringLiteral("progressHUD")
                                    : QStringLiteral("loadingView"));
    m_box->setObjectName(QStringLiteral("hudBox"));
    if (look == Look::Box) {
        m_box->setStyleSheet(
            QStringLiteral("#hudBox { background: rgba(0, 0, 0, 180); border-radius: 10px; }"));
        m_spinner->setColor(Qt::white);
    } else {
        m_spinner->setColor(UiColor::brandBlue());
    }
    m_label->setStyleSheet(QStringLiteral("color: white; font-size: 13px;"));
    m_label->setAlignment(Qt::AlignCenter);
    m_label->setVisible(!text.isEmpty());
    m_spinner->setAnimating(true);
    QWidget::hide();
}

ProgressHUD *ProgressHUD::showHUD(QWidget *over, const QString &text)
{
    auto *hud = new ProgressHUD(over, Look::Box, text);
    hud->present();
    return hud;
}

void ProgressHUD::hideHUD(QWidget *over)
{
    for (OverlayView *overlay : OverlayView::overlaysOver(over)) {
        auto *hud = qobject_cast<ProgressHUD *>(overlay);
        if (hud && hud->m_look == Look::Box)
            hud->dismiss();
    }
}

void ProgressHUD::setText(const QString &text)
{
    m_label->setText(text);
    m_label->setVisible(!text.isEmpty());
    layoutContent();
}

void ProgressHUD::layoutContent()
{
    const int side = m_look == Look::Box ? 90 : 60;
    const int h = m_label->isVisible() ? side + 20 : side;
    m_box->setGeometry((width() - side) / 2, (height() - h) / 2, side, h);
    const int spinner = 37;
    m_spinner->setGeometry((side - spinner) / 2, (side - spinner) / 2, spinner, spinner);
    m_label->setGeometry(4, side - 14, side - 8, 30);
}
