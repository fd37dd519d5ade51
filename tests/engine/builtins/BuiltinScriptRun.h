// Runs script lines as a robot through runrobot.exe. The lines may call
// Put(value), which writes the value as one line of the outcome's values.
#pragma once

#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

struct ScriptOutcome
{
    int exitCode = -1;
    std::string output;               // the texts of the boxes the run showed
    std::vector<std::string> values;  // what Put wrote, in order
};

ScriptOutcome RunPutScript(const std::vector<std::string>& lines);

// Whether the run ended well having put exactly the values expected:
// EXPECT_TRUE(EndedWithValues(run, {"2"})).
::testing::AssertionResult EndedWithValues(const ScriptOutcome& run, const std::vector<std::string>& expected);
// The same for a run of the lines: EXPECT_TRUE(PutsExactly({"Put(1 + 1)"}, {"2"})).
::testing::AssertionResult PutsExactly(const std::vector<std::string>& lines, const std::vector<std::string>& expected);

// The text as a script string literal: in double quotes, each one doubled.
std::string ScriptLiteral(const std::string& text);
// The program text of the Run built-ins as a literal: the path in single
// quotes, then the parameters.
std::string ProgramLiteral(const std::string& path, const std::string& parameters = "");

// Starts tapwin.exe with a caption (and an optional log file and position) and
// waits for its window; null on timeout.
HWND StartTapwin(const std::string& title, const std::string& log = "", const std::string& pos = "");

// A tapwin.exe window logging to a file of its own, shared by a test suite.
struct TapwinTarget
{
    HWND window = nullptr;
    std::string log;

    void Start(const std::string& title, const std::string& pos);
    // Ends the started programs and removes the log.
    void End();
};
