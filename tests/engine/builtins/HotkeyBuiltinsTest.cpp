// Script hotkeys and the Adlib function, through runrobot.exe and, where a
// setting must outlive its script, through the interpreter in this process.
#include "tests/engine/ScriptRunSupport.h"
#include "tests/engine/builtins/BuiltinScriptRunner.h"
#include "tests/tools/e2e/E2eSupport.h"

#include <gtest/gtest.h>

#include <thread>

namespace {

const char kChord[] = "ctrl+alt+shift+j";

// Presses the chord once each marker file has been written by the script.
std::thread PressWhenReady(const std::vector<std::string>& markers)
{
    return std::thread([markers] {
        for (const std::string& marker : markers) {
            if (!e2e::WaitForFileLine(marker, "ready", 60000))
                return;
            std::string output;
            e2e::RunAndCapture("presskeys.exe", kChord, output, 10000);
        }
    });
}

TEST(HotkeyBuiltins, SlotsRunsAndPersistence)
{
    const std::string marker1 = e2e::TempFilePath("hotkey-ready1");
    const std::string marker2 = e2e::TempFilePath("hotkey-ready2");
    const std::vector<std::string> first = {
        "$pressed = \"\"",
        "$ticks = 0",
        "FileWriteLine(\"%OUT%\", HotKeySet(\"^!+j\", \"First\") & HotKeySet(\"^!+j\", \"Second\"))",
        "FileWriteLine(\"%OUT%\", HotKeySet(\"^!+j\") & HotKeySet(\"^!+j\") & HotKeySet(\"^<NoSuchKey>\", \"First\"))",
        "$n = 0",
        "For $i = 48 To 90",
        "If $i < 58 Or $i > 64 Then $n = $n + HotKeySet(\"^!+\" & Chr($i), \"First\") + HotKeySet(\"!+\" & Chr($i), "
        "\"First\")",
        "Next",
        "FileWriteLine(\"%OUT%\", $n & HotKeySet(\"!+Z\", \"First\") & HotKeySet(\"!+A\", \"Second\"))",
        "For $i = 48 To 90",
        "HotKeySet(\"^!+\" & Chr($i))",
        "HotKeySet(\"!+\" & Chr($i))",
        "Next",
        "HotKeySet(\"^!+j\", \"First\")",
        "HotKeySet(\"^!+j\", \"Second\")",
        "AdlibEnable(\"Tick\", 0)",
        "FileWriteLine(\"" + marker1 + "\", \"ready\")",
        "$t = TimerInit()",
        "While $pressed = \"\" And TimerDiff($t) < 30000",
        "Delay(100)",
        "WEnd",
        "$start = $ticks",
        "Delay(1100)",
        "FileWriteLine(\"%OUT%\", $pressed)",
        "FileWriteLine(\"%OUT%\", $ticks - $start)",
        "Func First()",
        "$pressed = \"first\"",
        "EndFunc",
        "Func Second()",
        "$pressed = \"second\"",
        "EndFunc",
        "Func Tick()",
        "$ticks = $ticks + 1",
        "EndFunc",
    };
    // Without the functions of the first robot: none of them may run here.
    const std::vector<std::string> second = {
        "FileWriteLine(\"" + marker2 + "\", \"ready\")",
        "Delay(1500)",
        "FileWriteLine(\"%OUT%\", \"done\")",
    };
    std::thread presser = PressWhenReady({marker1, marker2});
    int exitCode = -1;
    const std::vector<scripttest::Result> results = scripttest::RunScripts({first, second}, &exitCode);
    presser.join();
    DeleteFileA(marker1.c_str());
    DeleteFileA(marker2.c_str());

    ASSERT_EQ(0, exitCode) << results[0].FirstBox() << results[1].FirstBox();
    const std::vector<std::string> lines = results[0].OutputLines();
    ASSERT_EQ(5u, lines.size());
    EXPECT_EQ("11", lines[0]);
    EXPECT_EQ("100", lines[1]);
    EXPECT_EQ("6401", lines[2]) << "64 slots; a 65th key is refused, a taken one replaced";
    EXPECT_EQ("second", lines[3]);
    // 250 ms apart over 1.1 s, loosely.
    EXPECT_GE(std::stoi(lines[4]), 2);
    EXPECT_LE(std::stoi(lines[4]), 6);
    EXPECT_EQ(std::vector<std::string>({"done"}), results[1].OutputLines());
}

TEST(HotkeyBuiltins, UnknownFunctionsAreFatal)
{
    const std::vector<scripttest::Result> results = scripttest::RunScripts({
        {"HotKeySet(\"^!+k\", \"NoSuch\")"},
        {"AdlibEnable(\"NoSuch\", 100)"},
    });
    EXPECT_EQ(scripttest::ErrorReport(results[0], 1, results[0].lines[0], -1, "Unknown function name."),
              results[0].FirstBox());
    EXPECT_EQ(scripttest::ErrorReport(results[1], 1, results[1].lines[0], -1, "Unknown function name."),
              results[1].FirstBox());
}

// A setting left from another script names a function that the loaded script
// lacks: nothing runs, rather than the script from its first line.
TEST(HotkeyBuiltins, MissingFunctionsRunNothing)
{
    CBuiltinScriptRunner runner;
    ASSERT_TRUE(runner.Run(
        {"$runs = 0", "HotKeySet(\"^!+l\", \"Gone\")", "AdlibEnable(\"Gone\", 50)", "Func Gone()", "EndFunc"}));
    for (CScriptHotkeySlot* slot : runner.Engine().m_pHotkeySlots)
        EXPECT_EQ(nullptr, slot) << "a script's hotkeys end with its run";
    EXPECT_EQ(0, runner.Engine().m_bAdlibEnabled);
    ASSERT_TRUE(RegisterHotKey(nullptr, 1, MOD_CONTROL | MOD_ALT | MOD_SHIFT, 'L')) << "the key is free again";
    UnregisterHotKey(nullptr, 1);

    CMarionet_Script& engine = runner.Engine();
    ASSERT_TRUE(runner.Load({"$runs = $runs + 1", "Delay(400)"}));
    engine.m_bAdlibEnabled = 1;
    engine.m_dwAdlibPeriod = 50;
    engine.m_pHotkeySlots[5] = new CScriptHotkeySlot;
    engine.m_pHotkeySlots[5]->nId = 5;
    engine.m_pHotkeySlots[5]->strFunction = "Gone";
    PostThreadMessageA(GetCurrentThreadId(), WM_HOTKEY, 5, 0);
    EXPECT_TRUE(runner.Execute());
    EXPECT_EQ(1, runner.Var("runs").GetInteger());
}

}  // namespace
