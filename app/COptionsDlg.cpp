#include "app/COptionsDlg.h"

#include "app/RobotFolder.h"
#include "framework/AfxMessageBox.h"
#include "framework/CWaitCursor.h"
#include "res/TapforgeResource.h"
#include "robot/AppFolders.h"

#include <shlobj.h>

#include <utility>
#include <vector>

namespace {

const char kFolderBrowserTitle[] = "Select a folder to store your robots";
const UINT kFolderBrowserFlags =
    BIF_RETURNONLYFSDIRS | BIF_RETURNFSANCESTORS | BIF_EDITBOX | BIF_VALIDATE | BIF_NEWDIALOGSTYLE;
const char kExportExtension[] = ".robo";
const char kRobotExtension[] = ".txt";

// IDYES when the target is free or the user lets it be replaced; IDNO to skip the
// robot, IDCANCEL to stop. A target counts as present by its attributes, so a
// read-only file is asked about too.
int AskToOverwrite(const CString& target, const CString& question)
{
    if (GetFileAttributesA(target) == INVALID_FILE_ATTRIBUTES)
        return IDYES;
    return AfxMessageBox(question, MB_YESNOCANCEL | MB_ICONQUESTION);
}

CString ExportQuestion(const CString& name)
{
    return "Orvantis Tapforge robot \"" + name +
           "\" already exists in output folder. Do you wish to overwrite existing robot in output folder?";
}

CString ImportQuestion(const CString& name)
{
    return "Orvantis Tapforge robot \"" + name + "\" already exists. Do you wish to overwrite existing robot?";
}

CString WithoutTrailingBackslash(const CString& folder)
{
    const int length = folder.GetLength();
    return length > 0 && folder[length - 1] == '\\' ? folder.Left(length - 1) : folder;
}

}  // namespace

BEGIN_MESSAGE_MAP(COptionsDlg, CDialog)
    ON_BN_CLICKED(IDC_EXPORT_ROBOTS, OnExport)
    ON_BN_CLICKED(IDC_IMPORT_ROBOTS, OnImport)
    ON_BN_CLICKED(IDC_OPTIONS_START, OnStart)
END_MESSAGE_MAP()

COptionsDlg::COptionsDlg(CWnd* parent, CMainCommands commands)
    : CDialog(IDD, parent), m_mainCommands(std::move(commands))
{
}

INT_PTR COptionsDlg::DoModal()
{
    m_bStarted = 0;
    const INT_PTR result = CDialog::DoModal();
    if (m_bStarted && m_mainCommands.m_fnAddRobot)
        m_mainCommands.m_fnAddRobot();
    return result;
}

void COptionsDlg::OnExport()
{
    CWaitCursor wait;
    const CString folder = WithoutTrailingBackslash(ChooseFolder());
    if (folder.IsEmpty())
        return;
    std::vector<CString> failed;
    for (const CString& path : ListRobotFiles(GetScriptFolder())) {
        const CString name = RobotFileBaseName(path);
        const CString target = folder + "\\" + name + kExportExtension;
        const int answer = AskToOverwrite(target, ExportQuestion(name));
        if (answer == IDCANCEL)
            break;
        if (answer == IDYES && !CopyFileA(path, target, FALSE))
            failed.push_back(name);
    }
    if (failed.empty())
        return;
    CString message = "These robots could not be exported:";
    for (const CString& name : failed)
        message += "\n" + name;
    AfxMessageBox(message, MB_OK);
}

void COptionsDlg::OnImport()
{
    CWaitCursor wait;
    const CString folder = WithoutTrailingBackslash(ChooseFolder());
    if (folder.IsEmpty())
        return;
    const CString scriptFolder = GetScriptFolder();
    CreateDirectoryPath(scriptFolder);
    bool copied = false;
    for (const CString& path : ListFilesWithExtension(folder, kExportExtension)) {
        const CString name = RobotFileBaseName(path);
        const CString target = scriptFolder + "\\" + name + kRobotExtension;
        const int answer = AskToOverwrite(target, ImportQuestion(name));
        if (answer == IDCANCEL)
            return;
        if (answer == IDYES && CopyFileA(path, target, FALSE))
            copied = true;
    }
    if (copied && m_mainCommands.m_fnLoadRobots)
        m_mainCommands.m_fnLoadRobots();
}

void COptionsDlg::OnStart()
{
    m_bStarted = 1;
    EndDialog(IDOK);
}

CString COptionsDlg::ChooseFolder()
{
    // The new style of the folder browser needs OLE on this thread.
    const HRESULT ole = OleInitialize(nullptr);
    BROWSEINFOA info{};
    info.hwndOwner = m_hWnd;
    info.lpszTitle = kFolderBrowserTitle;
    info.ulFlags = kFolderBrowserFlags;
    CString folder;
    if (LPITEMIDLIST item = SHBrowseForFolderA(&info)) {
        char path[MAX_PATH] = {};
        if (SHGetPathFromIDListA(item, path))
            folder = path;
        CoTaskMemFree(item);
    }
    if (SUCCEEDED(ole))
        OleUninitialize();
    return folder;
}
