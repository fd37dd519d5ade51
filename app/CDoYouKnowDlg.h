#pragma once

#include "controls/CTextDispCtrl.h"
#include "framework/CDialog.h"
#include "framework/CString.h"

#include <vector>

// "Tips of the day": one tip of "tips.txt" beside the program, the next one
// on request, and whether the user still wants them at start. The caller
// runs DoModal only after LoadTips succeeded, then reads GetShowAtStart.
class CDoYouKnowDlg : public CDialog
{
public:
    enum
    {
        IDD = 208
    };

    explicit CDoYouKnowDlg(CWnd* parent = nullptr);

    // Reads "tips.txt" from the program's folder; 1 when it gave a tip.
    int LoadTips();
    // Appends every line of the file, empty ones included, to the tips; 1
    // when the tips then hold at least one.
    int LoadTipsFrom(const CString& path);
    int GetTipCount() const { return static_cast<int>(m_arrTips.size()); }

    // 1 to show tips at the next start, 0 when the user ticked the box.
    int GetShowAtStart() const { return m_bShowAtStart; }

    // The tip after the current one, back to the first after the last.
    static int NextTipIndex(int current, int count) { return current + 1 >= count ? 0 : current + 1; }

protected:
    BOOL OnInitDialog() override;
    void OnCancel() override;
    void OnNextTip();

    DECLARE_MESSAGE_MAP()

private:
    bool CreateTextPanel();
    void ShowCurrentTip();

    std::vector<CString> m_arrTips;
    int m_nCurrentTip = 0;
    CTextDispCtrl m_TextPanel;
    int m_bShowAtStart = 1;
};
