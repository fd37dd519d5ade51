#pragma once

#include "framework/CDialog.h"
#include "framework/CString.h"

#include <functional>

// The options dialog: exports every robot file to a chosen folder as a ".robo" file,
// imports ".robo" files from a chosen folder back into the script folder, and opens the
// robot editor through the main dialog's Add Robot.
class COptionsDlg : public CDialog
{
public:
    enum
    {
        IDD = 197
    };

    // The two commands of the main dialog that the options dialog runs.
    struct CMainCommands
    {
        // Reloads the robot list, after an import.
        std::function<void()> m_fnLoadRobots;
        // Add Robot, after Start has closed this dialog.
        std::function<void()> m_fnAddRobot;
    };

    COptionsDlg(CWnd* parent, CMainCommands commands);

    // Runs Add Robot when the dialog was closed by Start.
    INT_PTR DoModal() override;

protected:
    void OnExport();
    void OnImport();
    void OnStart();
    // The folder the user picks in the shell's folder browser; empty when none was
    // chosen. Tests answer in its place.
    virtual CString ChooseFolder();

    DECLARE_MESSAGE_MAP()

private:
    CMainCommands m_mainCommands;
    int m_bStarted = 0;
};
