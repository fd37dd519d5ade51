#include "ControlsTestDialog.h"

#include "tests/controls/ControlsTestIds.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace {

// The colour of an icon's pixel drawn over white.
COLORREF IconPixel(HICON icon, int x, int y)
{
    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, 24, 24);
    HGDIOBJ old = SelectObject(memory, bitmap);
    RECT all{0, 0, 24, 24};
    FillRect(memory, &all, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    DrawIconEx(memory, 0, 0, icon, 24, 24, 0, nullptr, DI_NORMAL);
    const COLORREF pixel = GetPixel(memory, x, y);
    SelectObject(memory, old);
    DeleteObject(bitmap);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
    return pixel;
}

bool Near(int a, int b)
{
    return std::abs(a - b) <= 3;
}

}  // namespace

TEST(ButtonST, BindingMakesTheButtonOwnerDrawn)
{
    CControlsTestDialog dialog;
    EXPECT_EQ(dialog.m_button.GetStyle() & BS_TYPEMASK, static_cast<DWORD>(BS_OWNERDRAW));
    EXPECT_FALSE(dialog.m_button.IsDefault());
    EXPECT_TRUE(dialog.m_defaultButton.IsDefault());
    EXPECT_FALSE(dialog.m_button.IsCheckBox());

    // The dialog manager moving the default keeps both owner-drawn.
    dialog.m_button.SendMessage(BM_SETSTYLE, BS_DEFPUSHBUTTON, TRUE);
    EXPECT_TRUE(dialog.m_button.IsDefault());
    EXPECT_EQ(dialog.m_button.GetStyle() & BS_TYPEMASK, static_cast<DWORD>(BS_OWNERDRAW));
    dialog.m_button.SendMessage(BM_SETSTYLE, BS_PUSHBUTTON, TRUE);
    EXPECT_FALSE(dialog.m_button.IsDefault());
    EXPECT_EQ(dialog.m_button.GetStyle() & BS_TYPEMASK, static_cast<DWORD>(BS_OWNERDRAW));
}

TEST(ButtonST, SettersRefuseBadValues)
{
    CControlsTestDialog dialog;
    EXPECT_EQ(dialog.m_button.SetAlign(4), static_cast<DWORD>(CButtonST::BTNST_INVALIDALIGN));
    EXPECT_EQ(dialog.m_button.SetAlign(3), static_cast<DWORD>(CButtonST::BTNST_OK));
    EXPECT_EQ(dialog.m_button.SetPressedStyle(2), static_cast<DWORD>(CButtonST::BTNST_INVALIDPRESSEDSTYLE));
    EXPECT_EQ(dialog.m_button.SetIcon(4242, CButtonST::BTNST_AUTO_DARKER),
              static_cast<DWORD>(CButtonST::BTNST_INVALIDRESOURCE));
    EXPECT_EQ(dialog.m_button.GetIcon(0), nullptr);
    EXPECT_EQ(dialog.m_button.GetIcon(1), nullptr);
}

TEST(ButtonST, DarkenColorScalesEachChannel)
{
    EXPECT_EQ(CButtonST::DarkenColor(RGB(200, 100, 40), 0.25), RGB(150, 75, 30));
    EXPECT_EQ(CButtonST::DarkenColor(RGB(200, 100, 40), 0.0), RGB(200, 100, 40));
    EXPECT_EQ(CButtonST::DarkenColor(RGB(200, 100, 40), 1.5), RGB(200, 100, 40));
}

TEST(ButtonST, RestIconIsADarkerCopy)
{
    CControlsTestDialog dialog;
    ASSERT_EQ(dialog.m_button.SetIcon(IDI_TEST_ICON, CButtonST::BTNST_AUTO_DARKER),
              static_cast<DWORD>(CButtonST::BTNST_OK));
    HICON hover = dialog.m_button.GetIcon(0);
    HICON rest = dialog.m_button.GetIcon(1);
    ASSERT_TRUE(hover);
    ASSERT_TRUE(rest);
    // Inside the green disc, away from its edge and the white triangle.
    const COLORREF original = IconPixel(hover, 4, 12);
    const COLORREF darker = IconPixel(rest, 4, 12);
    EXPECT_TRUE(Near(GetGValue(darker), GetGValue(original) * 3 / 4))
        << GetGValue(original) << " " << GetGValue(darker);
    EXPECT_TRUE(Near(GetRValue(darker), GetRValue(original) * 3 / 4));
    // Outside the disc the copy stays transparent.
    EXPECT_EQ(IconPixel(rest, 0, 0), RGB(255, 255, 255));
}

TEST(ButtonST, TooltipAndPaintingInEveryMode)
{
    CControlsTestDialog dialog;
    CButtonST& button = dialog.m_button;
    button.SetIcon(IDI_TEST_ICON, CButtonST::BTNST_AUTO_GRAY);
    const LONG_PTR procedure = GetWindowLongPtrA(button.m_hWnd, GWLP_WNDPROC);
    button.SetTooltipText("Run the selected robot", TRUE);
    button.SetTooltipText("Run it", TRUE);
    EXPECT_EQ(button.GetTooltip().GetToolCount(), 1);
    // The button relays its mouse messages itself: the tool does not subclass
    // it, and the tip shows only while the dialog is active.
    EXPECT_EQ(GetWindowLongPtrA(button.m_hWnd, GWLP_WNDPROC), procedure);
    EXPECT_FALSE(button.GetTooltip().GetStyle() & (TTS_ALWAYSTIP | TTS_NOPREFIX));
    for (BYTE align = 0; align <= 3; ++align) {
        button.SetAlign(align, TRUE);
        button.UpdateWindow();
    }
    button.DrawTransparent(TRUE);
    button.UpdateWindow();
    button.EnableWindow(FALSE);
    button.UpdateWindow();
    PumpPendingMessages();
    EXPECT_FALSE(button.IsHovered());
}
