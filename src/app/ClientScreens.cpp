#include "ClientScreens.h"

#include "AuthScreens.h"
#include "GestureScreens.h"
#include "HoldingsScreens.h"
#include "MessageScreens.h"
#include "PointsScreens.h"
#include "ProductScreens.h"
#include "ShellScreens.h"

void registerClientScreens()
{
    registerShellScreens();
    registerAuthScreens();
    registerGestureScreens();
    registerProductScreens();
    registerHoldingsScreens();
    registerPointsScreens();
    registerMessageScreens();
}
