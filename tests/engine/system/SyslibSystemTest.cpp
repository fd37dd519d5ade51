#include "engine/system/COsVersion.h"
#include "engine/system/CRegistryKey.h"
#include "engine/system/PreciseSleep.h"
#include "engine/system/SystemNet.h"
#include "engine/system/SystemProcess.h"
#include "engine/system/SystemRegistry.h"
#include "engine/system/SystemSound.h"
#include "engine/system/SystemWindows.h"
#include "engine/system/TimedMessageBox.h"
#include "framework/CMessageBoxCapture.h"
#include "tests/tools/e2e/E2eSupport.h"

#include <gtest/gtest.h>

#include <cctype>
#include <cstring>
#include <string>
#include <thread>

namespace {

const char kTestKey[] = "Software\\TapforgeSyslibTest";

TEST(SyslibRegistry, ReadsTheStoredLengthAndEmptiesOnError)
{
    HKEY key = nullptr;
    ASSERT_EQ(ERROR_SUCCESS,
              RegCreateKeyExA(HKEY_CURRENT_USER, kTestKey, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key, nullptr));
    // Stored without a terminator: the reader must not run into what follows.
    RegSetValueExA(key, "Bare", 0, REG_BINARY, reinterpret_cast<const BYTE*>("abc"), 3);
    RegSetValueExA(key, "Text", 0, REG_SZ, reinterpret_cast<const BYTE*>("hello"), 6);
    RegCloseKey(key);

    char buffer[16];
    std::memset(buffer, 'x', sizeof buffer);
    EXPECT_TRUE(RegReadString(HKEY_CURRENT_USER, kTestKey, "Bare", sizeof buffer, buffer));
    EXPECT_STREQ("abc", buffer);
    EXPECT_TRUE(RegReadString(HKEY_CURRENT_USER, kTestKey, "Text", sizeof buffer, buffer));
    EXPECT_STREQ("hello", buffer);
    char small[4];
    EXPECT_FALSE(RegReadString(HKEY_CURRENT_USER, kTestKey, "Text", sizeof small, small));
    EXPECT_STREQ("", small);
    char exact[6];
    EXPECT_TRUE(RegReadString(HKEY_CURRENT_USER, kTestKey, "Text", sizeof exact, exact));
    EXPECT_STREQ("hello", exact);
    char bare[3];
    EXPECT_FALSE(RegReadString(HKEY_CURRENT_USER, kTestKey, "Bare", sizeof bare, bare));
    EXPECT_STREQ("", bare);
    EXPECT_FALSE(RegReadString(HKEY_CURRENT_USER, kTestKey, "Missing", sizeof buffer, buffer));
    EXPECT_STREQ("", buffer);
    std::strcpy(buffer, "old");
    EXPECT_FALSE(RegReadString(HKEY_CURRENT_USER, "Software\\NoSuchTapforgeKey", "x", sizeof buffer, buffer));
    EXPECT_STREQ("", buffer);
    RegDeleteKeyA(HKEY_CURRENT_USER, kTestKey);
}

TEST(SyslibProcess, FindsByNameInAnyCaseAndByAllDigitId)
{
    char path[MAX_PATH];
    GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string name = std::strrchr(path, '\\') + 1;
    for (char& c : name)
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    DWORD id = 0;
    bool found = false;
    ASSERT_TRUE(FindProcess(name.c_str(), id, found));
    EXPECT_TRUE(found);
    EXPECT_EQ(GetCurrentProcessId(), id);

    std::string digits = std::to_string(GetCurrentProcessId());
    id = 0;
    EXPECT_TRUE(FindProcess(digits.c_str(), id, found));
    EXPECT_TRUE(found);
    EXPECT_EQ(GetCurrentProcessId(), id);

    // A name that starts with the digits of a live id is still a name.
    EXPECT_TRUE(FindProcess((digits + "up.exe").c_str(), id, found));
    EXPECT_FALSE(found);
    EXPECT_TRUE(FindProcess("no-such-program.exe", id, found));
    EXPECT_FALSE(found);
    EXPECT_TRUE(FindProcess("", id, found));
    EXPECT_FALSE(found);
}

TEST(SyslibRegistry, PathsSplitIntoComputerRootAndSubkey)
{
    struct Case
    {
        const char* path;
        const char* computer;
        const char* root;
        const char* subkey;
    } cases[] = {
        {"HKCU\\Software\\Sub\\\\", "", "HKCU", "Software\\Sub"},
        {"\\\\host\\HKLM\\Software", "host", "HKLM", "Software"},
        {"\\\\host\\HKLM", "host", "HKLM", ""},
        {"\\\\host", "host", "", ""},
        {"HKCU", "", "HKCU", ""},
        {"HKCU\\", "", "HKCU", ""},
        {"", "", "", ""},
    };
    for (const Case& c : cases) {
        std::string computer = "old", root = "old", subkey = "old";
        SplitRegistryPath(c.path, computer, root, subkey);
        EXPECT_EQ(c.computer, computer) << c.path;
        EXPECT_EQ(c.root, root) << c.path;
        EXPECT_EQ(c.subkey, subkey) << c.path;
    }
    HKEY root = nullptr;
    EXPECT_TRUE(RegistryRootFromName("hkey_users", root));
    EXPECT_EQ(HKEY_USERS, root);
    EXPECT_TRUE(RegistryRootFromName("Hkcc", root));
    EXPECT_EQ(HKEY_CURRENT_CONFIG, root);
    EXPECT_FALSE(RegistryRootFromName("HKEY_CURRENT", root));
}

// A key path of a root alone must never have its tree deleted.
TEST(SyslibRegistry, RootsAloneAreKnownAsSuch)
{
    const char* roots[] = {"HKCU", "HKCU\\", "hkey_current_user\\\\"};
    for (const char* path : roots) {
        CRegistryKey key;
        ASSERT_EQ(CRegistryKey::OPENED, key.Open(path, KEY_READ)) << path;
        EXPECT_TRUE(key.NamesRootOnly()) << path;
    }
    CRegistryKey software;
    ASSERT_EQ(CRegistryKey::OPENED, software.Open("HKCU\\Software", KEY_READ));
    EXPECT_FALSE(software.NamesRootOnly());
    CRegistryKey unknown;
    EXPECT_EQ(CRegistryKey::UNKNOWN_ROOT, unknown.Open("HKXX\\Software", KEY_READ));
    CRegistryKey unreachable;
    EXPECT_EQ(CRegistryKey::NOT_OPENED, unreachable.Open("\\\\nosuchhost\\HKLM\\Software", KEY_READ));
}

TEST(SyslibProcess, PriorityClassesOnBothFamilies)
{
    const COsVersion nt = COsVersion::FromVersion(VER_PLATFORM_WIN32_NT, 6, 1, 7601, "");
    const COsVersion win98 = COsVersion::FromVersion(VER_PLATFORM_WIN32_WINDOWS, 4, 10, 2222, "");
    struct Case
    {
        int priority;
        EPriorityRule nt;
        EPriorityRule win98;
        DWORD priorityClass;
    } cases[] = {
        {-1, PRIORITY_OUT_OF_RANGE, PRIORITY_OUT_OF_RANGE, 0},
        {0, PRIORITY_OK, PRIORITY_OK, IDLE_PRIORITY_CLASS},
        {1, PRIORITY_OK, PRIORITY_NOT_ON_9X, BELOW_NORMAL_PRIORITY_CLASS},
        {2, PRIORITY_OK, PRIORITY_OK, NORMAL_PRIORITY_CLASS},
        {3, PRIORITY_OK, PRIORITY_NOT_ON_9X, ABOVE_NORMAL_PRIORITY_CLASS},
        {4, PRIORITY_OK, PRIORITY_OK, HIGH_PRIORITY_CLASS},
        {5, PRIORITY_OK, PRIORITY_OK, REALTIME_PRIORITY_CLASS},
        {6, PRIORITY_OUT_OF_RANGE, PRIORITY_OUT_OF_RANGE, 0},
    };
    for (const Case& c : cases) {
        DWORD ntClass = 0;
        DWORD oldClass = 0;
        EXPECT_EQ(c.nt, PriorityClassOf(c.priority, nt, ntClass)) << c.priority;
        EXPECT_EQ(c.win98, PriorityClassOf(c.priority, win98, oldClass)) << c.priority;
        EXPECT_EQ(c.priorityClass, ntClass) << c.priority;
    }
}

HWND MakeWindow(const char* className, WNDPROC proc, const char* title)
{
    return e2e::CreateTestWindow(className, proc, title, WS_OVERLAPPEDWINDOW, {0, 0, 200, 100});
}

TEST(SyslibProcess, CloseWindowOrKillNeverEndsThisProgram)
{
    HWND window = MakeWindow("SyslibNoClose", DefWindowProcA, "closable");
    ASSERT_NE(nullptr, window);
    EXPECT_TRUE(CloseWindowOrKill(window));
    EXPECT_FALSE(IsWindow(window));
    // A failed close of one of our own windows must not terminate us: the
    // window is gone, so the message fails and the owner is ourselves.
    EXPECT_FALSE(CloseWindowOrKill(window));
}

TEST(SyslibWindows, TextAndClassListsOfChildren)
{
    HWND parent = MakeWindow("SyslibParent", DefWindowProcA, "parent");
    ASSERT_NE(nullptr, parent);
    ShowWindow(parent, SW_SHOWNOACTIVATE);
    HINSTANCE inst = GetModuleHandleA(nullptr);
    CreateWindowExA(0, "Static", "shown", WS_CHILD | WS_VISIBLE, 0, 0, 50, 20, parent, nullptr, inst, nullptr);
    CreateWindowExA(0, "Edit", "hidden", WS_CHILD, 0, 20, 50, 20, parent, nullptr, inst, nullptr);
    CreateWindowExA(0, "Button", "", WS_CHILD | WS_VISIBLE, 0, 40, 50, 20, parent, nullptr, inst, nullptr);
    EXPECT_EQ("shown\n", GetWindowTextList(parent, false));
    EXPECT_EQ("shown\nhidden\n", GetWindowTextList(parent, true));
    EXPECT_EQ("Static\nEdit\nButton\n", GetWindowClassList(parent));

    std::string big(40000, 'b');
    HWND bigChild =
        CreateWindowExA(0, "Static", "", WS_CHILD | WS_VISIBLE, 0, 60, 50, 20, parent, nullptr, inst, nullptr);
    ASSERT_NE(nullptr, bigChild);
    SetWindowTextA(bigChild, big.c_str());
    EXPECT_EQ(40000, GetWindowTextLengthA(bigChild));
    EXPECT_EQ(kWindowListLimit, GetWindowTextList(parent, true).size());

    EXPECT_FALSE(IsWindowHung(parent, 1000));
    EXPECT_FALSE(AttachToWindowThread(parent, true));  // a thread cannot attach to itself
    EXPECT_TRUE(AttachToWindowThread(parent, false));
    DestroyWindow(parent);
}

TEST(SyslibSystem, AddressesSoundAndSleep)
{
    EXPECT_EQ("0.0.0.0", GetIPAddress(99));
    EXPECT_EQ("0.0.0.0", GetIPAddress(0));
    std::string first = GetIPAddress(1);
    EXPECT_FALSE(first.empty());

    EXPECT_TRUE(PlaySoundFile("", false));
    EXPECT_FALSE(PlaySoundFile("C:\\no\\such\\sound.wav", false));
    EXPECT_FALSE(PlaySoundFile("C:\\no\\such\\sound.wav", true));
    CloseSound();

    LARGE_INTEGER frequency;
    LARGE_INTEGER start;
    LARGE_INTEGER end;
    QueryPerformanceFrequency(&frequency);
    QueryPerformanceCounter(&start);
    PreciseSleep(3);
    QueryPerformanceCounter(&end);
    EXPECT_GE((end.QuadPart - start.QuadPart) * 1000 / frequency.QuadPart, 3);
    PreciseSleep(-5);
    PreciseSleep(0);
}

HWND FindThreadBox(const char* caption)
{
    HWND found = nullptr;
    for (int i = 0; i < 200 && !found; ++i) {
        found = FindWindowA("#32770", caption);
        if (!found)
            Sleep(10);
    }
    return found;
}

TEST(SyslibMessageBox, TimesOutWithMinusOneAndLeavesOtherDialogsAlone)
{
    // A modeless dialog of this thread, made first, as the main dialog would be.
    HWND other = CreateWindowExA(0, "#32770", "Other dialog", WS_POPUP | WS_VISIBLE, 0, 0, 200, 100, nullptr, nullptr,
                                 GetModuleHandleA(nullptr), nullptr);
    ASSERT_NE(nullptr, other);
    DWORD start = GetTickCount();
    int result = TimedMessageBox(nullptr, "Closes itself", "Timed box", MB_OK, 700);
    DWORD elapsed = GetTickCount() - start;
    EXPECT_EQ(-1, result);
    EXPECT_GE(elapsed, 650u);
    EXPECT_LT(elapsed, 10000u);
    EXPECT_TRUE(IsWindow(other));
    EXPECT_TRUE(IsWindowVisible(other));
    EXPECT_EQ(nullptr, FindWindowA("#32770", "Timed box"));
    DestroyWindow(other);
}

TEST(SyslibMessageBox, AnsweredBoxGivesItsAnswer)
{
    {
        CMessageBoxCapture capture(IDNO);
        EXPECT_EQ(IDNO, TimedMessageBox(nullptr, "question", "Asked", MB_YESNO, 5000));
        ASSERT_EQ(1, capture.Count());
        EXPECT_STREQ("question", capture.Requests()[0].text);
    }
    // A real box answered before its timeout: a helper thread presses OK.
    std::thread presser([] {
        if (HWND box = FindThreadBox("Answered box"))
            PostMessageA(box, WM_COMMAND, IDOK, 0);
    });
    EXPECT_EQ(IDOK, TimedMessageBox(nullptr, "answer me", "Answered box", MB_OK, 20000));
    presser.join();
}

}  // namespace
