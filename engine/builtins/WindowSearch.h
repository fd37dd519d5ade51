// The shared window search of the window and control built-ins: a window by
// title (four match modes, the special titles of mode 4) and by the text of its
// child windows, then a control inside it by class name and instance number
// ("Edit1") or by its text. The found window stays until the next search, so
// the title "last" (mode 4) reuses it.
#pragma once

#include "engine/CScriptString.h"

#include <windows.h>

#include <string>
#include <vector>

struct WindowSearchOptions
{
    int m_nTitleMatchMode = 1;  // 1 prefix, 2 substring, 3 whole title, 4 advanced
    int m_nTextMatchMode = 1;   // 1 WM_GETTEXT, 2 GetWindowTextA
    bool m_bDetectHiddenText = false;
    bool m_bSearchChildren = false;
};

// A window handle as eight upper-case hexadecimal digits.
std::string FormatWindowHandle(HWND window);

class CWindowSearch
{
public:
    CWindowSearch();

    void SetWindowSearch(const char* title, const char* text);
    bool FindSearchedWindow(const WindowSearchOptions& options);
    bool IsSearchedWindowActive(const WindowSearchOptions& options);
    bool FindSearchedControl(const char* title, const char* text, const char* control,
                             const WindowSearchOptions& options);
    // The focused control of the window as class name and instance number; false
    // when the window's thread has no focus or the focus is not among its children.
    bool GetFocusedControlName(HWND window, std::string& name);

    HWND FoundWindow() const { return m_hFoundWindow; }
    HWND FoundControl() const { return m_hFoundControl; }
    const CScriptString& SearchedTitle() const { return m_sSearchedTitle; }
    const CScriptString& SearchedText() const { return m_sSearchedText; }

private:
    static BOOL CALLBACK MatchWindowProc(HWND candidate, LPARAM self);
    static BOOL CALLBACK MatchChildTextProc(HWND child, LPARAM self);
    static BOOL CALLBACK MatchControlProc(HWND child, LPARAM self);
    static BOOL CALLBACK MatchFocusedInstanceProc(HWND child, LPARAM self);

    bool MatchWindow(HWND candidate);
    bool TitleMatches(HWND candidate) const;
    bool MatchWindowText();
    bool MatchChildText(HWND child);
    bool MatchControl(HWND child);
    bool MatchFocusedInstance(HWND child);

    CScriptString m_sSearchedTitle;
    CScriptString m_sSearchedText;
    CScriptString m_sSearchedControl;
    unsigned char m_bWindowFound = 0;
    unsigned char m_bControlFound = 0;
    unsigned char m_bControlByClass = 0;
    unsigned m_nInstance = 0;
    HWND m_hFoundWindow = nullptr;
    HWND m_hFoundControl = nullptr;
    HWND m_hFocus = nullptr;
    WindowSearchOptions m_Options;
    std::vector<char> m_aChildText;
};
