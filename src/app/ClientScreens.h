#pragma once

// Registers every area's screens for opening by name (automation, deep links).
void registerClientScreens();
