#pragma once

#include <QColor>

// The lock's palette: circles, lines and messages share one blue and one red.
namespace GestureColors {

inline QColor normal()
{
    return QColor(199, 199, 199);
}
inline QColor selected()
{
    return QColor(34, 178, 246);
}
inline QColor error()
{
    return QColor(254, 82, 92);
}
inline QColor clear()
{
    return QColor(0, 0, 0, 0);
}
inline QColor message()
{
    return QColor(128, 128, 128);
}

} // namespace GestureColors
