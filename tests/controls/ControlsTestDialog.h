#pragma once

#include "controls/CButtonST.h"
#include "controls/CSortListCtrl.h"
#include "framework/CDialog.h"

// A modeless dialog holding one control of each kind, bound by data exchange
// as the program's dialogs bind them.
class CControlsTestDialog : public CDialog
{
public:
    CControlsTestDialog();
    ~CControlsTestDialog() override;

    CSortListCtrl m_list;
    CButtonST m_button;
    CButtonST m_defaultButton;

protected:
    void DoDataExchange(CDataExchange* exchange) override;
};

// Lets the dialog's queued messages (paints, notifications) run.
void PumpPendingMessages();
