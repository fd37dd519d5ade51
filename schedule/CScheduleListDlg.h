#pragma once

#include "controls/CSortListCtrl.h"
#include "framework/CDialog.h"
#include "framework/CString.h"

// Shows the scheduled job of one robot in one row (what it does, when it runs
// next, when it last ran) and lets the user open the service's own property
// sheet for it or delete it. The caller sets the four texts, then runs
// DoModal; the dialog stays open after either action until OK.
class CScheduleListDlg : public CDialog
{
public:
    enum
    {
        IDD = 196
    };

    explicit CScheduleListDlg(CWnd* parent = nullptr);

    void SetDescription(const char* description) { m_strDescription = description; }
    void SetNextRunText(const char* nextRun) { m_strNextRun = nextRun; }
    void SetLastRunText(const char* lastRun) { m_strLastRun = lastRun; }
    // The job's name as the service lists it, with its extension.
    void SetJobName(const char* jobName) { m_strJobName = jobName; }

protected:
    BOOL OnInitDialog() override;
    void DoDataExchange(CDataExchange* exchange) override;
    void OnModify();
    void OnDelete();

    DECLARE_MESSAGE_MAP()

private:
    void InitTaskList();

    CSortListCtrl m_List;
    CString m_strDescription;
    CString m_strNextRun;
    CString m_strLastRun;
    CString m_strJobName;
};
