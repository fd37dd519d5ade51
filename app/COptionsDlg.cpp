#include "app/COptionsDlg.h"

#include "app/RobotFolder.h"
#include "framework/AfxMessageBox.h"
#include "framework/CWaitCursor.h"
#include "framework/CharacterSearch.h"
#include "framework/ExactName.h"
#include "framework/FullPathName.h"
#include "res/TapforgeResource.h"
#include "robot/AppFolders.h"
#include "robot/WriteFileReplacing.h"

#include <shlobj.h>

#include <string>
#include <utility>
#include <vector>

namespace {

const char kFolderBrowserTitle[] = "Select a folder to store your robots";
const UINT kFolderBrowserFlags =
    BIF_RETURNONLYFSDIRS | BIF_RETURNFSANCESTORS | BIF_EDITBOX | BIF_VALIDATE | BIF_NEWDIALOGSTYLE;
const char kExportExtension[] = ".robo";

// What becomes of one robot file. Only the user's Yes replaces a file; a
// target that was not there when looked at is copied so that the copy fails
// should one be there after all (one that appeared meanwhile, or one whose
// attributes could not be read). A read-only target is asked about too.
enum class Transfer
{
    CopyNew,
    Replace,
    Skip,
    Stop,
};

Transfer DecideTransfer(const CString& target, const CString& question)
{
    if (GetFileAttributesA(target) == INVALID_FILE_ATTRIBUTES)
        return Transfer::CopyNew;
    switch (AfxMessageBox(question, MB_YESNOCANCEL | MB_ICONQUESTION)) {
    case IDYES:
        return Transfer::Replace;
    case IDCANCEL:
        return Transfer::Stop;
    default:
        return Transfer::Skip;
    }
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

void ReportFailures(const char* heading, const std::vector<CString>& names)
{
    if (names.empty())
        return;
    CString message = heading;
    for (const CString& name : names)
        message += "\n" + name;
    AfxMessageBox(message, MB_OK);
}

CString WithoutTrailingBackslash(const CString& folder)
{
    return EndsWithCharacter(folder.Str(), '\\') ? folder.Left(folder.GetLength() - 1) : folder;
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
    // A robot file that Import could not list again is not written.
    const CTransferResult result = TransferRobots(
        ListRobotFiles(GetScriptFolder()),
        [&](const CString& name) {
            const CString target = folder + "\\" + name + kExportExtension;
            std::string full;
            return FullPathName(target, full) && RobotPathFits(full.c_str()) ? target : CString();
        },
        ExportQuestion);
    ReportFailures("These robots could not be exported:", result.m_arrFailed);
}

void COptionsDlg::OnImport()
{
    CWaitCursor wait;
    const CString folder = WithoutTrailingBackslash(ChooseFolder());
    if (folder.IsEmpty())
        return;
    const CString scriptFolder = GetScriptFolder();
    CreateDirectoryPath(scriptFolder);
    // A robot whose file the program could not read back is not made; the
    // exported files that the listing leaves out are reported with the rest.
    std::vector<CString> leftOut;
    const CTransferResult result = TransferRobots(
        ListFilesWithExtension(folder, kExportExtension, &leftOut),
        [&](const CString& name) {
            return RobotFilePathFits(scriptFolder, name) ? RobotFilePath(scriptFolder, name) : CString();
        },
        ImportQuestion);
    leftOut.insert(leftOut.end(), result.m_arrFailed.begin(), result.m_arrFailed.end());
    ReportFailures("These robots could not be imported:", leftOut);
    if (result.m_bCopied && !result.m_bStopped && m_mainCommands.m_fnLoadRobots)
        m_mainCommands.m_fnLoadRobots();
}

COptionsDlg::CTransferResult COptionsDlg::TransferRobots(const std::vector<CString>& sources,
                                                         const std::function<CString(const CString&)>& targetOf,
                                                         CString (*question)(const CString& name))
{
    CTransferResult result;
    for (const CString& source : sources) {
        const CString name = RobotFileBaseName(source);
        const CString target = targetOf(name);
        if (target.IsEmpty() || IsAnotherFilesShortName(target)) {
            result.m_arrFailed.push_back(name);
            continue;
        }
        const Transfer transfer = DecideTransfer(target, question(name));
        if (transfer == Transfer::Stop) {
            result.m_bStopped = true;
            break;
        }
        if (transfer == Transfer::Skip)
            continue;
        if (CopyRobotFile(source, target, transfer == Transfer::CopyNew))
            result.m_bCopied = true;
        else
            result.m_arrFailed.push_back(name);
    }
    return result;
}

BOOL COptionsDlg::CopyRobotFile(const CString& source, const CString& target, BOOL failIfExists)
{
    return failIfExists ? CopyNewFile(source, target) : CopyFileReplacing(source, target);
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
