// The window waits: ended by a window that appears, closes or changes
// activation while the script waits, or by their timeout. Durations are
// checked loosely.
#include "tests/engine/builtins/BuiltinScriptRun.h"
#include "tests/tools/e2e/E2eSupport.h"

#include <gtest/gtest.h>

#include <thread>

namespace {

class WindowWaitTest : public ::testing::Test
{
protected:
    void TearDown() override { e2e::EndStartedProcesses(); }
};

// Runs the script while, after a second, the action happens.
template <class Action>
ScriptOutcome RunWhile(const std::vector<std::string>& lines, Action action)
{
    std::thread later([action]() {
        Sleep(1000);
        action();
    });
    ScriptOutcome run = RunPutScript(lines);
    later.join();
    return run;
}

TEST_F(WindowWaitTest, WinWaitEndsWhenTheWindowAppears)
{
    ScriptOutcome run = RunWhile({"Put(WinWait(\"Late Tapwin\", \"\", 30))", "Put(WinExists(\"Late Tapwin\"))"},
                                 []() { e2e::StartProgram("tapwin.exe", "--title \"Late Tapwin\" --pos 500,300"); });
    EXPECT_TRUE(EndedWithValues(run, {"1", "1"}));
}

TEST_F(WindowWaitTest, WinWaitCloseEndsWhenTheWindowCloses)
{
    HWND window = StartTapwin("Closing Soon", "", "500,300");
    ASSERT_NE(nullptr, window);
    ScriptOutcome run = RunWhile({"Put(WinWaitClose(\"Closing Soon\", \"\", 30))", "Put(WinExists(\"Closing Soon\"))"},
                                 [window]() { PostMessageA(window, WM_CLOSE, 0, 0); });
    EXPECT_TRUE(EndedWithValues(run, {"1", "0"}));
}

TEST_F(WindowWaitTest, WaitsTimeOut)
{
    DWORD start = GetTickCount();
    ScriptOutcome run = RunPutScript({
        "Put(WinWait(\"Never Opened Window\", \"\", 2))",
        "Put(WinWaitActive(\"Never Opened Window\", \"\", 1))",
        "Put(WinWaitNotActive(\"Never Opened Window\", \"\", 5))",
        "Put(WinWaitClose(\"Never Opened Window\"))",
    });
    EXPECT_GE(GetTickCount() - start, 2900u);
    EXPECT_TRUE(EndedWithValues(run, {"0", "0", "1", "1"}));
}

TEST_F(WindowWaitTest, WinWaitActiveEndsWhenTheWindowIsActivated)
{
    HWND first = StartTapwin("Activation One", "", "500,300");
    HWND second = StartTapwin("Activation Two", "", "520,320");
    ASSERT_NE(nullptr, first);
    ASSERT_NE(nullptr, second);
    SetForegroundWindow(second);
    ASSERT_TRUE(e2e::WaitUntil([second]() { return GetForegroundWindow() == second; }, 5000));
    // The first window comes to the front only once the script has looked at
    // it: the program may take longer than the action's second to start.
    char temp[MAX_PATH] = {};
    GetTempPathA(MAX_PATH, temp);
    const std::string marker = std::string(temp) + "winwaitactive-looked.txt";
    DeleteFileA(marker.c_str());
    ScriptOutcome run = RunWhile(
        {"Put(WinActive(\"Activation One\"))", "FileWriteLine(\"" + marker + "\", \"looked\")",
         "Put(WinWaitActive(\"Activation One\", \"\", 30))", "Put(WinWaitNotActive(\"Activation Two\", \"\", 30))"},
        [first, marker]() {
            e2e::WaitForFileLine(marker, "looked", 30000);
            SetForegroundWindow(first);
        });
    DeleteFileA(marker.c_str());
    EXPECT_TRUE(EndedWithValues(run, {"0", "1", "1"}));
}

}  // namespace
