#include "ClientScreens.h"

#include "AuthScreens.h"
#include "MessageScreens.h"
#include "ProductScreens.h"
#include "ShellScreens.h"

void registerClientScreens()
{
    registerShellScreens();
    registerAuthScreens();
    registerProductScreens();
    registerMessageScreens();
}
