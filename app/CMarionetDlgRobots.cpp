#include "app/CMarionetDlg.h"

#include "app/HotkeyConflicts.h"
#include "app/ListCheckState.h"
#include "app/RobotFolder.h"
#include "editor/CInputRobotDlg.h"
#include "framework/AfxMessageBox.h"
#include "robot/AppFolders.h"

namespace {

const int kNameColumn = 1;
const int kStartKeyColumn = 2;
const int kEndKeyColumn = 3;

}  // namespace

void CMarionetDlg::LoadRobots()
{
    m_strScriptFolder = GetScriptFolder();
    m_arrRobots.RemoveAll();
    m_RobotList.SetRedraw(FALSE);
    m_RobotList.DeleteAllItems();
    for (const CString& path : ListRobotFiles(m_strScriptFolder)) {
        CRobot robot;
        const int readWhole = robot.LoadFromFile(path, m_strJustReadBytes);
        // A file that cannot be opened still gets its row, under its file name.
        if (robot.m_strName.IsEmpty())
            robot.m_strName = RobotFileBaseName(path);
        const int index = m_arrRobots.Add(robot);
        m_nJustReadRobot = readWhole ? index : -1;
        AddRobotRow(index);
        m_nJustReadRobot = -1;
        m_strJustReadBytes.clear();
    }
    m_RobotList.SetRedraw(TRUE);
    m_RobotList.Invalidate();
}

void CMarionetDlg::AddRobotRow(int index)
{
    const CRobot& robot = m_arrRobots[index];
    const int row = m_RobotList.AddItem("", robot.m_strName, robot.m_strStartKey, robot.m_strEndKey);
    if (row < 0)
        return;
    m_RobotList.SetRowValue(row, static_cast<DWORD>(index) + 1);
    // Checking the row saves the robot and registers its hotkeys.
    if (robot.m_bEnable)
        m_RobotList.SetCheck(row, TRUE);
}

CString CMarionetDlg::ScriptFolder() const
{
    return m_strScriptFolder.IsEmpty() ? GetScriptFolder() : m_strScriptFolder;
}

int CMarionetDlg::GetSelectedRow() const
{
    return m_RobotList.GetNextItem(-1, LVNI_SELECTED);
}

bool CMarionetDlg::GetSelectedRobot(const char* noSelectionMessage, int& row, CString& name)
{
    row = GetSelectedRow();
    if (row < 0) {
        AfxMessageBox(noSelectionMessage);
        return false;
    }
    name = m_RobotList.GetItemText(row, kNameColumn);
    return true;
}

CString CMarionetDlg::SelectedRobotName(const char* noSelectionMessage)
{
    int row = -1;
    CString name;
    GetSelectedRobot(noSelectionMessage, row, name);
    return name;
}

int CMarionetDlg::RobotIndexOfRow(int row) const
{
    if (row < 0)
        return -1;
    const int index = static_cast<int>(m_RobotList.GetRowValue(row)) - 1;
    return index < m_arrRobots.GetSize() ? index : -1;
}

void CMarionetDlg::DeleteRobotRow(int row, int index)
{
    m_RobotList.DeleteItem(row);
    if (index < 0)
        return;
    m_arrRobots.RemoveAt(index);
    // The robots after it move up one place in the array.
    for (int other = 0; other < m_RobotList.GetItemCount(); ++other) {
        const DWORD value = m_RobotList.GetRowValue(other);
        if (value > static_cast<DWORD>(index) + 1)
            m_RobotList.SetRowValue(other, value - 1);
    }
}

void CMarionetDlg::OnRobotListItemChanged(NMHDR* header, LRESULT* result)
{
    *result = 0;
    const auto* change = reinterpret_cast<const NMLISTVIEW*>(header);
    int oldCheck = 0;
    int newCheck = 0;
    if (!DecodeCheckStateChange(change->uOldState, change->uNewState, oldCheck, newCheck))
        return;
    const int index = RobotIndexOfRow(change->iItem);
    if (index < 0)
        return;
    const CString folder = ScriptFolder();
    CRobot robot;
    // The row of a file just read whole is checked while the list is filled:
    // the record in memory is what the file holds.
    if (index == m_nJustReadRobot)
        robot = m_arrRobots[index];
    if (index == m_nJustReadRobot || robot.LoadFromFile(RobotFilePath(folder, m_arrRobots[index].m_strName))) {
        robot.m_bEnable = newCheck;
        CreateDirectoryPath(folder);
        if (index == m_nJustReadRobot)
            robot.SaveToFile(folder, m_strJustReadBytes);
        else
            robot.SaveToFile(folder);
        m_arrRobots[index] = robot;
    } else {
        // Only a file read whole is written back: a vanished or damaged file
        // keeps what it holds, and the flag changes in memory alone.
        m_arrRobots[index].m_bEnable = newCheck;
        robot = m_arrRobots[index];
    }
    if (newCheck) {
        RegisterRobotHotKey(robot.m_strStartKey);
        RegisterRobotHotKey(robot.m_strEndKey);
    } else {
        UnregisterRobotHotKey(robot.m_strStartKey);
    }
}

CStringArray CMarionetDlg::RobotNamesExcept(int skipIndex) const
{
    CStringArray names;
    for (int i = 0; i < m_arrRobots.GetSize(); ++i) {
        if (i != skipIndex)
            names.Add(m_arrRobots[i].m_strName);
    }
    return names;
}

void CMarionetDlg::AddSavedRobot(const CInputRobotDlg& editor)
{
    CRobot robot = editor.GetRobot();
    // The editor saves robots enabled, so the new row is checked.
    AddRobotRow(m_arrRobots.Add(robot));
}

void CMarionetDlg::RunEditorForNewRobot(int recordOnOpen)
{
    UnregisterAllHotKeys(0);
    CInputRobotDlg editor(this, this);
    editor.SetExistingRobotNames(RobotNamesExcept(-1));
    editor.m_bRecordOnOpen = recordOnOpen;
    ShowWindow(SW_SHOWMINIMIZED);
    if (editor.DoModal() == IDOK)
        AddSavedRobot(editor);
    RegisterAllHotKeys(0);
    ShowWindow(SW_RESTORE);
}

void CMarionetDlg::OnAddRobot()
{
    RunEditorForNewRobot(0);
}

void CMarionetDlg::OnRecordRobot()
{
    RunEditorForNewRobot(1);
}

void CMarionetDlg::OnEditRobot()
{
    int row = -1;
    CString name;
    if (!GetSelectedRobot("No robot selected! Please select a robot from list above to edit.", row, name))
        return;
    ShowWindow(SW_SHOWMINIMIZED);
    UnregisterAllHotKeys(0);
    m_nEditedRow = row;
    if (!name.IsEmpty()) {
        const int index = RobotIndexOfRow(row);
        CRobot robot;
        robot.LoadFromFile(RobotFilePath(ScriptFolder(), name));
        // A file that cannot be opened is edited under its row's name.
        if (robot.m_strName.IsEmpty())
            robot.m_strName = name;
        CInputRobotDlg editor(this, this);
        editor.SetExistingRobotNames(RobotNamesExcept(index));
        editor.m_bEditMode = 1;
        editor.m_Robot = robot;
        if (editor.DoModal() == IDOK) {
            m_RobotList.SetItemText(row, kNameColumn, editor.GetRobotName());
            m_RobotList.SetItemText(row, kStartKeyColumn, editor.GetStartKey());
            m_RobotList.SetItemText(row, kEndKeyColumn, editor.GetEndKey());
            if (index >= 0)
                m_arrRobots[index] = editor.GetRobot();
            m_RobotList.SetCheck(row, TRUE);
        }
    }
    RegisterAllHotKeys(0);
    m_nEditedRow = -1;
    ShowWindow(SW_RESTORE);
}

void CMarionetDlg::OnRobotInputDone(const CInputRobotDlg& editor)
{
    AddSavedRobot(editor);
    OnRobotInputCancelled();
}

void CMarionetDlg::OnRobotInputCancelled()
{
    RegisterAllHotKeys(0);
    ShowWindow(SW_RESTORE);
}

void CMarionetDlg::OnRemoveRobot()
{
    int row = -1;
    CString name;
    if (!GetSelectedRobot("No robot selected! Please select a robot from list above to delete.", row, name))
        return;
    if (AfxMessageBox("Are you sure you want to delete the selected robot?", MB_YESNO) != IDYES || name.IsEmpty())
        return;
    const int index = RobotIndexOfRow(row);
    if (index >= 0) {
        const CRobot& robot = m_arrRobots[index];
        if (robot.m_bEnable) {
            UnregisterRobotHotKey(robot.m_strStartKey);
            UnregisterRobotHotKey(robot.m_strEndKey);
        }
    }
    ::DeleteFileA(RobotFilePath(name));
    DeleteRobotRow(row, index);
    // Another robot may share the removed robot's end key.
    RegisterAllHotKeys(0);
}

int CMarionetDlg::ReportKeyTaken(const char* whichKey)
{
    AfxMessageBox(CString(whichKey) +
                  " hotkey you specified for this robot has been taken by another robot.\n\n"
                  "You may try to use different hotkeys like:\n'Ctrl + Shift + Alt + M', 'Ctrl + K', "
                  "'Ctrl + Shift + 9'");
    return 0;
}

int CMarionetDlg::IsStartHotKeyFree(const CString& key)
{
    return IsStartKeyTakenByOther(m_arrRobots, RobotIndexOfRow(m_nEditedRow), key) ? ReportKeyTaken("Start") : 1;
}

int CMarionetDlg::IsEndHotKeyFree(const CString& key)
{
    return IsEndKeyTakenByOther(m_arrRobots, RobotIndexOfRow(m_nEditedRow), key) ? ReportKeyTaken("End") : 1;
}
