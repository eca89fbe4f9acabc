#pragma once

// Makes the gesture lock openable by name.
void registerGestureScreens();
