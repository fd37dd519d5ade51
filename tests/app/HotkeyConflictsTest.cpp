#include "app/HotkeyConflicts.h"

#include <gtest/gtest.h>

namespace {

CArray<CRobot, CRobot&> Robots()
{
    CArray<CRobot, CRobot&> robots;
    CRobot a;
    a.m_strName = "A";
    a.m_strStartKey = "Ctrl + A";
    a.m_strEndKey = "Ctrl + <F12>";
    robots.Add(a);
    CRobot b;
    b.m_strName = "B";
    b.m_strStartKey = "Ctrl + B";
    b.m_strEndKey = "Ctrl + <F11>";
    b.m_bEnable = 0;
    robots.Add(b);
    return robots;
}

}  // namespace

TEST(HotkeyConflicts, StartKeyMayNotEqualAnyOtherKey)
{
    CArray<CRobot, CRobot&> robots = Robots();
    EXPECT_TRUE(IsStartKeyTakenByOther(robots, -1, "ctrl + a"));
    EXPECT_TRUE(IsStartKeyTakenByOther(robots, -1, "Ctrl + <F11>"));  // a disabled robot's end key
    EXPECT_FALSE(IsStartKeyTakenByOther(robots, 0, "Ctrl + A"));      // the edited robot itself
    EXPECT_FALSE(IsStartKeyTakenByOther(robots, -1, "Ctrl + C"));
}

TEST(HotkeyConflicts, EndKeysMayBeShared)
{
    CArray<CRobot, CRobot&> robots = Robots();
    EXPECT_FALSE(IsEndKeyTakenByOther(robots, -1, "Ctrl + <F12>"));
    EXPECT_TRUE(IsEndKeyTakenByOther(robots, -1, "CTRL + B"));
    EXPECT_FALSE(IsEndKeyTakenByOther(robots, 1, "Ctrl + B"));
}
