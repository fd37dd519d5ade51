#include "controls/CPaneScroller.h"

#include <algorithm>

namespace {

constexpr int kLineStep = 60;

}  // namespace

int CPaneScroller::FitPosition(int position, int oldPage, int page, int display)
{
    if (page >= display)
        return 0;
    if (page > 0 && oldPage > 0)
        position = MulDiv(position, page, oldPage);
    return std::max(0, std::min(position, display - page - 1));
}

int CPaneScroller::ScrolledPosition(UINT code, int trackPosition, int position, int page, int display)
{
    switch (code) {
    case SB_LINEUP:
        position -= kLineStep;
        break;
    case SB_LINEDOWN:
        position += kLineStep;
        break;
    case SB_PAGEUP:
        position -= page;
        break;
    case SB_PAGEDOWN:
        position += page;
        break;
    case SB_THUMBTRACK:
    case SB_THUMBPOSITION:
        position = trackPosition;
        break;
    default:
        break;
    }
    return std::max(0, std::min(position, display - page));
}

int CPaneScroller::FitBar(int bar, int page, int display, int& oldPage, int position)
{
    const int fitted = FitPosition(position, oldPage, page, display);
    const bool needed = page < display;
    oldPage = needed ? page : 0;
    SCROLLINFO info{};
    info.cbSize = sizeof info;
    info.fMask = SIF_RANGE | SIF_PAGE | SIF_POS;
    // A bar that is showing stays, disabled; one that is hidden is not brought up here.
    const DWORD style = bar == SB_VERT ? WS_VSCROLL : WS_HSCROLL;
    if (m_pOwner->GetStyle() & style)
        info.fMask |= SIF_DISABLENOSCROLL;
    info.nMax = needed ? display - 1 : 0;
    info.nPage = static_cast<UINT>(oldPage);
    info.nPos = fitted;
    ::SetScrollInfo(m_pOwner->m_hWnd, bar, &info, TRUE);
    return fitted;
}

void CPaneScroller::SetDisplaySize(int width, int height)
{
    m_nDisplayWidth = width;
    m_nDisplayHeight = height;
    if (!m_pOwner->IsWindow())
        return;
    CRect client;
    m_pOwner->GetClientRect(&client);
    const int oldX = m_nScrollX;
    const int oldY = m_nScrollY;
    m_nScrollX = FitBar(SB_HORZ, client.Width(), m_nDisplayWidth, m_nPageWidth, m_nScrollX);
    m_nScrollY = FitBar(SB_VERT, client.Height(), m_nDisplayHeight, m_nPageHeight, m_nScrollY);
    if (oldX != m_nScrollX || oldY != m_nScrollY)
        ::ScrollWindow(m_pOwner->m_hWnd, oldX - m_nScrollX, oldY - m_nScrollY, nullptr, nullptr);
}

void CPaneScroller::ScrollToOrigin()
{
    if (m_pOwner->IsWindow() && (m_nScrollX || m_nScrollY))
        ::ScrollWindow(m_pOwner->m_hWnd, m_nScrollX, m_nScrollY, nullptr, nullptr);
    m_nScrollX = 0;
    m_nScrollY = 0;
}

void CPaneScroller::OnVScroll(UINT code, int trackPosition)
{
    const int position = ScrolledPosition(code, trackPosition, m_nScrollY, m_nPageHeight, m_nDisplayHeight);
    if (position == m_nScrollY)
        return;
    ::SetScrollPos(m_pOwner->m_hWnd, SB_VERT, position, TRUE);
    ::ScrollWindow(m_pOwner->m_hWnd, 0, m_nScrollY - position, nullptr, nullptr);
    m_nScrollY = position;
}
