#pragma once

#include "app/HotkeyIdentifierCache.h"
#include "app/RobotScheduledJob.h"
#include "controls/CButtonST.h"
#include "controls/CSortListCtrl.h"
#include "editor/IHotkeyAvailability.h"
#include "engine/CScriptString.h"
#include "framework/CArray.h"
#include "framework/CDialog.h"
#include "framework/CGdiObject.h"
#include "framework/CString.h"
#include "framework/CStringArray.h"
#include "robot/CRobot.h"
#include "schedule/CTaskScheduler.h"

#include <string>

class CInputRobotDlg;

// Runs the robot whose file is at that position of the script folder's
// listing (lParam); sent by a second instance started with "-a".
const UINT WM_RUNROBOTBYINDEX = WM_USER + 2;

// The program's main window: a modeless dialog listing the robots of the
// script folder with an enable check box each. It owns the robots' global
// hotkeys and runs robots in the one script engine, from its buttons, from
// their hotkeys and from the command line.
//
// Its handlers are spread over five files by group:
//   CMarionetDlg.cpp          set-up, painting, timers, closing, options
//   CMarionetDlgCommands.cpp  schedule, help, options, feedback and share buttons
//   CMarionetDlgHotkeys.cpp   registering the robots' hotkeys and OnHotKey
//   CMarionetDlgRobots.cpp    the robot list: loading, adding, editing, removing,
//                             the enable check boxes, the editor's key questions
//   CMarionetDlgRunner.cpp    running robots: Run, Test, "-a" and the
//                             second instance's request
class CMarionetDlg : public CDialog, public IHotkeyAvailability
{
public:
    enum
    {
        IDD = 102
    };
    // One-shot timers started at the end of the initialisation.
    enum
    {
        TIMER_RUN_AUTO_ROBOT = 1027,
        TIMER_SHOW_TIPS = 1031
    };

    explicit CMarionetDlg(CWnd* parent = nullptr);
    ~CMarionetDlg() override;

    // The robot editor's questions; 1 when free, 0 when taken (the user has
    // been told). The robot being edited holds none of the keys.
    int IsStartHotKeyFree(const CString& key) override;
    int IsEndHotKeyFree(const CString& key) override;

    // The ends of an editor run without a modal loop of its own: Done adds
    // the saved robot as Add does; both give the hotkeys back and restore the
    // window.
    void OnRobotInputDone(const CInputRobotDlg& editor);
    void OnRobotInputCancelled();

    // The base name of the n-th robot file of the script folder; empty when
    // there is none.
    CString GetRobotNameByIndex(int n) const;

    void LoadRobots();
    void QuitApplication();

    // Hotkeys: the identifier is the global atom of the key's notation in
    // lower case; 0 for a text that names no single key ("None"). Computed
    // once a text and kept.
    WORD GetHotKeyId(const CString& hotkeyText, UINT& modifiers, UINT& virtualKey);
    int RegisterRobotHotKey(const CString& hotkeyText);
    int UnregisterRobotHotKey(const CString& hotkeyText);
    void RegisterAllHotKeys(int startOnly);
    void UnregisterAllHotKeys(int startOnly);

    // The runner: 1 after a run, 0 when the run did not start.
    int RunRobot(const CString& path);
    int RunRobotByName(const CString& name);
    int RunPendingRobot();

    void LoadOptions();
    void SaveOptions();

    // Asks the task scheduler for this program's jobs and looks among them
    // for the robot's; true with the job's texts when it has one.
    bool FindScheduledJob(const CString& robotName, CRobotJobTexts& texts);

    int m_bStartedWithAutoRun = 0;
    CString m_strAutoRunRobotName;

    // What the tests and the tools may look at.
    const CArray<CRobot, CRobot&>& GetRobots() const { return m_arrRobots; }
    CSortListCtrl& GetRobotList() { return m_RobotList; }
    int IsRobotRunning() const { return m_bRobotRunning; }
    // The script file that Test runs; while it is empty, Test asks for one.
    void SetTestScriptPath(const CString& path) { m_strTestScriptPath = path; }
    int GetShowTips() const { return m_bShowTips; }

protected:
    void DoDataExchange(CDataExchange* exchange) override;
    BOOL OnInitDialog() override;
    void OnCancel() override;

    void OnPaint();
    HCURSOR OnQueryDragIcon();
    void OnTimer(UINT_PTR id);
    void OnHotKey(UINT id, UINT modifiers, UINT virtualKey);
    LRESULT OnRunRobotByIndex(WPARAM wParam, LPARAM lParam);
    void OnRobotListItemChanged(NMHDR* header, LRESULT* result);
    void OnRunRobot();
    void OnScheduleRobot();
    void OnHelp();
    void OnAddRobot();
    void OnEditRobot();
    void OnRemoveRobot();
    void OnRecordRobot();
    void OnOptions();
    void OnTest();
    void OnFeedback();
    void OnShareRobot();

    DECLARE_MESSAGE_MAP()

private:
    void SetupButtons();
    void InitRobotList();
    // The selected row, -1 for none.
    int GetSelectedRow() const;
    // The selected row and its Name cell; when no row is selected, shows the
    // message and gives false.
    bool GetSelectedRobot(const char* noSelectionMessage, int& row, CString& name);
    // The Name cell of the selected row; empty, after the message, when no
    // row is selected.
    CString SelectedRobotName(const char* noSelectionMessage);
    // Registers or withdraws the start keys, and unless startOnly the end
    // keys, of every enabled robot.
    void ForEachEnabledRobotKey(int startOnly, int (CMarionetDlg::*action)(const CString&));
    // The answer to the editor when another robot holds the key.
    int ReportKeyTaken(const char* whichKey);
    // The element of the robot array that the row shows; -1 when the row
    // shows none. Each row carries its element's index plus one, so sorting
    // the list by a heading never mixes them up, and two robots whose names
    // differ only in case (the folder may tell them apart) each keep the
    // row of their own file.
    int RobotIndexOfRow(int row) const;
    // Deletes the row and the array element it shows (-1: none), and moves
    // the other rows' indexes with the array.
    void DeleteRobotRow(int row, int index);
    // Withdraws and registers again the keys of every enabled robot.
    void RefreshAllHotKeys();
    void RunAutoRunRobotAndQuit();
    // The tips dialog, unless the user turned it off or there are no tips.
    void ShowTipsIfWanted();
    // Lists the array element as a new row, checked when it is enabled.
    void AddRobotRow(int index);
    // Add and Record: runs the editor for a new robot and lists what it saved.
    void RunEditorForNewRobot(int recordOnOpen);
    // Lists the robot that the editor saved as a new row, checked.
    void AddSavedRobot(const CInputRobotDlg& editor);
    // The names of the robots, but for the array element skipped (-1: none).
    CStringArray RobotNamesExcept(int skipIndex) const;
    // The script folder as looked up when the robots were loaded.
    CString ScriptFolder() const;
    int RunLoadedRobot(const CRobot& robot, const CString& path);
    // Test: the test line, or a script file the user picks, run once.
    void RunTestScript();

    HICON m_hIcon = nullptr;
    CBitmap m_Background;
    CSortListCtrl m_RobotList;
    CButtonST m_arrButtons[8];
    CArray<CRobot, CRobot&> m_arrRobots;
    CHotkeyIdentifierCache m_HotkeyIds;
    CString m_strScriptFolder;
    // While the list is filled: the robot whose file was just read whole, -1
    // for none, and the file's bytes, which its row check's save compares
    // instead of reading the file again.
    int m_nJustReadRobot = -1;
    std::string m_strJustReadBytes;
    CTaskScheduler m_TaskScheduler;
    int m_nEditedRow = -1;
    int m_bShowTips = 1;

    CString m_strPendingRobotPath;
    BYTE m_bStopRequest = 0;
    int m_bRobotRunning = 0;
    BYTE m_bTestMode = 0;
    CScriptString m_sTestLine;
    CString m_strTestScriptPath;
};
