// The record dialog as a user meets it, opened by recorddlg.exe in a process
// of its own: the hook library loaded by "start", lines from posted and from
// real input, a missing library, Esc and the close box while recording, and
// clicks on the dialog's own buttons.
#include <windows.h>

#include <tlhelp32.h>

#include <algorithm>
#include <iterator>
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
const char kMarker[] = "=> [remove on faster speed]";
// Far from every threshold of the recorder (20, 50, 200 and 800 ms).
const DWORD kPauseMs = 400;

// What recorddlg.exe wrote when its dialog ended.
struct Outcome
{
    int exitCode = -1;
    std::string result;
    std::string loaded;
    Lines lines;
    Lines windows;
};

bool IsModuleLoaded(DWORD pid, const char* name)
{
    HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPMODULE, pid);
    if (snapshot == INVALID_HANDLE_VALUE)
        return false;
    MODULEENTRY32 module = {};
    module.dwSize = sizeof module;
    bool found = false;
    for (BOOL more = Module32First(snapshot, &module); more && !found; more = Module32Next(snapshot, &module))
        found = lstrcmpiA(module.szModule, name) == 0;
    CloseHandle(snapshot);
    return found;
}

// Wait lines with their number replaced by N, for pauses that real time makes.
std::string WithoutWaitNumber(const std::string& line)
{
    static const std::regex wait("^Wait [0-9]+ milliseconds");
    return std::regex_replace(line, wait, "Wait N milliseconds");
}

class RecorderE2eTest : public ::testing::Test
{
protected:
    void TearDown() override { e2e::EndStartedProcesses(); }

    // Starts recorddlg.exe (from the folder given, else beside the test) with
    // that folder as its current one, and waits for its dialog.
    void Open(const std::string& folder = "")
    {
        m_strOutput = e2e::TempFilePath("recorded");
        const std::string exe = folder.empty() ? "recorddlg.exe" : folder + "\\recorddlg.exe";
        char previous[MAX_PATH] = {};
        GetCurrentDirectoryA(MAX_PATH, previous);
        SetCurrentDirectoryA(folder.empty() ? e2e::BinDir().c_str() : folder.c_str());
        m_Program = e2e::StartProgram(exe, "\"" + m_strOutput + "\"");
        SetCurrentDirectoryA(previous);
        ASSERT_NE(m_Program.pid, 0u);
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

    POINT Center(int id) const
    {
        RECT rc = {};
        GetWindowRect(Item(id), &rc);
        return {(rc.left + rc.right) / 2, (rc.top + rc.bottom) / 2};
    }

    Outcome Finish() const
    {
        Outcome outcome;
        outcome.exitCode = e2e::WaitForExit(m_Program, kTimeoutMs);
        for (const std::string& line : e2e::ReadLines(m_strOutput)) {
            const size_t equals = line.find('=');
            const std::string key = line.substr(0, equals);
            const std::string value = line.substr(equals + 1);
            if (key == "result")
                outcome.result = value;
            else if (key == "loaded")
                outcome.loaded = value;
            else if (key == "line")
                outcome.lines.push_back(WithoutWaitNumber(value));
            else if (key == "window")
                outcome.windows.push_back(value);
        }
        return outcome;
    }

    HWND OpenTarget()
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
    ASSERT_NE(target, nullptr);
    // Before the recording starts: Wine reports a move of the mouse when the
    // window in front changes.
    ASSERT_TRUE(e2e::WaitUntil(
        [&] {
            SetForegroundWindow(m_hDialog);
            return GetForegroundWindow() == m_hDialog;
        },
        kTimeoutMs));
    Sleep(kPauseMs);
    StartRecording();
    EXPECT_TRUE(IsModuleLoaded(m_Program.pid, "automation.dll"));
    EXPECT_FALSE(IsWindowEnabled(Item(IDC_RECORD_START)));
    EXPECT_FALSE(IsWindowEnabled(Item(IDC_RECORD_ALL_MOVES)));

    PostMessageA(m_hDialog, WM_HOOK_CURSOR, 0, MAKELPARAM(10, 20));
    PostMessageA(m_hDialog, WM_HOOK_MOUSE, WM_LBUTTONDOWN, reinterpret_cast<LPARAM>(target));
    Sleep(kPauseMs);
    PostMessageA(m_hDialog, WM_HOOK_MOUSE, WM_LBUTTONUP, reinterpret_cast<LPARAM>(target));
    Sleep(kPauseMs);
    PostMessageA(m_hDialog, WM_HOOK_KEY, 'A', MAKELPARAM(0, WM_KEYDOWN));
    Sleep(kPauseMs);
    PostMessageA(m_hDialog, WM_HOOK_KEY, 'A', MAKELPARAM(0, WM_KEYUP));
    Click(IDC_RECORD_STOP);

    const Outcome outcome = Finish();
    EXPECT_EQ(outcome.exitCode, IDOK);
    EXPECT_EQ(outcome.result, "1");
    EXPECT_EQ(outcome.loaded, "0");
    EXPECT_EQ(outcome.lines,
              (Lines{"Mouse move to 10, 20", "Mouse Left Down At Win [0]", "Wait N milliseconds", "Mouse Left Up",
                     std::string("Wait N milliseconds") + kMarker, "Key Down A", "Wait N milliseconds", "Key Up A"}));
    ASSERT_EQ(outcome.windows.size(), 1u);
    EXPECT_TRUE(std::regex_match(outcome.windows[0], std::regex("1 .*\\\\tapwin\\.exe", std::regex::icase)))
        << outcome.windows[0];
}

TEST_F(RecorderE2eTest, RealInputIsRecordedThroughTheHookLibrary)
{
    Open();
    const HWND target = OpenTarget();
    ASSERT_NE(target, nullptr);
    StartRecording();
    ASSERT_TRUE(e2e::MoveMouseTo(e2e::ClientToScreenPoint(target, 320, 195), kTimeoutMs));
    mouse_event(MOUSEEVENTF_LEFTDOWN, 0, 0, 0, 0);
    mouse_event(MOUSEEVENTF_LEFTUP, 0, 0, 0, 0);
    Sleep(kPauseMs);
    keybd_event('A', 0, 0, 0);
    keybd_event('A', 0, KEYEVENTF_KEYUP, 0);
    Sleep(kPauseMs);
    Click(IDC_RECORD_STOP);

    // The click brings the target to the front, and Wine reports a move of the
    // mouse then: only the order of the click's and the key's lines is certain.
    const Outcome outcome = Finish();
    EXPECT_EQ(outcome.exitCode, IDOK);
    Lines actions;
    std::copy_if(outcome.lines.begin(), outcome.lines.end(), std::back_inserter(actions), [](const std::string& line) {
        return line.rfind("Wait ", 0) != 0 && line.rfind("Mouse move to ", 0) != 0;
    });
    EXPECT_EQ(actions, (Lines{"Mouse Left Down At Win [0]", "Mouse Left Up", "Key Down A", "Key Up A"}));
    ASSERT_EQ(outcome.windows.size(), 1u);
    EXPECT_TRUE(std::regex_match(outcome.windows[0], std::regex("1 .*\\\\tapwin\\.exe", std::regex::icase)));
}

TEST_F(RecorderE2eTest, WithoutTheLibraryTheDialogStaysIdle)
{
    char folder[MAX_PATH] = {};
    lstrcpynA(folder, e2e::TempFilePath("nohooks").c_str(), MAX_PATH);
    ASSERT_TRUE(CreateDirectoryA(folder, nullptr));
    ASSERT_TRUE(
        CopyFileA(e2e::BinPath("recorddlg.exe").c_str(), (std::string(folder) + "\\recorddlg.exe").c_str(), FALSE));
    Open(folder);
    Click(IDC_RECORD_START);
    const HWND box = e2e::WaitForMessageBox(m_Program.pid, m_hDialog, kTimeoutMs);
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(e2e::MessageBoxText(box), "Failed to load automation.dll.");
    PostMessageA(box, WM_COMMAND, IDOK, 0);
    ASSERT_TRUE(e2e::WaitUntil([&] { return !IsWindow(box); }, kTimeoutMs));
    EXPECT_TRUE(IsWindowEnabled(Item(IDC_RECORD_START)));
    EXPECT_FALSE(IsWindowEnabled(Item(IDC_RECORD_STOP)));
    EXPECT_TRUE(IsWindowEnabled(Item(IDC_RECORD_ALL_MOVES)));
    PostMessageA(m_hDialog, WM_SYSCOMMAND, SC_CLOSE, 0);
    EXPECT_EQ(Finish().exitCode, IDCANCEL);
    DeleteFileA((std::string(folder) + "\\recorddlg.exe").c_str());
    RemoveDirectoryA(folder);
}

TEST_F(RecorderE2eTest, EscOrTheCloseBoxWhileRecordingFreesTheLibrary)
{
    const struct
    {
        const char* how;
        bool esc;
    } kEnds[] = {{"Esc", true}, {"close box", false}};
    for (const auto& end : kEnds) {
        Open();
        StartRecording();
        if (end.esc) {
            SetForegroundWindow(m_hDialog);
            keybd_event(VK_ESCAPE, 0, 0, 0);
            keybd_event(VK_ESCAPE, 0, KEYEVENTF_KEYUP, 0);
        } else {
            PostMessageA(m_hDialog, WM_SYSCOMMAND, SC_CLOSE, 0);
        }
        const Outcome outcome = Finish();
        EXPECT_EQ(outcome.exitCode, IDCANCEL) << end.how;
        EXPECT_EQ(outcome.loaded, "0") << end.how;
        e2e::WaitForWindowGone(kCaption, kTimeoutMs);
    }
}

TEST_F(RecorderE2eTest, ClickingTheRecordersOwnButtonsRecordsNothing)
{
    Open();
    // The cursor waits on "stop" before the recording starts, so no move is recorded.
    ASSERT_TRUE(e2e::MoveMouseTo(Center(IDC_RECORD_STOP), kTimeoutMs));
    StartRecording();
    mouse_event(MOUSEEVENTF_LEFTDOWN, 0, 0, 0, 0);
    mouse_event(MOUSEEVENTF_LEFTUP, 0, 0, 0, 0);

    const Outcome outcome = Finish();
    EXPECT_EQ(outcome.exitCode, IDOK);
    EXPECT_EQ(outcome.lines, Lines{});
    EXPECT_EQ(outcome.windows, Lines{});
}

}  // namespace
