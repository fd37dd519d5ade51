// Data exchange between a dialog's controls and its members, run by UpdateData through
// the dialog's DoDataExchange. After a refused value the remaining exchanges are skipped.
#pragma once

#include <windows.h>

#include "framework/CString.h"

class CWnd;

class CDataExchange
{
public:
    CDataExchange(CWnd* dialog, BOOL saveAndValidate) : m_bSaveAndValidate(saveAndValidate), m_pDlgWnd(dialog) {}

    // The control with the id; null (and the exchange failed) when the dialog has none.
    HWND PrepareCtrl(int id);
    // Marks the exchange failed and puts the focus on the last control prepared.
    void Fail();
    bool Failed() const { return m_bFailed; }

    // TRUE: from the controls to the members; FALSE: from the members to the controls.
    BOOL m_bSaveAndValidate;
    CWnd* m_pDlgWnd;

private:
    HWND m_hLastControl = nullptr;
    bool m_bFailed = false;
};

// Binds the control object to the dialog item (subclassing it) the first time.
void DDX_Control(CDataExchange* exchange, int id, CWnd& control);
// A check box's state: 0 unchecked, 1 checked, 2 indeterminate.
void DDX_Check(CDataExchange* exchange, int id, int& value);
// A radio group that starts at the item with the id and runs to the next WS_GROUP item:
// the position of the checked button in the group, -1 when none is checked.
void DDX_Radio(CDataExchange* exchange, int id, int& value);
void DDX_Text(CDataExchange* exchange, int id, CString& value);
// A whole decimal number; other text is refused with "Please enter an integer.".
void DDX_Text(CDataExchange* exchange, int id, int& value);
