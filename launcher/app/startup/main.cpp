#include <windows.h>

#include "app/startup/startup.h"
#include "files/dll_search.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR arguments, int)
{
    // chordhook.dll came from the program's own folder as the program was loaded.
    restrict_dll_search();
    return run_launcher(instance, arguments);
}
