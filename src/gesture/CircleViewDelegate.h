#pragma once

#include "CircleTypes.h"

#include <QString>

class GesturePad;

// What the pad tells its holder at the end of a drawing. Every operation is optional: the
// default does nothing, so a holder overrides only what it wants to hear.
//
// The four operations share their first name on the phone (circleView:type:...), which C++
// overloads cannot tell apart, so each is named by the part that says what happened.
class CircleViewDelegate
{
public:
    virtual ~CircleViewDelegate() = default;

    // Setting mode: fewer circles than a gesture needs.
    virtual void connectCirclesLessThanNeedWithGesture(GesturePad *, CircleViewType,
                                                       const QString &)
    {
    }
    // Setting mode: the first drawing is stored and waits for its confirmation.
    virtual void didCompleteSetFirstGesture(GesturePad *, CircleViewType, const QString &) {}
    // Setting mode: the confirmation compared with the first drawing.
    virtual void didCompleteSetSecondGesture(GesturePad *, CircleViewType, const QString &, bool) {}
    // Login and verify modes: the drawing compared with the stored gesture.
    virtual void didCompleteLoginGesture(GesturePad *, CircleViewType, const QString &, bool) {}
};
