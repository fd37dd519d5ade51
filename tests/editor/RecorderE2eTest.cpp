// The record dialog as a user meets it, opened by recorddlg.exe in a process
// of its own: the hook library loaded by "start", lines from posted and from
// real input, a missing library, Esc and the close box while recording, and
// clicks on the dialog's own buttons.
#include <windows.h>

#include <tlhelp32.h>

#include <algorithm>
#include <regex>
#include <string>
#include <vector>

#include "e2e/E2eSupport.h"
#include "editor/automation/HookMessages.h"
#include "res/RecorderResource.h"

#include <gtest/gtest.h>

namespace {

using Lines = std::vector<std::string>;

const DWORD kTimeoutMs = 30000;
const char kCaption[] = "Record keyboard and mouse actions";
// Far from every threshold of the recorder (20, 50, 200 and 800 ms).
const DWORD kPauseMs = 400;

bool IsModuleLoaded(DWORD pid, const char* name)
{
    HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPMODULE, pid);
    MODULEENTRY32 module = {};
    module.dwSize = sizeof module;
    bool found = false;
    for (BOOL more = Module32First(snapshot, &module); more && !found; more = Module32Next(snapshot, &module))
        found = lstrcmpiA(module.szModule, name) == 0;
    CloseHandle(snapshot);
    return found;
}

class RecorderE2eTest : public ::testing::Test
{
protected:
    void TearDown() override { e2e::EndStartedProcesses(); }

    // Starts recorddlg.exe from the folder (beside the test when empty), that
    // folder being its current one too, and waits for its dialog.
    void Open(std::string folder = "")
    {
        m_strOutput = e2e::TempFilePath("recorded");
        folder = folder.empty() ? e2e::BinDir() : folder;
        char previous[MAX_PATH] = {};
        GetCurrentDirectoryA(MAX_PATH, previous);
        SetCurrentDirectoryA(folder.c_str());
        m_Program = e2e::StartProgram(folder + "\\recorddlg.exe", "\"" + m_strOutput + "\"");
        SetCurrentDirectoryA(previous);
        m_hDialog = e2e::WaitForWindow(kCaption, kTimeoutMs);
        ASSERT_NE(m_hDialog, nullptr);
    }

    HWND Item(int id) const { return GetDlgItem(m_hDialog, id); }

    // Posted, so that it comes after the messages posted before it.
    void Click(int id) const
    {
        PostMessageA(m_hDialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(Item(id)));
    }

    void StartRecording() const
    {
        Click(IDC_RECORD_START);
        ASSERT_TRUE(e2e::WaitUntil([&] { return IsWindowEnabled(Item(IDC_RECORD_STOP)) != FALSE; }, kTimeoutMs));
    }

    // The program's exit code, then what it wrote, with the numbers of the
    // waits that real time makes replaced by N.
    Lines Finish() const
    {
        Lines outcome = {std::to_string(e2e::WaitForExit(m_Program, kTimeoutMs))};
        static const std::regex wait("^line=Wait [0-9]+");
        for (const std::string& line : e2e::ReadLines(m_strOutput))
            outcome.push_back(std::regex_replace(line, wait, "line=Wait N"));
        return outcome;
    }

    HWND OpenTarget() const
    {
        e2e::StartProgram("tapwin.exe", "--title \"Recorder target\" --pos 600,500");
        return e2e::WaitForWindow("Recorder target", kTimeoutMs);
    }

    std::string m_strOutput;
    e2e::Started m_Program;
    HWND m_hDialog = nullptr;
};

TEST_F(RecorderE2eTest, PostedHookMessagesBecomeTheLinesThatStopReturns)
{
    Open();
    const HWND target = OpenTarget();
    // Wine reports a move of the mouse when the window in front changes.
    ASSERT_TRUE(e2e::WaitUntil([&] { return SetForegroundWindow(m_hDialog) && GetForegroundWindow() == m_hDialog; },
                               kTimeoutMs));
    Sleep(kPauseMs);
    StartRecording();
    EXPECT_TRUE(IsModuleLoaded(m_Program.pid, "automation.dll"));
    EXPECT_FALSE(IsWindowEnabled(Item(IDC_RECORD_START)));
    EXPECT_FALSE(IsWindowEnabled(Item(IDC_RECORD_ALL_MOVES)));

    PostMessageA(m_hDialog, WM_HOOK_CURSOR, 0, MAKELPARAM(10, 20));
    const std::pair<UINT, UINT> kEvents[] = {{WM_HOOK_MOUSE, WM_LBUTTONDOWN},
                                             {WM_HOOK_MOUSE, WM_LBUTTONUP},
                                             {WM_HOOK_KEY, WM_KEYDOWN},
                                             {WM_HOOK_KEY, WM_KEYUP}};
    for (const auto& event : kEvents) {
        if (event.first == WM_HOOK_MOUSE)
            PostMessageA(m_hDialog, WM_HOOK_MOUSE, event.second, reinterpret_cast<LPARAM>(target));
        else
            PostMessageA(m_hDialog, WM_HOOK_KEY, 'A', MAKELPARAM(0, event.second));
        Sleep(kPauseMs);
    }
    Click(IDC_RECORD_STOP);
    EXPECT_EQ(Finish(), (Lines{"1", "loaded=0", "line=Mouse move to 10, 20", "line=Mouse Left Down At Win [0]",
                               "line=Wait N milliseconds", "line=Mouse Left Up",
                               "line=Wait N milliseconds=> [remove on faster speed]", "line=Key Down A",
                               "line=Wait N milliseconds", "line=Key Up A", "window=1 tapwin.exe"}));
}

TEST_F(RecorderE2eTest, RealInputIsRecordedThroughTheHookLibrary)
{
    Open();
    const HWND target = OpenTarget();
    StartRecording();
    ASSERT_TRUE(e2e::MoveMouseTo(e2e::ClientToScreenPoint(target, 320, 195), kTimeoutMs));
    mouse_event(MOUSEEVENTF_LEFTDOWN, 0, 0, 0, 0);
    mouse_event(MOUSEEVENTF_LEFTUP, 0, 0, 0, 0);
    Sleep(kPauseMs);
    keybd_event('A', 0, 0, 0);
    keybd_event('A', 0, KEYEVENTF_KEYUP, 0);
    Click(IDC_RECORD_STOP);
    // The click brings the target to the front, and Wine reports a move of the
    // mouse then: only the order of the click's and the key's lines is certain.
    Lines outcome = Finish();
    outcome.erase(std::remove_if(outcome.begin(), outcome.end(),
                                 [](const std::string& line) {
                                     return line.rfind("line=Wait ", 0) == 0 || line.rfind("line=Mouse move", 0) == 0;
                                 }),
                  outcome.end());
    EXPECT_EQ(outcome, (Lines{"1", "loaded=0", "line=Mouse Left Down At Win [0]", "line=Mouse Left Up",
                              "line=Key Down A", "line=Key Up A", "window=1 tapwin.exe"}));
}

TEST_F(RecorderE2eTest, WithoutTheLibraryTheDialogStaysIdle)
{
    const std::string folder = e2e::TempFilePath("nohooks");
    ASSERT_TRUE(CreateDirectoryA(folder.c_str(), nullptr));
    ASSERT_TRUE(CopyFileA(e2e::BinPath("recorddlg.exe").c_str(), (folder + "\\recorddlg.exe").c_str(), FALSE));
    Open(folder);
    Click(IDC_RECORD_START);
    const HWND box = e2e::WaitForMessageBox(m_Program.pid, m_hDialog, kTimeoutMs);
    EXPECT_EQ(e2e::MessageBoxText(box), "Failed to load automation.dll.");
    PostMessageA(box, WM_COMMAND, IDOK, 0);
    ASSERT_TRUE(e2e::WaitUntil([&] { return !IsWindow(box); }, kTimeoutMs));
    EXPECT_TRUE(IsWindowEnabled(Item(IDC_RECORD_START)));
    EXPECT_FALSE(IsWindowEnabled(Item(IDC_RECORD_STOP)));
    EXPECT_TRUE(IsWindowEnabled(Item(IDC_RECORD_ALL_MOVES)));
    PostMessageA(m_hDialog, WM_SYSCOMMAND, SC_CLOSE, 0);
    EXPECT_EQ(Finish(), (Lines{"2", "loaded=0"}));
    DeleteFileA((folder + "\\recorddlg.exe").c_str());
    RemoveDirectoryA(folder.c_str());
}

TEST_F(RecorderE2eTest, EscOrTheCloseBoxWhileRecordingFreesTheLibrary)
{
    for (bool esc : {true, false}) {
        Open();
        StartRecording();
        if (esc) {
            SetForegroundWindow(m_hDialog);
            keybd_event(VK_ESCAPE, 0, 0, 0);
            keybd_event(VK_ESCAPE, 0, KEYEVENTF_KEYUP, 0);
        } else {
            PostMessageA(m_hDialog, WM_SYSCOMMAND, SC_CLOSE, 0);
        }
        const Lines outcome = Finish();
        ASSERT_GE(outcome.size(), 2u) << esc;
        EXPECT_EQ(Lines(outcome.begin(), outcome.begin() + 2), (Lines{"2", "loaded=0"})) << esc;
        e2e::WaitForWindowGone(kCaption, kTimeoutMs);
    }
}

TEST_F(RecorderE2eTest, ClickingTheRecordersOwnButtonsRecordsNothing)
{
    Open();
    const POINT middle = e2e::MiddleOf(Item(IDC_RECORD_STOP));
    ASSERT_TRUE(e2e::MoveMouseTo(middle, kTimeoutMs));
    Sleep(kPauseMs);
    StartRecording();
    mouse_event(MOUSEEVENTF_LEFTDOWN, 0, 0, 0, 0);
    mouse_event(MOUSEEVENTF_LEFTUP, 0, 0, 0, 0);
    // Under load the X server may report the cursor's arrival on "stop" after
    // the recording started: that move is the user's, the clicks must not be.
    const std::string arrival = "line=Mouse move to " + std::to_string(middle.x) + ", " + std::to_string(middle.y);
    Lines outcome = Finish();
    outcome.erase(std::remove(outcome.begin(), outcome.end(), arrival), outcome.end());
    EXPECT_EQ(outcome, (Lines{"1", "loaded=0"}));
}

}  // namespace
