#pragma once

#include <QColor>
#include <QString>

// Colours written as hexadecimal text, the way the chart's styles name them.
namespace RXUtil {

// "#0094de", "0X0094DE" or "0094de", with white space around it allowed; anything that is
// not six hexadecimal digits after the prefix gives the clear colour.
QColor colorWithHexString(const QString &color);
QColor colorWithHexString(const QString &color, qreal alpha);

} // namespace RXUtil
