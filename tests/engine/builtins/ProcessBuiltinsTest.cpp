// The process built-ins against copies of tapwin.exe under names of their
// own, so that no other program's processes count; SHUTDOWN in process with
// the shutdown replaced.
#include "engine/system/SystemProcess.h"
#include "tests/engine/builtins/BuiltinScriptRun.h"
#include "tests/engine/builtins/BuiltinScriptRunner.h"
#include "tests/tools/e2e/E2eSupport.h"

#include <gtest/gtest.h>

#include <thread>

namespace {

class ProcessBuiltinsTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        m_name = "procwait" + std::to_string(GetCurrentProcessId()) + ".exe";
        m_path = e2e::BinDir() + "\\" + m_name;
        ASSERT_TRUE(CopyFileA(e2e::BinPath("tapwin.exe").c_str(), m_path.c_str(), FALSE));
    }
    void TearDown() override
    {
        e2e::EndStartedProcesses();
        DeleteFileA(m_path.c_str());
    }
    std::string m_name;
    std::string m_path;
};

TEST_F(ProcessBuiltinsTest, WaitsEndWhenTheProcessStartsOrEndsAndTimeOut)
{
    const std::string name = ScriptLiteral(m_name);
    std::thread actions([this]() {
        Sleep(1000);
        e2e::Started started = e2e::StartProgram(m_path, "--title \"Process Wait\"");
        Sleep(4000);
        TerminateProcess(started.process, 0);
    });
    ScriptOutcome run = RunPutScript({
        "Put(ProcessWait(" + name + ", 30))",
        "Put(ProcessExists(" + name + ") > 0)",
        "Put(ProcessWaitClose(" + name + ", 30))",
        "Put(ProcessExists(" + name + "))",
        "Put(ProcessWait(" + name + ", 1))",
        "Put(ProcessWaitClose(\"runrobot.exe\", 1))",
        "Put(ProcessWaitClose(" + name + "))",
    });
    actions.join();
    std::vector<std::string> expected = {"1", "1", "1", "0", "0", "0", "1"};
    EXPECT_EQ(expected, run.values) << run.output;
}

TEST_F(ProcessBuiltinsTest, ProcessSetPrioritySetsTheClassAndProcessCloseEnds)
{
    const DWORD classes[] = {IDLE_PRIORITY_CLASS,         BELOW_NORMAL_PRIORITY_CLASS, NORMAL_PRIORITY_CLASS,
                             ABOVE_NORMAL_PRIORITY_CLASS, HIGH_PRIORITY_CLASS,         REALTIME_PRIORITY_CLASS};
    std::vector<e2e::Started> targets;
    std::vector<std::string> lines;
    for (int priority = 0; priority < 6; ++priority) {
        targets.push_back(e2e::StartProgram(m_path, "--title \"Priority " + std::to_string(priority) + "\""));
        lines.push_back("Put(ProcessSetPriority(" + std::to_string(targets.back().pid) + ", " +
                        std::to_string(priority) + ") & \"/\" & @error)");
    }
    lines.push_back("Put(ProcessSetPriority(" + std::to_string(targets[0].pid) + ", 7) & \"/\" & @error)");
    lines.push_back("Put(ProcessSetPriority(\"nosuchprogram.exe\", 2) & \"/\" & @error)");
    const e2e::Started closed = e2e::StartProgram(m_path, "--title \"Closed\"");
    lines.push_back("Put(ProcessClose(" + std::to_string(closed.pid) + ") & ProcessClose(\"nosuchprogram.exe\"))");
    ScriptOutcome run = RunPutScript(lines);
    std::vector<std::string> expected = {"1/0", "1/0", "1/0", "1/0", "1/0", "1/0", "0/1", "0/1", "11"};
    EXPECT_EQ(expected, run.values) << run.output;
    for (int priority = 0; priority < 6; ++priority)
        EXPECT_EQ(classes[priority], GetPriorityClass(targets[priority].process)) << priority;
    EXPECT_EQ(static_cast<DWORD>(WAIT_OBJECT_0), WaitForSingleObject(closed.process, 10000));
}

std::vector<UINT> g_shutdownFlags;

bool RecordShutdown(UINT flags)
{
    g_shutdownFlags.push_back(flags);
    return flags != 2;
}

TEST(ShutdownBuiltinTest, HandsItsFlagsToTheShutdownAndGivesItsSuccess)
{
    const ShutdownHandler previous = ReplaceShutdownHandler(RecordShutdown);
    CBuiltinScriptRunner runner;
    EXPECT_TRUE(runner.Run({"$a = Shutdown(9)", "$b = Shutdown(2)"}));
    ReplaceShutdownHandler(previous);
    EXPECT_EQ(std::vector<UINT>({9, 2}), g_shutdownFlags);
    EXPECT_EQ("1", runner.Text("a"));
    EXPECT_EQ("0", runner.Text("b"));
}

}  // namespace
