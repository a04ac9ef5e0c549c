// A program for panels to launch: it records how it was started, one line per start, in a
// log beside itself named after itself (probe.exe writes probe.log): its arguments and its
// current folder, separated by "|".
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
    return 0;
}
