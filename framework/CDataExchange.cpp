#include "framework/CDataExchange.h"

#include <cerrno>
#include <climits>
#include <cstdlib>

#include "framework/AfxMessageBox.h"
#include "framework/CWnd.h"

HWND CDataExchange::PrepareCtrl(int id)
{
    if (m_bFailed)
        return nullptr;
    HWND control = ::GetDlgItem(m_pDlgWnd->m_hWnd, id);
    if (!control) {
        m_bFailed = true;
        return nullptr;
    }
    m_hLastControl = control;
    return control;
}

void CDataExchange::Fail()
{
    m_bFailed = true;
    if (!m_hLastControl)
        return;
    ::SetFocus(m_hLastControl);
    if (::SendMessageA(m_hLastControl, WM_GETDLGCODE, 0, 0) & DLGC_HASSETSEL) {
        ::SendMessageA(m_hLastControl, EM_SETSEL, 0, -1);
    }
}

void DDX_Control(CDataExchange* exchange, int id, CWnd& control)
{
    if (control.m_hWnd)
        return;
    HWND item = exchange->PrepareCtrl(id);
    if (item && !control.SubclassWindow(item))
        exchange->Fail();
}

void DDX_Check(CDataExchange* exchange, int id, int& value)
{
    HWND item = exchange->PrepareCtrl(id);
    if (!item)
        return;
    if (exchange->m_bSaveAndValidate) {
        value = static_cast<int>(::SendMessageA(item, BM_GETCHECK, 0, 0));
    } else {
        ::SendMessageA(item, BM_SETCHECK, static_cast<WPARAM>(value), 0);
    }
}

void DDX_Radio(CDataExchange* exchange, int id, int& value)
{
    HWND first = exchange->PrepareCtrl(id);
    if (!first)
        return;
    if (exchange->m_bSaveAndValidate)
        value = -1;
    int index = 0;
    for (HWND item = first; item; item = ::GetWindow(item, GW_HWNDNEXT)) {
        if (item != first && (::GetWindowLongA(item, GWL_STYLE) & WS_GROUP))
            break;
        if (!(::SendMessageA(item, WM_GETDLGCODE, 0, 0) & DLGC_RADIOBUTTON))
            continue;
        if (exchange->m_bSaveAndValidate) {
            if (::SendMessageA(item, BM_GETCHECK, 0, 0) == BST_CHECKED)
                value = index;
        } else {
            ::SendMessageA(item, BM_SETCHECK, index == value ? BST_CHECKED : BST_UNCHECKED, 0);
        }
        ++index;
    }
}

void DDX_Text(CDataExchange* exchange, int id, CString& value)
{
    HWND item = exchange->PrepareCtrl(id);
    if (!item)
        return;
    if (exchange->m_bSaveAndValidate) {
        value = CWnd::FromHandle(item)->GetWindowText();
    } else {
        ::SetWindowTextA(item, value);
    }
}

void DDX_Text(CDataExchange* exchange, int id, int& value)
{
    HWND item = exchange->PrepareCtrl(id);
    if (!item)
        return;
    if (!exchange->m_bSaveAndValidate) {
        ::SetWindowTextA(item, FormatString("%d", value));
        return;
    }
    CString text = CWnd::FromHandle(item)->GetWindowText();
    text.Trim();
    char* end = nullptr;
    errno = 0;
    const long number = std::strtol(text, &end, 10);
    if (text.IsEmpty() || *end != '\0' || errno == ERANGE || number < INT_MIN || number > INT_MAX) {
        AfxMessageBox("Please enter an integer.", MB_ICONEXCLAMATION);
        exchange->Fail();
        return;
    }
    value = static_cast<int>(number);
}
