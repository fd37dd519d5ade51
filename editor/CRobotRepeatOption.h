#pragma once

#include "controls/CNumEdit.h"
#include "controls/CNumSpinCtrl.h"
#include "framework/CDialog.h"

// "Robot Repeat Options": run a robot a number of times or until its end
// hotkey is pressed. It always opens on the first choice with the count 1;
// after IDOK the caller reads m_nOption and m_nCount.
class CRobotRepeatOption : public CDialog
{
public:
    enum
    {
        IDD = 140
    };
    enum
    {
        MIN_COUNT = 1,
        MAX_COUNT = 999999
    };

    CRobotRepeatOption();

    // The number of runs a count box's text asks for: its leading number,
    // kept to MIN_COUNT..MAX_COUNT, since pasted text never passes the box's
    // own checks.
    static int CountFromText(const CString& text);

    CNumEdit m_CountEdit;
    CNumSpinCtrl m_CountSpin;
    // 0: run m_nCount times; 1: run until the end hotkey is pressed.
    int m_nOption = 0;
    int m_nCount = 1;

protected:
    void DoDataExchange(CDataExchange* exchange) override;
    BOOL OnInitDialog() override;
    void OnOK() override;
};
