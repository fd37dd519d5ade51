#pragma once

#include "controls/CHtmlCtrl.h"
#include "framework/CButton.h"
#include "framework/CDialog.h"
#include "framework/CString.h"

// The share dialog: writes the share page of one robot file into the data folder's
// "share" folder and shows it, maximised, in the embedded browser, whose form posts
// the robot to the upload address.
class CRobotUploadDlg : public CDialog
{
public:
    enum
    {
        IDD = 161
    };

    explicit CRobotUploadDlg(CWnd* parent = nullptr);

    // 1 when the page of the robot file was written under that name, 0 when there is
    // no robot file, it cannot be read or the page cannot be written.
    int BuildSharePage(const CString& pageFileName);
    // 1 when every byte of the page was written into the share folder, which is made
    // first when missing; 0 otherwise.
    int WriteSharePage(const CString& pageFileName, const CString& page);

    // Full path of the robot file to share; set before DoModal.
    CString m_strRobotFilePath;

protected:
    void DoDataExchange(CDataExchange* exchange) override;
    BOOL OnInitDialog() override;
    void OnSize(UINT type, int width, int height);

    DECLARE_MESSAGE_MAP()

private:
    // Keeps the Close button near the bottom right corner and lets the browser fill the
    // rest, whatever the dialog's size.
    void PlaceControls();

    CButton m_CloseButton;
    CHtmlCtrl m_Browser;
};
