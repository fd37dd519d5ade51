#include "tests/tools/e2e/E2eSupport.h"

#include <gtest/gtest.h>

namespace {

TEST(WriteRobotFile, WritesTheFourteenHeaderLinesAroundTheScriptInCrLf)
{
    std::string folder = e2e::TempFilePath("robots");
    ASSERT_TRUE(CreateDirectoryA(folder.c_str(), nullptr));
    e2e::RobotHeader header;
    header.startKey = "Ctrl + <F7>";
    header.repeatTimes = 3;
    ASSERT_TRUE(e2e::WriteRobotFile(folder, "Robot 1", {"MouseClick(\"left\")", ""}, header));

    std::string expected =
        "[General]\r\nName=Robot 1\r\nStartKey=Ctrl + <F7>\r\nEndKey=None\r\nDescription=\r\nEnable=0\r\n"
        "RepeatOption=0\r\nRepeatTimes=3\r\nOriginalSpeed=1\r\nUseSimilarWin=0\r\nUseRecWin=0\r\n"
        "TriggerRobot=\r\nRunAtBackground=0\r\n[Script]\r\nMouseClick(\"left\")\r\n\r\n";
    EXPECT_EQ(expected, e2e::ReadWholeFile(folder + "\\Robot 1.txt"));
    EXPECT_EQ(16u, e2e::ReadLines(folder + "\\Robot 1.txt").size());

    DeleteFileA((folder + "\\Robot 1.txt").c_str());
    RemoveDirectoryA(folder.c_str());
}

TEST(ReadWholeFile, MissingFileReadsAsEmpty)
{
    EXPECT_EQ("", e2e::ReadWholeFile(e2e::TempFilePath("missing")));
    EXPECT_TRUE(e2e::ReadLines(e2e::TempFilePath("missing")).empty());
}

TEST(EmptyDataFolder, LeavesAnEmptyScriptFolder)
{
    e2e::EmptyDataFolder();
    ASSERT_TRUE(e2e::WriteRobotFile(e2e::ScriptFolder(), "Leftover", {}));
    e2e::EmptyDataFolder();
    EXPECT_EQ(INVALID_FILE_ATTRIBUTES, GetFileAttributesA((e2e::ScriptFolder() + "\\Leftover.txt").c_str()));
    EXPECT_NE(INVALID_FILE_ATTRIBUTES, GetFileAttributesA(e2e::ScriptFolder().c_str()));
}

}  // namespace
