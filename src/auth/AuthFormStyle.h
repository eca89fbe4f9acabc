#pragma once

class QWidget;

// The look the registration, recovery and change forms share with the sign-in form:
// white rows of 44 points with a hairline under each, the blue main button, the
// document-type row and the send-code button (blue when it can be tapped, grey on a
// clear background while it counts down).
namespace AuthFormStyle {

void apply(QWidget *screen);

} // namespace AuthFormStyle
