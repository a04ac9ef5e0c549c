// Fuzz inputs become data files in a folder of the fuzzing process's own, with every data
// file path pointing there.
#pragma once

#include <sys/stat.h>
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <string>

#include "files/path_join.h"
#include "files/paths.h"

inline const std::string& fuzz_folder()
{
    static const std::string folder = [] {
        std::string base = access("/dev/shm", W_OK) == 0 ? "/dev/shm" : "/tmp";
        std::string path = base + "/vantrel-fuzz-" + std::to_string(getpid());
        mkdir(path.c_str(), 0700);
        // The program joins names with a backslash; on Linux that is part of the file name,
        // which is just as good for reading and writing back.
        format_data_paths(path.c_str());
        return path;
    }();
    return folder;
}

inline void write_fuzz_file(const char* path, const uint8_t* data, size_t size)
{
    std::FILE* file = std::fopen(path, "wb");
    if (file != nullptr) {
        std::fwrite(data, 1, size, file);
        std::fclose(file);
    }
}
