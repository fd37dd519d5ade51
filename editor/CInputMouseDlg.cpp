#include "editor/CInputMouseDlg.h"

#include "editor/CountSpin.h"
#include "editor/IRobotEditor.h"
#include "framework/CDataExchange.h"
#include "res/ActionPagesResource.h"
#include "robot/NumberText.h"

#include <iterator>

namespace {

// The cursor timer's id and period.
const UINT_PTR kCursorTimer = 1;
const UINT kCursorTimerPeriod = 100;

struct ClickType
{
    const char* shown;
    const char* line;
};

const ClickType kClickTypes[] = {
    {"Click", "Mouse Left Click"},     {"Right Click", "Mouse Right Click"}, {"Double Click", "Mouse Double Click"},
    {"Click-Hold", "Mouse Left Down"}, {"Release", "Mouse Left Up"},
};

const char* const kIntervalUnits[] = {"milliseconds", "seconds", "minutes"};
const int kDefaultIntervalUnit = 1;

// The text of a click-point box; a box the user emptied counts as 0, and shows
// it, so that no move line lacks a number.
CString PointCoordinate(CEdit& box)
{
    CString text = box.GetWindowText();
    if (text.IsEmpty()) {
        text = "0";
        box.SetWindowText(text);
    }
    return text;
}

}  // namespace

BEGIN_MESSAGE_MAP(CInputMouseDlg, CDialog)
    ON_WM_TIMER()
    ON_WM_DESTROY()
    ON_BN_CLICKED(IDC_MOUSE_PAGE_ADD_CLICK, OnAddClick)
    ON_BN_CLICKED(IDC_MOUSE_PAGE_WHEREVER, OnClickWherever)
END_MESSAGE_MAP()

CInputMouseDlg::CInputMouseDlg(CWnd* parent) : CDialog(IDD, parent) {}

void CInputMouseDlg::DoDataExchange(CDataExchange* exchange)
{
    CDialog::DoDataExchange(exchange);
    DDX_Control(exchange, IDC_MOUSE_PAGE_Y, m_YEdit);
    DDX_Control(exchange, IDC_MOUSE_PAGE_X, m_XEdit);
    DDX_Control(exchange, IDC_MOUSE_PAGE_CLICK_TYPE, m_ClickType);
    DDX_Control(exchange, IDC_MOUSE_PAGE_CLICK_COUNT_SPIN, m_ClickCountSpin);
    DDX_Control(exchange, IDC_MOUSE_PAGE_CLICK_COUNT, m_ClickCountEdit);
    DDX_Control(exchange, IDC_MOUSE_PAGE_INTERVAL_UNIT, m_IntervalUnit);
    DDX_Control(exchange, IDC_MOUSE_PAGE_INTERVAL_SPIN, m_IntervalSpin);
    DDX_Control(exchange, IDC_MOUSE_PAGE_INTERVAL, m_IntervalEdit);
    // The live position is only shown; nothing reads it back from the statics.
    if (!exchange->m_bSaveAndValidate) {
        DDX_Text(exchange, IDC_MOUSE_PAGE_LIVE_X, m_strLiveX);
        DDX_Text(exchange, IDC_MOUSE_PAGE_LIVE_Y, m_strLiveY);
    }
}

BOOL CInputMouseDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    SetUpCountSpin(m_ClickCountSpin, m_ClickCountEdit, 999999, 1);
    for (const ClickType& type : kClickTypes)
        m_ClickType.AddString(type.shown);
    m_ClickType.SetCurSel(0);
    m_XEdit.SetWindowText("0");
    m_YEdit.SetWindowText("0");
    SetUpCountSpin(m_IntervalSpin, m_IntervalEdit, 9999, 2);
    for (const char* unit : kIntervalUnits)
        m_IntervalUnit.AddString(unit);
    m_IntervalUnit.SetCurSel(kDefaultIntervalUnit);
    if (m_nTimerId == 0)
        m_nTimerId = SetTimer(kCursorTimer, kCursorTimerPeriod);
    return TRUE;
}

BOOL CInputMouseDlg::PreTranslateMessage(MSG* msg)
{
    if (msg->message == WM_KEYDOWN)
        SetPointFromCursor();
    return CDialog::PreTranslateMessage(msg);
}

void CInputMouseDlg::SetPointFromCursor()
{
    // Before the first tick there is no position yet; the boxes keep theirs.
    if (!IsWindow() || m_strLiveX.IsEmpty())
        return;
    m_XEdit.SetWindowText(m_strLiveX);
    m_YEdit.SetWindowText(m_strLiveY);
}

void CInputMouseDlg::OnTimer(UINT_PTR id)
{
    if (id == kCursorTimer) {
        POINT cursor;
        if (GetCursorPos(&cursor)) {
            m_strLiveX = IntToString(cursor.x);
            m_strLiveY = IntToString(cursor.y);
            UpdateData(FALSE);
        }
    }
    CDialog::OnTimer(id);
}

void CInputMouseDlg::OnDestroy()
{
    if (m_nTimerId != 0) {
        KillTimer(m_nTimerId);
        m_nTimerId = 0;
    }
    CDialog::OnDestroy();
}

void CInputMouseDlg::OnClickWherever()
{
    const int show = IsDlgButtonChecked(IDC_MOUSE_PAGE_WHEREVER) ? SW_HIDE : SW_SHOW;
    m_XEdit.ShowWindow(show);
    m_YEdit.ShowWindow(show);
    GetDlgItem(IDC_MOUSE_PAGE_HINT)->ShowWindow(show);
}

void CInputMouseDlg::OnAddClick()
{
    if (!m_pOwner)
        return;
    if (!IsDlgButtonChecked(IDC_MOUSE_PAGE_WHEREVER))
        m_pOwner->AddActionLine("Mouse move to " + PointCoordinate(m_XEdit) + ", " + PointCoordinate(m_YEdit));
    const int type = m_ClickType.GetCurSel();
    if (type >= 0 && type < static_cast<int>(std::size(kClickTypes)))
        m_pOwner->AddActionLine(kClickTypes[type].line);
    CString unit;
    m_IntervalUnit.GetLBText(m_IntervalUnit.GetCurSel(), unit);
    m_pOwner->AddActionLine("Wait " + IntToString(static_cast<int>(m_IntervalSpin.GetValue())) + " " + unit);
    m_pOwner->FocusActionList();
}
