#include "schedule/CScheduleListDlg.h"

#include <commctrl.h>

#include "framework/CDataExchange.h"
#include "res/ScheduleResource.h"
#include "schedule/CTaskScheduler.h"
#include "schedule/DeleteScheduledTask.h"

BEGIN_MESSAGE_MAP(CScheduleListDlg, CDialog)
    ON_BN_CLICKED(IDC_MODIFY_JOB, OnModify)
    ON_BN_CLICKED(IDC_DELETE_JOB, OnDelete)
END_MESSAGE_MAP()

CScheduleListDlg::CScheduleListDlg(CWnd* parent) : CDialog(IDD, parent) {}

void CScheduleListDlg::DoDataExchange(CDataExchange* exchange)
{
    CDialog::DoDataExchange(exchange);
    DDX_Control(exchange, IDC_JOB_LIST, m_List);
}

BOOL CScheduleListDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    InitTaskList();
    m_List.AddItem(m_strDescription, m_strNextRun, m_strLastRun);
    return TRUE;
}

void CScheduleListDlg::InitTaskList()
{
    m_List.SetExtendedStyle(m_List.GetExtendedStyle() | LVS_EX_GRIDLINES | LVS_EX_FULLROWSELECT);
    m_List.SetHeadings("Task Description,230;Next Run Time,150;Last Run Time,150");
    m_List.LoadColumnInfo();
}

void CScheduleListDlg::OnModify()
{
    // The property sheet reports nothing the row could show.
    CTaskScheduler::EditTask(m_strJobName, m_hWnd);
}

void CScheduleListDlg::OnDelete()
{
    if (DeleteScheduledTask(m_strJobName))
        m_List.DeleteItem(0);
}
