#include "app/CMarionetAboutDlg.h"

#include "controls/ShellOpen.h"
#include "framework/AfxMessageBox.h"
#include "framework/AfxResource.h"
#include "framework/CDC.h"
#include "framework/CDataExchange.h"
#include "res/ControlsResource.h"
#include "res/TapforgeResource.h"

namespace {

const COLORREF kBackgroundColor = RGB(181, 211, 211);
const COLORREF kLinkColor = RGB(5, 0, 255);
const char kFontName[] = "Tahoma";
const int kTitlePoints = 14;
const int kLinkPoints = 10;

const char kNoMailProgram[] = "We are unable to locate your default e-mail program.";
const char kNoBrowser[] = "We are unable to locate your default browser.";

struct MakerLink
{
    UINT labelId;
    const char* text;
    const char* target;
    const char* failure;
};

const MakerLink kMakerLinks[] = {
    {IDC_ABOUT_SUPPORT, "support@orvantis.example", "mailto:support@orvantis.example", kNoMailProgram},
    {IDC_ABOUT_SALES, "sales@orvantis.example", "mailto:sales@orvantis.example", kNoMailProgram},
    {IDC_ABOUT_WEBSITE, "www.orvantis.example", "https://www.orvantis.example/", kNoBrowser},
};

const MakerLink* FindLink(UINT labelId)
{
    for (const MakerLink& link : kMakerLinks) {
        if (link.labelId == labelId)
            return &link;
    }
    return nullptr;
}

}  // namespace

BEGIN_MESSAGE_MAP(CMarionetAboutDlg, CDialog)
    ON_WM_CTLCOLOR()
    ON_NOTIFY_RANGE(CLabel::NM_LINKCLICK, IDC_ABOUT_SUPPORT, IDC_ABOUT_WEBSITE, OnLinkClick)
END_MESSAGE_MAP()

CMarionetAboutDlg::CMarionetAboutDlg(CWnd* parent) : CDialog(IDD, parent) {}

void CMarionetAboutDlg::DoDataExchange(CDataExchange* exchange)
{
    CDialog::DoDataExchange(exchange);
    DDX_Control(exchange, IDC_ABOUT_TITLE, m_Title);
    DDX_Control(exchange, IDC_ABOUT_SUPPORT, m_SupportLink);
    DDX_Control(exchange, IDC_ABOUT_SALES, m_SalesLink);
    DDX_Control(exchange, IDC_ABOUT_WEBSITE, m_WebsiteLink);
}

BOOL CMarionetAboutDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    m_brBackground.CreateSolidBrush(kBackgroundColor);
    m_Title.SetTransparent(TRUE).SetFontName(kFontName).SetFontSize(kTitlePoints).SetTextColor(RGB(0, 0, 0));
    const HCURSOR linkCursor = ::LoadCursorA(AfxGetResourceHandle(), MAKEINTRESOURCEA(IDC_LINK_CURSOR));
    for (CLabel* label : {&m_WebsiteLink, &m_SupportLink, &m_SalesLink}) {
        label->SetText(FindLink(static_cast<UINT>(label->GetDlgCtrlID()))->text)
            .SetTransparent(TRUE)
            .SetFontName(kFontName)
            .SetFontSize(kLinkPoints)
            .SetTextColor(kLinkColor)
            .SetFontUnderline(TRUE)
            .SetLink(TRUE, TRUE)
            .SetLinkCursor(linkCursor);
    }
    return TRUE;
}

HBRUSH CMarionetAboutDlg::OnCtlColor(CDC* dc, CWnd* control, UINT controlType)
{
    switch (controlType) {
    case CTLCOLOR_BTN:
    case CTLCOLOR_STATIC:
        dc->SetBkMode(TRANSPARENT);
        return m_brBackground;
    case CTLCOLOR_DLG:
        return m_brBackground;
    default:
        return CDialog::OnCtlColor(dc, control, controlType);
    }
}

void CMarionetAboutDlg::OnLinkClick(UINT labelId, NMHDR*, LRESULT*)
{
    OpenLink(labelId);
}

BOOL CMarionetAboutDlg::OpenLink(UINT labelId)
{
    const MakerLink* link = FindLink(labelId);
    if (!link)
        return FALSE;
    if (ShellOpen(::GetDesktopWindow(), link->target, SW_SHOW))
        return TRUE;
    AfxMessageBox(link->failure);
    return FALSE;
}
