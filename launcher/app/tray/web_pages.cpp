#include "app/tray/web_pages.h"

#include <windows.h>

#include <shellapi.h>

#include <cstdio>

#ifndef VANTREL_WEB_HOST
#define VANTREL_WEB_HOST "www.brasmoor.com"
#endif

void open_web_page(const char* path_and_query)
{
    char address[1024] = {};
    std::snprintf(address, sizeof address, "https://%s%s", VANTREL_WEB_HOST, path_and_query);
    ShellExecuteA(nullptr, "open", address, nullptr, nullptr, SW_SHOWNORMAL);
}
