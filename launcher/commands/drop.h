// Registering a file dropped from the shell onto a panel.
#pragma once

#include <windows.h>

#include <shellapi.h>

// WM_DROPFILES: exactly one file, dropped inside the client area, is registered on the
// panel under the drop point and the panel data saved. The drop handle is always released.
void on_drop_files(HDROP drop);

// Stores the path on the panel under the client point (asking first when the panel is
// occupied) and redraws it; moves a dropped shortcut into the Shortcuts folder when the
// option asks for it. The path buffer (1024 bytes) is rewritten with the copy's path.
// Returns 1 when the panel changed.
int register_dropped_file(char* path, POINT point);
