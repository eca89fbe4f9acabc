#pragma once

#include <QtGlobal>

// The pad's modes, the two kinds of circle and the states a circle is drawn in. All three
// are stored as 32-bit numbers and any value may occur: a value outside the named ones
// takes the documented fallback (setting mode, no inner dot, drawn like normal).

enum class CircleViewType : qint32
{
    Setting = 1, // draw a new gesture, then draw it again to confirm
    Login = 2,   // compare with the stored gesture
    Verify = 3,  // the same comparison as login
};

enum class CircleType : qint32
{
    Info = 1,    // a circle of the small preview: the dot fills it
    Gesture = 2, // a circle of the pad
};

enum class CircleState : qint32
{
    Normal = 1,
    Selected = 2,
    Error = 3,
    LastOneSelected = 4,
    LastOneError = 5,
};
