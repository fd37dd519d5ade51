#include "editor/CInputRobotDlg.h"

#include "controls/CExplorerPane.h"
#include "controls/CItemPane.h"
#include "editor/CInputKeyDlg.h"
#include "editor/CInputMouseDlg.h"
#include "editor/CRecordPane.h"
#include "editor/CRobotRepeatOption.h"
#include "editor/IHotkeyAvailability.h"
#include "editor/RobotFileRename.h"
#include "framework/AfxMessageBox.h"
#include "framework/CDataExchange.h"
#include "res/ControlsResource.h"
#include "res/EditorResource.h"
#include "robot/ActionLines.h"
#include "robot/AppFolders.h"
#include "robot/HotkeyNotation.h"
#include "robot/KeyNames.h"
#include "robot/NumberText.h"

#include <algorithm>
#include <iterator>

namespace {

const int kStepColumn = 0;
const int kDescriptionColumn = 1;
const int kStepColumnWidth = 40;
const DWORD kFullRowSelectAndGridLines = 0x21;
const UINT kRecordStartDelayMs = 20;

const CRect kPaneContainerPlace(5, 4, 5 + 320, 4 + 577);
const COLORREF kPaneBackground = RGB(236, 233, 216);
const COLORREF kPaneCaptionColor = RGB(255, 255, 255);
const int kPaneGap = 2;

// The text of a hotkey box with no key; a new robot starts with it.
const char kNoHotkey[] = "None";
const char kDefaultEndKey[] = "<F11>";
const char kUntilEndKeyLabel[] = "Run until pressing end key";
const char kEditCaption[] = "Edit Robot";

const char kForbiddenNameCharacters[] = "\\/:*?\"<>|";

const char kNoActions[] = "No clicks added to robot. Please press 'Add Click' button to add a click.";
const char kEmptyName[] = "Robot name is empty. Please enter robot name.";
const char kForbiddenCharacter[] = "cannot contain any of the following characters:\n \\ / : * ? \" < > |";
const char kNameExists[] = "Robot name already exists, please choose another one.";
const char kNameTooLong[] = "Robot name is too long, please choose a shorter one.";
const char kKeysEqual[] =
    "Start Hotkey and End Hotkey can not be same.\nPlease use different key for Start Hotkey and End Hotkey.";
const char kSaveFailed[] = "Failed to save the robot file.";

const char kKeyNotSet[] = "Robot's Start/End Hotkey is not set. Please set the start/End Hotkey for robot.";
const char kKeyReserved[] =
    "Hotkeys 'Ctrl+Alt+R' and 'Ctrl+Alt+S' are reserved for recording robots.\n\n"
    "Please set the Start/End Hotkey for robot.";
const char kF12Reserved[] =
    "Key <F12> is reserved by Windows and it can not be used as Start/End Hotkey.\n\n"
    "Please use another hotkey.";

const char* const kRecordingKeys[] = {"Ctrl + Alt + R", "Ctrl + Alt + S"};

bool EqualsAnyNoCase(const CString& text, const char* const* candidates, size_t count)
{
    for (size_t i = 0; i < count; ++i) {
        if (text.CompareNoCase(candidates[i]) == 0)
            return true;
    }
    return false;
}

CString BareModifierMessage(const CString& hotkeyText)
{
    return "You can not specify key '" + hotkeyText +
           "' as Start or End Hotkey.\n\nPlease specify Start or End Hotkey like something below:\n"
           "'Ctrl + Shift + Alt + M', 'Ctrl + K', 'Ctrl + Shift + 9' or <F2>";
}

// Anything of the name counts, also a folder, and a file the name reaches as
// its short name.
bool RobotFileExists(const CString& folder, const CString& name)
{
    return ::GetFileAttributesA(RobotFilePath(folder, name)) != INVALID_FILE_ATTRIBUTES;
}

CString RepeatTimesLabel(int count)
{
    return "Run " + IntToString(count) + " times";
}

}  // namespace

BEGIN_MESSAGE_MAP(CInputRobotDlg, CDialog)
    ON_BN_CLICKED(IDC_EDITOR_DELETE, OnDeleteActions)
    ON_BN_CLICKED(IDC_EDITOR_MOVE_UP, OnMoveUp)
    ON_BN_CLICKED(IDC_EDITOR_MOVE_DOWN, OnMoveDown)
    ON_BN_CLICKED(IDC_EDITOR_REPEAT_OPTIONS, OnRepeatOptions)
    ON_WM_TIMER()
    ON_WM_DESTROY()
END_MESSAGE_MAP()

CInputRobotDlg::CInputRobotDlg(CWnd* parent, IHotkeyAvailability* hotkeys) : CDialog(IDD, parent), m_pHotkeys(hotkeys)
{
}

CInputRobotDlg::~CInputRobotDlg() = default;

void CInputRobotDlg::SetExistingRobotNames(const CStringArray& names)
{
    m_arrExistingNames.RemoveAll();
    for (int i = 0; i < names.GetSize(); ++i)
        m_arrExistingNames.Add(names[i]);
}

void CInputRobotDlg::DoDataExchange(CDataExchange* exchange)
{
    CDialog::DoDataExchange(exchange);
    DDX_Control(exchange, IDC_EDITOR_REPEAT_LABEL, m_RepeatLabel);
    DDX_Control(exchange, IDC_EDITOR_NAME, m_NameEdit);
    DDX_Control(exchange, IDC_EDITOR_END_KEY, m_EndKeyEdit);
    DDX_Control(exchange, IDC_EDITOR_START_KEY, m_StartKeyEdit);
    DDX_Control(exchange, IDC_EDITOR_ACTIONS, m_ActionList);
}

BOOL CInputRobotDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    CreateActionPanes();
    InitActionList();
    if (m_bEditMode)
        FillForEdit();
    for (CKeyEditCtrl* box : {&m_StartKeyEdit, &m_EndKeyEdit}) {
        box->m_bHotkeyMode = TRUE;
        box->m_fnKeyName = [](UINT code) { return VirtualKeyToKeyName(code); };
    }
    if (m_bRecordOnOpen)
        SetTimer(TIMER_START_RECORDING, kRecordStartDelayMs);
    return TRUE;
}

BOOL CInputRobotDlg::CreateActionPanes()
{
    m_pPaneContainer = std::make_unique<CExplorerPane>(IDD_PANE_CONTAINER, this);
    if (!m_pPaneContainer->Create())
        return FALSE;
    m_pPaneContainer->MoveWindow(&kPaneContainerPlace, TRUE);
    m_pPaneContainer->ShowWindow(SW_SHOW);
    m_pPaneContainer->SetBkColor(kPaneBackground);
    m_pPaneContainer->m_nGap = kPaneGap;
    m_pPaneContainer->EnableScrolling(FALSE);

    m_pKeyPage = std::make_unique<CInputKeyDlg>(this);
    m_pKeyPage->Create(CInputKeyDlg::IDD, m_pPaneContainer.get());
    m_pKeyPage->ShowWindow(SW_HIDE);
    m_pKeyPage->SetOwner(this);
    m_pMousePage = std::make_unique<CInputMouseDlg>(this);
    m_pMousePage->Create(CInputMouseDlg::IDD, m_pPaneContainer.get());
    m_pMousePage->ShowWindow(SW_SHOW);
    m_pMousePage->SetOwner(this);

    if (!AddActionPane(m_pKeyItemPane, m_pKeyPage.get(), IDB_KEY_PANE_TITLE) ||
        !AddActionPane(m_pMouseItemPane, m_pMousePage.get(), IDB_MOUSE_PANE_TITLE))
        return FALSE;
    m_pPaneContainer->LayoutPanes();
    return TRUE;
}

BOOL CInputRobotDlg::AddActionPane(std::unique_ptr<CItemPane>& pane, CWnd* page, UINT titleBitmapId)
{
    pane = std::make_unique<CItemPane>(IDD_ITEM_PANE, m_pPaneContainer.get(), page, titleBitmapId, IDB_PANE_COLLAPSED,
                                       IDB_PANE_EXPANDED, CItemPane::STATE_EXPANDED);
    if (!pane->Create())
        return FALSE;
    pane->SetCaption("", kPaneCaptionColor, nullptr);
    pane->ShowWindow(SW_SHOW);
    m_pPaneContainer->AddPane(pane.get());
    return TRUE;
}

void CInputRobotDlg::InitActionList()
{
    m_ActionList.m_fnDataFolder = [] { return GetUserDataFolder(); };
    m_ActionList.m_fnCreateFolder = [](const CString& folder) { CreateDirectoryPath(folder); };
    m_ActionList.SetExtendedStyle(m_ActionList.GetExtendedStyle() | kFullRowSelectAndGridLines);
    m_ActionList.InsertColumn(kStepColumn, "Steps", LVCFMT_LEFT, kStepColumnWidth);
    // The description takes the rest of the list but the room of a vertical scroll bar, so
    // that a long list never needs a horizontal one.
    CRect client;
    m_ActionList.GetClientRect(&client);
    const int descriptionWidth = std::max(0, client.Width() - kStepColumnWidth - ::GetSystemMetrics(SM_CXVSCROLL));
    m_ActionList.InsertColumn(kDescriptionColumn, "Robot Actions Description", LVCFMT_LEFT, descriptionWidth);
    m_StartKeyEdit.SetWindowText(kNoHotkey);
    m_EndKeyEdit.SetWindowText(kDefaultEndKey);
    m_RepeatLabel.SetWindowText(RepeatTimesLabel(1));
}

void CInputRobotDlg::FillForEdit()
{
    SetWindowText(kEditCaption);
    m_NameEdit.SetWindowText(m_Robot.m_strName);
    m_StartKeyEdit.SetWindowText(m_Robot.m_strStartKey);
    m_EndKeyEdit.SetWindowText(m_Robot.m_strEndKey);
    m_bUseSimilarWin = m_Robot.m_bUseSimilarWin;
    m_bRunAtBackground = m_Robot.m_bRunAtBackground;
    CheckDlgButton(IDC_EDITOR_RUN_AT_BACKGROUND, m_bRunAtBackground ? BST_CHECKED : BST_UNCHECKED);
    m_bUseRecWin = m_Robot.m_bUseRecWin;
    m_nRepeatOption = m_Robot.m_nRepeatOption;
    if (m_nRepeatOption != 1)
        m_nRepeatTimes = m_Robot.m_nRepeatTimes;
    ShowRepeatOption();
    for (int i = 0; i < m_Robot.m_arrScriptLines.GetSize(); ++i) {
        m_ActionList.InsertItem(i, IntToString(i + 1));
        m_ActionList.SetItemText(i, kDescriptionColumn, ScriptLineToDescription(m_Robot.m_arrScriptLines[i]));
    }
}

void CInputRobotDlg::ShowRepeatOption()
{
    m_RepeatLabel.SetWindowText(m_nRepeatOption == 1 ? CString(kUntilEndKeyLabel) : RepeatTimesLabel(m_nRepeatTimes));
}

void CInputRobotDlg::AddActionLine(const CString& line)
{
    const int selected = m_ActionList.GetNextItem(-1, LVNI_SELECTED);
    const int row = selected < 0 ? m_ActionList.GetItemCount() : selected;
    m_ActionList.InsertItem(row, IntToString(row + 1));
    m_ActionList.SetItemText(row, kDescriptionColumn, line);
    if (selected < 0)
        return;
    m_ActionList.RenumberFrom(row + 1);
    SelectActionRow(row + 1, TRUE);
}

void CInputRobotDlg::SelectActionRow(int row, BOOL focus)
{
    if (focus)
        m_ActionList.SetFocus();
    m_ActionList.SelectItem(row, focus);
}

void CInputRobotDlg::FocusActionList()
{
    m_ActionList.SetFocus();
}

void CInputRobotDlg::AddRecordedWindow(const RecordedWindowInfo& record)
{
    m_Robot.AddRecordedWindow(record);
}

void CInputRobotDlg::ClearRecordedWindows()
{
    m_Robot.m_vecRecWinInfo.clear();
}

void CInputRobotDlg::ShowEditor(int nCmdShow)
{
    ShowWindow(nCmdShow);
}

bool CInputRobotDlg::HasRecordPane() const
{
    return m_pRecordPane && m_pRecordPane->IsWindow();
}

void CInputRobotDlg::StartRecordIntoList()
{
    if (HasRecordPane())
        m_pRecordPane->RecordIntoRobot();
}

void CInputRobotDlg::StartQuickRecord()
{
    if (HasRecordPane())
        m_pRecordPane->QuickRecord(0);
}

BOOL CInputRobotDlg::PreTranslateMessage(MSG* msg)
{
    // The user points with the mouse and presses any key to take the point.
    if (msg->message == WM_KEYDOWN && m_pMousePage)
        m_pMousePage->SetPointFromCursor();
    return CDialog::PreTranslateMessage(msg);
}

void CInputRobotDlg::OnDeleteActions()
{
    m_ActionList.DeleteSelected();
}

void CInputRobotDlg::OnMoveUp()
{
    m_ActionList.MoveSelectedUp();
}

void CInputRobotDlg::OnMoveDown()
{
    m_ActionList.MoveSelectedDown();
}

void CInputRobotDlg::OnRepeatOptions()
{
    CRobotRepeatOption options;
    if (options.DoModal() != IDOK)
        return;
    m_nRepeatOption = options.m_nOption;
    m_nRepeatTimes = options.m_nCount;
    ShowRepeatOption();
}

void CInputRobotDlg::OnTimer(UINT_PTR id)
{
    CDialog::OnTimer(id);
    if (id != TIMER_START_RECORDING)
        return;
    KillTimer(TIMER_START_RECORDING);
    StartRecordIntoList();
}

void CInputRobotDlg::OnDestroy()
{
    // A pane's animation lays out the others, so none may run while they go.
    if (m_pPaneContainer)
        m_pPaneContainer->StopAnimations();
    // The pages are dialogs of ours: their windows go before their objects.
    if (m_pKeyPage && m_pKeyPage->GetSafeHwnd())
        m_pKeyPage->DestroyWindow();
    m_pKeyPage.reset();
    m_pKeyItemPane.reset();
    if (m_pMousePage && m_pMousePage->GetSafeHwnd())
        m_pMousePage->DestroyWindow();
    m_pMousePage.reset();
    m_pMouseItemPane.reset();
    m_pPaneContainer.reset();
    CDialog::OnDestroy();
}

BOOL CInputRobotDlg::CheckHotkey(const CString& hotkeyText)
{
    if (hotkeyText.CompareNoCase(kNoHotkey) == 0) {
        AfxMessageBox(kKeyNotSet);
        return FALSE;
    }
    if (EqualsAnyNoCase(hotkeyText, kRecordingKeys, std::size(kRecordingKeys))) {
        AfxMessageBox(kKeyReserved);
        return FALSE;
    }
    if (IsModifiersOnly(hotkeyText)) {
        AfxMessageBox(BareModifierMessage(hotkeyText));
        return FALSE;
    }
    if (hotkeyText.Find("<F12>") >= 0) {
        AfxMessageBox(kF12Reserved);
        return FALSE;
    }
    return TRUE;
}

int CInputRobotDlg::RefuseName(const char* message)
{
    AfxMessageBox(message);
    m_NameEdit.SetFocus();
    return 0;
}

bool CInputRobotDlg::SavesNewFile() const
{
    // Names that differ only in case name the same file.
    return !m_bEditMode || m_Robot.m_strName.CompareNoCase(m_strName) != 0;
}

int CInputRobotDlg::CheckInput()
{
    if (m_ActionList.GetItemCount() == 0) {
        AfxMessageBox(kNoActions);
        return 0;
    }
    m_strName = m_NameEdit.GetWindowText();
    if (m_strName.IsEmpty())
        return RefuseName(kEmptyName);
    if (m_strName.FindOneOf(kForbiddenNameCharacters) >= 0)
        return RefuseName(kForbiddenCharacter);
    const CString folder = GetScriptFolder();
    if (!RobotFilePathFits(folder, m_strName))
        return RefuseName(kNameTooLong);
    for (int i = 0; i < m_arrExistingNames.GetSize(); ++i) {
        if (m_strName.CompareNoCase(m_arrExistingNames[i]) == 0)
            return RefuseName(kNameExists);
    }
    // The list does not show every file: one copied in meanwhile, or another
    // robot's file reached through its short name.
    if (SavesNewFile() && RobotFileExists(folder, m_strName))
        return RefuseName(kNameExists);
    m_strStartKey = m_StartKeyEdit.GetWindowText();
    if (!CheckHotkey(m_strStartKey)) {
        m_StartKeyEdit.SetFocus();
        return 0;
    }
    m_strEndKey = m_EndKeyEdit.GetWindowText();
    if (!CheckHotkey(m_strEndKey)) {
        m_EndKeyEdit.SetFocus();
        return 0;
    }
    if (m_pHotkeys && !m_pHotkeys->IsStartHotKeyFree(m_strStartKey)) {
        m_StartKeyEdit.SetFocus();
        return 0;
    }
    if (m_pHotkeys && !m_pHotkeys->IsEndHotKeyFree(m_strEndKey)) {
        m_EndKeyEdit.SetFocus();
        return 0;
    }
    if (m_strStartKey.CompareNoCase(m_strEndKey) == 0) {
        AfxMessageBox(kKeysEqual);
        m_StartKeyEdit.SetFocus();
        return 0;
    }
    return 1;
}

CRobot CInputRobotDlg::FilledRobot() const
{
    CRobot robot = m_Robot;
    robot.m_strName = m_strName;
    robot.m_strStartKey = m_strStartKey;
    robot.m_strEndKey = m_strEndKey;
    robot.m_nRepeatOption = m_nRepeatOption;
    robot.m_bEnable = 1;
    robot.m_nRepeatTimes = m_nRepeatTimes;
    robot.m_bUseSimilarWin = m_bUseSimilarWin;
    robot.m_bUseRecWin = m_bUseRecWin;
    robot.m_bRunAtBackground = IsDlgButtonChecked(IDC_EDITOR_RUN_AT_BACKGROUND) ? 1 : 0;
    robot.m_arrScriptLines.RemoveAll();
    for (int row = 0; row < m_ActionList.GetItemCount(); ++row) {
        const CString scriptLine = DescriptionToScriptLine(m_ActionList.GetItemText(row, kDescriptionColumn));
        if (!scriptLine.IsEmpty())
            robot.m_arrScriptLines.Add(scriptLine);
    }
    return robot;
}

void CInputRobotDlg::OnOK()
{
    if (!CheckInput())
        return;
    const CString folder = GetScriptFolder();
    const CString oldName = m_Robot.m_strName;
    CRobot robot = FilledRobot();
    const bool newFile = SavesNewFile();
    CreateDirectoryPath(folder);
    // The old file goes only once the new one is written, so a failed write
    // loses nothing. A new robot's file never replaces one that appeared
    // after the checks.
    if (!(newFile ? robot.SaveToNewFile(folder) : robot.SaveToFile(folder))) {
        if (newFile && RobotFileExists(folder, robot.m_strName))
            RefuseName(kNameExists);
        else
            AfxMessageBox(kSaveFailed);
        return;
    }
    if (m_bEditMode && oldName != robot.m_strName) {
        // Names that differ only in case name the file just written, which
        // kept the old name's case: the file takes the new one, since the
        // robot's name is read from it. Where it cannot, the robot keeps the
        // old name, as it will when read back.
        if (oldName.CompareNoCase(robot.m_strName) != 0)
            ::DeleteFileA(RobotFilePath(folder, oldName));
        else if (!RenameRobotFileChangingCase(folder, oldName, robot.m_strName))
            robot.m_strName = m_strName = oldName;
    }
    m_Robot = robot;
    m_bRunAtBackground = robot.m_bRunAtBackground;
    CDialog::OnOK();
}
