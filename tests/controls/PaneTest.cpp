#include "ControlsTestDialog.h"

#include "controls/CItemPane.h"
#include "controls/CPaneScroller.h"
#include "controls/CSkinBitmap.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

std::vector<int> Steps(int first, int last, int step)
{
    std::vector<int> values;
    for (int v = first; step > 0 ? v <= last : v >= last; v += step)
        values.push_back(v);
    return values;
}

TEST(Panes, AnimationHeights)
{
    std::vector<int> expand = Steps(0, 100, 2);
    expand.push_back(101);
    std::vector<int> collapse = Steps(101, 1, -2);
    collapse.push_back(0);
    EXPECT_EQ(CItemPane::ExpandHeights(101), expand);
    EXPECT_EQ(CItemPane::CollapseHeights(101), collapse);
    EXPECT_EQ(CItemPane::ExpandHeights(100), Steps(0, 100, 2));
    EXPECT_EQ(CItemPane::CollapseHeights(100), Steps(100, 0, -2));
    EXPECT_EQ(CItemPane::ExpandHeights(0), std::vector<int>{0});
}

TEST(Panes, ScrollerPositions)
{
    const struct
    {
        int position, oldPage, page, display, fitted;
    } fits[] = {
        {100, 200, 100, 1000, 50},   // rescaled by page / old page
        {100, 0, 100, 1000, 100},    // no old page: kept
        {950, 100, 100, 1000, 899},  // kept below display - page
        {50, 100, 1000, 1000, 0},    // the page holds everything
        {50, 100, 1200, 1000, 0},
    };
    for (const auto& f : fits)
        EXPECT_EQ(CPaneScroller::FitPosition(f.position, f.oldPage, f.page, f.display), f.fitted) << f.position;

    const struct
    {
        UINT code;
        int track, position, page, display, scrolled;
    } scrolls[] = {
        {SB_LINEDOWN, 0, 0, 100, 1000, 60},      {SB_LINEUP, 0, 30, 100, 1000, 0},
        {SB_PAGEDOWN, 0, 850, 100, 1000, 900},   {SB_PAGEUP, 0, 250, 100, 1000, 150},
        {SB_THUMBTRACK, 420, 0, 100, 1000, 420}, {SB_THUMBPOSITION, 2000, 0, 100, 1000, 900},
        {SB_LINEDOWN, 0, 0, 500, 300, 0},
    };
    for (const auto& s : scrolls) {
        EXPECT_EQ(CPaneScroller::ScrolledPosition(s.code, s.track, s.position, s.page, s.display), s.scrolled)
            << s.code;
    }
}

// A top-down 32-bit bitmap of the colour, with the pixels given set to another.
HBITMAP MakeBitmap(int width, int height, DWORD color, const std::vector<POINT>& holes, DWORD holeColor)
{
    BITMAPINFO info{};
    info.bmiHeader = {sizeof(BITMAPINFOHEADER), width, -height, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    void* bits = nullptr;
    HBITMAP bitmap = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    auto* pixels = static_cast<DWORD*>(bits);
    for (int i = 0; i < width * height; ++i)
        pixels[i] = color;
    for (POINT hole : holes)
        pixels[hole.y * width + hole.x] = holeColor;
    return bitmap;
}

std::vector<RECT> RegionRects(const CRgn& region)
{
    const DWORD size = GetRegionData(region, 0, nullptr);
    std::vector<char> buffer(size);
    auto* data = reinterpret_cast<RGNDATA*>(buffer.data());
    GetRegionData(region, size, data);
    const auto* rects = reinterpret_cast<const RECT*>(data->Buffer);
    return std::vector<RECT>(rects, rects + data->rdh.nCount);
}

TEST(Panes, RegionFromBitmap)
{
    const COLORREF magenta = RGB(255, 0, 255);
    // 0x00RRGGBB in a 32-bit section; every pixel within 8 of magenta on each channel.
    HBITMAP nearKey = MakeBitmap(20, 4, 0x00F708F7, {{3, 1}}, 0x00FF00FF);
    CRgn empty;
    ASSERT_TRUE(CSkinBitmap::RegionFromBitmap(nearKey, magenta, RGB(8, 8, 8), empty));
    CRect box;
    EXPECT_EQ(empty.GetRgnBox(&box), NULLREGION);
    DeleteObject(nearKey);

    HBITMAP holed = MakeBitmap(10, 3, 0x00204080, {{4, 1}}, 0x00FA05FF);
    CRgn region;
    ASSERT_TRUE(CSkinBitmap::RegionFromBitmap(holed, magenta, RGB(8, 8, 8), region));
    DeleteObject(holed);
    std::vector<RECT> onRow;
    for (const RECT& r : RegionRects(region)) {
        if (r.top <= 1 && r.bottom > 1)
            onRow.push_back(r);
    }
    ASSERT_EQ(onRow.size(), 2u);
    EXPECT_EQ(onRow[0].left, 0);
    EXPECT_EQ(onRow[0].right, 4);
    EXPECT_EQ(onRow[1].left, 5);
    EXPECT_EQ(onRow[1].right, 10);
    EXPECT_EQ(region.GetRgnBox(&box), COMPLEXREGION);
    EXPECT_EQ(box, CRect(0, 0, 10, 3));
}

// The window's top, in its parent's client coordinates.
int TopOf(HWND window)
{
    RECT rect;
    GetWindowRect(window, &rect);
    POINT corner{rect.left, rect.top};
    ScreenToClient(GetParent(window), &corner);
    return corner.y;
}

int HeightOf(HWND window)
{
    RECT rect;
    GetWindowRect(window, &rect);
    return rect.bottom - rect.top;
}

bool WaitForAnimation(CItemPane& pane)
{
    return PumpUntil([&] { return !pane.IsAnimating(); }, 10000);
}

TEST(PanesE2e, LayoutAndSkin)
{
    CControlsTestDialog dialog;
    dialog.CreatePanes();
    CItemPane& first = *dialog.m_pItemPane[0];
    CItemPane& second = *dialog.m_pItemPane[1];
    PumpPendingMessages();

    EXPECT_EQ(HeightOf(first), 25);
    CRgn shape;
    shape.CreateRectRgn(0, 0, 0, 0);
    EXPECT_EQ(GetWindowRgn(first, shape), COMPLEXREGION);

    const int title = HeightOf(first);
    EXPECT_EQ(TopOf(first), 0);
    EXPECT_EQ(TopOf(dialog.m_Body[0]), title);
    EXPECT_EQ(HeightOf(dialog.m_Body[0]), 101);
    EXPECT_TRUE(dialog.m_Body[0].IsWindowVisible());
    EXPECT_EQ(TopOf(second), title + 101 + 5);
    EXPECT_FALSE(dialog.m_Body[1].IsWindowVisible());
    EXPECT_EQ(second.GetBodyHeight(), 0);
    EXPECT_EQ(second.GetFullHeight(), 60);
}

TEST(PanesE2e, ClickFoldsAndUnfolds)
{
    CControlsTestDialog dialog;
    dialog.CreatePanes();
    CItemPane& first = *dialog.m_pItemPane[0];
    CItemPane& second = *dialog.m_pItemPane[1];
    dialog.SetForegroundWindow();
    PumpPendingMessages();
    const int title = HeightOf(first);

    ClickOn(first);
    ASSERT_TRUE(WaitForAnimation(first));
    EXPECT_EQ(first.GetState(), CItemPane::STATE_COLLAPSED);
    EXPECT_FALSE(dialog.m_Body[0].IsWindowVisible());
    EXPECT_EQ(TopOf(second), title + 5);

    // Elsewhere on the title, so that it is not taken as a double click.
    const POINT other{60, 12};
    ClickOn(first, &other);
    ASSERT_TRUE(WaitForAnimation(first));
    EXPECT_EQ(first.GetState(), CItemPane::STATE_EXPANDED);
    EXPECT_TRUE(dialog.m_Body[0].IsWindowVisible());
    EXPECT_EQ(TopOf(second), title + 101 + 5);

    // The second pane unfolds below the first.
    ClickOn(second);
    ASSERT_TRUE(WaitForAnimation(second));
    EXPECT_TRUE(dialog.m_Body[1].IsWindowVisible());
    EXPECT_EQ(TopOf(dialog.m_Body[1]), TopOf(second) + title);
    EXPECT_EQ(HeightOf(dialog.m_Body[1]), 60);
}

TEST(PanesE2e, ClickDuringAnimationChangesNothing)
{
    CControlsTestDialog dialog;
    dialog.CreatePanes();
    CItemPane& first = *dialog.m_pItemPane[0];
    const LPARAM inside = MAKELPARAM(100, 10);
    first.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, inside);
    EXPECT_TRUE(first.IsAnimating());
    first.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, inside);
    EXPECT_EQ(first.GetState(), CItemPane::STATE_COLLAPSED);
    ASSERT_TRUE(WaitForAnimation(first));
    EXPECT_EQ(first.GetState(), CItemPane::STATE_COLLAPSED);
    EXPECT_EQ(first.GetBodyHeight(), 0);
    EXPECT_FALSE(dialog.m_Body[0].IsWindowVisible());
}

TEST(PanesE2e, ScrollingOffNeverShowsABar)
{
    CControlsTestDialog dialog;
    dialog.CreatePanes(FALSE);
    CItemPane& second = *dialog.m_pItemPane[1];
    // Taller than the container once the second body unfolds with a big gap.
    dialog.m_pPanes->m_nGap = 300;
    second.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(100, 10));
    ASSERT_TRUE(WaitForAnimation(second));
    EXPECT_FALSE(dialog.m_pPanes->GetStyle() & WS_VSCROLL);

    CControlsTestDialog scrolling;
    scrolling.CreatePanes(TRUE);
    scrolling.m_pPanes->m_nGap = 300;
    scrolling.m_pPanes->LayoutPanes();
    EXPECT_TRUE(scrolling.m_pPanes->GetStyle() & WS_VSCROLL);
    scrolling.m_pPanes->SendMessage(WM_VSCROLL, SB_LINEDOWN);
    EXPECT_EQ(scrolling.m_pPanes->GetScroller().GetScrollY(), 60);
    EXPECT_EQ(TopOf(*scrolling.m_pItemPane[0]), -60);
}

TEST(PanesE2e, ClosingDuringAnimationEndsCleanly)
{
    for (int round = 0; round < 25; ++round) {
        CControlsTestDialog dialog;
        dialog.CreatePanes(round % 2 == 0);
        for (auto& pane : dialog.m_pItemPane)
            pane->SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(100, 10));
        PumpFor(round % 5);
        ASSERT_TRUE(dialog.m_pItemPane[0]->IsWindow());
        // The container goes first, or one pane while the other still animates,
        // or the whole dialog.
        if (round % 3 == 1)
            dialog.m_pPanes.reset();
        if (round % 3 == 2) {
            dialog.m_pItemPane[0].reset();
            ASSERT_EQ(dialog.m_pPanes->GetPaneCount(), 1);
        }
    }
}

}  // namespace
