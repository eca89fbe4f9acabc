#pragma once

// Registers the holdings screens for opening by class name.
void registerHoldingsScreens();
