#include "controls/CExplorerPane.h"

#include "controls/CItemPane.h"
#include "framework/CPaintDC.h"

BEGIN_MESSAGE_MAP(CExplorerPane, CDialog)
    ON_WM_PAINT()
    ON_WM_VSCROLL()
    ON_WM_DESTROY()
END_MESSAGE_MAP()

CExplorerPane::CExplorerPane(UINT templateId, CWnd* parent)
    : CDialog(templateId, parent), m_pScroller(std::make_unique<CPaneScroller>(this))
{
}

CExplorerPane::~CExplorerPane()
{
    DestroyWindow();
}

BOOL CExplorerPane::Create()
{
    return CDialog::Create(m_nIDTemplate, m_pParentWnd);
}

BOOL CExplorerPane::OnInitDialog()
{
    CDialog::OnInitDialog();
    CRect window;
    GetWindowRect(&window);
    m_pScroller->SetDisplaySize(window.Width(), window.Height());
    return TRUE;
}

void CExplorerPane::SetBkColor(COLORREF color)
{
    m_crBackground = color;
    if (IsWindow())
        Invalidate();
}

void CExplorerPane::OnPaint()
{
    CPaintDC dc(this);
    CRect client;
    GetClientRect(&client);
    dc.FillSolidRect(&client, m_crBackground);
}

void CExplorerPane::OnVScroll(UINT code, int position, CWnd*)
{
    if (m_bScrolling)
        m_pScroller->OnVScroll(code, position);
}

void CExplorerPane::OnDestroy()
{
    StopAnimations();
    CDialog::OnDestroy();
}

void CExplorerPane::StopAnimations()
{
    for (int i = 0; i < m_nPaneCount; ++i) {
        if (CItemPane* pane = PaneAt(i))
            pane->StopAnimation();
    }
}

void CExplorerPane::RemovePane(CItemPane* pane)
{
    int kept = 0;
    for (int i = 0; i < m_nPaneCount; ++i) {
        CItemPane* other = PaneAt(i);
        if (other != pane)
            m_mapPanes.SetAt(kept++, other);
    }
    for (int i = kept; i < m_nPaneCount; ++i)
        m_mapPanes.RemoveKey(i);
    m_nPaneCount = kept;
}

void CExplorerPane::AddPane(CItemPane* pane)
{
    m_mapPanes.SetAt(m_nPaneCount++, pane);
    LayoutPanes();
}

CItemPane* CExplorerPane::PaneAt(int position) const
{
    CItemPane* pane = nullptr;
    m_mapPanes.Lookup(position, pane);
    return pane;
}

int CExplorerPane::PaneHeight(const CItemPane* pane) const
{
    CRect title;
    pane->GetWindowRect(&title);
    return title.Height() + pane->GetBodyHeight() + m_nGap;
}

int CExplorerPane::PlacePane(CItemPane* pane, int left, int top)
{
    CRect title;
    pane->GetWindowRect(&title);
    ::SetWindowPos(pane->m_hWnd, nullptr, left, top, title.Width(), title.Height(), SWP_NOZORDER | SWP_NOACTIVATE);
    if (HWND body = pane->GetBodyWindow()) {
        ::SetWindowPos(body, nullptr, left, top + title.Height(), title.Width(), pane->GetBodyHeight(),
                       SWP_NOZORDER | SWP_NOACTIVATE);
    }
    return title.Height() + pane->GetBodyHeight() + m_nGap;
}

void CExplorerPane::FitScrolling(int width, int height, int clientHeight)
{
    m_pScroller->SetDisplaySize(width, height);
    ::ShowScrollBar(m_hWnd, SB_VERT, height > clientHeight);
}

void CExplorerPane::LayoutPanes()
{
    CRect client;
    GetClientRect(&client);
    if (m_bScrolling)
        m_pScroller->ScrollToOrigin();
    int y = 0;
    for (int i = 0; i < m_nPaneCount; ++i) {
        if (CItemPane* pane = PaneAt(i))
            y += PlacePane(pane, client.left, client.top + y);
    }
    if (m_bScrolling)
        FitScrolling(client.Width(), y, client.Height());
}

void CExplorerPane::LayoutFrom(CItemPane* from)
{
    CRect client;
    GetClientRect(&client);
    int above = 0;
    int i = 0;
    for (; i < m_nPaneCount && PaneAt(i) != from; ++i) {
        if (CItemPane* pane = PaneAt(i))
            above += PaneHeight(pane);
    }
    int y = above - (m_bScrolling ? m_pScroller->GetScrollY() : 0);
    int total = above;
    for (; i < m_nPaneCount; ++i) {
        if (CItemPane* pane = PaneAt(i)) {
            const int height = PlacePane(pane, client.left, client.top + y);
            y += height;
            total += height;
        }
    }
    if (m_bScrolling)
        FitScrolling(client.Width(), total, client.Height());
}
