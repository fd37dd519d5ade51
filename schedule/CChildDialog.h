#pragma once

#include "framework/CDialog.h"

// A page of a dialog: a borderless modeless child made from its own template.
// Being modeless, Enter and Escape do not close it; the dialog around it must
// keep them from its own buttons (the wizard does so in PreTranslateMessage).
class CChildDialog : public CDialog
{
public:
    CChildDialog(UINT templateId, CWnd* parent) : CDialog(templateId, parent) {}

    BOOL Create() { return CDialog::Create(m_nIDTemplate, m_pParentWnd); }
};
