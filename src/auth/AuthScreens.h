#pragma once

// Registers the sign-in screens for opening by name.
void registerAuthScreens();
