#include "app/RobotFolder.h"

#include "tests/support/TempFolder.h"

#include <gtest/gtest.h>

namespace {

void Touch(const std::string& path)
{
    HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    ASSERT_NE(file, INVALID_HANDLE_VALUE);
    CloseHandle(file);
}

std::vector<CString> BaseNames(const std::vector<CString>& paths)
{
    std::vector<CString> names;
    for (const CString& p : paths)
        names.push_back(RobotFileBaseName(p));
    return names;
}

}  // namespace

TEST(RobotFolder, ListsOnlyTextFilesInEnumerationOrder)
{
    TempFolder folder;
    Touch(folder.File("Beta.txt"));
    Touch(folder.File("alpha.TXT"));
    Touch(folder.File("notes.ini"));
    Touch(folder.File("v1.2.txt"));
    CreateDirectoryA(folder.File("Folder.txt").c_str(), nullptr);

    std::vector<CString> names = BaseNames(ListRobotFiles(folder.Path().c_str()));
    ASSERT_EQ(names.size(), 3u);
    std::vector<CString> expected;
    WIN32_FIND_DATAA entry;
    HANDLE search = FindFirstFileA(folder.File("*.txt").c_str(), &entry);
    do {
        if (!(entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY))
            expected.push_back(RobotFileBaseName(entry.cFileName));
    } while (FindNextFileA(search, &entry));
    FindClose(search);
    EXPECT_EQ(names, expected);
}

TEST(RobotFolder, IndexComparesBaseNamesWithoutCase)
{
    TempFolder folder;
    Touch(folder.File("Robot 1.txt"));
    Touch(folder.File("Other.txt"));
    CreateDirectoryA(folder.File("Robot 2.txt").c_str(), nullptr);
    const CString path = folder.Path().c_str();
    std::vector<CString> names = BaseNames(ListRobotFiles(path));

    int index = FindRobotFileIndex(path, "robot 1");
    ASSERT_GE(index, 0);
    ASSERT_LT(index, 2);
    EXPECT_EQ(names[index], "Robot 1");
    EXPECT_EQ(RobotNameAtIndex(path, index), "Robot 1");
    // Unknown names and directories give one past the last file.
    EXPECT_EQ(FindRobotFileIndex(path, "robot 2"), 2);
    EXPECT_EQ(FindRobotFileIndex(path, "nosuch"), 2);
    EXPECT_EQ(RobotNameAtIndex(path, 2), "");
    EXPECT_EQ(RobotNameAtIndex(path, -1), "");
    EXPECT_EQ(FindRobotFileIndex(folder.File("missing").c_str(), "x"), 0);
}

TEST(RobotFolder, PathsAndBaseNames)
{
    EXPECT_EQ(RobotFileBaseName("C:\\a\\script\\My.Robot.txt"), "My.Robot");
    EXPECT_EQ(RobotFilePath("Robot 1"), GetScriptFolder() + "\\Robot 1.txt");
    EXPECT_EQ(GetScriptFolder().Right(7), "\\script");
}
