#pragma once

#include "controls/CKeyEditCtrl.h"
#include "controls/CListCtrlEx.h"
#include "editor/IRobotEditor.h"
#include "framework/CDialog.h"
#include "framework/CEdit.h"
#include "framework/CString.h"
#include "framework/CStringArray.h"
#include "robot/CRobot.h"

#include <memory>

class CExplorerPane;
class CInputKeyDlg;
class CInputMouseDlg;
class CItemPane;
class CRecordPane;
class IHotkeyAvailability;

// The robot editor ("Add Robot", "Edit Robot"): the robot's name, hotkeys and
// repeat option, and its list of action lines, filled from the key and mouse
// pages on the left. Save checks everything, converts the lines to script
// lines and writes the robot file; the creator then reads the robot back.
class CInputRobotDlg : public CDialog, public IRobotEditor
{
public:
    enum
    {
        IDD = 155
    };
    // Started when the editor opens for a recording; its first tick starts it.
    enum
    {
        TIMER_START_RECORDING = 1030
    };

    // hotkeys answers whether other robots hold a key; null when there are
    // no other robots to ask.
    CInputRobotDlg(CWnd* parent, IHotkeyAvailability* hotkeys);
    ~CInputRobotDlg() override;

    // The names Save refuses besides those of files already there: every
    // other robot's.
    void SetExistingRobotNames(const CStringArray& names);

    CString GetRobotName() const { return m_strName; }
    CString GetStartKey() const { return m_strStartKey; }
    CString GetEndKey() const { return m_strEndKey; }
    CString GetDescription() const { return m_strDescription; }
    CRobot GetRobot() const { return m_Robot; }

    // IRobotEditor
    void AddActionLine(const CString& line) override;
    void FocusActionList() override;
    void AddRecordedWindow(const RecordedWindowInfo& record) override;
    void ClearRecordedWindows() override;
    void ShowEditor(int nCmdShow) override;

    // Selects the row; with focus, gives the list the focus first and makes
    // the row the focused one too.
    void SelectActionRow(int row, BOOL focus);
    // Hand over to the record pane; nothing happens while none with a window
    // is attached.
    void StartRecordIntoList();
    void StartQuickRecord();
    // The record pane that recordings go through, owned by the caller; null
    // detaches it. The program itself attaches none.
    void AttachRecordPane(CRecordPane* pane) { m_pRecordPane = pane; }

    BOOL PreTranslateMessage(MSG* msg) override;

    // Set by the creator before DoModal: the robot to edit with the edit
    // flag, or the record-on-open flag.
    CRobot m_Robot;
    int m_bEditMode = 0;
    int m_bRecordOnOpen = 0;

protected:
    void DoDataExchange(CDataExchange* exchange) override;
    BOOL OnInitDialog() override;
    void OnOK() override;

    void OnDeleteActions();
    void OnMoveUp();
    void OnMoveDown();
    void OnRepeatOptions();
    void OnTimer(UINT_PTR id);
    void OnDestroy();

    DECLARE_MESSAGE_MAP()

private:
    bool HasRecordPane() const;
    BOOL CreateActionPanes();
    // A pane of the container around one page; FALSE when its window could
    // not be made.
    BOOL AddActionPane(std::unique_ptr<CItemPane>& pane, CWnd* page, UINT titleBitmapId);
    void InitActionList();
    void FillForEdit();
    void ShowRepeatOption();
    // 1 when the text may start or stop a robot; otherwise the user is told and 0.
    BOOL CheckHotkey(const CString& hotkeyText);
    // Tells the user why the name cannot be saved and puts the focus on it; 0.
    int RefuseName(const char* message);
    // Whether Save makes a file the robot did not have: Add, or Edit with a
    // new name.
    bool SavesNewFile() const;
    // The checks before anything is written, in order; 1 when all pass.
    int CheckInput();
    // The robot as Save writes it, from the boxes and the list.
    CRobot FilledRobot() const;

    CEdit m_RepeatLabel;
    CEdit m_NameEdit;
    CKeyEditCtrl m_EndKeyEdit;
    CKeyEditCtrl m_StartKeyEdit;
    CListCtrlEx m_ActionList;

    std::unique_ptr<CExplorerPane> m_pPaneContainer;
    std::unique_ptr<CInputKeyDlg> m_pKeyPage;
    std::unique_ptr<CInputMouseDlg> m_pMousePage;
    // Attached by the recorder; this dialog never makes one.
    CRecordPane* m_pRecordPane = nullptr;
    std::unique_ptr<CItemPane> m_pKeyItemPane;
    std::unique_ptr<CItemPane> m_pMouseItemPane;

    CString m_strName;
    CString m_strStartKey;
    CString m_strEndKey;
    // The editor has no description box: this stays empty.
    CString m_strDescription;
    // 0: run m_nRepeatTimes times; 1: run until the end hotkey is pressed.
    int m_nRepeatOption = 0;
    int m_nRepeatTimes = 1;
    CStringArray m_arrExistingNames;
    int m_bUseRecWin = 0;
    int m_bUseSimilarWin = 0;
    int m_bRunAtBackground = 0;
    IHotkeyAvailability* m_pHotkeys;
};
