// A dropped file as Explorer hands it over: the memory of a WM_DROPFILES message with one
// name in Unicode, owned by the process that makes it.
#pragma once

#include <windows.h>

#include <shellapi.h>
#include <shlobj.h>

#include <cstring>
#include <string>

inline HDROP make_wide_drop(const std::wstring& file, POINT point)
{
    size_t size = sizeof(DROPFILES) + (file.size() + 2) * sizeof(wchar_t);
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, size);
    auto* drop = static_cast<DROPFILES*>(GlobalLock(memory));
    drop->pFiles = sizeof(DROPFILES);
    drop->pt = point;
    drop->fWide = TRUE;
    std::memcpy(reinterpret_cast<char*>(drop) + sizeof(DROPFILES), file.c_str(), (file.size() + 1) * sizeof(wchar_t));
    GlobalUnlock(memory);
    return static_cast<HDROP>(memory);
}
