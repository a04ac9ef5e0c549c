// A program for panels to launch: it records how it was started, one line per start, in a
// log beside itself named after itself (probe.exe writes probe.log): its arguments and its
// current folder, separated by "|". Beside it, probe.created gets the process's creation
// time (100 ns units) for each start: the order in which a launcher started several probes,
// whatever order they happened to get to run in.
#include <windows.h>

#include <string>

#include "probe_log.h"

int main(int argc, char** argv)
{
    char module[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, module, sizeof module);
    std::string log = module;
    log = log.substr(0, log.rfind('.')) + ".log";
    char folder[MAX_PATH] = {};
    GetCurrentDirectoryA(sizeof folder, folder);
    std::string line = "args=" + std::to_string(argc - 1);
    for (int i = 1; i < argc; ++i) {
        line += "|";
        line += argv[i];
    }
    line += "|cwd=";
    line += folder;
    append_log_line(log.c_str(), line.c_str());
    FILETIME created, exited, kernel, user;
    if (GetProcessTimes(GetCurrentProcess(), &created, &exited, &kernel, &user)) {
        std::string stamp = module;
        stamp = stamp.substr(0, stamp.rfind('.')) + ".created";
        unsigned long long ticks = (static_cast<unsigned long long>(created.dwHighDateTime) << 32) | created.dwLowDateTime;
        append_log_line(stamp.c_str(), std::to_string(ticks).c_str());
    }
    return 0;
}
