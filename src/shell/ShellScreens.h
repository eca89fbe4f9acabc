#pragma once

// Registers the shell's screens (help centre, user guide) for opening by name.
void registerShellScreens();
