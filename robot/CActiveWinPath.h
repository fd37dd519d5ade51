#pragma once

#include "framework/CNonCopyable.h"
#include "framework/CString.h"
#include "robot/RecordedWindowInfo.h"

#include <windows.h>

#include <vector>

// Identifies the top-level window and program an action went to, and later
// finds that window again among the live windows and brings it back to the
// front at its recorded place. One object serves one identification or search.
class CActiveWinPath : private CNonCopyable
{
public:
    CActiveWinPath();
    virtual ~CActiveWinPath();

    // Fills title, program path, rectangle and parent depth of the top-level
    // window that is or contains hWnd. WinIndex is left alone. 1 on success.
    int GetWinInfo(HWND hWnd, RecordedWindowInfo& info);

    // Finds a live window for the record (by program path and parent depth,
    // then title unless similar windows are accepted), restores it, brings it
    // to the front and moves it to the recorded rectangle; info.hWnd becomes
    // that window. 1 when handled, 0 when no window was found.
    int ActivateWin(RecordedWindowInfo& info, int bExactOnly);

    // Executable path of the process that owns the window. 1 on success.
    int GetProcessPath(HWND hWnd, CString& strPath);

    RecordedWindowInfo m_Target;
    int m_bFound = 0;
    HWND m_hCandidate = nullptr;
    // The exact match of a search, or the window asked about in GetWinInfo;
    // a caller may set it before ActivateWin to name the window directly.
    HWND m_hMatch = nullptr;
    std::vector<HWND> m_SkipList;

private:
    using EnumProcessModulesFn = BOOL(WINAPI*)(HANDLE, HMODULE*, DWORD, LPDWORD);
    using GetModuleFileNameExAFn = DWORD(WINAPI*)(HANDLE, HMODULE, LPSTR, DWORD);

    static BOOL CALLBACK FindTopLevelProc(HWND hWnd, LPARAM lParam);
    static BOOL CALLBACK MatchWindowProc(HWND hWnd, LPARAM lParam);
    bool IsMatch(HWND hWnd);
    int RestoreWindowTo(HWND hWnd, RecordedWindowInfo& info);
    void LoadProcessFunctions();
    void FreeProcessLibrary();

    // The first hidden window of the program with the right depth, the
    // candidate when the search finds no visible one.
    HWND m_hHiddenCandidate = nullptr;
    HMODULE m_hLib = nullptr;
    EnumProcessModulesFn m_pEnumProcessModules = nullptr;
    GetModuleFileNameExAFn m_pGetModuleFileNameExA = nullptr;
};
