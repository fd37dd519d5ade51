#include "engine/system/FileDialogCalls.h"

namespace {

bool BrowseForFolder(BROWSEINFOA& info, std::string& path)
{
    path.clear();
    PIDLIST_ABSOLUTE item = SHBrowseForFolderA(&info);
    if (!item)
        return false;
    char buffer[MAX_PATH] = "";
    const bool bChosen = SHGetPathFromIDListA(item, buffer) != FALSE;
    CoTaskMemFree(item);
    path = buffer;
    return bChosen;
}

}  // namespace

CFileDialogCalls& FileDialogCalls()
{
    static CFileDialogCalls calls{
        [](OPENFILENAMEA& dialog) { return GetOpenFileNameA(&dialog) != FALSE; },
        [](OPENFILENAMEA& dialog) { return GetSaveFileNameA(&dialog) != FALSE; },
        BrowseForFolder,
    };
    return calls;
}
