#include "app/CMarionetDlg.h"

#include "app/COptionsDlg.h"
#include "app/CRobotUploadDlg.h"
#include "app/HelpFile.h"
#include "app/RobotFolder.h"
#include "controls/ShellOpen.h"
#include "framework/AfxMessageBox.h"
#include "robot/AppFolders.h"
#include "schedule/CScheduleListDlg.h"
#include "schedule/CScheduleRobotDlg.h"

namespace {

const char kFeedbackAddress[] = "https://www.orvantis.example/tapforge/feedback";

}  // namespace

void CMarionetDlg::OnScheduleRobot()
{
    const CString name = SelectedRobotName("No robot selected! Please select a robot from list above to run.");
    if (name.IsEmpty())
        return;
    CRobotJobTexts job;
    if (FindScheduledJob(name, job)) {
        CScheduleListDlg list(nullptr);
        list.SetDescription(job.description);
        list.SetLastRunText(job.lastRun);
        list.SetNextRunText(job.nextRun);
        list.SetJobName(job.jobName);
        list.DoModal();
        return;
    }
    CScheduleRobotDlg wizard(nullptr);
    wizard.SetRobotName(name);
    wizard.SetProgramPath(GetModuleFilePath());
    wizard.DoModal();
}

bool CMarionetDlg::FindScheduledJob(const CString& robotName, CRobotJobTexts& texts)
{
    m_TaskScheduler.Enumerate(GetModuleFilePath());
    return FindRobotJob(m_TaskScheduler, robotName, texts);
}

void CMarionetDlg::OnHelp()
{
    ShowHelpFile();
}

void CMarionetDlg::OnOptions()
{
    COptionsDlg dialog(this, {[this] { LoadRobots(); }, [this] { OnAddRobot(); }});
    dialog.DoModal();
}

void CMarionetDlg::OnFeedback()
{
    if (!ShellOpen(::GetDesktopWindow(), kFeedbackAddress, SW_SHOW))
        AfxMessageBox("We are unable to locate your default browser.");
}

void CMarionetDlg::OnShareRobot()
{
    const CString name = SelectedRobotName("Please select a robot from list above to share!");
    if (name.IsEmpty())
        return;
    CRobotUploadDlg dialog;
    dialog.m_strRobotFilePath = RobotFilePath(name);
    dialog.DoModal();
}
