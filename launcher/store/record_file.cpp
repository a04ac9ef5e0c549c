#include "store/record_file.h"

#include <cstdio>
#include <cstring>

int read_record_file(const char* path, void* record, size_t size)
{
    std::memset(record, 0, size);
    std::FILE* file = std::fopen(path, "rb");
    if (file == nullptr) {
        return 0;
    }
    size_t total = 0;
    while (total < size) {
        size_t read = std::fread(static_cast<char*>(record) + total, 1, size - total, file);
        if (read == 0) {
            break;
        }
        total += read;
    }
    std::fclose(file);
    return 1;
}

SaveFailureHandler save_failure_handler = nullptr;

int save_data_file(const char* path, const void* record, size_t size)
{
    if (write_record_file(path, record, size) == 1) {
        return 1;
    }
    if (save_failure_handler != nullptr) {
        save_failure_handler(path);
    }
    return 0;
}
