#pragma once

// Registers the messages, news, settings and help screens for opening by name.
void registerMessageScreens();
