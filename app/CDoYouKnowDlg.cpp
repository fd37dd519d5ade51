#include "app/CDoYouKnowDlg.h"

#include "framework/AfxMessageBox.h"
#include "framework/CFile.h"
#include "framework/CStdioFile.h"
#include "res/TapforgeResource.h"
#include "robot/AppFolders.h"
#include "robot/RandomInRange.h"

#include <cstdlib>
#include <ctime>

namespace {

const char kTipsFileName[] = "\\tips.txt";
const char kTipHeading[] = "Did you know...\n\n";
const char kPanelFont[] = "MS Sans Serif";
const int kPanelFontTenths = 100;
const int kPanelSizeValue = 14;

// Nothing else seeds the runtime's generator, and an unseeded one would show
// the same tip at every start.
void SeedTipChoiceOnce()
{
    static bool seeded = false;
    if (seeded)
        return;
    std::srand(static_cast<unsigned>(std::time(nullptr)));
    seeded = true;
}

}  // namespace

BEGIN_MESSAGE_MAP(CDoYouKnowDlg, CDialog)
    ON_BN_CLICKED(IDC_NEXT_TIP, OnNextTip)
END_MESSAGE_MAP()

CDoYouKnowDlg::CDoYouKnowDlg(CWnd* parent) : CDialog(IDD, parent) {}

int CDoYouKnowDlg::LoadTips()
{
    return LoadTipsFrom(GetModuleDirectory() + kTipsFileName);
}

int CDoYouKnowDlg::LoadTipsFrom(const CString& path)
{
    CStdioFile file;
    if (!file.Open(path, CFile::modeRead))
        return 0;
    CString line;
    while (file.ReadString(line))
        m_arrTips.push_back(line);
    return m_arrTips.empty() ? 0 : 1;
}

BOOL CDoYouKnowDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    if (!CreateTextPanel())
        AfxMessageBox("Big Mistakes!");
    SeedTipChoiceOnce();
    m_nCurrentTip = RandomInRange(0, GetTipCount() - 1);
    ShowCurrentTip();
    return TRUE;
}

bool CDoYouKnowDlg::CreateTextPanel()
{
    CWnd* place = GetDlgItem(IDC_TIP_PLACE);
    if (!place)
        return false;
    CRect rect;
    place->GetWindowRect(&rect);
    ScreenToClient(&rect);
    if (!m_TextPanel.Create(WS_CHILD | WS_VISIBLE, rect, this, IDC_TIP_PANEL)) {
        if (m_TextPanel.GetSafeHwnd())
            m_TextPanel.DestroyWindow();
        return false;
    }
    m_TextPanel.SetTextFont(kPanelFontTenths, kPanelFont);
    m_TextPanel.SetSizeValue(kPanelSizeValue);
    return true;
}

void CDoYouKnowDlg::ShowCurrentTip()
{
    if (!m_TextPanel.GetSafeHwnd() || m_arrTips.empty())
        return;
    m_TextPanel.SetText(CString(kTipHeading) + m_arrTips[static_cast<size_t>(m_nCurrentTip)]);
}

void CDoYouKnowDlg::OnNextTip()
{
    m_nCurrentTip = NextTipIndex(m_nCurrentTip, GetTipCount());
    ShowCurrentTip();
}

void CDoYouKnowDlg::OnCancel()
{
    m_bShowAtStart = IsDlgButtonChecked(IDC_DONT_SHOW_TIPS) ? 0 : 1;
    CDialog::OnCancel();
}
