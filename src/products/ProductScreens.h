#pragma once

// Registers the product screens for opening by name.
void registerProductScreens();
