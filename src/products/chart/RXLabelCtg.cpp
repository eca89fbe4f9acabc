#include "RXLabelCtg.h"

#include <QLabel>
#include <QPalette>

namespace RXLabelCtg {

void setText(QLabel *label, const QString &text, const QFont &font, const QColor &textColor)
{
    label->setText(text);
    label->setFont(font);
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, textColor);
    label->setPalette(palette);
}

} // namespace RXLabelCtg
