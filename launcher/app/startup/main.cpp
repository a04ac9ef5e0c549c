#include <windows.h>

#include "app/startup/startup.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR arguments, int)
{
    return run_launcher(instance, arguments);
}
