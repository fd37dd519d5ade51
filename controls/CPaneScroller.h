#pragma once

#include "framework/CWnd.h"

// The scroll bars of a window whose content (the display) may be larger than
// its client area (the page): keeps the positions within the display and
// scrolls the window's content when they change.
class CPaneScroller
{
public:
    explicit CPaneScroller(CWnd* owner) : m_pOwner(owner) {}

    // Stores the content size and, once the owner window exists, fits both bars to it.
    void SetDisplaySize(int width, int height);
    // Scrolls the content back to the top left.
    void ScrollToOrigin();
    void OnVScroll(UINT code, int trackPosition);

    int GetScrollX() const { return m_nScrollX; }
    int GetScrollY() const { return m_nScrollY; }

    // A position after the page changed from oldPage to page: rescaled by
    // page / oldPage when both are positive, then kept below display - page;
    // 0 when the page holds the whole display.
    static int FitPosition(int position, int oldPage, int page, int display);
    // The position after a vertical scroll request, limited to 0 to display - page.
    static int ScrolledPosition(UINT code, int trackPosition, int position, int page, int display);

private:
    // Fits one bar; returns the new position.
    int FitBar(int bar, int page, int display, int& oldPage, int position);

    CWnd* m_pOwner;
    int m_nPageWidth = 0;
    int m_nPageHeight = 0;
    int m_nDisplayWidth = 0;
    int m_nDisplayHeight = 0;
    int m_nScrollX = 0;
    int m_nScrollY = 0;
};
