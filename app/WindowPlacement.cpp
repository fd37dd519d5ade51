#include "app/WindowPlacement.h"

#include <algorithm>

WindowMetrics CurrentWindowMetrics()
{
    return {GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN), GetSystemMetrics(SM_CXFRAME),
            GetSystemMetrics(SM_CYFRAME),  GetSystemMetrics(SM_CXBORDER), GetSystemMetrics(SM_CYCAPTION)};
}

RECT CenteredWindowPlacement(const RECT& client, const WindowMetrics& m, const RECT* parent)
{
    const int outerWidth = static_cast<int>(client.right) + m.frameWidth + 2 * m.borderWidth;
    const int outerHeight = static_cast<int>(client.bottom) + m.captionHeight + 2 * m.frameHeight;
    const int w = outerWidth - static_cast<int>(client.left);
    const int h = outerHeight - static_cast<int>(client.top);
    int x = 0;
    int y = 0;
    if (!parent) {
        x = w < m.screenWidth ? (m.screenWidth - w) / 2 : 0;
        y = h < m.screenHeight ? (m.screenHeight - h) / 2 : 0;
    } else {
        const int centreX = static_cast<int>((parent->left + parent->right) / 2);
        const int centreY = static_cast<int>((parent->top + parent->bottom) / 2);
        const int left = static_cast<int>(client.left);
        const int top = static_cast<int>(client.top);
        x = std::min(std::max(centreX - w / 2, 0), left + m.screenWidth - outerWidth);
        y = centreY < h / 2 ? 0 : centreY - h / 2;
        y = std::min(y, top + m.screenHeight - outerHeight);
    }
    return {x, y, w, h};
}

void ResizeAndCenterWindow(HWND window, const RECT& client)
{
    RECT parentRect;
    HWND parent = GetParent(window);
    const bool hasParent = parent && GetWindowRect(parent, &parentRect);
    RECT place = CenteredWindowPlacement(client, CurrentWindowMetrics(), hasParent ? &parentRect : nullptr);
    SetWindowPos(window, nullptr, place.left, place.top, place.right, place.bottom, SWP_NOZORDER);
}
