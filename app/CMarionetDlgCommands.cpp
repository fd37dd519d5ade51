#include "app/CMarionetDlg.h"

#include "app/HelpFile.h"
#include "framework/AfxMessageBox.h"

#include <shellapi.h>

namespace {

const int kNameColumn = 1;
const char kFeedbackAddress[] = "https://www.orvantis.example/tapforge/feedback";

}  // namespace

void CMarionetDlg::OnScheduleRobot()
{
    const int row = GetSelectedRow();
    if (row < 0) {
        AfxMessageBox("No robot selected! Please select a robot from list above to run.");
        return;
    }
    if (m_robotList.GetItemText(row, kNameColumn).IsEmpty())
        return;
    // The robot's scheduled job and the scheduling wizard open here.
}

void CMarionetDlg::OnHelp()
{
    ShowHelpFile();
}

void CMarionetDlg::OnOptions()
{
    // The export and import dialog opens here.
}

void CMarionetDlg::OnFeedback()
{
    const HINSTANCE result =
        ::ShellExecuteA(::GetDesktopWindow(), "open", kFeedbackAddress, nullptr, nullptr, SW_SHOW);
    if (reinterpret_cast<INT_PTR>(result) <= 32)
        AfxMessageBox("We are unable to locate your default browser.");
}

void CMarionetDlg::OnShareRobot()
{
    const int row = GetSelectedRow();
    if (row < 0) {
        AfxMessageBox("Please select a robot from list above to share!");
        return;
    }
    if (m_robotList.GetItemText(row, kNameColumn).IsEmpty())
        return;
    // The share page for the robot's file opens here.
}
