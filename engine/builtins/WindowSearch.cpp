#include "engine/builtins/WindowSearch.h"

#include "engine/ScriptText.h"
#include "engine/builtins/WindowThreadAttach.h"

#include <cstdio>
#include <cstring>

namespace {

const int kTitleChars = 1024;
const int kClassChars = 256;
const int kChildTextBytes = 32768;

bool StartsWithNoCase(const char* text, const char* prefix)
{
    return ScriptCompareNoCaseN(text, prefix, std::strlen(prefix)) == 0;
}

std::string ClassNameOf(HWND window, int chars)
{
    std::vector<char> name(chars + 1, '\0');
    GetClassNameA(window, name.data(), chars);
    return name.data();
}

}  // namespace

std::string FormatWindowHandle(HWND window)
{
    char text[16];
    std::snprintf(text, sizeof text, "%08X", static_cast<unsigned>(reinterpret_cast<UINT_PTR>(window)));
    return text;
}

CWindowSearch::CWindowSearch() : m_aChildText(kChildTextBytes) {}

void CWindowSearch::SetWindowSearch(const char* title, const char* text)
{
    m_sSearchedTitle = title;
    m_sSearchedText = text;
}

bool CWindowSearch::FindSearchedWindow(const WindowSearchOptions& options)
{
    m_Options = options;
    if (options.m_nTitleMatchMode == 4) {
        if (m_sSearchedTitle.IsEmpty() || m_sSearchedTitle.CompareNoCase("last") == 0)
            return m_hFoundWindow != nullptr;
        if (m_sSearchedTitle.CompareNoCase("active") == 0) {
            m_hFoundWindow = GetForegroundWindow();
            return true;
        }
    } else if (m_sSearchedTitle.IsEmpty() && m_sSearchedText.IsEmpty()) {
        m_hFoundWindow = GetForegroundWindow();
        return true;
    }
    m_bWindowFound = 0;
    if (options.m_bSearchChildren)
        EnumChildWindows(GetDesktopWindow(), MatchWindowProc, reinterpret_cast<LPARAM>(this));
    else
        EnumWindows(MatchWindowProc, reinterpret_cast<LPARAM>(this));
    // The candidate under test is not a match: "last" must never name it.
    if (!m_bWindowFound)
        m_hFoundWindow = nullptr;
    return m_bWindowFound != 0;
}

bool CWindowSearch::IsSearchedWindowActive(const WindowSearchOptions& options)
{
    return FindSearchedWindow(options) && m_hFoundWindow == GetForegroundWindow();
}

BOOL CALLBACK CWindowSearch::MatchWindowProc(HWND candidate, LPARAM self)
{
    return reinterpret_cast<CWindowSearch*>(self)->MatchWindow(candidate) ? FALSE : TRUE;
}

bool CWindowSearch::MatchWindow(HWND candidate)
{
    m_hFoundWindow = candidate;
    return TitleMatches(candidate) && MatchWindowText();
}

bool CWindowSearch::TitleMatches(HWND candidate) const
{
    char title[kTitleChars + 1] = {};
    GetWindowTextA(candidate, title, kTitleChars);
    const char* searched = m_sSearchedTitle.GetText();
    switch (m_Options.m_nTitleMatchMode) {
    case 2:
        return std::strstr(title, searched) != nullptr;
    case 3:
        return std::strcmp(title, searched) == 0;
    case 4:
        if (StartsWithNoCase(searched, "classname="))
            return ClassNameOf(candidate, kClassChars) == searched + 10;
        if (StartsWithNoCase(searched, "handle="))
            return ScriptCompareNoCase(FormatWindowHandle(candidate).c_str(), searched + 7) == 0;
        break;
    default:
        break;
    }
    return std::strncmp(title, searched, m_sSearchedTitle.GetLength()) == 0;
}

bool CWindowSearch::MatchWindowText()
{
    if (m_sSearchedText.IsEmpty()) {
        m_bWindowFound = 1;
        return true;
    }
    if (m_Options.m_nTextMatchMode != 1 || !IsWindowHung(m_hFoundWindow))
        EnumChildWindows(m_hFoundWindow, MatchChildTextProc, reinterpret_cast<LPARAM>(this));
    return m_bWindowFound != 0;
}

BOOL CALLBACK CWindowSearch::MatchChildTextProc(HWND child, LPARAM self)
{
    return reinterpret_cast<CWindowSearch*>(self)->MatchChildText(child) ? FALSE : TRUE;
}

bool CWindowSearch::MatchChildText(HWND child)
{
    if (!m_Options.m_bDetectHiddenText && !IsWindowVisible(child))
        return false;
    char* text = m_aChildText.data();
    text[0] = '\0';
    LRESULT length = 0;
    if (m_Options.m_nTextMatchMode == 2)
        length = GetWindowTextA(child, text, kChildTextBytes);
    else
        SendMessageGuarded(child, WM_GETTEXT, kChildTextBytes - 1, reinterpret_cast<LPARAM>(text), length);
    text[kChildTextBytes - 1] = '\0';
    if (length != 0 && std::strstr(text, m_sSearchedText.GetText())) {
        m_bWindowFound = 1;
        return true;
    }
    return false;
}

bool CWindowSearch::FindSearchedControl(const char* title, const char* text, const char* control,
                                        const WindowSearchOptions& options)
{
    SetWindowSearch(title, text);
    if (!FindSearchedWindow(options))
        return false;
    m_sSearchedControl = control;
    m_nInstance = 0;
    m_bControlFound = 0;
    if (m_sSearchedControl.IsEmpty()) {
        m_hFoundControl = m_hFoundWindow;
        return true;
    }
    m_bControlByClass = 1;
    EnumChildWindows(m_hFoundWindow, MatchControlProc, reinterpret_cast<LPARAM>(this));
    if (!m_bControlFound) {
        m_bControlByClass = 0;
        EnumChildWindows(m_hFoundWindow, MatchControlProc, reinterpret_cast<LPARAM>(this));
    }
    return m_bControlFound != 0;
}

BOOL CALLBACK CWindowSearch::MatchControlProc(HWND child, LPARAM self)
{
    return reinterpret_cast<CWindowSearch*>(self)->MatchControl(child) ? FALSE : TRUE;
}

bool CWindowSearch::MatchControl(HWND child)
{
    if (m_bControlByClass) {
        std::string className = ClassNameOf(child, kClassChars);
        if (std::strncmp(m_sSearchedControl.GetText(), className.c_str(), className.size()) != 0)
            return false;
        ++m_nInstance;
        if (className + std::to_string(m_nInstance) != m_sSearchedControl.GetText())
            return false;
    } else {
        char text[kTitleChars + 1] = {};
        GetWindowTextA(child, text, kTitleChars);
        if (std::strcmp(text, m_sSearchedControl.GetText()) != 0)
            return false;
    }
    m_hFoundControl = child;
    m_bControlFound = 1;
    return true;
}

bool CWindowSearch::GetFocusedControlName(HWND window, std::string& name)
{
    {
        CWindowThreadAttach attach(window);
        m_hFocus = GetFocus();
    }
    if (!m_hFocus)
        return false;
    m_sSearchedControl = ClassNameOf(m_hFocus, kClassChars - 1).c_str();
    m_nInstance = 0;
    m_bControlFound = 0;
    EnumChildWindows(window, MatchFocusedInstanceProc, reinterpret_cast<LPARAM>(this));
    if (!m_bControlFound)
        return false;
    name = std::string(m_sSearchedControl.GetText()) + std::to_string(m_nInstance);
    return true;
}

BOOL CALLBACK CWindowSearch::MatchFocusedInstanceProc(HWND child, LPARAM self)
{
    return reinterpret_cast<CWindowSearch*>(self)->MatchFocusedInstance(child) ? FALSE : TRUE;
}

bool CWindowSearch::MatchFocusedInstance(HWND child)
{
    if (ClassNameOf(child, kClassChars - 1) != m_sSearchedControl.GetText())
        return false;
    ++m_nInstance;
    if (child != m_hFocus)
        return false;
    m_bControlFound = 1;
    return true;
}
