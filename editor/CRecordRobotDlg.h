#pragma once

#include "controls/CLabel.h"
#include "framework/CDialog.h"
#include "framework/CList.h"
#include "framework/CStringArray.h"
#include "res/RecorderResource.h"
#include "robot/RecordedWindowInfo.h"

#include <functional>
#include <vector>

// The recorder: while recording, the hook library posts one message per mouse
// or key event, and the dialog turns them into action description lines with
// waits that reproduce the user's timing, plus records of the windows the
// actions went to. The creator reads the lines and windows after IDOK.
class CRecordRobotDlg : public CDialog
{
public:
    enum
    {
        IDD = IDD_RECORD_ROBOT
    };

    // What the recorder asks of the system; each empty member keeps the
    // system's answer (GetTickCount, GetForegroundWindow, this dialog or one of
    // its children, CActiveWinPath::GetWinInfo).
    struct Environment
    {
        std::function<DWORD()> fnNow;
        std::function<HWND()> fnForegroundWindow;
        std::function<bool(HWND)> fnIsRecorderWindow;
        std::function<int(HWND, RecordedWindowInfo&)> fnGetWinInfo;
    };

    CRecordRobotDlg();

    // 1 records into the editor (shown, topmost); 0 is the quick recording,
    // which starts hidden. Set before DoModal.
    void SetMode(int mode) { m_nMode = mode; }
    void SetEnvironment(const Environment& environment);

    int GetLineCount() const { return m_arrLines.GetSize(); }
    // Empty outside the range.
    CString GetLine(int index) const;
    int GetRecordedWindowCount() const { return static_cast<int>(m_arrRecordedWindows.size()); }
    // FALSE outside the range.
    BOOL GetRecordedWindow(int index, RecordedWindowInfo& info) const;

protected:
    void DoDataExchange(CDataExchange* exchange) override;
    BOOL OnInitDialog() override;
    void OnStart();
    void OnStop();
    LRESULT OnMouseMove(WPARAM wParam, LPARAM lParam);
    LRESULT OnMouseHook(WPARAM wParam, LPARAM lParam);
    LRESULT OnKeyHook(WPARAM wParam, LPARAM lParam);
    void OnHelp(NMHDR* header, LRESULT* result);
    void OnDestroy();

    DECLARE_MESSAGE_MAP()

private:
    // The gap since the last event; the first event of a recording has none
    // and starts the clock.
    DWORD TakeGap(DWORD now);
    // Closes a handled event; a move that was left out keeps the time of the
    // last kept event.
    void EndEvent(DWORD now, bool kept);
    // The wait line, when the gap is longer than the limit.
    void AddWaitLine(DWORD gap, DWORD longerThan, bool speedMarker);
    void RecordMove(LPARAM position, DWORD now);
    void RecordButton(UINT message, LPARAM lParam, DWORD now);
    void RecordKeyDown(UINT vk, DWORD now);
    void RecordKeyUp(UINT vk, DWORD now);
    // " At Win [n]" when the window is a new one for the recording, else empty.
    CString WindowQualifier(HWND hWnd);
    // Adds a record for the window unless it is the last recorded one; 1 when added.
    int RecordWindow(HWND hWnd);
    void AssignWinIndex(RecordedWindowInfo& record) const;
    // The clean-ups of the stop: unanswered key-downs, modifier releases at
    // the start, waits and key-downs at the end.
    void RemoveUnansweredKeyDowns();
    void RemoveLeadingModifierReleases();
    void RemoveTrailingLines();
    void RemoveSpeedMarkers();
    void ReleaseHookLibrary();
    bool IsRecorderInFront() const;

    CLabel m_HelpLabel;
    int m_bRecordAllMoves = 0;
    CStringArray m_arrLines;
    HMODULE m_hHookLibrary = nullptr;
    DWORD m_dwLastEventTime = 0;
    DWORD m_dwLastKeptTime = 0;
    int m_bFirstEvent = 1;
    int m_bHiddenStart = 0;
    CList<UINT, UINT> m_KeysDown{10};
    RecordedWindowInfo m_LastWindow;
    std::vector<RecordedWindowInfo> m_arrRecordedWindows;
    int m_bWinKeyDown = 0;
    int m_nWinKeyUpPos = -1;
    int m_nMode = 1;
    Environment m_Environment;
};
