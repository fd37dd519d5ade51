#include "app/RobotFolder.h"

#include "framework/CharacterSearch.h"
#include "framework/ExactName.h"
#include "framework/FullPathName.h"
#include "framework/WideText.h"
#include "robot/AppFolders.h"

#include <cstring>
#include <string>

namespace {

const char kRobotExtension[] = ".txt";

bool HasExtension(const CString& fileName, const char* extension)
{
    const int length = static_cast<int>(strlen(extension));
    return fileName.GetLength() > length && fileName.Right(length).CompareNoCase(extension) == 0;
}

}  // namespace

std::vector<CString> ListFilesWithExtension(const CString& folder, const char* extension,
                                            std::vector<CString>* pLeftOut)
{
    std::vector<CString> paths;
    const CString pattern = folder + "\\*" + extension;
    // The search runs wide so that it meets also the files that no exact
    // 8-bit name reaches; those it only reports.
    WIN32_FIND_DATAW found;
    const HANDLE search = FindFirstExact(pattern, found);
    if (search == INVALID_HANDLE_VALUE)
        return paths;
    std::string full;
    const CString root =
        FullPathName(pattern, full) ? CString(full.substr(0, ReverseFindCharacterIn(full, '\\'))) : folder;
    do {
        if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
            continue;
        std::string name;
        if (ExactFoundName(found, name) && HasExtension(name.c_str(), extension)) {
            const CString path = root + "\\" + name.c_str();
            if (RobotPathFits(path)) {
                paths.push_back(path);
                continue;
            }
        }
        const CString longName = Narrowed(found.cFileName).c_str();
        if (pLeftOut && HasExtension(longName, extension))
            pLeftOut->push_back(longName.Left(longName.GetLength() - static_cast<int>(strlen(extension))));
    } while (FindNextFileW(search, &found));
    FindClose(search);
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
