#include "app/AutoRunCommandLine.h"

#include <gtest/gtest.h>

TEST(AutoRunCommandLine, ArgumentsFollowTheProgramPath)
{
    EXPECT_EQ(ProgramArguments("\"Z:\\my tools\\Tapforge.exe\" -A Robot 1"), "-A Robot 1");
    EXPECT_EQ(ProgramArguments("C:\\Tapforge.exe   -a x"), "-a x");
    EXPECT_EQ(ProgramArguments("C:\\Tapforge.exe"), "");
    EXPECT_EQ(ProgramArguments("\"C:\\Tapforge.exe\""), "");
    // A scheduled start hands over the arguments alone.
    EXPECT_EQ(ProgramArguments("-a Night Run"), "-a Night Run");
    EXPECT_EQ(ProgramArguments("-A Night Run"), "-A Night Run");
}

TEST(AutoRunCommandLine, RequestNeedsExactlyDashABlank)
{
    CString name;
    ASSERT_TRUE(ParseAutoRunRequest("-A Robot 1", name));
    EXPECT_EQ(name, "robot 1");
    ASSERT_TRUE(ParseAutoRunRequest("-a  two blanks ", name));
    EXPECT_EQ(name, " two blanks ");
    EXPECT_FALSE(ParseAutoRunRequest("-a", name));
    EXPECT_FALSE(ParseAutoRunRequest("-aRobot", name));
    EXPECT_FALSE(ParseAutoRunRequest("x -a name", name));
    EXPECT_FALSE(ParseAutoRunRequest("", name));
    EXPECT_FALSE(ParseAutoRunRequest(" -a name", name));
}
