#pragma once

#include <QColor>
#include <QString>

// Colours as the client names them: six hexadecimal digits, or 0–255 channels.
namespace UiColor {

// "0588e5" → the opaque colour; anything else reads as black.
QColor getColor(const QString &hex);
QColor colorWithRed(double red, double green, double blue);

// The shared look.
inline QColor background()
{
    return getColor(QStringLiteral("efefef"));
}
inline QColor brandBlue()
{
    return getColor(QStringLiteral("0588e5"));
}
inline QColor navigationTint()
{
    return colorWithRed(5, 135, 227);
}

} // namespace UiColor
