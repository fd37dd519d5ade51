#pragma once

#include <memory>
#include <vector>

#include "framework/CDialog.h"
#include "framework/CString.h"
#include "schedule/CChildDialog.h"
#include "schedule/ScheduleAnswers.h"

// The "Schedule Macro" wizard that makes the scheduled job of one robot: the
// kind of schedule, its time and date, and the account, one page at a time.
// "Finish" saves the job "OrvantisTapwright_<robot>.job", which starts the
// program with "-a <robot>"; DoModal then returns IDOK, and IDCANCEL when the
// user cancelled.
class CScheduleRobotDlg : public CDialog
{
public:
    enum
    {
        IDD = 188
    };
    enum
    {
        TIMER_ENABLE_CONTROLS = 1
    };

    explicit CScheduleRobotDlg(CWnd* parent = nullptr);
    ~CScheduleRobotDlg() override;

    // Both are set before DoModal: the robot, and the full path of the program
    // that the job starts.
    void SetRobotName(const char* robotName) { m_strRobotName = robotName; }
    void SetProgramPath(const char* programPath) { m_strProgramPath = programPath; }

    // Builds the job from the pages and saves it, replacing a job of the same
    // name; TRUE when the save succeeded. The save's result goes to
    // *saveResult when given.
    BOOL CreateTask(HRESULT* saveResult = nullptr);

    // Enter and Escape typed inside a page go nowhere, as in a page of its own,
    // instead of pressing "Next >" or cancelling the wizard.
    BOOL PreTranslateMessage(MSG* msg) override;

protected:
    BOOL OnInitDialog() override;
    // Enter does not end the wizard: only a saved job or Cancel do.
    void OnOK() override {}
    void OnNext();
    void OnBack();
    void OnTimer(UINT_PTR timerId);
    void OnDestroy();

    DECLARE_MESSAGE_MAP()

private:
    BOOL CreatePages();
    void InitPages();
    void ShowPage();
    void EnableControls();
    CScheduleAnswers ReadAnswers() const;
    CChildDialog& Page(int page) const { return *m_arrPages[static_cast<size_t>(page)]; }
    bool IsInsidePage(HWND window) const;

    CString m_strRobotName;
    CString m_strProgramPath;
    std::vector<std::unique_ptr<CChildDialog>> m_arrPages;
    int m_nPage = 0;
};
