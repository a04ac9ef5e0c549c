#include "store/selection.h"

#include <gtest/gtest.h>

#include "store/panel_set.h"

namespace {

class Selection : public ::testing::Test {
  protected:
    void SetUp() override
    {
        section = 0;
        shift_active = 0;
        shift_release_pending = 0;
        select_current_set();
    }
};

TEST_F(Selection, StepsCycleThroughTheThreeSections)
{
    const int32_t forward[] = {1, 2, 0};
    for (int32_t expected : forward) {
        section = stepped_section(section, Direction::forward);
        select_current_set();
        EXPECT_EQ(section, expected);
        EXPECT_EQ(current_set, &panel_sets[expected]);
    }
    const int32_t backward[] = {2, 1, 0};
    for (int32_t expected : backward) {
        section = stepped_section(section, Direction::backward);
        EXPECT_EQ(section, expected);
    }
    for (int32_t odd : {3, -1}) {
        EXPECT_EQ(stepped_section(odd, Direction::forward), odd);
        EXPECT_EQ(stepped_section(odd, Direction::backward), odd);
    }
}

TEST_F(Selection, ToggleInTheRightSectionShowsTheCentreOfTheOtherSet)
{
    section = 2;
    select_current_set();
    ASSERT_TRUE(toggle_shift_state());
    reset_section_state();
    EXPECT_EQ(shift_active, 1);
    EXPECT_EQ(section, 0);
    EXPECT_EQ(current_set, &panel_sets[panel_set_index(1, 0)]);

    ASSERT_TRUE(toggle_shift_state());
    EXPECT_EQ(shift_active, 0);
}

TEST_F(Selection, APendingShiftReleaseIsOnlyCleared)
{
    set_shift_from_activation(true);
    EXPECT_EQ(shift_active, 1);
    EXPECT_EQ(shift_release_pending, 1);
    EXPECT_FALSE(toggle_shift_state());
    EXPECT_EQ(shift_active, 1);
    EXPECT_EQ(shift_release_pending, 0);
    EXPECT_TRUE(toggle_shift_state());
    EXPECT_EQ(shift_active, 0);

    set_shift_from_activation(false);
    EXPECT_EQ(shift_active, 0);
    EXPECT_EQ(shift_release_pending, 0);
}

} // namespace
