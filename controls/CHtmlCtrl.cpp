#include "controls/CHtmlCtrl.h"

#include "framework/AfxMessageBox.h"
#include "framework/CStatic.h"
#include "framework/CWinApp.h"

namespace {

const char kAppPrefix[] = "app:";
const char kPlayPrefix[] = "play:";

bool HasPrefix(const CString& text, const char* prefix)
{
    const int length = static_cast<int>(strlen(prefix));
    return text.Left(length).CompareNoCase(prefix) == 0;
}

}  // namespace

BEGIN_MESSAGE_MAP(CHtmlCtrl, CWnd)
    ON_WM_DESTROY()
    ON_WM_SIZE()
END_MESSAGE_MAP()

CHtmlCtrl::~CHtmlCtrl()
{
    ReleaseBrowser();
}

BOOL CHtmlCtrl::CreateFromStatic(UINT id, CWnd* parent)
{
    CStatic placeholder;
    if (!parent || !placeholder.SubclassDlgItem(id, parent))
        return FALSE;
    CRect rect;
    placeholder.GetWindowRect(&rect);
    parent->ScreenToClient(&rect);
    placeholder.DestroyWindow();
    m_allowNavigate = TRUE;
    return Create(nullptr, nullptr, WS_CHILD | WS_VISIBLE, rect, parent, id);
}

BOOL CHtmlCtrl::Create(const char* className, const char* windowName, DWORD style, const RECT& rect, CWnd* parent,
                       UINT id)
{
    if (!CWnd::Create(className, windowName, style | WS_CLIPCHILDREN, rect, parent, id))
        return FALSE;
    m_pSite = CWebBrowserSite::Create(m_hWnd, this);
    if (m_pSite)
        return TRUE;
    DestroyWindow();
    return FALSE;
}

BOOL CHtmlCtrl::Navigate(const char* url, DWORD flags, const char* targetFrameName, const char* headers,
                         const void* postData, DWORD postDataLength)
{
    if (HasPrefix(url, kPlayPrefix)) {
        m_allowNavigate = FALSE;
        return FALSE;
    }
    if (!m_allowNavigate)
        return FALSE;
    return NavigateBrowser(url, flags, targetFrameName, headers, postData, postDataLength);
}

void CHtmlCtrl::OnAppCmd(const char* command)
{
    const CString text = command;
    if (text == "Minimise") {
        if (CWnd* mainWindow = AfxGetMainWnd())
            mainWindow->ShowWindow(SW_MINIMIZE);
    } else if (text == "Beep") {
        SoundBeep();
    } else {
        ShowMessageBox(m_hWnd, text, "Unexpected Command", MB_OK | MB_ICONQUESTION);
    }
}

void CHtmlCtrl::OnBeforeNavigate2(const CString& url, BOOL& cancel)
{
    m_allowNavigate = TRUE;
    if (HasPrefix(url, kAppPrefix)) {
        OnAppCmd(url.Mid(static_cast<int>(strlen(kAppPrefix))));
        cancel = TRUE;
    }
}

void CHtmlCtrl::OnNavigateComplete2(const CString& url)
{
    if (HasPrefix(url, kPlayPrefix))
        GoBackBrowser();
}

BOOL CHtmlCtrl::NavigateBrowser(const char* url, DWORD flags, const char* targetFrameName, const char* headers,
                                const void* postData, DWORD postDataLength)
{
    return m_pSite && SUCCEEDED(m_pSite->Navigate(url, flags, targetFrameName, headers, postData, postDataLength));
}

void CHtmlCtrl::GoBackBrowser()
{
    if (m_pSite)
        m_pSite->GoBack();
}

void CHtmlCtrl::SoundBeep()
{
    MessageBeep(MB_ICONASTERISK);
}

BOOL CHtmlCtrl::OnCommand(WPARAM, LPARAM)
{
    // Commands of the page's own windows stay with the browser.
    return TRUE;
}

void CHtmlCtrl::OnDestroy()
{
    ReleaseBrowser();
    CWnd::OnDestroy();
}

void CHtmlCtrl::OnSize(UINT type, int width, int height)
{
    CWnd::OnSize(type, width, height);
    if (m_pSite)
        m_pSite->SetRect(CRect(0, 0, width, height));
}

void CHtmlCtrl::ReleaseBrowser()
{
    if (!m_pSite)
        return;
    m_pSite->Close();
    m_pSite = nullptr;
}
