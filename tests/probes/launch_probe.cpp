// A program for panels to launch: it records how it was started, one line per start, in a
// log beside itself named after itself (probe.exe writes probe.log): its arguments and its
// current folder, separated by "|". Beside it, probe.created gets the process's creation
// time (100 ns units) for each start: the order in which a launcher started several probes,
// whatever order they happened to get to run in. probe.startup gets the start-up
// information its starter passed: flags, show command and title.
#include <windows.h>

#include <cstdio>
#include <string>

#include "probe_log.h"

// The file beside this program with the same name and another extension.
static std::string beside(const char* module, const char* extension)
{
    std::string path = module;
    return path.substr(0, path.rfind('.')) + extension;
}

int main(int argc, char** argv)
{
    char module[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, module, sizeof module);
    char folder[MAX_PATH] = {};
    GetCurrentDirectoryA(sizeof folder, folder);
    std::string line = "args=" + std::to_string(argc - 1);
    for (int i = 1; i < argc; ++i) {
        line += "|";
        line += argv[i];
    }
    line += "|cwd=";
    line += folder;
    append_log_line(beside(module, ".log").c_str(), line.c_str());
    FILETIME created, exited, kernel, user;
    if (GetProcessTimes(GetCurrentProcess(), &created, &exited, &kernel, &user)) {
        unsigned long long ticks = (static_cast<unsigned long long>(created.dwHighDateTime) << 32) | created.dwLowDateTime;
        append_log_line(beside(module, ".created").c_str(), std::to_string(ticks).c_str());
    }
    STARTUPINFOA startup = {};
    GetStartupInfoA(&startup);
    char fields[64] = {};
    std::snprintf(fields, sizeof fields, "flags=0x%lx|show=%u|title=", static_cast<unsigned long>(startup.dwFlags),
                  static_cast<unsigned>(startup.wShowWindow));
    std::string info = fields;
    info += startup.lpTitle != nullptr ? startup.lpTitle : "(none)";
    append_log_line(beside(module, ".startup").c_str(), info.c_str());
    return 0;
}
