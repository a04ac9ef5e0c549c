#include "commands/text_files.h"

#include <cstdio>

#include "commands/text_codec.h"
#include "commands/text_file_place.h"
#include "files/path_join.h"
#include "files/paths.h"
#include "store/item_string.h"

CopyResult read_text_file(const char* path, std::string& bytes)
{
    if (is_device_name(file_name_part(path))) {
        return COPY_NOT_A_FILE;
    }
    // Wine answers a pipe in the file system with an invalid parameter, not with its
    // attributes: only a file that is not there counts as missing here.
    DWORD attributes = GetFileAttributesA(path);
    DWORD error = GetLastError();
    if (attributes == INVALID_FILE_ATTRIBUTES && (error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND)) {
        return COPY_FILE_MISSING;
    }
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0) {
        return COPY_NOT_A_FILE;
    }
    // Opened for overlapped reading first, which never waits for a pipe's other end.
    HANDLE file = CreateFileA(path, GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                              FILE_FLAG_OVERLAPPED, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        return COPY_FILE_MISSING;
    }
    LARGE_INTEGER size = {};
    CopyResult result = COPY_DONE;
    if (GetFileType(file) != FILE_TYPE_DISK || !GetFileSizeEx(file, &size)) {
        result = COPY_NOT_A_FILE;
    } else if (size.QuadPart > static_cast<LONGLONG>(TEXT_SIZE_LIMIT)) {
        result = COPY_TOO_LARGE;
    }
    CloseHandle(file);
    if (result != COPY_DONE) {
        return result;
    }
    // Read plainly now that it is known to be an ordinary file; one byte more than the limit
    // tells a file that grew in between.
    file = CreateFileA(path, GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        return COPY_FILE_MISSING;
    }
    bytes.assign(TEXT_SIZE_LIMIT + 1, '\0');
    size_t total = 0;
    DWORD read = 0;
    while (total < bytes.size() &&
           ReadFile(file, &bytes[total], static_cast<DWORD>(bytes.size() - total), &read, nullptr) && read > 0) {
        total += read;
    }
    CloseHandle(file);
    bytes.resize(total);
    return total > TEXT_SIZE_LIMIT ? COPY_TOO_LARGE : COPY_DONE;
}

void load_text_into_edit(HWND edit, const std::string& bytes)
{
    SetWindowTextA(edit, edit_text_from_file(bytes).c_str());
}

HANDLE create_new_text_file(char* path, size_t path_size)
{
    SYSTEMTIME now;
    GetLocalTime(&now);
    LocalTime time = {now.wYear, now.wMonth, now.wDay, now.wHour, now.wMinute, now.wSecond, now.wMilliseconds};
    return create_text_file_at(time, path, path_size);
}

void* create_text_file_at(const LocalTime& time, char* path, size_t path_size)
{
    LocalTime stepped = time;
    for (int attempt = 0; attempt < 10000; ++attempt, ++stepped.milliseconds) {
        char name[64];
        make_text_file_name(stepped, name, sizeof name);
        std::snprintf(path, path_size, "%s\\%s", text_folder, name);
        HANDLE file = CreateFileA(path, GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
        if (file != INVALID_HANDLE_VALUE || GetLastError() != ERROR_FILE_EXISTS) {
            return file;
        }
    }
    return INVALID_HANDLE_VALUE;
}

static_assert(TEXT_SIZE_LIMIT == 262144, "the message below names the limit");

const char* text_file_refusal(int copy_result)
{
    switch (copy_result) {
    case COPY_TOO_LARGE:
        return "The text file is too large: a text holds at most 262144 bytes.";
    case COPY_NOT_A_FILE:
        return "The text file is not an ordinary file, so Vantrel does not read it.";
    default:
        return nullptr;
    }
}

void delete_own_text_file(const char* item)
{
    char path[ITEM_DATA_SIZE] = {};
    if (own_text_file_of(item, text_folder, path)) {
        DeleteFileA(path);
    }
}
