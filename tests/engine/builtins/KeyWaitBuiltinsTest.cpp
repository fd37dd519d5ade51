// Send and the single-key built-ins seen as key messages in tapwin.exe, and
// the three robot waits, whose durations are checked loosely.
#include "engine/CMarionet_ScriptFile.h"
#include "engine/ScriptGlobals.h"
#include "engine/builtins/BuiltinRegistry.h"
#include "tests/engine/builtins/TapwinSuite.h"
#include "tests/tools/e2e/E2eSupport.h"

#include <gtest/gtest.h>
#include <mmsystem.h>

#include <atomic>

namespace {

const char kTitle[] = "Key Tapwin";

class KeyBuiltinsTest : public TapwinSuite
{
protected:
    static void SetUpTestSuite() { StartTarget(kTitle, "100,100"); }
    void SetUp() override
    {
        TapwinSuite::SetUp();
        SetFocus(GetDlgItem(s_window, 101));
    }

    // Key-down and key-up virtual keys and typed chars logged since the test began.
    std::vector<std::string> NewKeys() const
    {
        std::vector<std::string> lines = e2e::ReadLines(s_log);
        std::vector<std::string> keys;
        for (size_t i = m_logStart; i < lines.size(); ++i) {
            const std::string& line = lines[i];
            size_t vk = line.find(" vk=");
            size_t ch = line.find(" ch=");
            if (line.find("WM_KEYDOWN") != std::string::npos && vk != std::string::npos)
                keys.push_back("d" + line.substr(vk + 4, line.find(' ', vk + 1) - vk - 4));
            else if (line.find("WM_KEYUP") != std::string::npos && vk != std::string::npos)
                keys.push_back("u" + line.substr(vk + 4, line.find(' ', vk + 1) - vk - 4));
            else if (line.find("WM_CHAR") != std::string::npos && ch != std::string::npos)
                keys.push_back("c" + line.substr(ch + 4));
        }
        return keys;
    }
};

TEST_F(KeyBuiltinsTest, SendTypesText)
{
    ScriptOutcome run = RunPutScript({"Put(Send(\"ab\"))", "Send(\"{F2}\")"});
    EXPECT_EQ(std::vector<std::string>({"1"}), run.values) << run.output;
    ASSERT_TRUE(e2e::WaitForFileLine(s_log, "WM_KEYUP id=101 vk=113", 10000));
    std::vector<std::string> expected = {"d65", "c97", "u65", "d66", "c98", "u66", "d113", "u113"};
    EXPECT_EQ(expected, NewKeys());
}

TEST_F(KeyBuiltinsTest, KeySendPressesNamedKeys)
{
    ScriptOutcome run = RunPutScript({
        "Put(KeySend(\"\", \"\", \"\", \"<F5>\", 3))",
        "Put(KeySend(\"\", \"\", \"\", \"<F7>\", \"\"))",
        "Put(KeySend(\"\", \"\", \"\", \"<NoSuchKey>\", 2))",
        "Put(KeySend(\"\", \"\", \"\", \"<F6>\", 0))",
        "Put(KeySend(\"NoSuch Window\", \"\", \"\", \"<F8>\"))",
        "Put(KeyDown(\"\", \"\", \"\", \"<F9>\"))",
        "Put(KeyUp(\"\", \"\", \"\", \"<F9>\"))",
        "Put(KeyDown(\"\", \"\", \"\", \"<NoSuchKey>\"))",
        "Put(KeyUp(\"NoSuch Window\", \"\", \"\", \"<F9>\"))",
    });
    std::vector<std::string> results = {"1", "1", "1", "1", "0", "1", "1", "1", "0"};
    EXPECT_EQ(results, run.values) << run.output;
    ASSERT_TRUE(e2e::WaitForFileLine(s_log, "WM_KEYUP id=101 vk=120", 10000));
    std::vector<std::string> expected = {"d116", "u116", "d116", "u116", "d116",
                                         "u116", "d118", "u118", "d120", "u120"};
    EXPECT_EQ(expected, NewKeys());
}

TEST(WaitBuiltinsTest, WaitsLastAtLeastTheirTime)
{
    DWORD start = GetTickCount();
    ScriptOutcome run = RunPutScript({"Wait(300)", "Put(1)"});
    DWORD waitTime = GetTickCount() - start;
    start = GetTickCount();
    ScriptOutcome delay = RunPutScript({"Delay(1000)", "Put(2)", "Delay(0)", "Delay(-5)"});
    DWORD delayTime = GetTickCount() - start;
    start = GetTickCount();
    ScriptOutcome waitLong = RunPutScript({"WaitLong(1500)", "Put(3)", "WaitLong(0)", "Put(4)"});
    DWORD waitLongTime = GetTickCount() - start;
    EXPECT_EQ(std::vector<std::string>({"1"}), run.values) << run.output;
    EXPECT_EQ(std::vector<std::string>({"2"}), delay.values) << delay.output;
    EXPECT_EQ(std::vector<std::string>({"3", "4"}), waitLong.values) << waitLong.output;
    EXPECT_GE(waitTime, 290u);
    EXPECT_GE(delayTime, 980u);
    EXPECT_GE(waitLongTime, 1480u);
}

std::atomic<int> g_ticks{0};

void CALLBACK CountTick(UINT, UINT, DWORD_PTR, DWORD_PTR, DWORD_PTR)
{
    ++g_ticks;
}

TEST(WaitBuiltinsTest, EndingWithoutAPendingWaitLongKillsNoTimer)
{
    CMarionet_ScriptFile scriptFile;
    CMarionet_Script engine(scriptFile);
    InstallScriptBuiltins(engine);
    UINT other = timeSetEvent(5, 1, CountTick, 0, TIME_PERIODIC | TIME_CALLBACK_FUNCTION);
    ASSERT_NE(0u, other);
    // A stale id left from an earlier wait that names a timer in use now.
    engine.m_uWaitLongTimer = other;
    WaitLongBusy = 0;
    engine.EndWaitLong();
    int before = g_ticks;
    Sleep(200);
    EXPECT_GT(g_ticks - before, 5);
    timeKillEvent(other);
}

}  // namespace
