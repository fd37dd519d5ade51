#include "app/CurrentDirectoryKeeper.h"
#include "app/RunningInstanceWindow.h"
#include "app/ShowTipsOption.h"
#include "app/WindowPlacement.h"
#include "framework/CFile.h"
#include "res/TapforgeResource.h"

#include "tests/support/TempFolder.h"

#include <gtest/gtest.h>

namespace {

void WriteText(const std::string& path, const std::string& text)
{
    ASSERT_TRUE(CFile::WriteAll(path.c_str(), text.data(), text.size()));
}

}  // namespace

TEST(ShowTipsOption, OnlyExactlyZeroTurnsTipsOff)
{
    TempFolder folder;
    const std::string path = folder.File("option.ini");
    struct Case
    {
        const char* text;
        int expected;
    };
    const Case cases[] = {{"showtip=0\r\n", 0},        {"showtip=\r\n", 1}, {"showtip=00\n", 1},
                          {"showtip=no\n", 1},         {"showtip=1\n", 1},  {"showtip=0\nshowtip=5\n", 1},
                          {"showtip=1\nshowtip=0", 0}, {"ShowTip=0\n", 1},  {"other=0\n", 1}};
    for (const Case& c : cases) {
        WriteText(path, c.text);
        EXPECT_EQ(ReadShowTipsOption(path.c_str(), 1), c.expected) << c.text;
    }
    EXPECT_EQ(ReadShowTipsOption(folder.File("missing.ini").c_str(), 0), 0);
    EXPECT_EQ(ReadShowTipsOption(folder.File("missing.ini").c_str(), 1), 1);
}

TEST(ShowTipsOption, WritesOneLine)
{
    TempFolder folder;
    const std::string path = folder.File("option.ini");
    WriteShowTipsOption(path.c_str(), 0);
    std::string bytes;
    ASSERT_TRUE(CFile::ReadAll(path.c_str(), bytes));
    EXPECT_EQ(bytes, "showtip=0\r\n");
    EXPECT_EQ(ReadShowTipsOption(path.c_str(), 1), 0);
    WriteShowTipsOption(folder.File("no such folder\\option.ini").c_str(), 0);
}

TEST(CurrentDirectoryKeeper, PutsTheDirectoryBack)
{
    TempFolder folder;
    WCHAR before[MAX_PATH];
    GetCurrentDirectoryW(MAX_PATH, before);
    {
        CCurrentDirectoryKeeper keeper;
        ASSERT_TRUE(keeper.IsSaved());
        EXPECT_EQ(keeper.GetSaved(), before);
        ASSERT_TRUE(SetCurrentDirectoryA(folder.Path().c_str()));
    }
    WCHAR after[MAX_PATH];
    GetCurrentDirectoryW(MAX_PATH, after);
    EXPECT_STREQ(after, before);
}

TEST(WindowPlacement, CentresOnTheScreenOrTheParent)
{
    const WindowMetrics metrics{1280, 1024, 4, 4, 1, 19};
    RECT place = CenteredWindowPlacement({0, 0, 650, 343}, metrics, nullptr);
    EXPECT_EQ(place.right, 650 + 4 + 2);
    EXPECT_EQ(place.bottom, 343 + 19 + 8);
    EXPECT_EQ(place.left, (1280 - 656) / 2);
    EXPECT_EQ(place.top, (1024 - 370) / 2);

    const WindowMetrics small{600, 300, 4, 4, 1, 19};
    place = CenteredWindowPlacement({0, 0, 650, 343}, small, nullptr);
    EXPECT_EQ(place.left, 0);
    EXPECT_EQ(place.top, 0);

    const RECT parent{100, 100, 300, 200};
    place = CenteredWindowPlacement({0, 0, 100, 50}, metrics, &parent);
    EXPECT_EQ(place.left, 200 - 106 / 2);
    EXPECT_EQ(place.top, 150 - 77 / 2);
    const RECT corner{0, 0, 20, 20};
    place = CenteredWindowPlacement({0, 0, 100, 50}, metrics, &corner);
    EXPECT_EQ(place.left, 0);
    EXPECT_EQ(place.top, 0);
}

TEST(RunningInstanceWindow, NeedsTheTitleAndTheRobotList)
{
    HWND box = CreateWindowExA(0, "Static", "Orvantis Tapforge", WS_POPUP, 0, 0, 50, 50, nullptr, nullptr,
                               GetModuleHandleA(nullptr), nullptr);
    ASSERT_TRUE(box);
    EXPECT_EQ(FindRunningMainDialog(), nullptr);
    EXPECT_EQ(WaitForRunningMainDialog(250, 50), nullptr);

    HWND dialog = CreateWindowExA(0, "Static", "Orvantis Tapforge", WS_POPUP, 0, 0, 50, 50, nullptr, nullptr,
                                  GetModuleHandleA(nullptr), nullptr);
    HWND list = CreateWindowExA(0, "Static", "", WS_CHILD, 0, 0, 10, 10, dialog,
                                reinterpret_cast<HMENU>(static_cast<INT_PTR>(IDC_ROBOT_LIST)),
                                GetModuleHandleA(nullptr), nullptr);
    ASSERT_TRUE(list);
    EXPECT_EQ(FindRunningMainDialog(), dialog);
    EXPECT_EQ(WaitForRunningMainDialog(250, 50), dialog);
    DestroyWindow(dialog);
    DestroyWindow(box);
}
