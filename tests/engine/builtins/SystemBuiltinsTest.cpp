// Timers, calls, variables, the environment, the clipboard, the machine
// queries, sounds and downloads as robots run them; MsgBox through the
// message-box sink in this process.
#include "tests/engine/builtins/BuiltinScriptRun.h"
#include "tests/engine/builtins/RobotCases.h"
#include "tests/tools/e2e/E2eSupport.h"

#include <gtest/gtest.h>

#include <mmsystem.h>

#include <atomic>
#include <cstdlib>
#include <cstring>
#include <thread>

namespace {

TEST(SystemBuiltins, ResultsAndErrors)
{
    const ExpressionCase cases[] = {
        {"TimerDiff($t) >= 990 And TimerDiff($t) < 10000", "1", 0},
        {"TimerStop(TimerStart()) < 1000", "1", 0},
        {"Call(\"SetsError\")", "7", 3},
        {"Call(\"NoSuch\")", "1", 1},
        {"Call(\"Scopes\")", "-1101", 0},
        {"Eval(\"global\")", "g", 0},
        {"Eval(\"nothing\")", "", 1},
        {"IsDeclared(\"GLOBAL\") & IsDeclared(\"nothing\")", "10", 0},
        {"SetError(5)", "1", 5},
        {"Break(0)", "1", 0},
        {"UBound($grid)", "3", 0},
        {"UBound($grid, 2)", "4", 0},
        {"UBound($grid, 3)", "0", 1},
        {"UBound($grid, 0)", "2", 0},
        {"UBound(5)", "1", 1},
        {"UBound(MemGetStats())", "7", 0},
        {"EnvSet(\"TAPFORGE_TEST_VAR\", \"value\")", "1", 0},
        {"EnvGet(\"TAPFORGE_TEST_VAR\")", "value", 0},
        {"EnvSet(\"TAPFORGE_TEST_VAR\")", "1", 0},
        {"EnvGet(\"TAPFORGE_TEST_VAR\")", "", 0},
        {"EnvUpdate()", "1", 0},
        {"ClipPut(\"round trip\")", "1", 0},
        {"ClipGet()", "round trip", 0},
        {"BlockInput(1)", "1", 0},
        {"IsAdmin()", "1", 0},
        {"MouseGetCursor() >= 0 And MouseGetCursor() <= 15", "1", 0},
        {"SoundPlay(\"missing.wav\", 1)", "1", 0},
        {"SoundSetWaveVolume(50)", "1", 0},
        {"SoundSetWaveVolume(101)", "1", 1},
        {"SoundSetWaveVolume(-1)", "1", 1},
        {"TrayTip(\"Title\", \"Text\", 5, 1)", "1", 0},
        {"DariReWinSetTitle(\"New title\")", "1", 0},
        {"DariReWinGetTitle()", "", 0},
    };
    ExpectRobotCases(cases, {"$t = TimerInit()", "Delay(1000)", "$global = \"g\"", "Dim $grid[3][4]"},
                     {"Func SetsError()", "SetError(3)", "Return 7", "EndFunc", "Func Scopes()", "Local $inner = 1",
                      "Return IsDeclared(\"inner\") & IsDeclared(\"global\") & IsDeclared(\"nothing\") & "
                      "Eval(\"inner\")",
                      "EndFunc"});
}

void PutClipboardText(const char* text)
{
    ASSERT_TRUE(OpenClipboard(nullptr));
    EmptyClipboard();
    HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, std::strlen(text) + 1);
    std::strcpy(static_cast<char*>(GlobalLock(block)), text);
    GlobalUnlock(block);
    SetClipboardData(CF_TEXT, block);
    CloseClipboard();
}

TEST(SystemBuiltins, ClipboardOfOtherPrograms)
{
    PutClipboardText("from the test");
    EXPECT_EQ(std::vector<std::string>({"from the test"}), RunPutScript({"Put(ClipGet())"}).values);
    // Held open by a window of this process, the clipboard cannot be written.
    HWND holder = CreateWindowA("STATIC", "", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, nullptr, nullptr);
    ASSERT_TRUE(OpenClipboard(holder));
    const ScriptOutcome held = RunPutScript({"Put(ClipPut(\"x\"))"});
    CloseClipboard();
    DestroyWindow(holder);
    EXPECT_EQ(std::vector<std::string>({"0"}), held.values) << held.output;
}

TEST(SystemBuiltins, UrlDownloadToFile)
{
    const std::string root = e2e::TempFilePath("httproot");
    CreateDirectoryA(root.c_str(), nullptr);
    const std::string body = std::string("served\r\n\0bytes", 15);
    ASSERT_TRUE(e2e::WriteWholeFile(root + "\\data.bin", body));
    const int port = e2e::StartHttpServer(root);
    ASSERT_NE(0, port);
    const std::string url = "http://127.0.0.1:" + std::to_string(port);
    const std::string target = root + "\\copy.bin";

    const ScriptOutcome run = RunPutScript({
        "Put(UrlDownloadToFile(\"" + url + "/data.bin\", \"" + target + "\"))",
        "Put(UrlDownloadToFile(\"" + url + "/none.bin\", \"" + root + "\\none.bin\"))",
        "Put(UrlDownloadToFile(\"http://127.0.0.1:1/data.bin\", \"" + root + "\\closed.bin\"))",
    });
    e2e::EndStartedProcesses();
    EXPECT_EQ(std::vector<std::string>({"1", "0", "0"}), run.values) << run.output;
    EXPECT_EQ(body, e2e::ReadWholeFile(target));
    for (const char* name : {"\\data.bin", "\\copy.bin", "\\port.txt"})
        DeleteFileA((root + name).c_str());
    RemoveDirectoryA(root.c_str());
}

TEST(SystemBuiltins, MsgBoxGoesThroughTheSink)
{
    CBuiltinScriptRunner runner;
    CMessageBoxCapture capture;
    capture.QueueAnswer(IDNO);
    ASSERT_TRUE(runner.Run({"$a = MsgBox(4, \"Title\", \"Question\")", "$b = MsgBox(64, \"Later\", \"Note\", 30)"}));
    EXPECT_EQ(IDNO, runner.Var("a").GetInteger());
    EXPECT_EQ(IDOK, runner.Var("b").GetInteger());
    const std::vector<CMessageBoxRequest> requests = capture.Requests();
    ASSERT_EQ(2u, requests.size());
    EXPECT_EQ(nullptr, requests[0].owner);
    EXPECT_STREQ("Title", requests[0].caption);
    EXPECT_STREQ("Question", requests[0].text);
    EXPECT_EQ(static_cast<UINT>(MB_YESNO | MB_SETFOREGROUND), requests[0].type);
    EXPECT_STREQ("Later", requests[1].caption);
    EXPECT_EQ(static_cast<UINT>(MB_ICONINFORMATION | MB_SETFOREGROUND), requests[1].type);

    // The system's own box, which nobody answers: half a second is a timeout of
    // its own. Should it never time out, the guard closes it (result IDOK).
    const MessageBoxSink previous = SetMessageBoxSink(MessageBoxSink());
    std::atomic<bool> done{false};
    std::thread guard([&done] {
        for (int waited = 0; !done.load() && waited < 15000; waited += 50)
            Sleep(50);
        if (HWND box = FindWindowA("#32770", "Timed"))
            PostMessageA(box, WM_CLOSE, 0, 0);
    });
    const DWORD start = timeGetTime();
    const bool ran = runner.Run({"$c = MsgBox(0, \"Timed\", \"Nobody answers\", 0.5)"});
    const DWORD elapsed = timeGetTime() - start;
    done.store(true);
    guard.join();
    SetMessageBoxSink(previous);
    ASSERT_TRUE(ran);
    EXPECT_EQ(-1, runner.Var("c").GetInteger());
    EXPECT_GE(elapsed, 490u);

    // runrobot.exe prints the box and presses its default button.
    const ScriptOutcome printed = RunPutScript({"Put(MsgBox(3 + 256, \"Caption\", \"Text\", 30))"});
    EXPECT_EQ(std::vector<std::string>({"7"}), printed.values);
    EXPECT_EQ("Caption: Text\n", printed.output);
}

}  // namespace
