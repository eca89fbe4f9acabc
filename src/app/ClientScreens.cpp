#include "ClientScreens.h"

#include "MessageScreens.h"
#include "ShellScreens.h"

void registerClientScreens()
{
    registerShellScreens();
    registerMessageScreens();
}
