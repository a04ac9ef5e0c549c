#include "store/item_string.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>

namespace {

struct Parsed {
    std::string name;
    std::string data;
};

Parsed parse(const std::string& item)
{
    char name[ITEM_TEXT_SIZE + 1] = {};
    char data[ITEM_DATA_SIZE] = {};
    get_item_name(item.c_str(), name);
    get_item_data(item.c_str(), data);
    return {name, data};
}

TEST(ItemString, PrefixAloneIsAPathItem)
{
    for (const char* item : {"@E", "@T", "@", "", "C:\\x", "E@Tname@1x"}) {
        EXPECT_FALSE(is_special_item(item)) << item;
        EXPECT_FALSE(is_emailer_item(item)) << item;
        EXPECT_FALSE(is_text_item(item)) << item;
    }
    EXPECT_TRUE(is_emailer_item("@Ex"));
    EXPECT_TRUE(is_text_item("@Tx"));
    EXPECT_TRUE(is_special_item("@Xx"));
    EXPECT_FALSE(is_emailer_item("@Tx"));
    EXPECT_FALSE(is_text_item("@ex")) << "the letter's case counts";
}

TEST(ItemString, NameAndDataSplitAtTheFirstSeparator)
{
    Parsed mail = parse("@EFriends@1ann@example.com;bob@example.com");
    EXPECT_EQ(mail.name, "Friends");
    EXPECT_EQ(mail.data, "ann@example.com;bob@example.com");

    // "@1" inside the addresses stays in the data.
    Parsed inside_data = parse("@EWork@1team@1st.example.com");
    EXPECT_EQ(inside_data.name, "Work");
    EXPECT_EQ(inside_data.data, "team@1st.example.com");

    // "@1" inside a name splits there: the rest of the name goes to the data.
    Parsed inside_name = parse("@TPart@1Two@1C:\\Text\\x.txt");
    EXPECT_EQ(inside_name.name, "Part");
    EXPECT_EQ(inside_name.data, "Two@1C:\\Text\\x.txt");
}

TEST(ItemString, ShortestSpecialStringHasAOneCharacterNameAndNoData)
{
    Parsed five = parse("@Ex@1");
    EXPECT_EQ(five.name, "x");
    EXPECT_EQ(five.data, "");
    Parsed three_letters = parse("@EBob@1a@b");
    EXPECT_EQ(three_letters.name, "Bob");
}

TEST(ItemString, ExactlyTheNamesThatReadBackWholeAreAllowed)
{
    const char* const names[] = {"Office", "a@1b", "@1", "@1x", "x@", "@", "1", "a@@1", "name@", "@@", "1@1"};
    const std::string data = "team@1st.example.com";
    for (const char* name : names) {
        for (const char* format : {"@E%s@1%s", "@T%s@1%s"}) {
            char item[ITEM_TEXT_SIZE] = {};
            std::snprintf(item, sizeof item, format, name, data.c_str());
            Parsed parsed = parse(item);
            bool whole = parsed.name == name && parsed.data == data;
            EXPECT_EQ(display_name_allowed(name), whole) << item;
        }
    }
}

TEST(ItemString, NoSeparatorOrFourCharactersGiveNothing)
{
    for (const char* item : {"@TNotes", "@E@1", "@Ea@", "abcd", "@T"}) {
        Parsed parsed = parse(item);
        EXPECT_EQ(parsed.name, "") << item;
        EXPECT_EQ(parsed.data, "") << item;
    }
    // A separator inside the two-character prefix leaves no name.
    EXPECT_EQ(parse("@@1xyz").name, "");
    EXPECT_EQ(parse("@1xyz").name, "");
}

TEST(ItemString, OutputBuffersAreLeftUntouchedWhenThereIsNothing)
{
    char name[ITEM_TEXT_SIZE + 1] = "unchanged";
    char data[ITEM_DATA_SIZE] = "unchanged";
    get_item_name("@TNotes", name);
    get_item_data("@TNotes", data);
    EXPECT_STREQ(name, "unchanged");
    EXPECT_STREQ(data, "unchanged");
}

TEST(ItemString, DataIsCutAt950Characters)
{
    std::string long_data(1000, 'd');
    Parsed parsed = parse("@Ex@1" + long_data);
    EXPECT_EQ(parsed.data, std::string(950, 'd'));
}

TEST(ItemString, NameIsReadFromTheFirst1024CharactersOnly)
{
    // A name long enough that the separator lies beyond the first 1024 characters.
    std::string item = "@E" + std::string(1030, 'n') + "@1x";
    EXPECT_EQ(parse(item).name, "");
    std::string fits = "@E" + std::string(1018, 'n') + "@1x";
    EXPECT_EQ(parse(fits).name, std::string(1018, 'n'));
}

} // namespace
