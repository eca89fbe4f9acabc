#pragma once

// Registers the points and activity screens for opening by class name.
void registerPointsScreens();
