// The system's web browser made an ordinary child control of a dialog: it takes the
// place and identifier of a static control of the template, shows no context menu, and
// lets pages call into the program through links whose address begins with "app:".
// Addresses beginning with "play:" are refused by Navigate, and a page reached at such
// an address is left again at once.
#pragma once

#include "controls/CWebBrowserSite.h"
#include "framework/CWnd.h"

class CHtmlCtrl : public CWnd, public IWebBrowserEvents
{
public:
    CHtmlCtrl() = default;
    ~CHtmlCtrl() override;

    // Replaces the dialog's control of that identifier with the browser, in the same
    // place and under the same identifier; FALSE when there is no such control or the
    // browser cannot be made.
    BOOL CreateFromStatic(UINT id, CWnd* parent);
    BOOL Create(const char* className, const char* windowName, DWORD style, const RECT& rect, CWnd* parent,
                UINT id) override;

    // Null texts and data: none.
    virtual BOOL Navigate(const char* url, DWORD flags = 0, const char* targetFrameName = nullptr,
                          const char* headers = nullptr, const void* postData = nullptr, DWORD postDataLength = 0);
    // A page's "app:" link, with the text after the prefix.
    virtual void OnAppCmd(const char* command);

    void OnBeforeNavigate2(const CString& url, BOOL& cancel) override;
    void OnNavigateComplete2(const CString& url) override;

protected:
    // What the control asks of the browser and the system; tests replace them.
    virtual BOOL NavigateBrowser(const char* url, DWORD flags, const char* targetFrameName, const char* headers,
                                 const void* postData, DWORD postDataLength);
    virtual void GoBackBrowser();
    virtual void SoundBeep();

    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
    void OnDestroy();
    void OnSize(UINT type, int width, int height);

    // Cleared by a "play:" Navigate, set again by the browser's next navigation of
    // its own, so that the program's navigations in between are dropped.
    BOOL m_allowNavigate = TRUE;

    DECLARE_MESSAGE_MAP()

private:
    void ReleaseBrowser();

    CWebBrowserSite* m_pSite = nullptr;
};
