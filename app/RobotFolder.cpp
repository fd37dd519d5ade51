#include "app/RobotFolder.h"

#include "framework/CFileFind.h"
#include "robot/AppFolders.h"

#include <cstring>

namespace {

const char kRobotExtension[] = ".txt";

bool HasExtension(const CString& fileName, const char* extension)
{
    const int length = static_cast<int>(strlen(extension));
    return fileName.GetLength() > length && fileName.Right(length).CompareNoCase(extension) == 0;
}

}  // namespace

std::vector<CString> ListFilesWithExtension(const CString& folder, const char* extension)
{
    std::vector<CString> paths;
    CFileFind finder;
    for (bool more = finder.FindFile(folder + "\\*" + extension); more;) {
        more = finder.FindNextFile();
        if (finder.IsDots() || finder.IsDirectory() || !HasExtension(finder.GetFileName(), extension) ||
            !RobotPathFits(finder.GetFilePath()))
            continue;
        paths.push_back(finder.GetFilePath());
    }
    return paths;
}

std::vector<CString> ListRobotFiles(const CString& folder)
{
    return ListFilesWithExtension(folder, kRobotExtension);
}

CString RobotFileBaseName(const CString& path)
{
    CString name = path.Mid(path.ReverseFind('\\') + 1);
    int dot = name.ReverseFind('.');
    return dot < 0 ? name : name.Left(dot);
}

int FindRobotFileIndex(const CString& folder, const CString& robotName)
{
    std::vector<CString> files = ListRobotFiles(folder);
    for (size_t i = 0; i < files.size(); ++i) {
        if (RobotFileBaseName(files[i]).CompareNoCase(robotName) == 0)
            return static_cast<int>(i);
    }
    return static_cast<int>(files.size());
}

CString RobotNameAtIndex(const CString& folder, int index)
{
    std::vector<CString> files = ListRobotFiles(folder);
    if (index < 0 || index >= static_cast<int>(files.size()))
        return CString();
    return RobotFileBaseName(files[index]);
}
