#include "ClientScreens.h"

#include "AuthScreens.h"
#include "GestureScreens.h"
#include "MessageScreens.h"
#include "ProductScreens.h"
#include "ShellScreens.h"

void registerClientScreens()
{
    registerShellScreens();
    registerAuthScreens();
    registerGestureScreens();
    registerProductScreens();
    registerMessageScreens();
}
