#pragma once

// Registers the points screens for opening by class name.
void registerPointsScreens();
