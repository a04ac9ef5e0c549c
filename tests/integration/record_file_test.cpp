// Saving data files under failure: the previous file must survive every failed or
// interrupted save byte for byte, and no temporary file may be left behind.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <string>

#include "data_folder.h"
#include "store/panel_set.h"
#include "store/record_file.h"
#include "small_fs.h"

namespace {

std::string program_folder()
{
    char path[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, path, sizeof path);
    std::string text(path);
    return text.substr(0, text.rfind('\\'));
}

class FailingSave : public ::testing::Test {
  protected:
    TestDataFolder data;
    Bytes previous = pattern_bytes(sizeof(PanelSet), 3);

    void SetUp() override
    {
        data.write("Launcher.lst", previous);
        std::memset(&panel_sets[0], 'N', sizeof(PanelSet));
    }

    void expect_previous_file_kept()
    {
        EXPECT_EQ(data.read("Launcher.lst"), previous);
        EXPECT_FALSE(data.exists("Launcher.lst.tmp"));
    }
};

TEST_F(FailingSave, ATargetHeldOpenByAnotherProgramIsNotReplaced)
{
    HANDLE holder = CreateFileA(data.path("Launcher.lst").c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                                OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(holder, INVALID_HANDLE_VALUE);
    EXPECT_EQ(write_record_file(panel_data_path, &panel_sets[0], sizeof(PanelSet)), 0);
    CloseHandle(holder);
    expect_previous_file_kept();

    // Once the file is free again the save goes through.
    EXPECT_EQ(write_record_file(panel_data_path, &panel_sets[0], sizeof(PanelSet)), 1);
    EXPECT_EQ(data.read("Launcher.lst"), bytes_of(panel_sets[0]));
}

TEST_F(FailingSave, AFolderThatCannotTakeTheTemporaryFileLeavesTheTargetAlone)
{
    // A folder standing where the temporary file would go.
    ASSERT_TRUE(CreateDirectoryA(data.path("Launcher.lst.tmp").c_str(), nullptr));
    EXPECT_EQ(write_record_file(panel_data_path, &panel_sets[0], sizeof(PanelSet)), 0);
    EXPECT_EQ(data.read("Launcher.lst"), previous);
    RemoveDirectoryA(data.path("Launcher.lst.tmp").c_str());
}

TEST_F(FailingSave, AReadOnlyFileIsNotReplacedAndTheErrorSaysWhy)
{
    ASSERT_TRUE(SetFileAttributesA(panel_data_path, FILE_ATTRIBUTE_READONLY));
    EXPECT_EQ(write_record_file(panel_data_path, &panel_sets[0], sizeof(PanelSet)), 0);
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_ACCESS_DENIED));
    SetFileAttributesA(panel_data_path, FILE_ATTRIBUTE_NORMAL);
    expect_previous_file_kept();
}

TEST(FullDisk, ASaveThatDoesNotFitLeavesThePreviousFile)
{
    std::string folder = small_fs_folder();
    if (folder.empty()) {
        GTEST_SKIP() << "no small file system was mounted for this run (needs root)";
    }
    std::string target = folder + "\\Launcher.lst";
    std::strcpy(panel_data_path, target.c_str());
    Bytes previous = pattern_bytes(sizeof(PanelSet), 5);
    std::memcpy(&panel_sets[0], previous.data(), previous.size());
    ASSERT_EQ(write_record_file(panel_data_path, &panel_sets[0], sizeof(PanelSet)), 1);

    // Fill what is left of the file system.
    std::string filler = folder + "\\filler";
    fill_up(filler);

    std::memset(&panel_sets[0], 'N', sizeof(PanelSet));
    EXPECT_EQ(write_record_file(panel_data_path, &panel_sets[0], sizeof(PanelSet)), 0);
    DeleteFileA(filler.c_str());

    HANDLE check = CreateFileA(target.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(check, INVALID_HANDLE_VALUE);
    Bytes kept(sizeof(PanelSet) + 16);
    DWORD read = 0;
    ReadFile(check, kept.data(), static_cast<DWORD>(kept.size()), &read, nullptr);
    CloseHandle(check);
    kept.resize(read);
    EXPECT_EQ(kept, previous);
    EXPECT_EQ(GetFileAttributesA((target + ".tmp").c_str()), INVALID_FILE_ATTRIBUTES);
    DeleteFileA(target.c_str());
}

TEST(InterruptedSave, AProcessKilledWhileSavingLeavesAWholeFile)
{
    TestDataFolder data;
    std::string command = "\"" + program_folder() + "\\save_loop.exe\" \"" + data.folder.string() + "\"";
    unsigned seed = GetTickCount();
    for (int round = 0; round < 25; ++round) {
        DeleteFileA(data.path("Launcher.lst").c_str());
        STARTUPINFOA startup = {};
        startup.cb = sizeof startup;
        PROCESS_INFORMATION process = {};
        std::string line = command;
        ASSERT_TRUE(
            CreateProcessA(nullptr, &line[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process));
        // A loaded machine can take seconds to start a process: the kill comes at a random
        // moment after the first save, never before it.
        DWORD start = GetTickCount();
        while (!data.exists("Launcher.lst") && GetTickCount() - start < 20000 &&
               WaitForSingleObject(process.hProcess, 5) == WAIT_TIMEOUT) {
        }
        bool saving = data.exists("Launcher.lst");
        seed = seed * 1103515245 + 12345;
        Sleep(1 + (seed >> 16) % 40);
        TerminateProcess(process.hProcess, 9);
        WaitForSingleObject(process.hProcess, INFINITE);
        DWORD exit_code = 0;
        GetExitCodeProcess(process.hProcess, &exit_code);
        CloseHandle(process.hThread);
        CloseHandle(process.hProcess);
        ASSERT_TRUE(saving) << "round " << round << ": save_loop wrote nothing within 20 s (exit code " << exit_code
                            << ")";

        Bytes file = data.read("Launcher.lst");
        ASSERT_EQ(file.size(), sizeof(PanelSet)) << "round " << round;
        bool all_a = std::all_of(file.begin(), file.end(), [](uint8_t b) { return b == 'A'; });
        bool all_b = std::all_of(file.begin(), file.end(), [](uint8_t b) { return b == 'B'; });
        ASSERT_TRUE(all_a || all_b) << "round " << round;
    }
}

} // namespace
