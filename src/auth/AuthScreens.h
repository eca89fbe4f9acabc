#pragma once

// Registers the sign-in, registration, recovery and credential-change screens for opening
// by name.
void registerAuthScreens();
