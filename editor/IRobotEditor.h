#pragma once

#include "framework/CString.h"
#include "robot/RecordedWindowInfo.h"

// What the robot editor offers the windows it hosts: the key and mouse action
// pages and the record pane. They reach the editor only through this, so each
// can be driven on its own with a stand-in editor.
class IRobotEditor
{
public:
    // Puts one action description line into the action list: before the
    // selected row when there is one, else at the end.
    virtual void AddActionLine(const CString& line) = 0;
    // Gives the keyboard focus to the action list.
    virtual void FocusActionList() = 0;
    // Appends a window record to the edited robot's recorded windows.
    virtual void AddRecordedWindow(const RecordedWindowInfo& record) = 0;
    // Empties the edited robot's recorded windows.
    virtual void ClearRecordedWindows() = 0;
    // Hides (SW_HIDE) or shows (SW_SHOWNORMAL) the editor's window while a
    // recording runs.
    virtual void ShowEditor(int nCmdShow) = 0;

protected:
    ~IRobotEditor() = default;
};
