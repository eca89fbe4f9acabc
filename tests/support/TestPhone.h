#pragma once

class BaseNavigationViewController;
class PhoneWindow;
class RootViewController;

// Shows the phone window with `root` at the bottom of a navigation stack, the window active
// so that key presses reach its fields. Returns the stack, or null when the window could
// not be activated.
BaseNavigationViewController *showInActivePhone(PhoneWindow &window, RootViewController *root);
