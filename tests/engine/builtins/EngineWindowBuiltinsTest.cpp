// The progress and splash windows, opened by scripts run in this process
// and found by their window class.
#include "tests/engine/builtins/BuiltinScriptRunner.h"
#include "tests/tools/e2e/E2eSupport.h"

#include <gtest/gtest.h>

#include <commctrl.h>

namespace {

const char kClass[] = "OrvantisTapwright v1";
// Bits that the system adds to every shown top-level window.
const DWORD kAddedStyles = WS_VISIBLE | WS_CLIPSIBLINGS;

std::string TextOf(HWND window)
{
    char text[256] = "";
    GetWindowTextA(window, text, sizeof text);
    return text;
}

int FontHeight(int points)
{
    HDC dc = GetDC(nullptr);
    const int height = -(GetDeviceCaps(dc, LOGPIXELSY) * points / 72);
    ReleaseDC(nullptr, dc);
    return height;
}

LOGFONTA FontOf(HWND window)
{
    LOGFONTA font = {};
    GetObjectA(reinterpret_cast<HFONT>(SendMessageA(window, WM_GETFONT, 0, 0)), sizeof font, &font);
    return font;
}

class EngineWindowBuiltins : public ::testing::Test
{
protected:
    // The one window of the class; null when there is none.
    HWND Popup()
    {
        HWND window = FindWindowA(kClass, nullptr);
        EXPECT_EQ(nullptr, FindWindowExA(nullptr, window, kClass, nullptr)) << "one window at a time";
        return window;
    }

    void Run(const std::string& line) { ASSERT_TRUE(m_runner.Run({line})) << line; }

    CBuiltinScriptRunner m_runner;
};

TEST_F(EngineWindowBuiltins, ProgressWindow)
{
    Run("ProgressOn(\"Working\", \"Main text\", \"Sub text\")");
    HWND window = Popup();
    ASSERT_NE(nullptr, window);
    EXPECT_EQ("Working", TextOf(window));
    RECT workArea = {};
    SystemParametersInfoA(SPI_GETWORKAREA, 0, &workArea, 0);
    RECT rect = {};
    GetWindowRect(window, &rect);
    EXPECT_EQ((workArea.right - 300) / 2, rect.left);
    EXPECT_EQ((workArea.bottom - 100) / 2, rect.top);
    GetClientRect(window, &rect);
    EXPECT_EQ(300, rect.right);
    EXPECT_EQ(100, rect.bottom);
    EXPECT_EQ(static_cast<LONG>(WS_EX_TOPMOST), GetWindowLongA(window, GWL_EXSTYLE) & WS_EX_TOPMOST);

    HWND mainLabel = GetWindow(window, GW_CHILD);
    HWND bar = GetWindow(mainLabel, GW_HWNDNEXT);
    HWND subLabel = GetWindow(bar, GW_HWNDNEXT);
    EXPECT_EQ("Main text", TextOf(mainLabel));
    EXPECT_EQ("Sub text", TextOf(subLabel));
    EXPECT_EQ(600, FontOf(mainLabel).lfWeight);
    EXPECT_EQ(FontHeight(10), FontOf(mainLabel).lfHeight);

    Run("ProgressSet(40, \"Sub 2\")");
    EXPECT_EQ(40, SendMessageA(bar, PBM_GETPOS, 0, 0));
    EXPECT_EQ("Sub 2", TextOf(subLabel));
    EXPECT_EQ("Main text", TextOf(mainLabel));
    Run("ProgressSet(150, \"Sub 3\", \"Main 3\")");
    EXPECT_EQ(40, SendMessageA(bar, PBM_GETPOS, 0, 0));
    EXPECT_EQ("Sub 3", TextOf(subLabel));
    EXPECT_EQ("Main 3", TextOf(mainLabel));

    Run("ProgressOn(\"Placed\", \"m\", \"s\", 30, 40, 19)");
    window = Popup();
    EXPECT_EQ("Placed", TextOf(window));
    GetWindowRect(window, &rect);
    EXPECT_EQ(30, rect.left);
    EXPECT_EQ(40, rect.top);
    EXPECT_EQ(static_cast<DWORD>(WS_POPUP), GetWindowLongA(window, GWL_STYLE) & ~kAddedStyles);
    EXPECT_EQ(0, GetWindowLongA(window, GWL_EXSTYLE) & WS_EX_TOPMOST);

    Run("ProgressOff()");
    EXPECT_EQ(nullptr, Popup());
    Run("ProgressSet(10, \"nothing to change\")");
}

TEST_F(EngineWindowBuiltins, SplashText)
{
    struct Case
    {
        const char* line;
        DWORD align;
        DWORD style;
    };
    const Case cases[] = {
        {"SplashTextOn(\"Splash\", \"Text\")", SS_CENTER, WS_POPUP | WS_DISABLED | WS_CAPTION},
        {"SplashTextOn(\"Splash\", \"Text\", -1, -1, -1, -1, 4)", SS_LEFT, WS_POPUP | WS_DISABLED | WS_CAPTION},
        {"SplashTextOn(\"Splash\", \"Text\", -1, -1, -1, -1, 8)", SS_RIGHT, WS_POPUP | WS_DISABLED | WS_CAPTION},
        {"SplashTextOn(\"Splash\", \"Text\", -1, -1, -1, -1, 12)", SS_CENTER, WS_POPUP | WS_DISABLED | WS_CAPTION},
        {"SplashTextOn(\"Splash\", \"Text\", -1, -1, -1, -1, 17)", SS_CENTER, WS_POPUP | WS_BORDER},
    };
    for (const Case& c : cases) {
        Run(c.line);
        HWND window = Popup();
        ASSERT_NE(nullptr, window) << c.line;
        EXPECT_EQ(c.style, static_cast<DWORD>(GetWindowLongA(window, GWL_STYLE)) & ~kAddedStyles) << c.line;
        HWND label = GetWindow(window, GW_CHILD);
        EXPECT_EQ("Text", TextOf(label));
        EXPECT_EQ(c.align, static_cast<DWORD>(GetWindowLongA(label, GWL_STYLE)) & SS_TYPEMASK) << c.line;
    }

    RECT desktop = {};
    GetWindowRect(GetDesktopWindow(), &desktop);
    HWND window = Popup();
    RECT rect = {};
    GetClientRect(window, &rect);
    EXPECT_EQ(500, rect.right);
    EXPECT_EQ(400, rect.bottom);
    GetWindowRect(window, &rect);
    EXPECT_EQ((desktop.right - 500) / 2, rect.left);
    LOGFONTA font = FontOf(GetWindow(window, GW_CHILD));
    EXPECT_EQ(FontHeight(12), font.lfHeight);
    EXPECT_EQ(400, font.lfWeight);

    Run("SplashTextOn(\"Sized\", \"Text\", 200, 100, 10, 20, -1, \"Courier New\", 20, 700)");
    window = Popup();
    GetWindowRect(window, &rect);
    EXPECT_EQ(10, rect.left);
    EXPECT_EQ(20, rect.top);
    GetClientRect(window, &rect);
    EXPECT_EQ(200, rect.right);
    EXPECT_EQ(100, rect.bottom);
    font = FontOf(GetWindow(window, GW_CHILD));
    EXPECT_STREQ("Courier New", font.lfFaceName);
    EXPECT_EQ(FontHeight(20), font.lfHeight);
    EXPECT_EQ(700, font.lfWeight);

    Run("SplashTextOn(\"Sized\", \"Text\", -1, -1, -1, -1, -1, \"\", 5, 1001)");
    font = FontOf(GetWindow(Popup(), GW_CHILD));
    EXPECT_EQ(FontHeight(12), font.lfHeight);
    EXPECT_EQ(400, font.lfWeight);

    Run("SplashOff()");
    EXPECT_EQ(nullptr, Popup());
}

TEST_F(EngineWindowBuiltins, SplashImage)
{
    // A 2 x 2 bitmap of 24-bit pixels, rows padded to 8 bytes.
    std::string bmp = std::string("BM") + std::string(4, '\0') + std::string(4, '\0') + std::string("\x36\0\0\0", 4);
    const int header[] = {40, 2, 2};
    bmp.append(reinterpret_cast<const char*>(header), sizeof header);
    bmp += std::string("\x01\0\x18\0", 4) + std::string(24, '\0') + std::string(16, '\x7f');
    const int size = static_cast<int>(bmp.size());
    bmp.replace(2, 4, reinterpret_cast<const char*>(&size), 4);
    const std::string path = e2e::TempFilePath("splash") + ".bmp";
    ASSERT_TRUE(e2e::WriteWholeFile(path, bmp));

    Run("SplashImageOn(\"Picture\", \"" + path + "\", 50, 40)");
    HWND window = Popup();
    ASSERT_NE(nullptr, window);
    HWND image = GetWindow(window, GW_CHILD);
    EXPECT_NE(0, SendMessageA(image, STM_GETIMAGE, IMAGE_BITMAP, 0));
    RECT rect = {};
    GetClientRect(image, &rect);
    EXPECT_EQ(50, rect.right);
    EXPECT_EQ(40, rect.bottom);
    DeleteFileA(path.c_str());

    EXPECT_FALSE(m_runner.Run({"SplashImageOn(\"Picture\", \"" + path + "\")"}));
    const std::vector<std::string> boxes = m_runner.Boxes();
    ASSERT_FALSE(boxes.empty());
    EXPECT_NE(std::string::npos, boxes.back().find("Error: The requested picture file could not be loaded."));
    EXPECT_EQ(nullptr, Popup());
}

}  // namespace
