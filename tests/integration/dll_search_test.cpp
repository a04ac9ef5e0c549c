// Libraries named without a path come from the system folder alone once the program has
// restricted its search: a library planted beside the program is never loaded into it.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "files/dll_search.h"

namespace {

TEST(DllSearch, ALibraryPlantedBesideTheProgramIsNotLoadedOnceTheSearchIsRestricted)
{
    char module[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, module, sizeof module);
    std::string folder(module, std::string(module).rfind('\\'));
    const std::string planted = folder + "\\planted.dll";
    ASSERT_TRUE(CopyFileA((folder + "\\chordhook.dll").c_str(), planted.c_str(), FALSE));
    SetCurrentDirectoryA(folder.c_str());

    ASSERT_TRUE(restrict_dll_search());
    HMODULE loaded = LoadLibraryA("planted.dll");
    EXPECT_EQ(loaded, nullptr) << "a library beside the program was loaded";
    HMODULE system = LoadLibraryA("version.dll");
    EXPECT_NE(system, nullptr) << "a library of the system folder was not";
    if (loaded != nullptr) {
        FreeLibrary(loaded);
    }
    if (system != nullptr) {
        FreeLibrary(system);
    }
    DeleteFileA(planted.c_str());
}

} // namespace
