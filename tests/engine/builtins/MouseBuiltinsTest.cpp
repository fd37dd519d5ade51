// Mouse built-ins run from scripts: the clicks tapwin.exe logs, at client
// coordinates, in both coordinate modes.
#include "tests/engine/builtins/TapwinSuite.h"
#include "tests/tools/e2e/E2eSupport.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

const char kTitle[] = "Mouse Tapwin";

class MouseBuiltinsTest : public TapwinSuite
{
protected:
    static void SetUpTestSuite() { StartTarget(kTitle, "100,100"); }

    // Script text of the screen point of a client point of the window.
    static std::string ScreenArgs(int x, int y)
    {
        POINT p = e2e::ClientToScreenPoint(s_window, x, y);
        return std::to_string(p.x) + ", " + std::to_string(p.y);
    }

    // Log lines written since the test began, without their time stamps.
    std::vector<std::string> NewLog(const std::string& containing) const
    {
        std::vector<std::string> lines = e2e::ReadLines(s_log);
        std::vector<std::string> found;
        for (size_t i = m_logStart; i < lines.size(); ++i) {
            if (lines[i].find(containing) != std::string::npos)
                found.push_back(lines[i].substr(lines[i].find(' ') + 1));
        }
        return found;
    }
};

// The 64-bit Wine, which runs the tests on machines that cannot run 32-bit
// code, takes a cursor placement onto the position that a synthesised move
// already reached as no move, and a late pointer report then puts the cursor
// back where it was before: button events land at the old position there.
bool ClickPositionsAreReliable()
{
    return sizeof(void*) == 4;
}

TEST_F(MouseBuiltinsTest, ClicksAtTheCursor)
{
    if (!ClickPositionsAreReliable())
        GTEST_SKIP() << "click positions after synthesised moves are unreliable under the 64-bit Wine";
    // The pointer starts beside the first point, so the run's first move is short.
    POINT beside = e2e::ClientToScreenPoint(s_window, 432, 166);
    SetCursorPos(beside.x, beside.y);
    Sleep(100);
    ScriptOutcome run = RunPutScript({
        "Opt(\"MouseClickDelay\", 0)",
        "MouseMove(" + ScreenArgs(430, 165) + ")",
        "$p = MouseGetPos()",
        "Put($p[0] & \",\" & $p[1])",
        "Put(MouseClick(\"left\"))",
        "MouseClick(\"left\", 0)",
        "MouseClick(\"left\", -3)",
        "MouseMove(" + ScreenArgs(440, 170) + ", 50)",
        "MouseClick(\"Right\", 2)",
        "MouseMove(" + ScreenArgs(420, 160) + ")",
        "MouseDoubleClick(\"left\")",
        "MouseDown(\"middle\")",
        "MouseUp(\"middle\")",
    });
    EXPECT_EQ(0, run.exitCode) << run.output;
    ASSERT_EQ(2u, run.values.size()) << run.output;
    EXPECT_EQ(ScreenArgs(430, 165).replace(ScreenArgs(430, 165).find(", "), 2, ","), run.values[0]);
    ASSERT_TRUE(e2e::WaitForFileLine(s_log, "WM_MBUTTONUP", 10000));
    std::vector<std::string> expected = {
        "WM_LBUTTONDOWN id=0 x=430 y=165", "WM_LBUTTONUP id=0 x=430 y=165",     "WM_RBUTTONDOWN id=0 x=440 y=170",
        "WM_RBUTTONUP id=0 x=440 y=170",   "WM_RBUTTONDBLCLK id=0 x=440 y=170", "WM_RBUTTONUP id=0 x=440 y=170",
        "WM_LBUTTONDOWN id=0 x=420 y=160", "WM_LBUTTONUP id=0 x=420 y=160",     "WM_LBUTTONDBLCLK id=0 x=420 y=160",
        "WM_LBUTTONUP id=0 x=420 y=160",   "WM_MBUTTONDOWN id=0 x=420 y=160",   "WM_MBUTTONUP id=0 x=420 y=160",
    };
    EXPECT_EQ(expected, NewLog("BUTTON"));
}

TEST_F(MouseBuiltinsTest, WindowRelativeCoordinates)
{
    if (!ClickPositionsAreReliable())
        GTEST_SKIP() << "click positions after synthesised moves are unreliable under the 64-bit Wine";
    RECT rect;
    GetWindowRect(s_window, &rect);
    POINT client = e2e::ClientToScreenPoint(s_window, 400, 150);
    std::string relative = std::to_string(client.x - rect.left) + ", " + std::to_string(client.y - rect.top);
    POINT dragEnd = e2e::ClientToScreenPoint(s_window, 450, 230);
    std::string relativeEnd = std::to_string(dragEnd.x - rect.left) + ", " + std::to_string(dragEnd.y - rect.top);
    ScriptOutcome run = RunPutScript({
        "Opt(\"MouseCoordMode\", 0)",
        "MouseMove(" + relative + ")",
        "$p = MouseGetPos()",
        "Put($p[0] & \", \" & $p[1])",
        "MouseClick(\"left\")",
        "MouseRelativeMove(5, 7)",
        "$p = MouseGetPos()",
        "Put($p[0] & \", \" & $p[1])",
        "MouseClickDrag(\"left\", " + relative + ", " + relativeEnd + ", 0)",
    });
    EXPECT_EQ(0, run.exitCode) << run.output;
    ASSERT_EQ(2u, run.values.size()) << run.output;
    EXPECT_EQ(relative, run.values[0]);
    EXPECT_EQ(std::to_string(client.x - rect.left + 5) + ", " + std::to_string(client.y - rect.top + 7), run.values[1]);
    ASSERT_TRUE(e2e::WaitForFileLine(s_log, "WM_LBUTTONUP id=0 x=450 y=230", 10000));
    std::vector<std::string> clicks = NewLog("BUTTON");
    ASSERT_EQ(4u, clicks.size());
    EXPECT_EQ("WM_LBUTTONDOWN id=0 x=400 y=150", clicks[0]);
    // The drag starts where the click was, so the system makes it a double click.
    EXPECT_EQ("WM_LBUTTONDBLCLK id=0 x=400 y=150", clicks[2]);
    EXPECT_EQ("WM_LBUTTONUP id=0 x=450 y=230", clicks[3]);
}

TEST_F(MouseBuiltinsTest, WheelGoesToTheWindowUnderTheCursor)
{
    ScriptOutcome run = RunPutScript({
        "Opt(\"MouseClickDelay\", 0)",
        "MouseMove(" + ScreenArgs(430, 165) + ")",
        "MouseWheel(\"up\", 2)",
        "MouseWheel(\"down\")",
        "MouseWheel(\"down\", 0)",
    });
    EXPECT_EQ(0, run.exitCode) << run.output;
    ASSERT_TRUE(e2e::WaitForFileLine(s_log, "delta=-120", 10000));
    Sleep(200);
    std::vector<std::string> wheel = NewLog("WM_MOUSEWHEEL");
    ASSERT_EQ(3u, wheel.size());
    EXPECT_NE(std::string::npos, wheel[0].find("delta=120"));
    EXPECT_NE(std::string::npos, wheel[1].find("delta=120"));
    EXPECT_NE(std::string::npos, wheel[2].find("delta=-120"));
}

TEST_F(MouseBuiltinsTest, DragGlidesInSteps)
{
    ScriptOutcome run = RunPutScript({
        "Opt(\"MouseClickDragDelay\", 0)",
        "MouseClickDrag(\"left\", " + ScreenArgs(380, 160) + ", " + ScreenArgs(450, 165) + ")",
        "$p = MouseGetPos()",
        "Put($p[0] & \", \" & $p[1])",
    });
    EXPECT_EQ(0, run.exitCode) << run.output;
    ASSERT_EQ(1u, run.values.size()) << run.output;
    EXPECT_EQ(ScreenArgs(450, 165), run.values[0]);
    ASSERT_TRUE(e2e::WaitForFileLine(s_log, "WM_LBUTTONUP id=0 x=450 y=165", 10000));
}

}  // namespace
