#pragma once

#include "framework/CDialog.h"
#include "framework/CString.h"

#include <functional>
#include <vector>

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
    // Copies one robot file to its target through a new file beside it, which
    // takes the target's name only when whole: a failed copy leaves an existing
    // target as it was. With failIfExists an existing target makes it fail.
    // Tests put a file in the target's way before the copy.
    virtual BOOL CopyRobotFile(const CString& source, const CString& target, BOOL failIfExists);

    DECLARE_MESSAGE_MAP()

private:
    // What an export or an import did: the names of the robots whose copy
    // failed, whether any copy was made, and whether the user stopped it.
    struct CTransferResult
    {
        std::vector<CString> m_arrFailed;
        bool m_bCopied = false;
        bool m_bStopped = false;
    };

    // Copies every source file to the target that targetOf gives for its base
    // name, asking before a target is replaced; question composes that
    // question from the robot's name. An empty target, and one that is only
    // the short name of another file, count as a failed copy.
    CTransferResult TransferRobots(const std::vector<CString>& sources,
                                   const std::function<CString(const CString&)>& targetOf,
                                   CString (*question)(const CString& name));

    CMainCommands m_mainCommands;
    int m_bStarted = 0;
};
