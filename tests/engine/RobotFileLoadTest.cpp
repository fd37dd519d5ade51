#include "engine/CMarionet_ScriptFile.h"
#include "framework/CMessageBoxCapture.h"
#include "tests/engine/ScriptFileTestSupport.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

const std::string kFaster = "=> [remove on faster speed]";

std::vector<std::string> StoredLines(CMarionet_ScriptFile& script)
{
    script.BuildLineArray();
    std::vector<std::string> lines;
    for (int i = 1; script.GetLine(i); ++i)
        lines.push_back(script.GetLine(i));
    return lines;
}

std::vector<int> SourceNumbers(const CMarionet_ScriptFile& script)
{
    std::vector<int> numbers;
    for (int i = 1; i <= script.GetLineCount(); ++i)
        numbers.push_back(script.GetLineNumber(i));
    return numbers;
}

std::vector<std::string> Record(int index, const std::string& title, const std::string& level, const std::string& rect)
{
    std::vector<std::string> lines = {"WinIndex=" + std::to_string(index), "WinTitle=" + title,
                                      "WinPath=C:\\Apps\\app.exe"};
    if (!level.empty())
        lines.push_back("WinParentLevel=" + level);
    lines.push_back("WinRect=" + rect);
    return lines;
}

std::vector<std::string> Join(std::vector<std::string> a, const std::vector<std::string>& b)
{
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

}  // namespace

TEST(RobotFileLoad, SkipsTheHeaderAndCommentsAndKeepsSourceNumbers)
{
    TempRobotFile file(RobotFile({"MouseClick(\"left\", 1)", "comment: not run", "", "; note", "WAIT(100)"}));
    CMarionet_ScriptFile script;
    ASSERT_TRUE(script.LoadRobotFile(file.Path(), 3));

    EXPECT_EQ((std::vector<std::string>{"MouseClick(\"left\", 1)", "WAIT(100)"}), StoredLines(script));
    EXPECT_EQ((std::vector<int>{1, 5}), SourceNumbers(script));
    EXPECT_EQ(3, script.GetLineFileIndex(2));
    EXPECT_EQ(0, script.m_bRunAtBackground);
    EXPECT_TRUE(script.m_vecRecWinInfo.empty());
}

TEST(RobotFileLoad, ReadsLineFeedOnlyFilesAlike)
{
    TempRobotFile file(RobotFile({"Send(\"a\")", "Send(\"b\")-> At Win [0]"}, Record(1, "T", "0", "1,2,3,4")), "\n");
    CMarionet_ScriptFile script;
    ASSERT_TRUE(script.LoadRobotFile(file.Path(), -1));
    EXPECT_EQ((std::vector<std::string>{"Send(\"a\")", "Send(\"b\")"}), StoredLines(script));
    ASSERT_EQ(1u, script.m_vecRecWinInfo.size());
    EXPECT_EQ("T", std::string(script.m_vecRecWinInfo[0].WinTitle));
    EXPECT_EQ(4, script.m_vecRecWinInfo[0].WinRect.bottom);
    EXPECT_EQ(0, script.GetLineRecordedWindow(2));
}

TEST(RobotFileLoad, RunAtBackgroundComesFromTheHeader)
{
    CMarionet_ScriptFile script;
    std::vector<std::string> lines = RobotHeader(true);
    lines.push_back("WAIT(1)");
    TempRobotFile on(lines);
    ASSERT_TRUE(script.LoadRobotFile(on.Path(), -1));
    EXPECT_EQ(1, script.m_bRunAtBackground);

    TempRobotFile off(RobotFile({"WAIT(1)"}));
    ASSERT_TRUE(script.LoadRobotFile(off.Path(), -1));
    EXPECT_EQ(0, script.m_bRunAtBackground);

    // An old file: "[Script]" right after the speed line, no optional keys.
    TempRobotFile old({"[General]", "Name=Old", "StartKey=None", "EndKey=None", "Description=", "Enable=1",
                       "RepeatOption=0", "RepeatTimes=1", "OriginalSpeed=1", "[Script]", "WAIT(2)"});
    script.UnloadScript();
    ASSERT_TRUE(script.LoadRobotFile(old.Path(), -1));
    EXPECT_EQ(0, script.m_bRunAtBackground);
    EXPECT_EQ((std::vector<std::string>{"WAIT(2)"}), StoredLines(script));
}

TEST(RobotFileLoad, SpeedMarkerIsCutAtOriginalSpeedAndDropsTheLineWhenFaster)
{
    TempRobotFile file(RobotFile({"WAIT(500)" + kFaster, "Send(\"x\")-> At Win [0]" + kFaster, "Send(\"y\")"},
                                 Record(1, "T", "0", "0,0,10,10")));
    CMarionet_ScriptFile script;
    ASSERT_TRUE(script.LoadRobotFile(file.Path(), -1));
    EXPECT_EQ((std::vector<std::string>{"WAIT(500)", "Send(\"x\")", "Send(\"y\")"}), StoredLines(script));
    EXPECT_EQ(0, script.GetLineRecordedWindow(2));

    script.UnloadScript();
    script.m_nFasterSpeed = 1;
    ASSERT_TRUE(script.LoadRobotFile(file.Path(), -1));
    EXPECT_EQ((std::vector<std::string>{"Send(\"y\")"}), StoredLines(script));
    EXPECT_EQ((std::vector<int>{3}), SourceNumbers(script));
    EXPECT_EQ(-1, script.GetLineRecordedWindow(1));
}

TEST(RobotFileLoad, SplitsTheLastWindowTagOffTheLine)
{
    TempRobotFile file(RobotFile(
        {
            "MouseClick(\"left\", 1)-> At Win [1]",
            "Send(\"-> At Win [0]\")-> At Win [2]",
            "Send(\"a-> At Win [0] b\")",
            "Send(\"c\")-> At Win [1",
            "Send(\"d\")-> At Win [-1]",
            "Send(\"e\")-> At Win [7]",
        },
        Join(Join(Record(1, "A", "0", "0,0,1,1"), Record(2, "B", "0", "0,0,2,2")), Record(1, "C", "0", "0,0,3,3"))));
    CMarionet_ScriptFile script;
    ASSERT_TRUE(script.LoadRobotFile(file.Path(), -1));

    EXPECT_EQ((std::vector<std::string>{"MouseClick(\"left\", 1)", "Send(\"-> At Win [0]\")",
                                        // A tag inside quotes splits the line all the same:
                                        // stored files rely on the last tag winning.
                                        "Send(\"a", "Send(\"c\")-> At Win [1", "Send(\"d\")", "Send(\"e\")"}),
              StoredLines(script));
    EXPECT_EQ(1, script.GetLineRecordedWindow(1));
    EXPECT_EQ(2, script.GetLineRecordedWindow(2));
    EXPECT_EQ(0, script.GetLineRecordedWindow(3));
    EXPECT_EQ(-1, script.GetLineRecordedWindow(4));
    EXPECT_EQ(-1, script.GetLineRecordedWindow(5));  // negative: no record
    EXPECT_EQ(-1, script.GetLineRecordedWindow(6));  // beyond the records
    EXPECT_EQ(-1, script.GetLineRecordedWindow(0));
}

TEST(RobotFileLoad, ALineTakingADroppedLinesPlaceDoesNotInheritItsWindow)
{
    TempRobotFile file(RobotFile({"; note-> At Win [0]", "Send(\"x\")", "-> At Win [0]", "Send(\"y\")-> At Win [0]"},
                                 Record(1, "A", "0", "0,0,1,1")));
    CMarionet_ScriptFile script;
    ASSERT_TRUE(script.LoadRobotFile(file.Path(), -1));
    EXPECT_EQ((std::vector<std::string>{"Send(\"x\")", "Send(\"y\")"}), StoredLines(script));
    EXPECT_EQ(-1, script.GetLineRecordedWindow(1));
    EXPECT_EQ(0, script.GetLineRecordedWindow(2));
}

TEST(RobotFileLoad, RecordBlocksInheritMissingKeys)
{
    TempRobotFile file(
        RobotFile({"WAIT(1)"}, Join(Join(Record(1, "First", "", "10,20,300,400"), Record(2, "Second", "3", "-5,-6,7,")),
                                    {"WinTitle=Third", "Stray line", "WinRect=1,2,3,4"})));
    CMarionet_ScriptFile script;
    ASSERT_TRUE(script.LoadRobotFile(file.Path(), -1));
    const auto& records = script.m_vecRecWinInfo;
    ASSERT_EQ(3u, records.size());
    EXPECT_EQ(1, records[0].WinIndex);
    EXPECT_EQ("First", std::string(records[0].WinTitle));
    EXPECT_EQ("C:\\Apps\\app.exe", std::string(records[0].WinPath));
    EXPECT_EQ(-1, records[0].WinParentLevel);
    EXPECT_EQ(10, records[0].WinRect.left);
    EXPECT_EQ(20, records[0].WinRect.top);
    EXPECT_EQ(300, records[0].WinRect.right);
    EXPECT_EQ(400, records[0].WinRect.bottom);
    EXPECT_EQ(3, records[1].WinParentLevel);
    EXPECT_EQ(-5, records[1].WinRect.left);
    EXPECT_EQ(0, records[1].WinRect.bottom);
    EXPECT_EQ(2, records[2].WinIndex);
    EXPECT_EQ("Third", std::string(records[2].WinTitle));
    EXPECT_EQ(3, records[2].WinParentLevel);
}

TEST(RobotFileLoad, AMalformedRectangleFailsWithAMessageAndKeepsWhatWasRead)
{
    TempRobotFile file(
        RobotFile({"WAIT(1)", "WAIT(2)"}, Join(Record(1, "Good", "0", "1,2,3,4"), Record(2, "Bad", "0", "10,20,300"))));
    CMessageBoxCapture boxes;
    CMarionet_ScriptFile script;
    EXPECT_FALSE(script.LoadRobotFile(file.Path(), -1));
    ASSERT_EQ(1, boxes.Count());
    EXPECT_EQ("Failed to load record Window info", std::string(boxes.Requests()[0].text));
    EXPECT_EQ(static_cast<UINT>(MB_OK), boxes.Requests()[0].type & 0xF);
    EXPECT_EQ(2, script.GetLineCount());
    ASSERT_EQ(1u, script.m_vecRecWinInfo.size());
    EXPECT_EQ("Good", std::string(script.m_vecRecWinInfo[0].WinTitle));
}

TEST(RobotFileLoad, AMissingFileOrScriptSectionFailsWithNothingAdded)
{
    CMarionet_ScriptFile script;
    EXPECT_FALSE(script.LoadRobotFile("C:\\no\\such\\robot.txt", -1));
    EXPECT_EQ(0, script.GetLineCount());

    std::vector<std::string> noScript = RobotHeader();
    noScript.pop_back();
    noScript.push_back("WAIT(1)");
    TempRobotFile withoutSection(noScript);
    EXPECT_FALSE(script.LoadRobotFile(withoutSection.Path(), -1));
    EXPECT_EQ(0, script.GetLineCount());

    // The section name is matched with case.
    std::vector<std::string> lowerCase = RobotHeader();
    lowerCase.back() = "[script]";
    lowerCase.push_back("WAIT(1)");
    TempRobotFile wrongCase(lowerCase);
    EXPECT_FALSE(script.LoadRobotFile(wrongCase.Path(), -1));

    TempRobotFile shortFile({"[General]", "Name=x"});
    EXPECT_FALSE(script.LoadRobotFile(shortFile.Path(), -1));
    EXPECT_EQ(0, script.GetLineCount());
}

TEST(RobotFileLoad, AnEmptyRecordSectionLoadsWithNoRecords)
{
    std::vector<std::string> lines = RobotHeader();
    lines.push_back("[RecWinInfo]");
    TempRobotFile file(lines);
    CMarionet_ScriptFile script;
    EXPECT_TRUE(script.LoadRobotFile(file.Path(), -1));
    EXPECT_EQ(0, script.GetLineCount());
    EXPECT_TRUE(script.m_vecRecWinInfo.empty());
}

TEST(RobotFileLoad, ANewLoadForgetsTheOldRecordsAndMap)
{
    TempRobotFile first(RobotFile({"Send(\"x\")-> At Win [0]"}, Record(1, "A", "0", "0,0,1,1")));
    TempRobotFile second(RobotFile({"Send(\"y\")"}));
    CMarionet_ScriptFile script;
    ASSERT_TRUE(script.LoadRobotFile(first.Path(), -1));
    script.UnloadScript();
    EXPECT_EQ(1u, script.m_vecRecWinInfo.size());
    ASSERT_TRUE(script.LoadRobotFile(second.Path(), -1));
    EXPECT_TRUE(script.m_vecRecWinInfo.empty());
    EXPECT_EQ(-1, script.GetLineRecordedWindow(1));
}

TEST(RobotFileLoad, RunScriptFileDialogLoadsANamedFileWithoutAsking)
{
    TempRobotFile file(RobotFile({"WAIT(3)"}));
    CMarionet_ScriptFile script;
    CString path = file.Path();
    ASSERT_TRUE(script.RunScriptFileDialog(path));
    EXPECT_EQ(0, path.CompareNoCase(file.Path()));
    EXPECT_EQ(0, script.GetLineFileIndex(1));
    EXPECT_EQ(0, CString(script.GetIncludeFileName(0)).CompareNoCase(file.Path()));

    CString missing = "C:\\no\\such\\robot.txt";
    EXPECT_FALSE(script.RunScriptFileDialog(missing));
}

TEST(RobotFileLoad, TheEighthLineIsOnlyComparedWithTheScriptSection)
{
    const std::vector<std::string> sevenLines = {"[General]",    "Name=Short", "StartKey=None", "EndKey=None",
                                                 "Description=", "Enable=0",   "RepeatOption=0"};
    std::vector<std::string> sectionEighth = sevenLines;
    sectionEighth.push_back("[Script]");
    sectionEighth.push_back("WAIT(8)");
    TempRobotFile early(sectionEighth);
    CMarionet_ScriptFile script;
    ASSERT_TRUE(script.LoadRobotFile(early.Path(), -1));
    EXPECT_EQ((std::vector<std::string>{"WAIT(8)"}), StoredLines(script));
    EXPECT_EQ((std::vector<int>{1}), SourceNumbers(script));

    // The header's eighth line is skipped unread, even when it is the flag.
    std::vector<std::string> flagEighth = sevenLines;
    flagEighth.push_back("RunAtBackground=1");
    flagEighth.push_back("[Script]");
    flagEighth.push_back("WAIT(9)");
    TempRobotFile flagged(flagEighth);
    script.UnloadScript();
    ASSERT_TRUE(script.LoadRobotFile(flagged.Path(), -1));
    EXPECT_EQ(0, script.m_bRunAtBackground);
    EXPECT_EQ((std::vector<std::string>{"WAIT(9)"}), StoredLines(script));
}
