#include "engine/CMarionet_ScriptFile.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <string>

TEST(ScriptLineStore, EmptyAndCommentLinesGiveWayToTheNextLine)
{
    CMarionet_ScriptFile script;
    script.AddScriptLine(1, "; a comment", -1);
    script.AddScriptLine(2, "", -1);
    script.AddScriptLine(3, "MouseClick(\"left\", 1)", 4);
    script.AddScriptLine(4, "; last comment", 4);
    script.BuildLineArray();

    ASSERT_EQ(2, script.GetLineCount());
    EXPECT_STREQ("MouseClick(\"left\", 1)", script.GetLine(1));
    EXPECT_EQ(3, script.GetLineNumber(1));
    EXPECT_EQ(4, script.GetLineFileIndex(1));
    EXPECT_STREQ("; last comment", script.GetLine(2));
    EXPECT_EQ(4, script.GetLineNumber(2));
}

TEST(ScriptLineStore, LinesAreReadOnlyThroughABuiltArray)
{
    CMarionet_ScriptFile script;
    EXPECT_EQ(nullptr, script.GetLine(1));
    script.BuildLineArray();
    EXPECT_EQ(nullptr, script.GetLine(1));

    script.AddScriptLine(1, "WAIT(1)", -1);
    EXPECT_EQ(nullptr, script.GetLine(1));
    script.BuildLineArray();
    EXPECT_STREQ("WAIT(1)", script.GetLine(1));
    EXPECT_EQ(nullptr, script.GetLine(0));
    EXPECT_EQ(nullptr, script.GetLine(2));
    EXPECT_EQ(-1, script.GetLineNumber(0));
    EXPECT_EQ(-1, script.GetLineNumber(2));
    EXPECT_EQ(-1, script.GetLineFileIndex(2));

    // Enough lines to move the store: the old array must not be handed out.
    for (int i = 2; i <= 200; ++i)
        script.AddScriptLine(i, ("Send(\"" + std::to_string(i) + "\")").c_str(), -1);
    EXPECT_EQ(nullptr, script.GetLine(1));
    script.BuildLineArray();
    EXPECT_STREQ("WAIT(1)", script.GetLine(1));
    EXPECT_STREQ("Send(\"200\")", script.GetLine(200));

    script.UnloadScript();
    EXPECT_EQ(0, script.GetLineCount());
    EXPECT_EQ(nullptr, script.GetLine(1));
}

TEST(ScriptLineStore, IncludeFilesAreCountedByFullPathWithoutCase)
{
    CMarionet_ScriptFile script;
    const int first = script.AddIncludeFile("C:\\Robots\\One.txt");
    EXPECT_EQ(0, first);
    EXPECT_EQ(first, script.AddIncludeFile("c:\\robots\\ONE.TXT"));
    EXPECT_EQ(first, script.AddIncludeFile("C:\\Robots\\Sub\\..\\One.txt"));
    EXPECT_STREQ("C:\\Robots\\One.txt", script.GetIncludeFileName(first));

    char current[MAX_PATH] = "";
    GetCurrentDirectoryA(sizeof current, current);
    const int relative = script.AddIncludeFile("Relative.txt");
    EXPECT_EQ(1, relative);
    std::string expected = current;
    if (expected.back() != '\\')
        expected += '\\';
    EXPECT_EQ(expected + "Relative.txt", std::string(script.GetIncludeFileName(relative)));

    EXPECT_EQ(nullptr, script.GetIncludeFileName(-1));
    EXPECT_EQ(nullptr, script.GetIncludeFileName(2));
    EXPECT_EQ(nullptr, script.GetIncludeFileName(64));
}

TEST(ScriptLineStore, TheFileTableHoldsSixtyFourFilesOfAnyPathLength)
{
    CMarionet_ScriptFile script;
    const std::string longFolder = "C:\\" + std::string(300, 'd') + "\\";
    for (int i = 0; i < CMarionet_ScriptFile::kMaxScriptFiles; ++i)
        ASSERT_EQ(i, script.AddIncludeFile((longFolder + std::to_string(i) + ".txt").c_str()));
    EXPECT_EQ(longFolder + "63.txt", std::string(script.GetIncludeFileName(63)));
    EXPECT_EQ(-1, script.AddIncludeFile("C:\\another.txt"));
    // A full table refuses even a name it holds.
    EXPECT_EQ(-1, script.AddIncludeFile((longFolder + "0.txt").c_str()));

    script.UnloadScript();
    EXPECT_EQ(nullptr, script.GetIncludeFileName(0));
    EXPECT_EQ(0, script.AddIncludeFile("C:\\another.txt"));
}
