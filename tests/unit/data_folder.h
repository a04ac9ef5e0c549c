// A fresh data folder for a test, with every data file path pointing into it, and small
// helpers to write and read whole files.
#pragma once

#include <cstdint>
#if defined(_WIN32)
#include <process.h>
#else
#include <unistd.h>
#endif
#include <ctime>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "store/panel_set.h"
#include "files/path_join.h"
#include "files/paths.h"
#include "store/selection.h"

using Bytes = std::vector<uint8_t>;

class TestDataFolder {
  public:
    // The data folder sits inside a root of its own. The program joins names with a
    // backslash, which on Linux is part of a file name: the files then lie beside the data
    // folder, still inside the root, which is removed whole afterwards.
    std::filesystem::path root;
    std::filesystem::path folder;

    TestDataFolder()
    {
        static int counter = 0;
        // Test processes run side by side: the process id keeps their folders apart.
        root = std::filesystem::temp_directory_path() /
               ("vantrel-test-" + std::to_string(process_id()) + "-" + std::to_string(std::time(nullptr)) + "-" +
                std::to_string(++counter));
        folder = root / "data";
        std::filesystem::remove_all(root);
        std::filesystem::create_directories(folder);
        std::string base = folder.string();
        format_data_paths(base.c_str());
        copy(data_folder, base);
        section = 0;
        shift_active = 0;
        shift_release_pending = 0;
    }

    ~TestDataFolder()
    {
        std::error_code ignored;
        std::filesystem::remove_all(root, ignored);
    }

    // The path the program uses for a file of the data folder.
    std::string path(const char* name) const
    {
        char joined[PATH_BUFFER_SIZE];
        join_path(joined, sizeof joined, folder.string().c_str(), name);
        return joined;
    }

    void write(const char* name, const Bytes& bytes) const
    {
        std::ofstream out(path(name), std::ios::binary);
        out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    }

    Bytes read(const char* name) const
    {
        std::ifstream in(path(name), std::ios::binary);
        return Bytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    }

    bool exists(const char* name) const { return std::filesystem::exists(path(name)); }

  private:
    static unsigned long process_id()
    {
#if defined(_WIN32)
        return _getpid();
#else
        return static_cast<unsigned long>(getpid());
#endif
    }

    static void copy(char* out, const std::string& text)
    {
        std::fill(out, out + PATH_BUFFER_SIZE, '\0');
        text.copy(out, PATH_BUFFER_SIZE - 1);
    }
};

template <typename Record> Bytes bytes_of(const Record& record)
{
    const uint8_t* start = reinterpret_cast<const uint8_t*>(&record);
    return Bytes(start, start + sizeof(Record));
}

// A repeating byte pattern of the given length, so that a cut or a shift shows.
inline Bytes pattern_bytes(size_t length, uint8_t start = 1)
{
    Bytes bytes(length);
    for (size_t i = 0; i < length; ++i) {
        bytes[i] = static_cast<uint8_t>(start + i * 7);
    }
    return bytes;
}
