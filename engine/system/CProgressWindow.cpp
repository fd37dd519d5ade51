#include "engine/system/CProgressWindow.h"

#include <commctrl.h>

namespace {

const int kClientWidth = 300;
const int kClientHeight = 100;
const int kBarWidth = 260;
const int kBarHeight = 20;
// Labels reach far beyond the window, so that long texts are cut, not wrapped.
const int kLabelWidth = 1280;
const int kMainFontPoints = 10;
const int kMainFontWeight = 600;

HWND CreateChild(HWND parent, DWORD exStyle, const char* className, const char* text, DWORD style, int x, int y,
                 int width, int height)
{
    return CreateWindowExA(exStyle, className, text, style, x, y, width, height, parent, nullptr,
                           GetModuleHandleA(nullptr), nullptr);
}

}  // namespace

void CProgressWindow::Open(CPopupFrame frame, const char* mainText, const char* subText, HWND owner)
{
    Destroy();
    INITCOMMONCONTROLSEX controls = {sizeof controls, ICC_PROGRESS_CLASS};
    InitCommonControlsEx(&controls);
    frame.nClientWidth = kClientWidth;
    frame.nClientHeight = kClientHeight;
    RECT workArea = {};
    SystemParametersInfoA(SPI_GETWORKAREA, 0, &workArea, 0);
    m_hWnd = CreateScriptPopup(frame, workArea, owner);
    if (!m_hWnd)
        return;
    RECT client = {};
    GetClientRect(m_hWnd, &client);
    const int nWidth = client.right;

    m_hMainLabel = CreateChild(m_hWnd, 0, "static", mainText, WS_CHILD | WS_VISIBLE, nWidth - 281, 4, kLabelWidth, 24);
    m_hMainFont = CreatePointFont(DefaultGuiFontFace().c_str(), kMainFontPoints, kMainFontWeight);
    SendMessageA(m_hMainLabel, WM_SETFONT, reinterpret_cast<WPARAM>(m_hMainFont), FALSE);

    m_hBar = CreateChild(m_hWnd, WS_EX_CLIENTEDGE, PROGRESS_CLASSA, "", WS_CHILD | WS_VISIBLE | PBS_SMOOTH,
                         (nWidth - kBarWidth) / 2, 30, kBarWidth, kBarHeight);
    SendMessageA(m_hBar, PBM_SETRANGE, 0, MAKELPARAM(0, 100));
    SendMessageA(m_hBar, PBM_SETSTEP, 1, 0);

    m_hSubLabel = CreateChild(m_hWnd, 0, "static", subText, WS_CHILD | WS_VISIBLE, nWidth - 280, 55, kLabelWidth, 50);
    SendMessageA(m_hSubLabel, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)), FALSE);

    ShowWindow(m_hWnd, SW_SHOWNOACTIVATE);
}

void CProgressWindow::SetPercent(int percent)
{
    if (m_hBar && percent >= 0 && percent <= 100)
        SendMessageA(m_hBar, PBM_SETPOS, static_cast<WPARAM>(percent), 0);
}

void CProgressWindow::SetSubText(const char* text)
{
    if (m_hBar)
        SetWindowTextA(m_hSubLabel, text);
}

void CProgressWindow::SetMainText(const char* text)
{
    if (m_hBar)
        SetWindowTextA(m_hMainLabel, text);
}

void CProgressWindow::Destroy()
{
    if (m_hWnd)
        DestroyWindow(m_hWnd);
    if (m_hMainFont)
        DeleteObject(m_hMainFont);
    m_hWnd = m_hMainLabel = m_hBar = m_hSubLabel = nullptr;
    m_hMainFont = nullptr;
}
