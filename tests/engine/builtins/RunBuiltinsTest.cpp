// RUN, RUNWAIT, RUNREADYINPUT and RUNASSET: through runrobot.exe for what a
// robot sees, in process for the waits that the test interrupts.
#include "engine/ScriptErrorText.h"
#include "tests/engine/ScriptRunSupport.h"
#include "tests/engine/builtins/BuiltinScriptRun.h"
#include "tests/engine/builtins/BuiltinScriptRunner.h"
#include "tests/tools/e2e/E2eSupport.h"

#include <gtest/gtest.h>
#include <mmsystem.h>

namespace {

const char kStartFailed[] = "Unable to execute the external program.";

std::string Tapwin(const std::string& title)
{
    return ProgramLiteral(e2e::BinPath("tapwin.exe"), " --title \"" + title + "\"");
}

// A line that writes the expression to the script's result file.
std::string Out(const std::string& expression)
{
    return "FileWriteLine(\"%OUT%\", " + expression + ")";
}

// The system's text for an error as a shown box reads it, with "\n" line ends.
std::string SystemText(DWORD error)
{
    std::string text = GetSystemErrorText(static_cast<int>(error));
    for (size_t at = text.find("\r\n"); at != std::string::npos; at = text.find("\r\n", at))
        text.erase(at, 1);
    return text;
}

std::string TempFolder()
{
    std::string folder = e2e::TempFilePath("runfolder");
    CreateDirectoryA(folder.c_str(), nullptr);
    return folder;
}

class RunBuiltinsTest : public ::testing::Test
{
protected:
    void TearDown() override { e2e::EndStartedProcesses(); }
};

TEST_F(RunBuiltinsTest, ProgramsStartWaitAndGiveTheirIds)
{
    const std::string folder = TempFolder();
    // Longer than the command line buffer the program once had.
    const std::string longTail = " /c exit 5 " + std::string(25000, 'x');
    EXPECT_TRUE(PutsExactly(
        {
            "Put(RunWait(" + ProgramLiteral("cmd.exe", " /c exit 3") + "))",
            "Put(RunWait(" + ProgramLiteral("cmd.exe", " /c cd > cwd.txt") + ", " + ScriptLiteral(folder) + "))",
            "Put(RunWait(" + ProgramLiteral("C:\\no such folder\\cmd.exe", " /c exit 4") + "))",
            "RunWait(" + ProgramLiteral("cmd.exe", longTail) + ")",
            "Put(@error)",
            "$pid = Run(" + Tapwin("Run Tapwin") + ")",
            "Put($pid > 0 And ProcessExists($pid) = $pid)",
            "$ready = RunReadyInput(" + Tapwin("Ready Tapwin") + ")",
            "Put(ProcessExists($ready) = $ready)",
            "ProcessClose($pid)",
            "ProcessClose($ready)",
            "Put(ProcessWaitClose($pid, 10) + ProcessWaitClose($ready, 10))",
        },
        {"3", "0", "4", "0", "1", "1", "2"}));
    std::vector<std::string> cwd = e2e::ReadLines(folder + "\\cwd.txt");
    ASSERT_EQ(1u, cwd.size());
    EXPECT_EQ(0, lstrcmpiA(folder.c_str(), cwd[0].c_str())) << cwd[0];
}

TEST_F(RunBuiltinsTest, BadProgramTextsAndFailedStarts)
{
    const std::string missing = ProgramLiteral("C:\\no such folder\\nosuchprogram.exe");
    const std::string hugeTail = " " + std::string(40000, 'x');
    const std::vector<std::vector<std::string>> scripts = {
        {"Run(\"cmd.exe\")"},
        {"Run(\"x'cmd.exe'\")"},
        {"Run(\"''\")"},
        {"RunWait(" + missing + ")"},
        {"RunAsSet(\"user\")"},
        {"Opt(\"RunErrorsFatal\", 0)", Out("RunWait(" + missing + ") & \"/\" & @error"),
         Out("Run(" + ProgramLiteral("cmd.exe", hugeTail) + ") & \"/\" & @error"),
         Out("RunAsSet(\"user\", \"domain\", \"password\", 2)"),
         Out("Run(" + ProgramLiteral("cmd.exe") + ") & \"/\" & @error"), Out("RunAsSet()"),
         Out("RunWait(" + ProgramLiteral("cmd.exe", " /c exit 6") + ")")},
        {"Opt(\"RunErrorsFatal\", 1)", "RunAsSet(\"user\", \"domain\", \"password\")",
         "Run(" + ProgramLiteral("cmd.exe") + ")"},
    };
    std::vector<scripttest::Result> results = scripttest::RunScripts(scripts);
    const char* messages[] = {"Invalid program to launch", "Invalid program to launch", "Empty program to launch"};
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(scripttest::ErrorReport(results[i], 1, results[i].lines[0], -1, messages[i]), results[i].FirstBox());
    EXPECT_EQ(scripttest::ErrorReport(results[3], 1, results[3].lines[0], -1, kStartFailed) + "\n\n" +
                  SystemText(ERROR_FILE_NOT_FOUND),
              results[3].FirstBox());
    EXPECT_EQ(scripttest::ErrorReport(results[4], 1, results[4].lines[0], -1,
                                      "Incorrect number of parameters in function call."),
              results[4].FirstBox());
    std::vector<std::string> expected = {"0/1", "0/1", "1", "0/1", "1", "6"};
    EXPECT_EQ(expected, results[5].OutputLines()) << results[5].FirstBox();
    // The account cannot log on here: the system's reason is in the report.
    EXPECT_EQ(0u, results[6].FirstBox().find(
                      scripttest::ErrorReport(results[6], 3, results[6].lines[2], -1, kStartFailed) + "\n\n"))
        << results[6].FirstBox();
}

// In process: the test's timer acts in the middle of a run; a timer that did
// not fire must not reach the next test.
class CTestTimer
{
public:
    CTestTimer(UINT ms, TIMERPROC proc) : m_id(SetTimer(nullptr, 0, ms, proc)) {}
    ~CTestTimer() { KillTimer(nullptr, m_id); }

private:
    UINT_PTR m_id;
};

CBuiltinScriptRunner* g_pRunner = nullptr;
HANDLE g_hChild = nullptr;
DWORD g_dwChildId = 0;

void CALLBACK StopTheRun(HWND, UINT, UINT_PTR id, DWORD)
{
    KillTimer(nullptr, id);
    g_hChild = g_pRunner->Engine().m_Wait.m_hRunWaitChild;
    g_dwChildId = GetProcessId(g_hChild);
    g_pRunner->Engine().m_bStopRequested = 1;
}

void CALLBACK EndTheOuterChild(HWND, UINT, UINT_PTR id, DWORD)
{
    KillTimer(nullptr, id);
    TerminateProcess(g_pRunner->Engine().m_Wait.m_hRunWaitChild, 4);
}

TEST_F(RunBuiltinsTest, StoppedRunWaitClosesTheChildHandleAndLeavesTheChildRunning)
{
    CBuiltinScriptRunner runner;
    g_pRunner = &runner;
    CTestTimer timer(1500, StopTheRun);
    runner.Run({"$r = RunWait(" + Tapwin("Waited Tapwin") + ")"});
    ASSERT_NE(0u, g_dwChildId);
    EXPECT_NE(g_dwChildId, GetProcessId(g_hChild));
    HANDLE child = OpenProcess(PROCESS_TERMINATE | SYNCHRONIZE, FALSE, g_dwChildId);
    ASSERT_NE(nullptr, child);
    EXPECT_EQ(static_cast<DWORD>(WAIT_TIMEOUT), WaitForSingleObject(child, 0));
    TerminateProcess(child, 0);
    CloseHandle(child);
}

// A program that never becomes ready for input no longer holds the run: the
// stop flag ends it.
TEST_F(RunBuiltinsTest, RunReadyInputOfABusyProgramEndsWithTheRun)
{
    CBuiltinScriptRunner runner;
    g_pRunner = &runner;
    CTestTimer timer(1500, StopTheRun);
    const DWORD start = GetTickCount();
    runner.Run({"$pid = RunReadyInput(" + ProgramLiteral(e2e::BinPath("tapwin.exe"), " --busy 60000") + ")"});
    EXPECT_LT(GetTickCount() - start, 20000u);
    HANDLE child = OpenProcess(PROCESS_TERMINATE, FALSE, static_cast<DWORD>(runner.Var("pid").GetInteger()));
    ASSERT_NE(nullptr, child);
    TerminateProcess(child, 0);
    CloseHandle(child);
}

TEST_F(RunBuiltinsTest, RunWaitInAnAdlibFunctionKeepsTheInterruptedRunWaitsChild)
{
    CBuiltinScriptRunner runner;
    g_pRunner = &runner;
    ASSERT_TRUE(runner.Load({
        "$inner = -1",
        "$outer = RunWait(" + Tapwin("Outer Tapwin") + ")",
        "Exit",
        "Func Inner()",
        "If $inner = -1 Then",
        "$inner = RunWait(" + ProgramLiteral("cmd.exe", " /c exit 7") + ")",
        "EndIf",
        "EndFunc",
    }));
    CMarionet_Script& engine = runner.Engine();
    engine.m_sAdlibFunction = "Inner";
    engine.m_dwAdlibPeriod = 300;
    engine.m_dwAdlibLast = timeGetTime();
    engine.m_bAdlibEnabled = 1;
    CTestTimer timer(3000, EndTheOuterChild);
    EXPECT_TRUE(runner.Execute());
    EXPECT_EQ("7", runner.Text("inner"));
    EXPECT_EQ("4", runner.Text("outer"));
}

}  // namespace
