#pragma once

#include "editor/CRecordRobotDlg.h"
#include "editor/IRobotEditor.h"
#include "framework/CDialog.h"
#include "res/RecorderResource.h"

#include <memory>

// The record pane a robot editor can host: it runs the recorder and hands the
// recorded lines and windows to the editor.
class CRecordPane : public CDialog
{
public:
    enum
    {
        IDD = IDD_RECORD_PANE
    };

    explicit CRecordPane(IRobotEditor* editor);

    // Hides the editor, records, and on "stop" adds the recorded lines between
    // two comment lines and replaces the robot's recorded windows.
    void RecordIntoRobot();
    // Runs a new recorder in the mode (0: hidden) and keeps its result.
    void QuickRecord(int mode);

private:
    IRobotEditor* m_pEditor;
    std::unique_ptr<CRecordRobotDlg> m_pQuickRecorder;
    INT_PTR m_nQuickRecordResult = 0;
};
