// The sender against the target window: which key messages arrive, in which
// order and with which modifiers down.
#include "engine/builtins/CKeySender.h"
#include "engine/builtins/ForceForeground.h"
#include "tests/tools/e2e/E2eSupport.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

namespace {

const BYTE kMarkerKey = VK_F24;

struct Collected
{
    std::string keys;   // "d11 d41 u41 u11": down/up and the virtual key in hex
    std::string chars;  // WM_CHAR codes as chars
    std::vector<std::string> lines;
};

class KeySenderTapwin : public ::testing::Test
{
protected:
    static void SetUpTestSuite()
    {
        s_log = e2e::TempFilePath("keysender");
        e2e::StartProgram("tapwin.exe", "--log \"" + s_log + "\" --title \"Key Sender Target\"");
        s_window = e2e::WaitForWindow("Key Sender Target", 30000);
    }

    static void TearDownTestSuite()
    {
        e2e::EndStartedProcesses();
        DeleteFileA(s_log.c_str());
    }

    void SetUp() override
    {
        ASSERT_NE(nullptr, s_window);
        SetForegroundWindow(s_window);
        m_sender.m_nKeyDelay = 0;
        m_sender.m_nKeyDownDelay = 0;
    }

    void TearDown() override { m_sender.ReleaseHeldKeys(); }

    // Runs the action, then presses a marker key and returns what the window
    // logged before the marker arrived.
    template <class Action>
    Collected Collect(Action action, DWORD timeoutMs = 20000)
    {
        size_t start = e2e::ReadLines(s_log).size();
        action();
        keybd_event(kMarkerKey, 0, 0, 0);
        keybd_event(kMarkerKey, 0, KEYEVENTF_KEYUP, 0);
        Collected c;
        char marker[32];
        std::snprintf(marker, sizeof marker, "KEYUP id=101 vk=%u ", kMarkerKey);
        // Long sends make long logs: read them less often.
        const DWORD pause = timeoutMs > 20000 ? 500 : 20;
        for (DWORD waited = 0; waited < timeoutMs; waited += pause) {
            std::vector<std::string> lines = e2e::ReadLines(s_log);
            bool done = false;
            for (size_t i = start; i < lines.size() && !done; ++i)
                done = lines[i].find(marker) != std::string::npos;
            if (done) {
                c.lines.assign(lines.begin() + static_cast<long>(start), lines.end());
                break;
            }
            Sleep(pause);
        }
        for (const std::string& line : c.lines) {
            unsigned vk = 0;
            unsigned ch = 0;
            const char* vkText = std::strstr(line.c_str(), " vk=");
            if (vkText && std::sscanf(vkText, " vk=%u", &vk) == 1) {
                if (vk == kMarkerKey)
                    break;
                bool down = line.find("KEYDOWN") != std::string::npos;
                char item[8];
                std::snprintf(item, sizeof item, "%s%c%02X", c.keys.empty() ? "" : " ", down ? 'd' : 'u', vk);
                c.keys += item;
            }
            const char* chText = std::strstr(line.c_str(), "WM_CHAR id=101 ch=");
            if (chText && std::sscanf(chText, "WM_CHAR id=101 ch=%u", &ch) == 1)
                c.chars += static_cast<char>(ch);
        }
        return c;
    }

    Collected Send(const char* keys)
    {
        return Collect([&] { m_sender.Send(keys); });
    }

    // The log line of the first key-down of vk.
    static std::string DownLine(const Collected& c, unsigned vk)
    {
        char text[32];
        std::snprintf(text, sizeof text, "DOWN id=101 vk=%u ", vk);
        for (const std::string& line : c.lines) {
            if (line.find(text) != std::string::npos)
                return line;
        }
        return "";
    }

    // The window manager confirms a change of the foreground a little later.
    static bool WaitForForeground(HWND window)
    {
        for (int i = 0; i < 100 && GetForegroundWindow() != window; ++i)
            Sleep(20);
        return GetForegroundWindow() == window;
    }

    static std::string s_log;
    static HWND s_window;
    CKeySender m_sender;
};

std::string KeySenderTapwin::s_log;
HWND KeySenderTapwin::s_window = nullptr;

struct NotationCase
{
    const char* notation;
    const char* keys;
    const char* chars;
};

TEST_F(KeySenderTapwin, NotationTable)
{
    const NotationCase cases[] = {
        {"^a", "d11 d41 u41 u11", "\x01"},
        {"ab", "d41 u41 d42 u42", "ab"},
        {"A", "d10 d41 u41 u10", "A"},
        {"+{TAB 3}", "d10 d09 u09 d09 u09 d09 u09 u10", "\t\t\t"},
        {"{a 0}", "d41 u41", "a"},
        {"{a 3}", "d41 u41 d41 u41 d41 u41", "aaa"},
        {"{{}", "d10 dDB uDB u10", "{"},
        {"{", "d10 dDB uDB u10", "{"},
        {"{}", "", ""},
        {"{ }", "", ""},
        {"{ENTER", "d10 dDB uDB u10 d10 d45 u45 u10 d10 d4E u4E u10 d10 d54 u54 u10 d10 d45 u45 u10 d10 d52 u52 u10",
         "{ENTER"},
        {"{enter}", "d0D u0D", "\r"},
        {"{LEFT 2}", "d25 u25 d25 u25", ""},
        {"{NUMPADENTER}", "d0D u0D", "\r"},
        {"{b down}{b up}", "d42 u42", "b"},
        {"{ASC 65}", "d12 d66 u66 d65 u65 u12", ""},
        {"{ASC a}", "", ""},
        {"{ASC 6x}", "", ""},
        {"\xE9", "d12 d61 u61 d63 u63 d60 u60 u12", ""},
        {"{SHIFTDOWN}ab{SHIFTUP}", "d10 d41 u41 d42 u42 u10", "AB"},
    };
    for (const NotationCase& test : cases) {
        Collected c = Send(test.notation);
        EXPECT_EQ(test.keys, c.keys) << test.notation;
        EXPECT_EQ(test.chars, c.chars) << test.notation;
    }
}

TEST_F(KeySenderTapwin, ModifierStateAtTheKey)
{
    Collected c = Send("^+x");
    std::string line = DownLine(c, 'X');
    EXPECT_NE(std::string::npos, line.find("shift=1 ctrl=1 alt=0")) << line;
    EXPECT_EQ("d10 d11 d58 u58 u11 u10", c.keys);

    c = Send("{LEFT}");
    EXPECT_NE(std::string::npos, DownLine(c, VK_LEFT).find("ext=1")) << DownLine(c, VK_LEFT);
    c = Send("x");
    EXPECT_NE(std::string::npos, DownLine(c, 'X').find("shift=0 ctrl=0 alt=0 win=0")) << DownLine(c, 'X');
}

TEST_F(KeySenderTapwin, HeldModifierStaysAcrossSendsUntilReleased)
{
    Collected c = Send("{CTRLDOWN}");
    EXPECT_EQ("d11", c.keys);
    c = Send("a");
    EXPECT_EQ("d41 u41", c.keys);
    EXPECT_NE(std::string::npos, DownLine(c, 'A').find("ctrl=1")) << DownLine(c, 'A');
    EXPECT_EQ(unsigned(CKeySender::kCtrlHeld), m_sender.Modifiers());

    c = Collect([&] { m_sender.ReleaseHeldKeys(); });
    EXPECT_EQ("u11", c.keys);
    EXPECT_EQ(0u, m_sender.Modifiers());
    EXPECT_FALSE(GetAsyncKeyState(VK_CONTROL) & 0x8000);

    c = Send("a");
    EXPECT_NE(std::string::npos, DownLine(c, 'A').find("ctrl=0")) << DownLine(c, 'A');
}

TEST_F(KeySenderTapwin, TrailingModifierDoesNotReachTheNextSend)
{
    for (const char* trailing : {"^", "!", "+", "#", "x^!+#"}) {
        Send(trailing);
        EXPECT_EQ(0u, m_sender.Modifiers()) << trailing;
        Collected c = Send("a");
        EXPECT_EQ("d41 u41", c.keys) << trailing;
        EXPECT_EQ("a", c.chars) << trailing;
    }
}

TEST_F(KeySenderTapwin, ReleaseHeldKeysReleasesEveryKindOfHeldKey)
{
    Collected c = Send("{ALTDOWN}{LWINDOWN}{SHIFTDOWN}{q down}");
    EXPECT_EQ("d12 d5B d10 d51", c.keys);
    c = Collect([&] { m_sender.ReleaseHeldKeys(); });
    EXPECT_EQ("u10 u12 u51 u5B", c.keys);
    EXPECT_EQ(0u, m_sender.Modifiers());
    for (int vk : {VK_MENU, VK_LWIN, VK_SHIFT, int('Q')})
        EXPECT_FALSE(GetAsyncKeyState(vk) & 0x8000) << vk;
    c = Collect([&] { m_sender.ReleaseHeldKeys(); });
    EXPECT_EQ("", c.keys);
}

TEST_F(KeySenderTapwin, CharsTheLayoutLacksGoAsUnicode)
{
    // A blank dead-key slot (the US layout has none), Alt code 0 and a char
    // below 0x80 outside the layout: never a bare letter, never Alt + 0.
    Collected c = Send("\xC0\x80\xA9");
    EXPECT_EQ(std::string("\xC0\x80\xA9"), c.chars);
    EXPECT_EQ(std::string::npos, c.keys.find("d41"));
    EXPECT_EQ(std::string::npos, c.keys.find("d60"));
}

TEST_F(KeySenderTapwin, RawSendTypesNotationCharsLiterally)
{
    Collected c = Collect([&] { m_sender.SendRaw("+^{a}!#"); });
    EXPECT_EQ("+^{a}!#", c.chars);
}

TEST_F(KeySenderTapwin, RepeatCountIsClampedToTenThousand)
{
    Collected c = Collect([&] { m_sender.Send("{z 100000000}"); }, 240000);
    EXPECT_EQ(size_t(CKeySender::kMaxRepeat), c.chars.size());
    EXPECT_EQ(std::string::npos, c.chars.find_first_not_of('z'));
}

TEST_F(KeySenderTapwin, CapsLockIsOffDuringTheSendAndRestoredAfter)
{
    // The toggle reaches the window asynchronously: collect it up to a marker
    // so its key messages cannot be mistaken for the send's own.
    if (!(GetKeyState(VK_CAPITAL) & 1)) {
        Collect([] {
            keybd_event(VK_CAPITAL, 0, 0, 0);
            keybd_event(VK_CAPITAL, 0, KEYEVENTF_KEYUP, 0);
        });
    }
    Collected c = Send("a");
    EXPECT_EQ("d14 u14 d41 u41 d14 u14", c.keys);
    EXPECT_EQ("a", c.chars);
    EXPECT_TRUE(GetKeyState(VK_CAPITAL) & 1);

    m_sender.m_bCapsLockMode = 0;
    c = Send("a");
    EXPECT_EQ("A", c.chars);
    c = Send("{CAPSLOCK off}");
    EXPECT_EQ("d14 u14", c.keys);
    EXPECT_FALSE(GetKeyState(VK_CAPITAL) & 1);
}

TEST_F(KeySenderTapwin, ToggleOnPressesOnlyWhenOff)
{
    Send("{SCROLLLOCK off}");
    Collected c = Send("{SCROLLLOCK on}");
    EXPECT_EQ("d91 u91", c.keys);
    c = Send("{SCROLLLOCK on}");
    EXPECT_EQ("", c.keys);
    c = Send("{SCROLLLOCK off}");
    EXPECT_EQ("d91 u91", c.keys);
}

TEST_F(KeySenderTapwin, PostMessageModeDeliversToTheTargetWindow)
{
    HWND edit = GetDlgItem(s_window, 101);
    m_sender.m_bPostMessageMode = 1;
    Collected c = Send("");  // nothing: only the marker
    c = Collect([&] { m_sender.Send("q", edit); });
    EXPECT_EQ("d51 u51", c.keys);
    EXPECT_EQ("q", c.chars);
}

TEST_F(KeySenderTapwin, PostMessageModeKeepsItsTargetAfterALockKey)
{
    // Lock keys go as system input even in post-message mode; the keys after
    // them must still go to the given window, not to the one in front.
    HWND edit = GetDlgItem(s_window, 101);
    m_sender.m_bPostMessageMode = 1;
    m_sender.m_bCapsLockMode = 0;
    Collected c = Collect([&] { m_sender.Send("{SCROLLLOCK 2}q", edit); });
    EXPECT_EQ(edit, m_sender.TargetWindow());
    EXPECT_NE("", DownLine(c, 'Q')) << c.keys;
    EXPECT_EQ("q", c.chars);
}

TEST_F(KeySenderTapwin, ForceForegroundBringsTheWindowToTheFront)
{
    EXPECT_FALSE(ForceForeground(nullptr));
    std::string log = e2e::TempFilePath("keysender2");
    e2e::StartProgram("tapwin.exe", "--log \"" + log + "\" --title \"Key Sender Other\"");
    HWND other = e2e::WaitForWindow("Key Sender Other", 30000);
    ASSERT_NE(nullptr, other);
    ShowWindow(other, SW_MINIMIZE);
    SetForegroundWindow(s_window);

    Send("{ALTDOWN}");
    EXPECT_TRUE(ForceForeground(other));
    EXPECT_TRUE(WaitForForeground(other));
    EXPECT_FALSE(IsIconic(other));
    EXPECT_TRUE(GetAsyncKeyState(VK_MENU) & 0x8000);
    m_sender.ReleaseHeldKeys();

    EXPECT_TRUE(ForceForeground(s_window));
    EXPECT_TRUE(WaitForForeground(s_window));
    PostMessageA(other, WM_CLOSE, 0, 0);
    e2e::WaitForWindowGone("Key Sender Other", 10000);
    DeleteFileA(log.c_str());
}

}  // namespace
