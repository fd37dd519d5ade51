#pragma once

#include "controls/CLabel.h"
#include "framework/CDialog.h"
#include "framework/CGdiObject.h"

// The About box: the program's name and version and the maker's addresses,
// which open the mail program or the browser when clicked.
class CMarionetAboutDlg : public CDialog
{
public:
    enum
    {
        IDD = 130
    };

    explicit CMarionetAboutDlg(CWnd* parent = nullptr);

    // Opens the address of the link label with that id; when the shell finds
    // no program for it, the user is told. FALSE for a failure or an id that
    // is no link.
    static BOOL OpenLink(UINT labelId);

protected:
    void DoDataExchange(CDataExchange* exchange) override;
    BOOL OnInitDialog() override;
    HBRUSH OnCtlColor(CDC* dc, CWnd* control, UINT controlType);
    void OnLinkClick(UINT labelId, NMHDR* header, LRESULT* result);

    DECLARE_MESSAGE_MAP()

private:
    CLabel m_Title;
    CLabel m_SupportLink;
    CLabel m_SalesLink;
    CLabel m_WebsiteLink;
    CBrush m_brBackground;
};
