#include "UiColor.h"

namespace UiColor {

QColor getColor(const QString &hex)
{
    bool ok = false;
    const uint value = hex.size() == 6 ? hex.toUInt(&ok, 16) : 0;
    if (!ok)
        return QColor(0, 0, 0);
    return QColor((value >> 16) & 0xFF, (value >> 8) & 0xFF, value & 0xFF);
}

QColor colorWithRed(double red, double green, double blue)
{
    return QColor::fromRgbF(float(red / 255.0), float(green / 255.0), float(blue / 255.0));
}

} // namespace UiColor
