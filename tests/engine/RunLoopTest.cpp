// The run loop driven in-process: the quit message, the stop flag, held
// keys, script hotkeys, Adlib, the recorded-window wait and the placeholder
// of built-ins not bound yet.
#include "engine/CMarionet_Script.h"
#include "engine/CMarionet_ScriptFile.h"
#include "engine/RobotRunSequence.h"
#include "engine/builtins/BuiltinRegistry.h"
#include "engine/builtins/CBuiltinState.h"
#include "framework/CMessageBoxCapture.h"
#include "robot/CActiveWinPath.h"
#include "robot/CRobot.h"
#include "tests/tools/e2e/E2eSupport.h"

#include <gtest/gtest.h>

#include <fstream>
#include <string>
#include <vector>

namespace {

class RunLoopTest : public ::testing::Test
{
protected:
    RunLoopTest() : m_engine(m_file) {}

    // Loads the lines as the Test command does (file index -1) and checks them.
    int Load(const std::vector<std::string>& lines)
    {
        m_file.UnloadScript();
        int number = 0;
        for (const std::string& line : lines)
            m_file.AddScriptLine(++number, line.c_str(), -1);
        m_file.BuildLineArray();
        return m_engine.LoadAndCheckScript("runloop.txt");
    }

    // Loads a robot file as the runner does and checks it.
    int LoadRobot(const std::string& path)
    {
        if (!m_file.LoadRobotFile(path.c_str(), -1))
            return -1;
        m_file.BuildLineArray();
        return m_engine.LoadAndCheckScript(path.c_str());
    }

    // One run from line 1 with the function as Adlib, due at every pass.
    void RunWithAdlib(const char* function)
    {
        m_engine.m_sAdlibFunction = function;
        m_engine.m_bAdlibEnabled = 1;
        m_engine.m_dwAdlibPeriod = 0;
        m_engine.ExecuteFromLine(1, 1);
        m_engine.m_bAdlibEnabled = 0;
    }

    // The value of a global variable as text; "<none>" when it does not exist.
    std::string Global(const char* name)
    {
        CScriptValue* value = nullptr;
        if (!m_engine.m_Variables.GetRef(name, value, CScriptVarTable::SCOPE_GLOBAL) || !value)
            return "<none>";
        return value->GetText();
    }

    CMessageBoxCapture m_boxes;
    CMarionet_ScriptFile m_file;
    CMarionet_Script m_engine;
};

TEST_F(RunLoopTest, EmptyScriptEndsAtOnce)
{
    ASSERT_EQ(0, Load({}));
    EXPECT_EQ(0, m_engine.ExecuteFromLine(1, 1));
    EXPECT_EQ(CMarionet_Script::WAIT_FINISHED, m_engine.m_nWaitState);
}

TEST_F(RunLoopTest, ThreeLinesRunInOrder)
{
    ASSERT_EQ(0, Load({"$seq = 1", "$seq = $seq & 2", "$seq = $seq & 3"}));
    EXPECT_EQ(0, m_engine.ExecuteFromLine(1, 1));
    EXPECT_EQ("123", Global("SEQ"));
    EXPECT_EQ(CMarionet_Script::WAIT_FINISHED, m_engine.m_nWaitState);
    EXPECT_EQ(0, m_boxes.Count());
}

TEST_F(RunLoopTest, QuitEndsTheRunAndIsPostedAgainOnce)
{
    ASSERT_EQ(0, Load({"$quitline = 1"}));
    PostQuitMessage(18);
    EXPECT_EQ(0, m_engine.ExecuteFromLine(1, 1));
    EXPECT_TRUE(m_engine.QuitReceived());
    EXPECT_EQ("<none>", Global("QUITLINE"));
    MSG msg;
    ASSERT_TRUE(PeekMessageA(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
    EXPECT_EQ(18u, msg.wParam);

    // Final: a later run executes nothing and posts nothing more.
    EXPECT_EQ(0, m_engine.ExecuteFromLine(1, 1));
    EXPECT_EQ("<none>", Global("QUITLINE"));
    EXPECT_FALSE(PeekMessageA(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
}

TEST_F(RunLoopTest, StopFlagEndsTheRunBeforeTheNextLine)
{
    ASSERT_EQ(0, Load({"$stop1 = 1", "$stop2 = 1"}));
    m_engine.m_bStopRequested = 1;
    m_engine.ExecuteFromLine(1, 1);
    EXPECT_EQ("<none>", Global("STOP1"));
    // Loading clears it again.
    ASSERT_EQ(0, Load({"$stop1 = 1"}));
    m_engine.ExecuteFromLine(1, 1);
    EXPECT_EQ("1", Global("STOP1"));
}

TEST_F(RunLoopTest, HeldKeysAreReleasedWhenATopLevelRunEndsAnyWay)
{
    int releases = 0;
    m_engine.m_Hooks.releaseHeldKeys = [&releases]() { ++releases; };
    ASSERT_EQ(0, Load({"$held = 1", "F()", "Func F()", "$inner = 1", "EndFunc"}));
    m_engine.ExecuteFromLine(1, 1);
    EXPECT_EQ(1, releases);
    ASSERT_EQ(0, Load({"$held = (1"}));
    m_engine.ExecuteFromLine(1, 1);
    EXPECT_EQ(2, releases);
    m_engine.m_bStopRequested = 1;
    m_engine.ExecuteFromLine(1, 1);
    EXPECT_EQ(3, releases);
}

TEST_F(RunLoopTest, ScriptHotkeyRunsItsFunctionFromTheThreadQueue)
{
    ASSERT_EQ(0, Load({"$hk1 = 1", "$hk2 = 2", "Func OnKey()", "Global $hkran = 11", "EndFunc"}));
    auto* slot = new CScriptHotkeySlot;
    slot->nId = 7;
    slot->strFunction = "OnKey";
    m_engine.m_pHotkeySlots[3] = slot;
    // A script hotkey's WM_HOTKEY has no window: the pump queues its id.
    PostThreadMessageA(GetCurrentThreadId(), WM_HOTKEY, 7, 0);
    m_engine.ExecuteFromLine(1, 1);
    EXPECT_EQ("11", Global("HKRAN"));
    EXPECT_EQ(0, m_boxes.Count());
    EXPECT_EQ(nullptr, m_engine.m_pHotkeySlots[3]) << "the end of the run frees the script's hotkeys";
}

TEST_F(RunLoopTest, KeptTokensAndBlockEndsGiveWayWhenTheLinesChange)
{
    ASSERT_EQ(0, Load({"$kv = 1", "While $kv < 3", "$kv = $kv + 1", "WEnd"}));
    m_engine.ExecuteFromLine(1, 1);
    EXPECT_EQ("3", Global("KV"));
    // The same line numbers hold other text now, and the loop ends a line later.
    ASSERT_EQ(0, Load({"$kv = 10", "While $kv < 13", "$kv = $kv + 2", "$kw = $kv", "WEnd"}));
    m_engine.ExecuteFromLine(1, 1);
    EXPECT_EQ("14", Global("KV"));
    EXPECT_EQ("14", Global("KW"));
    EXPECT_EQ(0, m_boxes.Count());
}

TEST_F(RunLoopTest, ALineThatDoesNotTokeniseReportsWheneverItIsReached)
{
    // Stored without the load check, which would have refused it.
    m_file.UnloadScript();
    m_file.AddScriptLine(1, "$tk = 1", -1);
    m_file.AddScriptLine(2, "$tk = \"open", -1);
    m_file.BuildLineArray();
    for (int run = 0; run < 2; ++run) {
        m_engine.m_bStopRequested = 0;
        m_engine.ExecuteFromLine(1, 1);
    }
    ASSERT_EQ(2, m_boxes.Count());
    EXPECT_EQ(std::string(m_boxes.Requests()[0].text), std::string(m_boxes.Requests()[1].text));
}

TEST(HotkeyQueueTest, FullQueueDropsTheNewestId)
{
    CScriptHotkeyQueue queue;
    for (int id = 0; id < CScriptHotkeyQueue::CAPACITY - 1; ++id)
        EXPECT_TRUE(queue.Post(id));
    EXPECT_FALSE(queue.Post(99));
    int id = -1;
    for (int expected = 0; expected < CScriptHotkeyQueue::CAPACITY - 1; ++expected) {
        ASSERT_TRUE(queue.Take(id));
        EXPECT_EQ(expected, id);
    }
    EXPECT_FALSE(queue.Take(id));
}

TEST_F(RunLoopTest, AdlibFunctionRunsBetweenLines)
{
    ASSERT_EQ(0, Load({"$ad1 = 1", "$ad2 = 2", "Func Tick()", "Global $ticks = 1", "EndFunc"}));
    RunWithAdlib("Tick");
    EXPECT_EQ("1", Global("TICKS"));
    EXPECT_EQ("2", Global("AD2"));
}

// A wait built-in as the window waits work: it presets the result, sets its
// wait state and runs the service run; the poller ends it after a few passes.
int FakeWinWait(CMarionet_Script& engine, CScriptValueList&, CScriptValue& result)
{
    engine.m_vResult.SetInteger(1);
    engine.m_nWaitState = CMarionet_Script::WAIT_WINWAIT;
    engine.ExecuteFromLine(0, 0);
    result = engine.m_vResult;
    return 0;
}

TEST_F(RunLoopTest, AdlibDuringAWaitLeavesTheWaitsResultAlone)
{
    ASSERT_EQ(0, Load({"$waited = WinWait(\"x\")", "Func Tick()", "Global $adlibticks = 1", "Return 5", "EndFunc"}));
    int polls = 0;
    m_engine.m_Hooks.pollWindowWait = [this, &polls]() {
        Sleep(1);
        if (++polls < 5)
            return 1;
        m_engine.m_nWaitState = CMarionet_Script::WAIT_RUNNING;
        m_engine.m_bReturn = 1;
        return 1;
    };
    m_engine.SetBuiltinHandler(FindScriptBuiltin("WINWAIT", 7), FakeWinWait);
    RunWithAdlib("Tick");
    EXPECT_EQ("1", Global("ADLIBTICKS"));
    EXPECT_EQ("1", Global("WAITED"));
    EXPECT_EQ(0, m_boxes.Count());
}

TEST_F(RunLoopTest, ErrorInAdlibEndsTheRun)
{
    ASSERT_EQ(0, Load({"$adx = 1", "Func Bad()", "$q = (1", "EndFunc"}));
    RunWithAdlib("Bad");
    EXPECT_EQ(1, m_boxes.Count());
    EXPECT_EQ("<none>", Global("ADX"));
}

TEST_F(RunLoopTest, BuiltinWithoutHandlerStopsNamingIt)
{
    ASSERT_EQ(0, Load({"$p = MsgBox(0, \"a\", \"b\")", "$after = 1"}));
    m_engine.ExecuteFromLine(1, 1);
    ASSERT_EQ(1, m_boxes.Count());
    EXPECT_EQ("Line 1:\n\n$p = MsgBox(0, \"a\", \"b\")\n\nError: The function \"MSGBOX\" is not available.",
              std::string(m_boxes.Requests()[0].text));
    EXPECT_EQ(std::string("Internal Error"), std::string(m_boxes.Requests()[0].caption));
    EXPECT_EQ(static_cast<UINT>(MB_ICONERROR | MB_SYSTEMMODAL | MB_SETFOREGROUND), m_boxes.Requests()[0].type);
    EXPECT_EQ("<none>", Global("AFTER"));
}

TEST_F(RunLoopTest, LoadRefusesCallsToUndefinedFunctions)
{
    EXPECT_EQ(0, Load({"Func Shared()", "EndFunc"}));
    EXPECT_EQ(0, Load({"Func Shared()", "EndFunc"}));
    EXPECT_EQ(1, Load({"Shared()"}));
    ASSERT_EQ(1, m_boxes.Count());
    EXPECT_NE(std::string::npos, std::string(m_boxes.Requests()[0].text).find("Error: Unknown function name."));
}

struct RecordedWindowRow
{
    std::string title;
    std::string program;
    int winIndex;
};

// A robot file of the lines and the recorded windows that they go to.
std::string WriteRecordedWindowsRobot(const std::vector<std::string>& lines,
                                      const std::vector<RecordedWindowRow>& records)
{
    const std::string path = e2e::TempFilePath("recwin") + ".txt";
    std::ofstream out(path, std::ios::binary);
    out << "[General]\r\nName=recwin\r\nStartKey=None\r\nEndKey=None\r\nDescription=\r\nEnable=0\r\n"
           "RepeatOption=0\r\nRepeatTimes=1\r\nOriginalSpeed=1\r\nUseSimilarWin=0\r\nUseRecWin=1\r\n"
           "TriggerRobot=\r\nRunAtBackground=0\r\n[Script]\r\n";
    for (const std::string& line : lines)
        out << line << "\r\n";
    out << "[RecWinInfo]\r\n";
    for (const RecordedWindowRow& record : records) {
        out << "WinIndex=" << record.winIndex << "\r\nWinTitle=" << record.title << "\r\nWinPath=" << record.program
            << "\r\nWinParentLevel=0\r\nWinRect=10,10,200,200\r\n";
    }
    return path;
}

// A robot file whose one line goes to the recorded window of that title and
// program; by default one that does not exist.
std::string WriteRecordedWindowRobot(const std::string& title = "No Such Window 4711",
                                     const std::string& program = "C:\\nowhere\\nothing.exe")
{
    return WriteRecordedWindowsRobot({"$recline = 1-> At Win [0]"}, {{title, program, 1}});
}

HWND CreateLiveWindow(const char* title)
{
    return CreateWindowExA(0, "STATIC", title, WS_OVERLAPPEDWINDOW | WS_VISIBLE, 40, 40, 300, 200, nullptr, nullptr,
                           GetModuleHandleA(nullptr), nullptr);
}

CString ProgramOf(HWND window)
{
    CString program;
    CActiveWinPath identity;
    identity.GetProcessPath(window, program);
    return program;
}

TEST_F(RunLoopTest, RecordedWindowIsAwaitedFortyTimesThenTheRunStops)
{
    ASSERT_EQ(0, LoadRobot(WriteRecordedWindowRobot()));
    m_engine.m_bUseRecWin = 1;
    const DWORD start = GetTickCount();
    m_engine.ExecuteFromLine(1, 1);
    const DWORD elapsed = GetTickCount() - start;
    m_engine.m_bUseRecWin = 0;

    EXPECT_GE(elapsed, 19000u);
    EXPECT_EQ("<none>", Global("RECLINE"));
    EXPECT_EQ(1, m_engine.m_bStopRequested);
    ASSERT_EQ(1, m_boxes.Count());
    const CMessageBoxRequest box = m_boxes.Requests()[0];
    EXPECT_EQ(std::string("Orvantis Tapforge Error"), std::string(box.caption));
    EXPECT_EQ(std::string("Cannot find window or application titled 'No Such Window 4711' that was open during "
                          "recording.\n\nIf the window title changes every time you run the robot, edit the robot "
                          "and check the option 'Enable to run with other similar files or window titles'."),
              std::string(box.text));
    EXPECT_EQ(static_cast<UINT>(MB_ICONERROR), box.type);
}

TEST_F(RunLoopTest, RunBuiltinAsksForTheLongRecordedWindowLimitOnce)
{
    ASSERT_EQ(0, LoadRobot(WriteRecordedWindowRobot()));

    m_engine.m_bRecWinLongRetry = 1;
    EXPECT_FALSE(m_engine.CheckLineRecordedWindow(1));
    EXPECT_EQ(600, m_engine.m_nRecWinTryLimit);
    EXPECT_EQ(0, m_engine.m_bRecWinLongRetry);
    EXPECT_EQ(1, m_engine.m_nRecWinTries);
    EXPECT_EQ(CMarionet_Script::WAIT_RECORDED_WINDOW, m_engine.m_nWaitState);

    EXPECT_FALSE(m_engine.CheckLineRecordedWindow(1));
    EXPECT_EQ(40, m_engine.m_nRecWinTryLimit);
}

TEST_F(RunLoopTest, SimilarWindowStandsInForTheRecordedOneAndIsRemembered)
{
    HWND window = CreateLiveWindow("Renamed Window 5150");
    ASSERT_NE(nullptr, window);
    const CString program = ProgramOf(window);
    ASSERT_FALSE(program.IsEmpty());
    ASSERT_EQ(0, LoadRobot(WriteRecordedWindowRobot("Recorded Window 5150", program.GetString())));
    m_engine.m_bUseRecWin = 1;
    m_engine.m_bUseSimilarWin = 1;
    m_engine.ExecuteFromLine(1, 1);
    m_engine.m_bUseRecWin = 0;
    m_engine.m_bUseSimilarWin = 0;

    EXPECT_EQ("1", Global("RECLINE"));
    EXPECT_EQ(0, m_boxes.Count());
    ASSERT_EQ(1u, m_file.m_vecRecWinInfo.size());
    const RecordedWindowInfo& record = m_file.m_vecRecWinInfo[0];
    EXPECT_EQ(window, record.hWnd);
    EXPECT_EQ(std::string(program.GetString()), std::string(record.WinPath.GetString()));
    EXPECT_EQ(200, record.WinRect.right);
    RECT placed;
    GetWindowRect(window, &placed);
    EXPECT_EQ(10, placed.left);
    EXPECT_EQ(10, placed.top);
    DestroyWindow(window);
}

// Both titles changed since recording: the second recorded window of the
// program passes over the live window that the first one took, and a record
// of the first one's window index takes that same window again.
TEST_F(RunLoopTest, TwoRecordedWindowsOfOneProgramGoToTwoLiveWindows)
{
    HWND one = CreateLiveWindow("Live Window One");
    HWND two = CreateLiveWindow("Live Window Two");
    ASSERT_NE(nullptr, one);
    ASSERT_NE(nullptr, two);
    const std::string program = ProgramOf(one).GetString();
    ASSERT_EQ(0, LoadRobot(WriteRecordedWindowsRobot(
                     {"$first = 1-> At Win [0]", "$second = 1-> At Win [1]", "$again = 1-> At Win [2]"},
                     {{"Recorded One", program, 1}, {"Recorded Two", program, 2}, {"Recorded Again", program, 1}})));
    m_engine.m_bUseRecWin = 1;
    m_engine.m_bUseSimilarWin = 1;
    m_engine.ExecuteFromLine(1, 1);
    m_engine.m_bUseRecWin = 0;
    m_engine.m_bUseSimilarWin = 0;

    EXPECT_EQ("111", Global("FIRST") + Global("SECOND") + Global("AGAIN"));
    EXPECT_EQ(0, m_boxes.Count());
    const std::vector<RecordedWindowInfo>& records = m_file.m_vecRecWinInfo;
    ASSERT_EQ(3u, records.size());
    EXPECT_TRUE(records[0].hWnd == one || records[0].hWnd == two);
    EXPECT_TRUE(records[1].hWnd == one || records[1].hWnd == two);
    EXPECT_NE(records[0].hWnd, records[1].hWnd);
    EXPECT_EQ(records[0].hWnd, records[2].hWnd);
    DestroyWindow(one);
    DestroyWindow(two);
}

TEST_F(RunLoopTest, FatalErrorStopsTheRemainingRunsOfARobot)
{
    const std::string path = e2e::WriteTempRobotFile("counted", {"$countedruns = $countedruns + 1", "$q = (1"});
    ASSERT_FALSE(path.empty());
    CRobot robot;
    ASSERT_TRUE(robot.LoadFromFile(path.c_str()));
    InstallScriptBuiltins(m_engine);
    ASSERT_EQ(0, Load({"Global $countedruns = 0"}));
    m_engine.ExecuteFromLine(1, 1);

    int runs = 0;
    const int outcome = RunRobotSequence(m_engine, robot, path.c_str(), [&runs](int n) {
        ++runs;
        return n < 5;
    });
    EXPECT_EQ(ROBOT_RUN_FAILED, outcome);
    // The runner still asks for its repetitions; each ends before its first line.
    EXPECT_EQ(6, runs);
    EXPECT_EQ("1", Global("COUNTEDRUNS"));
    EXPECT_EQ(1, m_boxes.Count());
}

TEST_F(RunLoopTest, RunInBackgroundPostsTheKeysToTheTargetWindow)
{
    const std::string path = e2e::WriteTempRobotFile("background", {"$bgline = 1"});
    ASSERT_FALSE(path.empty());
    CRobot robot;
    ASSERT_TRUE(robot.LoadFromFile(path.c_str()));
    robot.m_bRunAtBackground = 1;
    InstallScriptBuiltins(m_engine);
    CKeySender& sender = BuiltinState(m_engine).m_KeySender;
    ASSERT_EQ(0, sender.m_bPostMessageMode);

    EXPECT_EQ(ROBOT_RUNS_ENDED, RunRobotSequence(m_engine, robot, path.c_str(), [](int n) { return n == 0; }));
    EXPECT_EQ(1, m_engine.m_bRunAtBackground);
    EXPECT_EQ(1, sender.m_bPostMessageMode);

    // The keys of a send to a window now arrive as that window's messages.
    HWND window = CreateWindowExA(0, "STATIC", "background target", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                                  GetModuleHandleA(nullptr), nullptr);
    ASSERT_NE(nullptr, window);
    sender.Send("a", window);
    MSG msg;
    ASSERT_TRUE(PeekMessageA(&msg, window, WM_KEYDOWN, WM_KEYDOWN, PM_REMOVE));
    EXPECT_EQ(static_cast<WPARAM>('A'), msg.wParam);
    EXPECT_TRUE(PeekMessageA(&msg, window, WM_KEYUP, WM_KEYUP, PM_REMOVE));
    DestroyWindow(window);

    m_engine.SetRunAtBackground(0, 0, 0);
    EXPECT_EQ(0, sender.m_bPostMessageMode);
}

}  // namespace
