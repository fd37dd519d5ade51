#include "ControlsTestDialog.h"

#include "framework/CMessageBoxCapture.h"

#include <gtest/gtest.h>

namespace {

struct ValidityCase
{
    const char* text;
    int code;
};

// Range 1 to 10.
const ValidityCase kValidity[] = {
    {"+", 3},    {"-", 3},    {"", 2},      {" ", 2},     {"12abc", 2}, {"0x10", 2}, {"inf", 2},   {"nan", 2},
    {"1e", 2},   {"1..2", 2}, {".", 2},     {"+-1", 2},   {" 2 ", 0},   {"1", 0},    {"10", 0},    {"1e1", 0},
    {".5e1", 0}, {"7.", 0},   {"0.999", 1}, {"10.01", 1}, {"-3", 1},    {"1e40", 1}, {"\t5\n", 0},
};

TEST(NumEdit, ValidityCodes)
{
    CNumEdit edit;
    edit.SetRange(1, 10);
    for (const ValidityCase& c : kValidity)
        EXPECT_EQ(edit.IsValid(c.text), c.code) << '"' << c.text << '"';
}

TEST(NumEdit, MessagesOnlyForBadTexts)
{
    CMessageBoxCapture boxes;
    CNumEdit edit;
    edit.SetRange(1, 10);
    edit.SetShowMessages(TRUE);
    for (const char* quiet : {"5", "+", "-"})
        edit.IsValid(quiet);
    EXPECT_EQ(boxes.Count(), 0);
    edit.IsValid("11");
    edit.IsValid("x");
    ASSERT_EQ(boxes.Count(), 2);
    EXPECT_STREQ(boxes.Requests()[0].text, "Given value is out of range.\n");
    EXPECT_STREQ(boxes.Requests()[1].text, "Characters must be a number.\n");
    EXPECT_TRUE(boxes.Requests()[1].type & MB_ICONERROR);
}

TEST(NumEdit, DecimalsGrowAndNeverShrink)
{
    const struct
    {
        std::vector<float> values;
        const char* format;
    } cases[] = {
        {{2.5f}, "%.1f"}, {{1.25f}, "%.2f"}, {{1234567.0f}, "%.9f"}, {{3.0f}, "%.0f"}, {{1.25f, 3.0f, 2.5f}, "%.2f"},
    };
    for (const auto& c : cases) {
        CNumEdit edit;
        CString format;
        for (float value : c.values)
            edit.GetFormat(format, value);
        EXPECT_STREQ(format, c.format) << c.values.back();
    }
}

TEST(NumEdit, ChangeValueStaysInRange)
{
    CControlsTestDialog dialog;
    CNumEdit& edit = dialog.m_NumEdit;
    edit.SetRange(1, 10);
    edit.SetValue(9);
    EXPECT_TRUE(edit.ChangeValue(5));
    EXPECT_EQ(edit.GetValue(), 10.0f);
    EXPECT_TRUE(edit.ChangeValue(-100));
    EXPECT_EQ(edit.GetValue(), 1.0f);
    EXPECT_FALSE(edit.SetValue(11));
    EXPECT_STREQ(edit.GetWindowText(), "1");

    // A value typed with a decimal keeps its decimals for later values.
    edit.SetWindowText("2.5");
    EXPECT_TRUE(edit.ChangeValue(1));
    EXPECT_STREQ(edit.GetWindowText(), "3.5");
    edit.SetValue(4);
    EXPECT_STREQ(edit.GetWindowText(), "4.0");
}

TEST(NumEdit, SpinForwardsToItsBuddy)
{
    CControlsTestDialog dialog;
    float low = 0;
    float high = 0;
    dialog.m_NumSpin.GetRange(low, high);
    EXPECT_EQ(low, 1.0f);
    EXPECT_EQ(high, 999999.0f);
    EXPECT_EQ(dialog.m_NumSpin.GetValue(), 1.0f);
    EXPECT_EQ(dialog.m_NumSpin.GetStep(), 1.0f);

    CNumSpinCtrl lone;
    EXPECT_EQ(lone.GetValue(), 0.0f);
}

TEST(NumEdit, SpinPositionResetRule)
{
    const struct
    {
        int pos;
        int delta;
        bool resets;
    } cases[] = {
        {500, 1, false}, {1, 1, true},     {0, 1, true},   {998, 1, false},   {999, 1, true},
        {990, 10, true}, {500, -1, false}, {0, -1, false}, {1000, -1, false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(CNumSpinCtrl::ResetsPosition(c.pos, c.delta), c.resets) << c.pos << ' ' << c.delta;
}

TEST(NumEditE2e, TypingKeepsAValidNumber)
{
    CControlsTestDialog dialog;
    CNumEdit& edit = dialog.m_NumEdit;
    FocusControl(dialog, edit);

    edit.SetSel(0, -1);
    PressKeys("0");
    EXPECT_STREQ(edit.GetWindowText(), "1");
    int start = -1;
    int end = -1;
    edit.GetSel(start, end);
    EXPECT_EQ(start, 0);
    EXPECT_EQ(end, 1);

    PressKeys("7");
    EXPECT_STREQ(edit.GetWindowText(), "7");
    PressKeys("a");
    EXPECT_STREQ(edit.GetWindowText(), "7");

    edit.SetSel(0, -1);
    PressKeys("vkBD");
    EXPECT_STREQ(edit.GetWindowText(), "-");
    EXPECT_EQ(edit.GetValue(), 1.0f);
}

TEST(NumEditE2e, SpinStopsAtTheEnds)
{
    CControlsTestDialog dialog;
    CNumSpinCtrl& spin = dialog.m_NumSpin;
    dialog.SetForegroundWindow();
    RECT rect;
    spin.GetClientRect(&rect);
    const POINT up{rect.right / 2, rect.bottom / 4};
    const POINT down{rect.right / 2, rect.bottom * 3 / 4};

    spin.SetValue(999998);
    ClickOn(spin, &up);
    EXPECT_STREQ(dialog.m_NumEdit.GetWindowText(), "999999");
    ClickOn(spin, &up);
    EXPECT_STREQ(dialog.m_NumEdit.GetWindowText(), "999999");

    spin.SetValue(2);
    ClickOn(spin, &down);
    EXPECT_STREQ(dialog.m_NumEdit.GetWindowText(), "1");
    ClickOn(spin, &down);
    EXPECT_STREQ(dialog.m_NumEdit.GetWindowText(), "1");
}

}  // namespace
