#include "app/CRobotUploadDlg.h"

#include "app/SharePage.h"
#include "app/WindowsVersionName.h"
#include "framework/CDataExchange.h"
#include "framework/CFile.h"
#include "res/TapforgeResource.h"
#include "robot/AppFolders.h"
#include "robot/NumberText.h"

namespace {

// The Close button's distance from the dialog's right and bottom edges, and the
// browser's margins.
const int kCloseButtonRight = 100;
const int kCloseButtonBottom = 60;
const int kBrowserLeftTop = 30;
const int kBrowserWidthMargin = 60;
const int kBrowserHeightMargin = 100;

}  // namespace

BEGIN_MESSAGE_MAP(CRobotUploadDlg, CDialog)
    ON_WM_SIZE()
END_MESSAGE_MAP()

CRobotUploadDlg::CRobotUploadDlg(CWnd* parent) : CDialog(IDD, parent) {}

void CRobotUploadDlg::DoDataExchange(CDataExchange* exchange)
{
    CDialog::DoDataExchange(exchange);
    DDX_Control(exchange, IDOK, m_CloseButton);
}

BOOL CRobotUploadDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    ShowWindow(SW_MAXIMIZE);
    if (!m_Browser.CreateFromStatic(IDC_SHARE_BROWSER, this))
        return FALSE;
    PlaceControls();
    if (BuildSharePage(kSharePageName))
        m_Browser.Navigate(GetSharePageFolder() + kSharePageName);
    return TRUE;
}

void CRobotUploadDlg::OnSize(UINT type, int width, int height)
{
    CDialog::OnSize(type, width, height);
    if (m_CloseButton.IsWindow() && m_Browser.IsWindow())
        PlaceControls();
}

void CRobotUploadDlg::PlaceControls()
{
    CRect window;
    GetWindowRect(&window);
    m_CloseButton.SetWindowPos(nullptr, window.Width() - kCloseButtonRight, window.Height() - kCloseButtonBottom, 0, 0,
                               SWP_NOSIZE | SWP_NOZORDER);
    m_Browser.MoveWindow(kBrowserLeftTop, kBrowserLeftTop, window.Width() - kBrowserWidthMargin,
                         window.Height() - kBrowserHeightMargin);
}

int CRobotUploadDlg::BuildSharePage(const CString& pageFileName)
{
    CSharePageFields fields;
    if (m_strRobotFilePath.IsEmpty() || !ReadSharePageRobot(m_strRobotFilePath, fields))
        return 0;
    fields.m_strScreenResolution =
        IntToString(GetSystemMetrics(SM_CXSCREEN)) + " x " + IntToString(GetSystemMetrics(SM_CYSCREEN));
    OSVERSIONINFOA version;
    if (ReadWindowsVersion(version))
        fields.m_strOsVersion = GetWindowsVersionName(version);
    return WriteSharePage(pageFileName, ComposeSharePage(fields));
}

int CRobotUploadDlg::WriteSharePage(const CString& pageFileName, const CString& page)
{
    const CString folder = GetSharePageFolder();
    if (GetFileAttributesA(folder) != FILE_ATTRIBUTE_DIRECTORY)
        CreateDirectoryPath(folder);
    return CFile::WriteAll(folder + pageFileName, page.GetString(), static_cast<size_t>(page.GetLength())) ? 1 : 0;
}
