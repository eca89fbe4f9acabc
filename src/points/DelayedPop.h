#pragma once

class ViewController;

// Leaving a screen a moment after an accepted change, once its confirmation has been read.
namespace DelayedPop {

// After that many milliseconds the screen is popped if it still exists and is the top of its
// stack; a screen the customer has already left is never popped for it (nor is what replaced it).
void schedule(ViewController *screen, int milliseconds);

} // namespace DelayedPop
