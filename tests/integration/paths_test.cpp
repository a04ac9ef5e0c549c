// Resolving the install and data folders against the real registry and shell of a private
// Wine prefix: each test runs in a fresh copy, so it may change both freely.
#include "files/paths.h"

#include <windows.h>

#include <shlobj.h>

#include <gtest/gtest.h>

#include <string>

namespace {

const char* const SHELL_FOLDERS = "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\User Shell Folders";

void set_install_value(const std::string& bytes, HKEY root = HKEY_LOCAL_MACHINE)
{
    HKEY key;
    ASSERT_EQ(RegCreateKeyExA(root, INSTALL_KEY, 0, nullptr, 0, KEY_SET_VALUE, nullptr, &key, nullptr), ERROR_SUCCESS);
    ASSERT_EQ(RegSetValueExA(key, INSTALL_VALUE, 0, REG_SZ, reinterpret_cast<const BYTE*>(bytes.data()),
                             static_cast<DWORD>(bytes.size())),
              ERROR_SUCCESS);
    RegCloseKey(key);
}

void delete_install_key()
{
    RegDeleteKeyA(HKEY_LOCAL_MACHINE, INSTALL_KEY);
    RegDeleteKeyA(HKEY_CURRENT_USER, INSTALL_KEY);
}

// The folder this program runs from.
std::string program_folder()
{
    char path[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, path, sizeof path);
    *strrchr(path, '\\') = '\0';
    return path;
}

std::string local_appdata()
{
    char folder[MAX_PATH] = {};
    EXPECT_EQ(SHGetFolderPathA(nullptr, CSIDL_LOCAL_APPDATA, nullptr, SHGFP_TYPE_CURRENT, folder), S_OK);
    return folder;
}

std::string temp_folder(const char* name)
{
    char base[MAX_PATH] = {};
    GetTempPathA(sizeof base, base);
    std::string folder = std::string(base) + name;
    CreateDirectoryA(folder.c_str(), nullptr);
    return folder;
}

bool is_folder(const std::string& path)
{
    DWORD attributes = GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

void write_file(const std::string& path, const char* text)
{
    HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    ASSERT_NE(file, INVALID_HANDLE_VALUE) << path;
    DWORD written;
    WriteFile(file, text, static_cast<DWORD>(strlen(text)), &written, nullptr);
    CloseHandle(file);
}

std::string read_file(const std::string& path)
{
    HANDLE file = CreateFileA(path.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        return "<missing>";
    }
    char buffer[256] = {};
    DWORD read = 0;
    ReadFile(file, buffer, sizeof buffer - 1, &read, nullptr);
    CloseHandle(file);
    return std::string(buffer, read);
}

// Points the user's local application data folder at a folder where "Brasmoor" is a file,
// so the data folder below it cannot be created.
void make_data_folder_uncreatable()
{
    std::string blocked = temp_folder("blocked-appdata");
    write_file(blocked + "\\Brasmoor", "not a folder");
    HKEY key;
    ASSERT_EQ(RegOpenKeyExA(HKEY_CURRENT_USER, SHELL_FOLDERS, 0, KEY_SET_VALUE, &key), ERROR_SUCCESS);
    ASSERT_EQ(RegSetValueExA(key, "Local AppData", 0, REG_EXPAND_SZ, reinterpret_cast<const BYTE*>(blocked.c_str()),
                             static_cast<DWORD>(blocked.size() + 1)),
              ERROR_SUCCESS);
    RegCloseKey(key);
    ASSERT_EQ(local_appdata(), blocked);
}

void expect_every_path_below(const std::string& folder)
{
    EXPECT_EQ(std::string(data_folder), folder);
    EXPECT_EQ(std::string(panel_data_path), folder + "\\Launcher.lst");
    EXPECT_EQ(std::string(panel_data_left_path), folder + "\\Launcher.lft");
    EXPECT_EQ(std::string(panel_data_right_path), folder + "\\Launcher.rgt");
    EXPECT_EQ(std::string(panel_data_shift_path), folder + "\\Launcher.lst_shift");
    EXPECT_EQ(std::string(panel_data_shift_left_path), folder + "\\Launcher.lft_shift");
    EXPECT_EQ(std::string(panel_data_shift_right_path), folder + "\\Launcher.rgt_shift");
    EXPECT_EQ(std::string(options_path), folder + "\\Launcher.opt");
    EXPECT_EQ(std::string(connections_path), folder + "\\Launcher.con");
    EXPECT_EQ(std::string(connections_shift_path), folder + "\\Launcher.con_shift");
    EXPECT_EQ(std::string(shortcuts_folder), folder + "\\Shortcuts");
    EXPECT_EQ(std::string(text_folder), folder + "\\Text");
}

TEST(ResolvePaths, MissingKeysGiveTheProgramFolderAndThePerUserDataFolder)
{
    delete_install_key();
    std::string expected = local_appdata() + "\\Brasmoor\\Vantrel";
    ASSERT_FALSE(is_folder(expected));

    resolve_paths();
    EXPECT_EQ(std::string(install_folder), program_folder());
    expect_every_path_below(expected);
    EXPECT_TRUE(is_folder(expected));
    EXPECT_TRUE(is_folder(expected + "\\Shortcuts"));
    EXPECT_TRUE(is_folder(expected + "\\Text"));
}

TEST(ResolvePaths, ValueOfExactly1023BytesIsTaken)
{
    // 1022 characters and the terminating NUL.
    std::string folder = "C:\\" + std::string(1019, 'i');
    set_install_value(std::string(folder.c_str(), folder.size() + 1));
    resolve_paths();
    EXPECT_EQ(std::string(install_folder), folder);
}

TEST(ResolvePaths, TheUsersInstallComesFirstThenEveryonesThenTheProgramFolder)
{
    const std::string too_long = "C:\\" + std::string(1020, 'i');
    struct Case {
        const char* name;
        const char* per_user; // nullptr: no value
        const char* all_users;
        std::string expected;
    } cases[] = {
        {"a per-user install", "C:\\Mine", nullptr, "C:\\Mine"},
        {"an install for everyone", nullptr, "C:\\Everyone", "C:\\Everyone"},
        {"both: the user's own wins", "C:\\Mine", "C:\\Everyone", "C:\\Mine"},
        {"an empty per-user value", "", "C:\\Everyone", "C:\\Everyone"},
        {"a value too long for the buffer", too_long.c_str(), nullptr, program_folder()},
    };
    for (const Case& c : cases) {
        delete_install_key();
        if (c.per_user != nullptr) {
            set_install_value(std::string(c.per_user) + '\0', HKEY_CURRENT_USER);
        }
        if (c.all_users != nullptr) {
            set_install_value(std::string(c.all_users) + '\0');
        }
        resolve_paths();
        EXPECT_EQ(std::string(install_folder), c.expected) << c.name;
    }
}

TEST(ResolvePaths, ExistingFoldersAndTheirContentsAreKept)
{
    std::string expected = local_appdata() + "\\Brasmoor\\Vantrel";
    ASSERT_EQ(SHCreateDirectoryExA(nullptr, (expected + "\\Shortcuts").c_str(), nullptr), ERROR_SUCCESS);
    write_file(expected + "\\Launcher.lst", "panels");
    write_file(expected + "\\Shortcuts\\Editor.lnk", "shortcut");

    resolve_paths();
    expect_every_path_below(expected);
    EXPECT_EQ(read_file(expected + "\\Launcher.lst"), "panels");
    EXPECT_EQ(read_file(expected + "\\Shortcuts\\Editor.lnk"), "shortcut");
    EXPECT_TRUE(is_folder(expected + "\\Text"));

    // A second start finds everything in place and changes nothing.
    resolve_paths();
    expect_every_path_below(expected);
    EXPECT_EQ(read_file(expected + "\\Shortcuts\\Editor.lnk"), "shortcut");
}

TEST(ResolvePaths, UncreatableDataFolderFallsBackToTheInstallFolder)
{
    std::string install = temp_folder("install");
    set_install_value(install);
    make_data_folder_uncreatable();

    resolve_paths();
    EXPECT_EQ(std::string(install_folder), install);
    expect_every_path_below(install);
    EXPECT_TRUE(is_folder(install + "\\Shortcuts"));
    EXPECT_TRUE(is_folder(install + "\\Text"));
}

TEST(ResolvePaths, BothFallbacksPutEveryPathInTheProgramFolderNotTheCurrentOne)
{
    delete_install_key();
    make_data_folder_uncreatable();
    std::string current = temp_folder("current");
    ASSERT_TRUE(SetCurrentDirectoryA(current.c_str()));

    resolve_paths();
    std::string program = program_folder();
    EXPECT_EQ(std::string(install_folder), program);
    expect_every_path_below(program);
    EXPECT_TRUE(is_folder(program + "\\Shortcuts"));
    EXPECT_FALSE(is_folder(current + "\\Shortcuts"));
    RemoveDirectoryA((program + "\\Shortcuts").c_str());
    RemoveDirectoryA((program + "\\Text").c_str());
}

} // namespace
