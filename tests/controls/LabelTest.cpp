#include "ControlsTestDialog.h"

#include "controls/CLabel.h"
#include "controls/ShellOpen.h"
#include "framework/CGdiObject.h"
#include "framework/CPaintDC.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

namespace {

TEST(Label, FontHeights)
{
    const int cases[][2] = {{8, 10}, {10, 13}, {14, 18}, {9, 12}};
    for (const auto& c : cases)
        EXPECT_EQ(CLabel::FontHeightForPoints(c[0]), c[1]) << c[0];

    CControlsTestDialog dialog;
    dialog.m_Label.SetFontSize(10);
    EXPECT_EQ(dialog.m_Label.GetFontDescription().lfHeight, -13);
    // Bound labels start in 8-point "Lucida Sans".
    EXPECT_EQ(dialog.m_LinkLabel.GetFontDescription().lfHeight, -10);
    EXPECT_STREQ(dialog.m_LinkLabel.GetFontDescription().lfFaceName, "Lucida Sans");
}

// The colours of the first row of a gradient drawn into a bitmap of the width.
std::vector<COLORREF> GradientRow(int width)
{
    CDC memory;
    memory.CreateCompatibleDC(nullptr);
    BITMAPINFO info{};
    info.bmiHeader = {sizeof(BITMAPINFOHEADER), width, -2, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    void* bits = nullptr;
    CBitmap bitmap;
    bitmap.Attach(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    memory.SelectObject(&bitmap);
    CLabel::DrawGradient(&memory, CRect(0, 0, width, 2), RGB(0, 0, 0), RGB(255, 128, 0));
    std::vector<COLORREF> row;
    for (int x = 0; x < width; ++x)
        row.push_back(memory.GetPixel(x, 0));
    return row;
}

TEST(Label, GradientBands)
{
    const std::vector<COLORREF> narrow = GradientRow(50);
    EXPECT_EQ(std::set<COLORREF>(narrow.begin(), narrow.end()).size(), 50u);
    EXPECT_EQ(narrow.front(), RGB(0, 0, 0));
    const std::vector<COLORREF> wide = GradientRow(300);
    EXPECT_EQ(std::set<COLORREF>(wide.begin(), wide.end()).size(), 100u);
    // The last band reaches the right edge.
    EXPECT_EQ(wide[297], wide[299]);
    EXPECT_EQ(CLabel::GradientBands(0), 0);
}

TEST(Label, TextFormatFromStyle)
{
    const struct
    {
        DWORD style;
        const char* text;
        UINT format;
    } cases[] = {
        {SS_LEFT, "a", DT_LEFT | DT_WORDBREAK},
        {SS_CENTER, "a", DT_CENTER | DT_WORDBREAK},
        {SS_RIGHT, "a", DT_RIGHT | DT_WORDBREAK},
        {SS_LEFTNOWORDWRAP, "a", DT_LEFT},
        {SS_SIMPLE, "a", DT_LEFT | DT_WORDBREAK},
        {SS_LEFT | SS_CENTERIMAGE, "a", DT_CENTER | DT_VCENTER | DT_SINGLELINE},
        {SS_RIGHT | SS_CENTERIMAGE, "a\r\nb", DT_CENTER},
    };
    for (const auto& c : cases)
        EXPECT_EQ(CLabel::TextFormat(c.style, c.text), c.format) << c.style;
}

TEST(Label, BindingSize)
{
    const struct
    {
        RECT client;
        int width, height;
        CSize size;
    } cases[] = {
        {{0, 0, 100, 20}, 6, 13, CSize(100, 20)},
        {{0, 0, 100, 20}, 7, 16, CSize(86, 16)},
        {{0, 0, 100, 20}, 5, 10, CSize(120, 26)},
        {{0, 0, 101, 21}, 4, 13, CSize(152, 21)},
    };
    for (const auto& c : cases) {
        const CSize size = CLabel::BindingSize(c.client, c.width, c.height);
        EXPECT_EQ(size.cx, c.size.cx) << c.width;
        EXPECT_EQ(size.cy, c.size.cy) << c.height;
    }
}

TEST(Label, SettersChainAndFlash)
{
    CControlsTestDialog dialog;
    CLabel& label = dialog.m_Label;
    CLabel& same = label.SetTextColor(RGB(1, 2, 3)).SetFontBold(TRUE).SetBkColor(RGB(9, 9, 9)).FlashText(TRUE);
    EXPECT_EQ(&same, &label);
    EXPECT_EQ(label.GetFontDescription().lfWeight, FW_BOLD);
    EXPECT_EQ(label.GetFlashMode(), CLabel::FLASH_TEXT);
    label.FlashBackground(TRUE);
    EXPECT_EQ(label.GetFlashMode(), CLabel::FLASH_BACKGROUND);
    label.FlashBackground(FALSE);
    EXPECT_EQ(label.GetFlashMode(), CLabel::FLASH_NONE);

    label.SetTransparent(TRUE);
    EXPECT_TRUE(label.GetExStyle() & WS_EX_TRANSPARENT);
    label.SetTransparent(FALSE);
    EXPECT_FALSE(label.GetExStyle() & WS_EX_TRANSPARENT);
    label.SetLink(TRUE, FALSE);
    EXPECT_TRUE(label.GetStyle() & SS_NOTIFY);
    label.SetLink(FALSE, FALSE);
    EXPECT_FALSE(label.GetStyle() & SS_NOTIFY);
}

struct OpenedTargets
{
    OpenedTargets()
    {
        m_previous = SetShellOpenFunction([this](HWND, const char* target, int) {
            targets.push_back(target);
            return TRUE;
        });
    }
    ~OpenedTargets() { SetShellOpenFunction(m_previous); }

    std::vector<std::string> targets;
    ShellOpenFunction m_previous;
};

TEST(LabelE2e, LinkClicks)
{
    CControlsTestDialog dialog;
    dialog.SetForegroundWindow();
    OpenedTargets opened;
    CLabel& link = dialog.m_LinkLabel;
    // Each click elsewhere on the label, so that none is taken as a double click.
    RECT rect;
    link.GetClientRect(&rect);
    const POINT points[3] = {
        {rect.right / 4, rect.bottom / 2}, {rect.right / 2, rect.bottom / 2}, {rect.right * 3 / 4, rect.bottom / 2}};

    link.SetLink(TRUE, FALSE);
    ClickOn(link, &points[0]);
    ASSERT_EQ(opened.targets.size(), 1u);
    EXPECT_EQ(opened.targets[0], "http://example.invalid/");

    link.SetLink(TRUE, TRUE);
    ClickOn(link, &points[1]);
    EXPECT_EQ(dialog.m_uLastLinkCode, 0x8200u);
    EXPECT_EQ(opened.targets.size(), 1u);

    // Without the notify style the label gets no clicks.
    dialog.m_uLastLinkCode = 0;
    link.SetLink(FALSE, TRUE);
    ClickOn(link, &points[2]);
    EXPECT_EQ(dialog.m_uLastLinkCode, 0u);
    EXPECT_EQ(opened.targets.size(), 1u);
}

TEST(LabelE2e, HoverColoursAndUnderlines)
{
    CControlsTestDialog dialog;
    dialog.SetForegroundWindow();
    CLabel& link = dialog.m_LinkLabel;
    link.SetLink(TRUE, TRUE).SetTextColor(RGB(5, 0, 255)).SetHoverColor(TRUE, RGB(200, 0, 0));
    link.SetLinkCursor(LoadCursorA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(143)));
    PumpFor(50);

    RECT rect;
    link.GetWindowRect(&rect);
    SetCursorPos((rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2);
    ASSERT_TRUE(PumpUntil([&] { return link.GetTextColor() == RGB(200, 0, 0); }, 3000));
    EXPECT_TRUE(link.GetFontDescription().lfUnderline);

    SetCursorPos(rect.left + 5, rect.bottom + 80);
    ASSERT_TRUE(PumpUntil([&] { return link.GetTextColor() == RGB(5, 0, 255); }, 3000));
    EXPECT_FALSE(link.GetFontDescription().lfUnderline);
}

TEST(ControlsE2e, RepeatedPaintsFreeTheirObjects)
{
    CControlsTestDialog dialog;
    dialog.CreatePanes();
    dialog.m_TextPanel.SetTextFont(100, "Arial");
    PumpFor(100);
    const long objects = CGdiObject::LiveCount();
    const long contexts = CDC::LiveCount();
    for (int i = 0; i < 30; ++i) {
        dialog.m_Label.SetBkColor(RGB(i, 0, 0), RGB(0, 0, 255), i % 2).SetText(i % 2 ? "odd" : "even");
        dialog.m_TextPanel.SetText(i % 2 ? "Some tip text that wraps over the panel" : "Another tip");
        dialog.m_pItemPane[0]->RedrawWindow();
        dialog.m_pPanes->RedrawWindow();
        dialog.RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
        PumpPendingMessages();
    }
    // The label's background brush is one object either way.
    dialog.m_Label.SetBkColor(RGB(0, 0, 0));
    EXPECT_LE(CGdiObject::LiveCount(), objects + 1);
    EXPECT_EQ(CDC::LiveCount(), contexts);
}

TEST(TextPanel, KeepsItsMargins)
{
    CControlsTestDialog dialog;
    CTextDispCtrl& panel = dialog.m_TextPanel;
    EXPECT_TRUE(panel.SetTextFont(120, "Arial"));
    panel.SetText(std::string(400, 'W').c_str());
    dialog.SetForegroundWindow();
    panel.RedrawWindow();
    PumpFor(50);
    CRect client;
    panel.GetClientRect(&client);
    EXPECT_EQ(CTextDispCtrl::TextRect(client), CRect(5, 5, client.Width() - 10, client.Height() - 10));
    CClientDC dc(&panel);
    int inked = 0;
    for (int y = 0; y < client.Height(); ++y) {
        EXPECT_EQ(dc.GetPixel(2, y), RGB(255, 255, 255)) << y;
        EXPECT_EQ(dc.GetPixel(client.Width() - 5, y), RGB(255, 255, 255)) << y;
        for (int x = 5; x < client.Width() - 10; ++x)
            inked += dc.GetPixel(x, y) != RGB(255, 255, 255);
    }
    EXPECT_GT(inked, 0);
}

}  // namespace
