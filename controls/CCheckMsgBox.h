#pragma once

#include "framework/CDialog.h"
#include "framework/CString.h"

// A Yes/No question with a "Do not show this again" check box. The caller
// sets m_strMessage, runs DoModal and reads m_bAnswer and m_bDoNotShow; Escape
// or the close box leave both FALSE, which the caller takes as No.
class CCheckMsgBox : public CDialog
{
public:
    explicit CCheckMsgBox(CWnd* parent = nullptr);

    CString m_strMessage;
    BOOL m_bDoNotShow = FALSE;
    BOOL m_bAnswer = FALSE;

protected:
    BOOL OnInitDialog() override;
    void OnYes();
    void OnNo();

    DECLARE_MESSAGE_MAP()

private:
    void Answer(BOOL yes);
};
