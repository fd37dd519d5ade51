#include "engine/system/ScriptPopupWindow.h"

const char kScriptPopupClass[] = "OrvantisTapwright v1";

namespace {

bool RegisterPopupClass()
{
    static const bool bRegistered = [] {
        WNDCLASSEXA wc = {};
        wc.cbSize = sizeof wc;
        wc.lpfnWndProc = DefWindowProcA;
        wc.hInstance = GetModuleHandleA(nullptr);
        wc.hCursor = LoadCursorA(nullptr, IDC_ARROW);
        wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
        wc.lpszClassName = kScriptPopupClass;
        return RegisterClassExA(&wc) != 0 || GetLastError() == ERROR_CLASS_ALREADY_EXISTS;
    }();
    return bRegistered;
}

}  // namespace

HWND CreateScriptPopup(const CPopupFrame& frame, const RECT& centreIn, HWND owner)
{
    if (!RegisterPopupClass())
        return nullptr;
    RECT rc = {0, 0, frame.nClientWidth, frame.nClientHeight};
    AdjustWindowRectEx(&rc, frame.dwStyle, FALSE, frame.dwExStyle);
    const int x = frame.x == -1 ? (centreIn.right - frame.nClientWidth) / 2 : frame.x;
    const int y = frame.y == -1 ? (centreIn.bottom - frame.nClientHeight) / 2 : frame.y;
    return CreateWindowExA(frame.dwExStyle, kScriptPopupClass, frame.pszTitle, frame.dwStyle, x, y, rc.right - rc.left,
                           rc.bottom - rc.top, owner, nullptr, GetModuleHandleA(nullptr), nullptr);
}

HFONT CreatePointFont(const char* face, int points, int weight)
{
    HDC hdc = GetDC(nullptr);
    const int nPixelsPerInch = GetDeviceCaps(hdc, LOGPIXELSY);
    ReleaseDC(nullptr, hdc);
    return CreateFontA(-(nPixelsPerInch * points / 72), 0, 0, 0, weight, FALSE, FALSE, FALSE, DEFAULT_CHARSET,
                       OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE, face);
}

std::string DefaultGuiFontFace()
{
    LOGFONTA font = {};
    GetObjectA(GetStockObject(DEFAULT_GUI_FONT), sizeof font, &font);
    return font.lfFaceName;
}
