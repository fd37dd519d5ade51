#include "controls/CItemPane.h"

#include "controls/CExplorerPane.h"
#include "controls/CXMemDC.h"
#include "framework/CPaintDC.h"

namespace {

constexpr COLORREF kSkinKey = RGB(255, 0, 255);
constexpr int kStep = 2;
constexpr int kGlyphSize = 16;

LOGFONTA TitleFont(int height)
{
    LOGFONTA font{};
    font.lfHeight = height;
    font.lfWeight = FW_BOLD;
    lstrcpynA(font.lfFaceName, "Verdana", LF_FACESIZE);
    return font;
}

}  // namespace

BEGIN_MESSAGE_MAP(CItemPane, CSkinableDialog)
    ON_WM_PAINT()
    ON_WM_ERASEBKGND()
    ON_WM_LBUTTONDOWN()
    ON_WM_DESTROY()
END_MESSAGE_MAP()

CItemPane::CItemPane(UINT templateId, CExplorerPane* container, CWnd* body, UINT titleBitmapId, UINT collapsedGlyphId,
                     UINT expandedGlyphId, int state)
    : CSkinableDialog(templateId, container), m_pContainer(container), m_hBody(body ? body->GetSafeHwnd() : nullptr),
      m_uTitleBitmapId(titleBitmapId), m_uCollapsedGlyphId(collapsedGlyphId), m_uExpandedGlyphId(expandedGlyphId),
      m_nState(state)
{
}

CItemPane::~CItemPane()
{
    DestroyWindow();
    CloseWorker();
}

BOOL CItemPane::Create()
{
    return CDialog::Create(m_nIDTemplate, m_pContainer);
}

std::vector<int> CItemPane::ExpandHeights(int fullHeight)
{
    std::vector<int> heights;
    for (int height = 0; height <= fullHeight; height += kStep)
        heights.push_back(height);
    if (heights.back() != fullHeight)
        heights.push_back(fullHeight);
    return heights;
}

std::vector<int> CItemPane::CollapseHeights(int fullHeight)
{
    std::vector<int> heights;
    for (int i = 0; i <= fullHeight; i += kStep)
        heights.push_back(fullHeight - i);
    if (heights.back() != 0)
        heights.push_back(0);
    return heights;
}

BOOL CItemPane::OnInitDialog()
{
    CSkinableDialog::OnInitDialog();
    m_hCursor = ::LoadCursorA(nullptr, MAKEINTRESOURCEA(32649));
    SetSkin(m_uTitleBitmapId, kSkinKey);
    m_CollapsedGlyph.LoadBitmap(m_uCollapsedGlyphId);
    m_ExpandedGlyph.LoadBitmap(m_uExpandedGlyphId);
    CRect body;
    if (m_hBody)
        ::GetWindowRect(m_hBody, &body);
    m_nFullHeight = body.Height();
    if (m_nState == STATE_EXPANDED) {
        if (m_hBody)
            ::ShowWindow(m_hBody, SW_SHOWNA);
        m_nBodyHeight = m_nFullHeight;
    } else {
        if (m_hBody)
            ::ShowWindow(m_hBody, SW_HIDE);
        m_nBodyHeight = 0;
    }
    const LOGFONTA font = TitleFont(13);
    m_pTitleFont = std::make_unique<CFont>();
    m_pTitleFont->CreateFontIndirect(&font);
    m_crTitleText = 0;
    return TRUE;
}

void CItemPane::SetCaption(const char* caption, COLORREF textColor, CFont* font)
{
    m_strCaption = caption;
    m_crTitleText = textColor;
    if (font)
        m_pTitleFont.reset(font);
    if (IsWindow())
        Invalidate(FALSE);
}

void CItemPane::OnPaint()
{
    CPaintDC paint(this);
    CRect client;
    GetClientRect(&client);
    CXMemDC dc(&paint, &client);
    if (m_pSkin)
        m_pSkin->Draw(&dc);

    CBitmap& glyph = m_nState == STATE_COLLAPSED ? m_CollapsedGlyph : m_ExpandedGlyph;
    if (glyph.GetSafeHandle()) {
        CDC glyphDC;
        if (glyphDC.CreateCompatibleDC(&dc)) {
            glyphDC.SelectObject(&glyph);
            dc.BitBlt(client.Width() - 25, client.Height() - 21, kGlyphSize, kGlyphSize, &glyphDC, 0, 0, SRCPAINT);
        }
    }

    if (!m_pTitleFont) {
        const LOGFONTA font = TitleFont(14);
        m_pTitleFont = std::make_unique<CFont>();
        m_pTitleFont->CreateFontIndirect(&font);
    }
    dc.SetBkMode(TRANSPARENT);
    dc.SetTextColor(m_crTitleText);
    dc.SelectObject(m_pTitleFont.get());
    CRect text(30, client.Height() - 19, client.Width() - 30, client.Height() - 5);
    dc.DrawText(m_strCaption, &text, DT_LEFT);
}

void CItemPane::OnLButtonDown(UINT, CPoint point)
{
    if (!m_bAnimating) {
        const bool expand = m_nState == STATE_COLLAPSED;
        if (StartAnimation(expand ? &CItemPane::ExpandProc : &CItemPane::CollapseProc)) {
            m_nState = expand ? STATE_EXPANDED : STATE_COLLAPSED;
            RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
        }
    }
    CRect client;
    GetClientRect(&client);
    if (client.PtInRect(point) && m_hCursor)
        ::SetCursor(m_hCursor);
}

bool CItemPane::StartAnimation(AFX_THREADPROC procedure)
{
    CloseWorker();
    m_bStopAnimation = false;
    // Set before the worker runs, so that a click before its first step is ignored too.
    m_bAnimating = true;
    CWinThread* thread = AfxBeginThread(procedure, this, THREAD_PRIORITY_NORMAL, 0, CREATE_SUSPENDED);
    if (!thread) {
        m_bAnimating = false;
        return false;
    }
    if (!::DuplicateHandle(::GetCurrentProcess(), thread->m_hThread, ::GetCurrentProcess(), &m_hWorker, SYNCHRONIZE,
                           FALSE, 0)) {
        // Without a handle of our own, closing the pane could not wait for the
        // worker. It ends at once, before it touches a window, and is deleted here.
        m_hWorker = nullptr;
        m_bStopAnimation = true;
        thread->m_bAutoDelete = FALSE;
        thread->ResumeThread();
        ::WaitForSingleObject(thread->m_hThread, INFINITE);
        delete thread;
        m_bAnimating = false;
        return false;
    }
    thread->m_bAutoDelete = TRUE;
    thread->ResumeThread();
    return true;
}

UINT CItemPane::ExpandProc(LPVOID pane)
{
    auto* self = static_cast<CItemPane*>(pane);
    self->Animate(ExpandHeights(self->m_nFullHeight), true);
    return 0;
}

UINT CItemPane::CollapseProc(LPVOID pane)
{
    auto* self = static_cast<CItemPane*>(pane);
    self->Animate(CollapseHeights(self->m_nFullHeight), false);
    return 0;
}

// Runs on the worker. Window calls here wait for the GUI thread, which
// handles them whenever it pumps messages.
void CItemPane::Animate(const std::vector<int>& heights, bool expand)
{
    if (m_bStopAnimation) {
        m_bAnimating = false;
        return;
    }
    m_bAnimating = true;
    ::ShowWindow(m_hBody, SW_SHOWNA);
    for (int height : heights) {
        if (m_bStopAnimation)
            break;
        m_nBodyHeight = height;
        m_pContainer->LayoutFrom(this);
    }
    if (!m_bStopAnimation) {
        if (expand)
            ::InvalidateRect(m_hBody, nullptr, TRUE);
        else
            ::ShowWindow(m_hBody, SW_HIDE);
    }
    m_bAnimating = false;
}

void CItemPane::StopAnimation()
{
    if (!m_hWorker)
        return;
    m_bStopAnimation = true;
    while (::MsgWaitForMultipleObjects(1, &m_hWorker, FALSE, INFINITE, QS_SENDMESSAGE) != WAIT_OBJECT_0) {
        MSG msg;
        ::PeekMessageA(&msg, nullptr, 0, 0, PM_NOREMOVE | PM_QS_SENDMESSAGE);
    }
    CloseWorker();
}

void CItemPane::CloseWorker()
{
    if (m_hWorker)
        ::CloseHandle(m_hWorker);
    m_hWorker = nullptr;
}

void CItemPane::OnDestroy()
{
    StopAnimation();
    if (m_pContainer) {
        m_pContainer->StopAnimations();
        m_pContainer->RemovePane(this);
    }
    CSkinableDialog::OnDestroy();
}
