#include "robot/AppFolders.h"

#include "framework/CharacterSearch.h"

#include <windows.h>
#include <shlobj.h>

#include <vector>

namespace {
// Joins like the shell's path append: one "\" between the parts, none in
// front of the second part when the first is empty.
CString AppendPathPart(const CString& path, const char* part)
{
    if (path.IsEmpty() || EndsWithCharacter(path.Str(), '\\'))
        return path + part;
    return path + "\\" + part;
}
}  // namespace

CString GetUserDataFolder()
{
    char appData[MAX_PATH] = "";
    if (!SHGetSpecialFolderPathA(nullptr, appData, CSIDL_APPDATA, FALSE))
        appData[0] = '\0';
    return AppendPathPart(AppendPathPart(appData, "orvantis"), "Tapwright");
}

CString GetScriptFolder()
{
    return GetUserDataFolder() + "\\script";
}

CString RobotFilePath(const CString& robotName)
{
    return RobotFilePath(GetScriptFolder(), robotName);
}

CString RobotFilePath(const CString& folder, const CString& robotName)
{
    return folder + "\\" + robotName + ".txt";
}

bool RobotPathFits(const CString& path)
{
    return path.GetLength() < MAX_PATH;
}

bool RobotFilePathFits(const CString& folder, const CString& robotName)
{
    return RobotPathFits(RobotFilePath(folder, robotName));
}

CString GetModuleFilePath()
{
    // A path that fills the buffer may have been cut: retry with a larger one.
    for (DWORD size = 500; size <= 32768; size *= 2) {
        std::vector<char> buffer(size);
        const DWORD length = GetModuleFileNameA(nullptr, buffer.data(), size);
        if (length == 0)
            return CString();
        if (length < size)
            return CString(buffer.data(), static_cast<int>(length));
    }
    return CString();
}

CString GetModuleDirectory()
{
    const CString path = GetModuleFilePath();
    const int slash = path.ReverseFind('\\');
    return slash < 0 ? CString() : path.Left(slash);
}

void CreateDirectoryPath(const CString& path)
{
    if (path.IsEmpty())
        return;
    CString folder = path;
    if (EndsWithCharacter(folder.Str(), '\\'))
        folder = folder.Left(folder.GetLength() - 1);
    if (folder.IsEmpty() || GetFileAttributesA(folder) != INVALID_FILE_ATTRIBUTES)
        return;
    const int slash = folder.ReverseFind('\\');
    if (slash >= 0)
        CreateDirectoryPath(folder.Left(slash));
    CreateDirectoryA(folder, nullptr);
}
