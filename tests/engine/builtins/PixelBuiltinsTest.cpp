// Pixel built-ins on the known coloured blocks of tapwin.exe: red (255,0,0)
// at client (300,180)-(340,210) and (0x12,0x34,0x56) at (350,180)-(380,210).
#include "engine/builtins/PixelBuiltins.h"
#include "tests/engine/builtins/BuiltinScriptRun.h"
#include "tests/engine/builtins/TapwinSuite.h"
#include "tests/tools/e2e/E2eSupport.h"

#include <gtest/gtest.h>

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
};

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
            "Put(PixelChecksum(-5, -5, 5, 5))",
            "Put(PixelChecksum(" + Args(310, 190) + ", " + Args(319, 199) + "))",
        },
        {std::to_string(ExpectedChecksum(a.x, a.y, b.x, b.y)), std::to_string(ExpectedChecksum(-5, -5, 5, 5)),
         std::to_string(
             ExpectedChecksum(Screen(310, 190).x, Screen(310, 190).y, Screen(319, 199).x, Screen(319, 199).y))}));
}

}  // namespace
