// Which files a Text Clipboard item may have written or deleted: only plain files directly
// inside the user's Text folder.
#include "commands/text_file_place.h"

#include <gtest/gtest.h>

#include <string>

namespace {

const std::string folder = "C:\\Users\\Ann\\AppData\\Local\\Brasmoor\\Vantrel\\Text";

TEST(TextFilePlace, OnlyAPlainFileNameDirectlyInsideTheTextFolderIsOwn)
{
    // A name that makes the whole path exactly 950 characters long.
    std::string longest = std::string(950 - folder.size() - 5, 'n') + ".txt";
    struct Case {
        std::string path;
        bool own;
    };
    const Case cases[] = {
        {folder + "\\2007030310040507.txt", true},
        {folder + "\\notes", true},
        {"c:\\users\\ann\\appdata\\local\\brasmoor\\vantrel\\text\\a.txt", true},
        {"C:\\USERS\\ANN\\APPDATA\\LOCAL\\BRASMOOR\\VANTREL\\TEXT\\a.txt", true},
        {folder + "\\" + longest, true},
        {folder + "\\" + longest + "x", false},
        // other folders
        {"C:\\Users\\Ann\\Documents\\report.doc", false},
        {folder + "2\\a.txt", false},
        {folder + ".txt", false},
        {folder, false},
        {folder + "\\", false},
        {folder + "\\sub\\a.txt", false},
        {folder + "\\\\a.txt", false},
        {"\\\\server\\share\\Text\\a.txt", false},
        {"\\\\?\\" + folder + "\\a.txt", false},
        {"", false},
        // climbing out, and names the file system trims into something else
        {folder + "\\..\\Launcher.lst", false},
        {folder + "\\..", false},
        {folder + "\\.", false},
        {folder + "\\.. ", false},
        {folder + "\\a.txt.", false},
        {folder + "\\a.txt ", false},
        // separators, streams and characters no file name holds
        {folder + "/a.txt", false},
        {folder + "\\a/b.txt", false},
        {folder + "\\a.txt:hidden", false},
        {folder + "\\a.txt::$DATA", false},
        {folder + "\\*.txt", false},
        {folder + "\\a?.txt", false},
        {folder + "\\a\"b", false},
        {folder + "\\a<b", false},
        {folder + "\\a>b", false},
        {folder + "\\a|b", false},
        {folder + "\\a\tb", false},
        // devices, also with extensions
        {folder + "\\CON", false},
        {folder + "\\nul.txt", false},
        {folder + "\\COM1", false},
        {folder + "\\lpt1.log.bak", false},
        {folder + "\\NUL .txt", false},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(is_own_text_file(c.path.c_str(), folder.c_str()), c.own) << c.path;
    }
    EXPECT_FALSE(is_own_text_file("\\a.txt", "")) << "no Text folder, no own file";
}

TEST(TextFilePlace, DeviceNamesWithOrWithoutExtensionAndOnlyThose)
{
    struct Case {
        const char* name;
        bool device;
    };
    const Case cases[] = {
        {"CON", true},        {"con", true},         {"PRN", true},       {"AUX", true},          {"NUL", true},
        {"NUL.txt", true},    {"nul.tar.gz", true},  {"NUL  .txt", true}, {"COM1", true},         {"COM9.txt", true},
        {"LPT1", true},       {"lpt9", true},        {"COM0", true},      {"CONIN$", true},       {"CONOUT$.txt", true},
        {"COM\xB9", true},    {"LPT\xB2.txt", true}, {"CLOCK$", true},    {"CONSOLE.txt", false}, {"COM10", false},
        {"LPT", false},       {"NULL", false},       {"xNUL", false},     {"COMA", false},        {"", false},
        {"notes.txt", false}, {".nul", false},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(is_device_name(c.name), c.device) << c.name;
    }
}

TEST(TextFilePlace, ATextItemYieldsItsFileOnlyWhenItsWholeDataIsAnOwnFile)
{
    std::string own = folder + "\\2007030310040507.txt";
    std::string longest = folder + "\\" + std::string(950 - folder.size() - 5, 'n') + ".txt";
    struct Case {
        std::string item;
        const char* file; // nullptr: none
    };
    const Case cases[] = {
        {"@TNote@1" + own, own.c_str()},
        {"@TNote@1" + longest, longest.c_str()},
        // Cut to 950 characters the data would name another file.
        {"@TNote@1" + longest + "x", nullptr},
        {"@ENote@1" + own, nullptr},
        {"@TNo@1te@1" + own, nullptr},
        {"@TNote" + own, nullptr},
        {"@TNote@1C:\\Windows\\win.ini", nullptr},
        {own, nullptr},
    };
    for (const Case& c : cases) {
        char out[951] = {};
        int found = own_text_file_of(c.item.c_str(), folder.c_str(), out);
        EXPECT_EQ(found, c.file != nullptr ? 1 : 0) << c.item;
        EXPECT_STREQ(out, c.file != nullptr ? c.file : "") << c.item;
    }
}

} // namespace
