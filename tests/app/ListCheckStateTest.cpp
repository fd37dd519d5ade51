#include "app/ListCheckState.h"

#include <commctrl.h>

#include <gtest/gtest.h>

namespace {

const UINT kUnchecked = 0x1000;
const UINT kChecked = 0x2000;

}  // namespace

TEST(ListCheckState, CheckingAndUnchecking)
{
    int oldCheck = -1;
    int newCheck = -1;
    ASSERT_TRUE(DecodeCheckStateChange(kUnchecked, kChecked, oldCheck, newCheck));
    EXPECT_EQ(oldCheck, 0);
    EXPECT_EQ(newCheck, 1);
    ASSERT_TRUE(DecodeCheckStateChange(kChecked | LVIS_SELECTED, kUnchecked | LVIS_SELECTED, oldCheck, newCheck));
    EXPECT_EQ(oldCheck, 1);
    EXPECT_EQ(newCheck, 0);
    // A row inserted checked at once: no old state image.
    ASSERT_TRUE(DecodeCheckStateChange(0, kChecked, oldCheck, newCheck));
    EXPECT_EQ(newCheck, 1);
}

TEST(ListCheckState, OtherChangesAreNoCheckChange)
{
    int oldCheck = 0;
    int newCheck = 0;
    EXPECT_FALSE(DecodeCheckStateChange(0, 0, oldCheck, newCheck));
    EXPECT_FALSE(DecodeCheckStateChange(0, kUnchecked, oldCheck, newCheck));
    EXPECT_FALSE(DecodeCheckStateChange(kChecked, kChecked | LVIS_SELECTED | LVIS_FOCUSED, oldCheck, newCheck));
    EXPECT_FALSE(DecodeCheckStateChange(LVIS_SELECTED, 0, oldCheck, newCheck));
}
