// The system's modal file and folder dialogs behind replaceable calls, so
// that tests can check what a dialog would be given and answer it without
// one opening.
#pragma once

#include <windows.h>
#include <commdlg.h>
#include <shlobj.h>

#include <functional>
#include <string>

struct CFileDialogCalls
{
    // GetOpenFileNameA and GetSaveFileNameA: true when a name was chosen.
    std::function<bool(OPENFILENAMEA&)> m_fnOpen;
    std::function<bool(OPENFILENAMEA&)> m_fnSave;
    // SHBrowseForFolderA: true with the chosen folder's path.
    std::function<bool(BROWSEINFOA&, std::string&)> m_fnBrowse;
};

// The calls in use; they start as the system's own.
CFileDialogCalls& FileDialogCalls();
