#include "engine/builtins/ScreenCapture.h"

#include "framework/TopDownBitmap.h"

#include <algorithm>

bool CScreenCapture::Capture(const ScreenArea& area)
{
    m_aPixels.clear();
    m_rcOnScreen = {0, 0, 0, 0};
    HDC screen = GetDC(nullptr);
    if (!screen)
        return false;
    // The whole desktop, every monitor included, as GetPixel reads it.
    const long long screenLeft = GetSystemMetrics(SM_XVIRTUALSCREEN);
    const long long screenTop = GetSystemMetrics(SM_YVIRTUALSCREEN);
    const long long left = std::max(area.left, screenLeft);
    const long long top = std::max(area.top, screenTop);
    const long long right = std::min(area.right + 1, screenLeft + GetSystemMetrics(SM_CXVIRTUALSCREEN));
    const long long bottom = std::min(area.bottom + 1, screenTop + GetSystemMetrics(SM_CYVIRTUALSCREEN));
    bool captured = true;
    if (right > left && bottom > top) {
        // Within the screen, so every bound fits 32 bits.
        RECT visible = {static_cast<LONG>(left), static_cast<LONG>(top), static_cast<LONG>(right),
                        static_cast<LONG>(bottom)};
        int width = visible.right - visible.left;
        int height = visible.bottom - visible.top;
        void* bits = nullptr;
        HDC memory = CreateCompatibleDC(screen);
        HBITMAP bitmap = CreateTopDownBitmap(screen, width, height, &bits);
        captured = memory && bitmap;
        if (captured) {
            HGDIOBJ old = SelectObject(memory, bitmap);
            captured = BitBlt(memory, 0, 0, width, height, screen, visible.left, visible.top, SRCCOPY) != 0;
            GdiFlush();
            if (captured) {
                const DWORD* source = static_cast<const DWORD*>(bits);
                m_aPixels.assign(source, source + static_cast<size_t>(width) * height);
                m_rcOnScreen = visible;
            }
            SelectObject(memory, old);
        }
        if (bitmap)
            DeleteObject(bitmap);
        if (memory)
            DeleteDC(memory);
    }
    ReleaseDC(nullptr, screen);
    return captured;
}

ScreenArea CScreenCapture::OnScreen() const
{
    return {m_rcOnScreen.left, m_rcOnScreen.top, m_rcOnScreen.right - 1LL, m_rcOnScreen.bottom - 1LL};
}

COLORREF CScreenCapture::PixelAt(long long x, long long y) const
{
    if (x < m_rcOnScreen.left || x >= m_rcOnScreen.right || y < m_rcOnScreen.top || y >= m_rcOnScreen.bottom)
        return CLR_INVALID;
    size_t width = static_cast<size_t>(m_rcOnScreen.right - m_rcOnScreen.left);
    DWORD bgr =
        m_aPixels[static_cast<size_t>(y - m_rcOnScreen.top) * width + static_cast<size_t>(x - m_rcOnScreen.left)];
    // The bitmap holds 0x00RRGGBB; the system colour is 0x00BBGGRR.
    return RGB((bgr >> 16) & 0xFF, (bgr >> 8) & 0xFF, bgr & 0xFF);
}
