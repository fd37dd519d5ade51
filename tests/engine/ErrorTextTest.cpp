#include "engine/ScriptErrorText.h"

#include <gtest/gtest.h>

#include <string>

namespace {

TEST(ErrorText, WithPathAndColumn)
{
    EXPECT_EQ(
        "Line 7  (File \"C:\\r.txt\"):\n\nMsgBox(1 2)\nMsgBox(1 ^ ERROR\n\nError: Missing operator in expression.",
        ComposeScriptErrorText(7, "C:\\r.txt", "MsgBox(1 2)", 9, "Missing operator in expression."));
}

TEST(ErrorText, WithoutPathOrColumn)
{
    EXPECT_EQ("Line 3:\n\nWEnd\n\nError: Invalid keyword at the start of this line.",
              ComposeScriptErrorText(3, nullptr, "WEnd", -1, "Invalid keyword at the start of this line."));
}

TEST(ErrorText, ColumnZeroAndPastTheEnd)
{
    EXPECT_EQ("Line 1:\n\nab\n^ ERROR\n\nError: m", ComposeScriptErrorText(1, nullptr, "ab", 0, "m"));
    EXPECT_EQ("Line 1:\n\nab\nab^ ERROR\n\nError: m", ComposeScriptErrorText(1, nullptr, "ab", 9, "m"));
}

TEST(ErrorText, LinesOfAnyLengthFit)
{
    const std::string line(100000, 'x');
    const std::string text = ComposeScriptErrorText(1, nullptr, line.c_str(), 99999, "m");
    EXPECT_NE(std::string::npos, text.find(line.substr(0, 99999) + "^ ERROR"));
}

TEST(ErrorText, RuntimeReport)
{
    EXPECT_EQ("Line 2  (File \"p\"):\n\nRun(\"x\")\n\nError: Unable to execute the external program.\n\nNot found.",
              ComposeRuntimeErrorText(2, "p", "Run(\"x\")", "Unable to execute the external program.", "Not found."));
}

TEST(ErrorText, RecordedWindowHints)
{
    EXPECT_EQ(0u, ComposeRecordedWindowMissingText("Notes", false)
                      .find("Cannot find window or application titled 'Notes' that was open during recording.\n\n"
                            "If the window title changes"));
    EXPECT_NE(std::string::npos,
              ComposeRecordedWindowMissingText("Notes", true).find("uncheck the option 'Enable RecWin Technology"));
}

}  // namespace
