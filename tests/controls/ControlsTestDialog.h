#pragma once

#include "controls/CButtonST.h"
#include "controls/CExplorerPane.h"
#include "controls/CItemPane.h"
#include "controls/CKeyEditCtrl.h"
#include "controls/CLabel.h"
#include "controls/CListCtrlEx.h"
#include "controls/CNumEdit.h"
#include "controls/CNumSpinCtrl.h"
#include "controls/CSortListCtrl.h"
#include "controls/CTextDispCtrl.h"
#include "framework/CDialog.h"
#include "framework/CStatic.h"

#include <functional>
#include <memory>
#include <string>

// A modeless dialog holding one control of each kind, bound by data exchange
// as the program's dialogs bind them.
class CControlsTestDialog : public CDialog
{
public:
    CControlsTestDialog();
    ~CControlsTestDialog() override;

    // A container with two panes: the first expanded over a body 101 pixels
    // high, the second collapsed over one 60 pixels high.
    void CreatePanes(BOOL scrolling = TRUE);

    CSortListCtrl m_list;
    CButtonST m_button;
    CButtonST m_defaultButton;
    CNumEdit m_NumEdit;
    CNumSpinCtrl m_NumSpin;
    CKeyEditCtrl m_KeyEdit;
    CKeyEditCtrl m_HotkeyEdit;
    CListCtrlEx m_ActionList;
    CLabel m_Label;
    CLabel m_LinkLabel;
    CTextDispCtrl m_TextPanel;
    std::unique_ptr<CExplorerPane> m_pPanes;
    CStatic m_Body[2];
    std::unique_ptr<CItemPane> m_pItemPane[2];

    static constexpr int kBodyHeights[2] = {101, 60};

    // The code of the last WM_NOTIFY from the link label; 0 before any.
    UINT m_uLastLinkCode = 0;

protected:
    BOOL OnInitDialog() override;
    void DoDataExchange(CDataExchange* exchange) override;
    BOOL OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* result) override;
};

// Lets the dialog's queued messages (paints, notifications) run, through the
// PreTranslateMessage chain as the program's loops run them.
void PumpPendingMessages();
// Pumps for the time given.
void PumpFor(DWORD milliseconds);
// Pumps until the condition holds; false when it does not within the time.
bool PumpUntil(const std::function<bool()>& condition, DWORD timeoutMs);
// Presses key chords with presskeys.exe into the foreground window, then lets
// the dialog handle them.
void PressKeys(const std::string& chords);
// A real left click at the centre of the window's client area (the point
// given instead when not null), once the pointer has arrived there.
void ClickOn(HWND window, const POINT* clientPoint = nullptr);
// Brings the dialog to the front with the focus in the control.
void FocusControl(CDialog& dialog, CWnd& control);
