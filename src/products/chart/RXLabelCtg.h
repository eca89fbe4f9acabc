#pragma once

#include <QColor>
#include <QFont>
#include <QString>

class QLabel;

// The label operation the chart's labels are made with.
namespace RXLabelCtg {

// Sets the text, the font and the text colour, in that order.
void setText(QLabel *label, const QString &text, const QFont &font, const QColor &textColor);

} // namespace RXLabelCtg
