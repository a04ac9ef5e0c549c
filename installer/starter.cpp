// The installer's helper for starting programs with the right rights. It ships inside the
// setup program and is unpacked to its temporary folder, never installed.
//
//   starter user FILE [PARAMETERS]      starts FILE as the user of the desktop, at the
//                                       rights of their own shell, never with the rights of
//                                       an elevated installer; exit code 0 when started
//   starter elevated FILE [PARAMETERS]  starts FILE with administrator rights, waits for it
//                                       and ends with its exit code (10 when the user
//                                       declined, 11 when it could not start: codes no
//                                       setup program ends with)
//
// PARAMETERS is the rest of the command line, passed on exactly as written.
#include <windows.h>

#include <shellapi.h>
#include <exdisp.h>
#include <shldisp.h>
#include <shlguid.h>
#include <shlobj.h>

#include "files/dll_search.h"

namespace {

// The text after the first `count` arguments, split the way the C runtime splits them.
const wchar_t* after_arguments(const wchar_t* line, int count)
{
    for (int n = 0; n < count && *line != L'\0'; ++n) {
        while (*line == L' ' || *line == L'\t') {
            ++line;
        }
        bool quoted = false;
        while (*line != L'\0' && (quoted || (*line != L' ' && *line != L'\t'))) {
            if (*line == L'"') {
                quoted = !quoted;
            }
            ++line;
        }
    }
    while (*line == L' ' || *line == L'\t') {
        ++line;
    }
    return line;
}

bool process_is_elevated()
{
    HANDLE token = nullptr;
    if (!OpenProcessToken(GetCurrentProcess(), TOKEN_QUERY, &token)) {
        return true;  // unknown: take the careful path
    }
    TOKEN_ELEVATION elevation = {};
    DWORD size = 0;
    BOOL known = GetTokenInformation(token, TokenElevation, &elevation, sizeof elevation, &size);
    CloseHandle(token);
    return !known || elevation.TokenIsElevated != 0;
}

template <typename T>
void release(T*& object)
{
    if (object != nullptr) {
        object->Release();
        object = nullptr;
    }
}

// Hands the start to the shell of the desktop: the program becomes a child of Explorer and
// gets Explorer's token, whatever rights this process has.
bool start_through_desktop_shell(const wchar_t* file, const wchar_t* parameters)
{
    IShellWindows* windows = nullptr;
    IDispatch* desktop = nullptr;
    IServiceProvider* provider = nullptr;
    IShellBrowser* browser = nullptr;
    IShellView* view = nullptr;
    IDispatch* background = nullptr;
    IShellFolderViewDual* folder_view = nullptr;
    IDispatch* application = nullptr;
    IShellDispatch2* shell = nullptr;
    bool started = false;

    VARIANT location;
    VariantInit(&location);
    location.vt = VT_I4;
    location.lVal = CSIDL_DESKTOP;
    VARIANT empty;
    VariantInit(&empty);
    long window = 0;
    if (SUCCEEDED(CoCreateInstance(CLSID_ShellWindows, nullptr, CLSCTX_LOCAL_SERVER, IID_IShellWindows,
                                   reinterpret_cast<void**>(&windows))) &&
        windows->FindWindowSW(&location, &empty, SWC_DESKTOP, &window, SWFO_NEEDDISPATCH, &desktop) == S_OK &&
        desktop != nullptr &&
        SUCCEEDED(desktop->QueryInterface(IID_IServiceProvider, reinterpret_cast<void**>(&provider))) &&
        SUCCEEDED(provider->QueryService(SID_STopLevelBrowser, IID_IShellBrowser,
                                         reinterpret_cast<void**>(&browser))) &&
        SUCCEEDED(browser->QueryActiveShellView(&view)) &&
        SUCCEEDED(view->GetItemObject(SVGIO_BACKGROUND, IID_IDispatch, reinterpret_cast<void**>(&background))) &&
        SUCCEEDED(background->QueryInterface(IID_IShellFolderViewDual, reinterpret_cast<void**>(&folder_view))) &&
        SUCCEEDED(folder_view->get_Application(&application)) &&
        SUCCEEDED(application->QueryInterface(IID_IShellDispatch2, reinterpret_cast<void**>(&shell)))) {
        BSTR file_text = SysAllocString(file);
        VARIANT arguments, folder, verb, show;
        VariantInit(&arguments);
        VariantInit(&folder);
        VariantInit(&verb);
        VariantInit(&show);
        if (*parameters != L'\0') {
            arguments.vt = VT_BSTR;
            arguments.bstrVal = SysAllocString(parameters);
        }
        show.vt = VT_I4;
        show.lVal = SW_SHOWNORMAL;
        started = file_text != nullptr && SUCCEEDED(shell->ShellExecute(file_text, arguments, folder, verb, show));
        VariantClear(&arguments);
        SysFreeString(file_text);
    }
    release(shell);
    release(application);
    release(folder_view);
    release(background);
    release(view);
    release(browser);
    release(provider);
    release(desktop);
    release(windows);
    return started;
}

int start_as_user(const wchar_t* file, const wchar_t* parameters)
{
    if (!process_is_elevated()) {
        SHELLEXECUTEINFOW info = {};
        info.cbSize = sizeof info;
        info.fMask = SEE_MASK_FLAG_NO_UI;
        info.lpFile = file;
        info.lpParameters = *parameters != L'\0' ? parameters : nullptr;
        info.nShow = SW_SHOWNORMAL;
        return ShellExecuteExW(&info) ? 0 : 1;
    }
    // Elevated: only the desktop's own shell may start it. Without one nothing is started,
    // rather than a program running with rights the user did not give it.
    return start_through_desktop_shell(file, parameters) ? 0 : 1;
}

constexpr int ELEVATION_DECLINED = 10;
constexpr int ELEVATED_NOT_STARTED = 11;

int start_elevated(const wchar_t* file, const wchar_t* parameters)
{
    SHELLEXECUTEINFOW info = {};
    info.cbSize = sizeof info;
    info.fMask = SEE_MASK_NOCLOSEPROCESS | SEE_MASK_FLAG_NO_UI;
    info.lpVerb = L"runas";
    info.lpFile = file;
    info.lpParameters = *parameters != L'\0' ? parameters : nullptr;
    info.nShow = SW_SHOWNORMAL;
    if (!ShellExecuteExW(&info)) {
        return GetLastError() == ERROR_CANCELLED ? ELEVATION_DECLINED : ELEVATED_NOT_STARTED;
    }
    if (info.hProcess == nullptr) {
        return ELEVATED_NOT_STARTED;
    }
    WaitForSingleObject(info.hProcess, INFINITE);
    DWORD code = ELEVATED_NOT_STARTED;
    GetExitCodeProcess(info.hProcess, &code);
    CloseHandle(info.hProcess);
    return static_cast<int>(code);
}

}  // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, wchar_t*, int)
{
    // The starter runs from a temporary folder, with administrator rights for "elevated".
    restrict_dll_search();
    int count = 0;
    wchar_t** arguments = CommandLineToArgvW(GetCommandLineW(), &count);
    if (arguments == nullptr || count < 3) {
        return 1;
    }
    const wchar_t* parameters = after_arguments(GetCommandLineW(), 3);
    CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    int result = 1;
    if (lstrcmpW(arguments[1], L"user") == 0) {
        result = start_as_user(arguments[2], parameters);
    } else if (lstrcmpW(arguments[1], L"elevated") == 0) {
        result = start_elevated(arguments[2], parameters);
    }
    CoUninitialize();
    LocalFree(arguments);
    return result;
}
