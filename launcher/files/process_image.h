// The program file a running process was started from.
#pragma once

#include <windows.h>

// Its full path; false when the process cannot be asked (gone, or refused).
bool process_image_path(DWORD process_id, char* path, DWORD size);
