// Pixel built-ins on the known coloured blocks of tapwin.exe: red (255,0,0)
// at client (300,180)-(340,210) and (0x12,0x34,0x56) at (350,180)-(380,210).
#include "engine/builtins/PixelBuiltins.h"
#include "tests/engine/builtins/BuiltinScriptRun.h"
#include "tests/engine/builtins/TapwinSuite.h"
#include "tests/tools/e2e/E2eSupport.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

const char kTitle[] = "Pixel Tapwin";

class PixelBuiltinsTest : public TapwinSuite
{
protected:
    static void SetUpTestSuite() { StartTarget(kTitle, "100,100"); }
    void SetUp() override
    {
        TapwinSuite::SetUp();
        SetWindowPos(s_window, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
        Sleep(300);
    }

    static POINT Screen(int x, int y) { return e2e::ClientToScreenPoint(s_window, x, y); }
    static std::string Args(int x, int y)
    {
        POINT p = Screen(x, y);
        return std::to_string(p.x) + ", " + std::to_string(p.y);
    }

    // The checksum of a screen rectangle read pixel by pixel here.
    static unsigned ExpectedChecksum(long left, long top, long right, long bottom)
    {
        HDC screen = GetDC(nullptr);
        unsigned low = 1;
        unsigned high = 0;
        for (long x = left; x <= right; ++x) {
            for (long y = top; y <= bottom; ++y) {
                COLORREF pixel = GetPixel(screen, x, y);
                AddToAdler32(low, high, GetRValue(pixel));
                AddToAdler32(low, high, GetGValue(pixel));
                AddToAdler32(low, high, GetBValue(pixel));
            }
        }
        ReleaseDC(nullptr, screen);
        return (high << 16) | low;
    }

    // What a script puts for the first pixel of the rectangle, x outer and y
    // inner by the step, within shade of the system colour, read one by one:
    // "x, y", or "none".
    static std::string ExpectedSearch(const RECT& area, COLORREF colour, int shade, int step)
    {
        HDC screen = GetDC(nullptr);
        std::string found = "none";
        for (long x = area.left; x <= area.right && found == "none"; x += step) {
            for (long y = area.top; y <= area.bottom && found == "none"; y += step) {
                COLORREF pixel = GetPixel(screen, x, y);
                if (std::abs(GetRValue(pixel) - GetRValue(colour)) <= shade &&
                    std::abs(GetGValue(pixel) - GetGValue(colour)) <= shade &&
                    std::abs(GetBValue(pixel) - GetBValue(colour)) <= shade)
                    found = std::to_string(x) + ", " + std::to_string(y);
            }
        }
        ReleaseDC(nullptr, screen);
        return found;
    }
};

TEST(PixelAdlerRunTest, OneStepEqualsTheBytesOneByOne)
{
    const struct
    {
        const char* label;
        unsigned low, high;
        unsigned char byte;
        unsigned long long runs, runLength;
    } kRows[] = {
        {"nothing", 1, 0, 255, 0, 3},
        {"one byte", 1, 0, 255, 1, 1},
        {"a modulus of bytes", 7, 9, 255, 1, 65521},
        {"past the modulus", 65520, 65520, 255, 3, 65522},
        {"many runs", 1, 0, 17, 70000, 3},
    };
    for (const auto& row : kRows) {
        unsigned low = row.low;
        unsigned high = row.high;
        for (unsigned long long i = 0; i < row.runs * row.runLength; ++i)
            AddToAdler32(low, high, row.byte);
        unsigned runLow = row.low;
        unsigned runHigh = row.high;
        AddByteRunsToAdler32(runLow, runHigh, row.byte, row.runs, row.runLength);
        EXPECT_EQ(low, runLow) << row.label;
        EXPECT_EQ(high, runHigh) << row.label;
    }
}

TEST(PixelColourOrderTest, SwapExchangesRedAndBlue)
{
    EXPECT_EQ(0x0000FF, SwapColourOrder(0xFF0000));
    EXPECT_EQ(0x563412, SwapColourOrder(0x123456));
    EXPECT_EQ(0xFFFFFF, SwapColourOrder(-1));
}

TEST_F(PixelBuiltinsTest, GetColorAndCheckColor)
{
    EXPECT_TRUE(PutsExactly(
        {
            "Put(PixelGetColor(" + Args(310, 190) + "))",
            "Put(PixelGetColor(" + Args(360, 190) + "))",
            "Put(PixelGetColor(-50, -50))",
            "Opt(\"ColorMode\", 1)",
            "Put(PixelGetColor(" + Args(360, 190) + "))",
            "Put(CheckColor(" + Args(310, 190) + ", 255, 0, 0, 0))",
            "Put(CheckColor(" + Args(310, 190) + ", 255, 0, 0, 1))",
            "Put(CheckColor(" + Args(310, 190) + ", 236, 19, 19, 2))",
            "Put(CheckColor(" + Args(310, 190) + ", 235, 0, 0, 2))",
            "Put(CheckColor(" + Args(310, 190) + ", 0, 0, 0, 5))",
            "MouseMove(" + Args(365, 195) + ")",
            "Put(CheckColor(-1, -1, 0x12, 0x34, 0x56, 0))",
        },
        {"16711680", "1193046", "16777215", "5649426", "1", "0", "1", "0", "1", "1"}));
}

TEST_F(PixelBuiltinsTest, PixelSearchFindsTheLeftmostColumnFirst)
{
    RECT rect;
    GetWindowRect(s_window, &rect);
    POINT red = Screen(300, 180);
    EXPECT_TRUE(PutsExactly(
        {
            "$p = PixelSearch(" + Args(290, 170) + ", " + Args(390, 220) + ", 0xFF0000)",
            "Put($p[0] & \", \" & $p[1])",
            "$p = PixelSearch(" + Args(290, 170) + ", " + Args(390, 220) + ", 0x123456, 0, 2)",
            "Put($p[0] & \", \" & $p[1])",
            "$p = PixelSearch(" + Args(290, 170) + ", " + Args(390, 220) + ", 0x00FF00)",
            "Put($p & \"/\" & @error)",
            "$p = PixelSearch(" + Args(290, 170) + ", " + Args(390, 220) + ", 0x00FF00, 300)",
            "Put($p[0] & \", \" & $p[1])",
            "$p = PixelSearch(" + Args(390, 220) + ", " + Args(290, 170) + ", 0xFF0000)",
            "Put(@error)",
            "Opt(\"PixelCoordMode\", 0)",
            "$p = PixelSearch(" + std::to_string(red.x - rect.left - 10) + ", " +
                std::to_string(red.y - rect.top - 10) + ", " + std::to_string(red.x - rect.left + 10) + ", " +
                std::to_string(red.y - rect.top + 10) + ", 0xFF0000)",
            "Put($p[0] & \", \" & $p[1])",
        },
        {Args(300, 180), Args(350, 180), "1/1", Args(290, 170), "1",
         std::to_string(red.x - rect.left) + ", " + std::to_string(red.y - rect.top)}));
}

TEST_F(PixelBuiltinsTest, ChecksumMatchesThePixels)
{
    POINT a = Screen(295, 175);
    POINT b = Screen(385, 215);
    EXPECT_TRUE(PutsExactly(
        {
            "Put(PixelChecksum(" + Args(295, 175) + ", " + Args(385, 215) + "))",
            "Put(PixelChecksum(" + Args(310, 190) + ", " + Args(319, 199) + "))",
        },
        {std::to_string(ExpectedChecksum(a.x, a.y, b.x, b.y)),
         std::to_string(
             ExpectedChecksum(Screen(310, 190).x, Screen(310, 190).y, Screen(319, 199).x, Screen(319, 199).y))}));
}

TEST_F(PixelBuiltinsTest, RectanglesOffTheScreenReadAsPixelByPixel)
{
    const long left = GetSystemMetrics(SM_XVIRTUALSCREEN);
    const long top = GetSystemMetrics(SM_YVIRTUALSCREEN);
    const long right = left + GetSystemMetrics(SM_CXVIRTUALSCREEN);
    const long bottom = top + GetSystemMetrics(SM_CYVIRTUALSCREEN);
    const struct
    {
        const char* label;
        RECT area;
    } kRows[] = {
        {"left edge", {left - 4, top + 100, left + 3, top + 108}},
        {"top-left corner", {left - 5, top - 5, left + 5, top + 5}},
        {"right edge", {right - 4, top + 100, right + 3, top + 108}},
        {"bottom edge", {left + 100, bottom - 4, left + 108, bottom + 3}},
        {"bottom-right corner", {right - 3, bottom - 3, right + 2, bottom + 2}},
        {"across the screen", {left - 2, top + 50, right + 1, top + 51}},
        {"down the screen", {left + 30, top - 2, left + 31, bottom + 1}},
        {"wholly left", {left - 20, top + 10, left - 10, top + 20}},
        {"wholly below", {left + 10, bottom + 5, left + 20, bottom + 15}},
    };
    HDC screen = GetDC(nullptr);
    for (const auto& row : kRows) {
        SCOPED_TRACE(row.label);
        const RECT& a = row.area;
        const std::string corners = std::to_string(a.left) + ", " + std::to_string(a.top) + ", " +
                                    std::to_string(a.right) + ", " + std::to_string(a.bottom);
        // The colour of the rectangle's last pixel on the screen (or of the
        // screen's nearest one).
        COLORREF onScreen =
            GetPixel(screen, std::clamp(a.right, left, right - 1), std::clamp(a.bottom, top, bottom - 1));
        const struct
        {
            COLORREF colour;
            int shade;
            int step;
        } kSearches[] = {{RGB(255, 255, 255), 0, 1},
                         {RGB(240, 240, 240), 15, 3},
                         {onScreen, 0, 1},
                         {onScreen, 10, 2},
                         {RGB(1, 2, 3), 0, 2}};
        std::vector<std::string> lines = {"Put(PixelChecksum(" + corners + "))"};
        std::vector<std::string> expected = {std::to_string(ExpectedChecksum(a.left, a.top, a.right, a.bottom))};
        for (const auto& search : kSearches) {
            lines.push_back("$p = PixelSearch(" + corners + ", " +
                            std::to_string(SwapColourOrder(static_cast<int>(search.colour))) + ", " +
                            std::to_string(search.shade) + ", " + std::to_string(search.step) + ")");
            lines.push_back("$e = @error");
            lines.push_back("If $e Then Put(\"none\")");
            lines.push_back("If $e = 0 Then Put($p[0] & \", \" & $p[1])");
            expected.push_back(ExpectedSearch(a, search.colour, search.shade, search.step));
        }
        EXPECT_TRUE(PutsExactly(lines, expected));
    }
    ReleaseDC(nullptr, screen);
}

TEST_F(PixelBuiltinsTest, HugeRectanglesEnd)
{
    const std::string huge = "-2147483647, -2147483647, 2147483647, 2147483647";
    ScriptOutcome run = RunPutScript({
        "Put(PixelChecksum(0, 0, 2147483647, 2147483647))",
        "$p = PixelSearch(0, 0, 2147483647, 2147483647, 0x010203)",
        "Put(@error)",
        "Opt(\"PixelCoordMode\", 0)",
        "Put(PixelChecksum(" + huge + "))",
        "$p = PixelSearch(" + huge + ", 0x010203, 0, 7)",
        "Put(@error)",
    });
    EXPECT_EQ(0, run.exitCode) << run.output;
    ASSERT_EQ(4u, run.values.size()) << run.output;
    EXPECT_EQ("1", run.values[1]);
    EXPECT_EQ("1", run.values[3]);
}

}  // namespace
