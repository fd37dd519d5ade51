#include "app/RobotFolder.h"

#include "framework/CFile.h"
#include "tests/support/TempFolder.h"
#include "tests/support/WideNamedFile.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>

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

// Each row's file holds its own text, so a listed path that reads it reached
// that very file. A name that the code page cannot spell is listed under its
// short name (Wine gives every file one), never under a look-alike: U+FF3C
// narrows to "\\".
TEST(RobotFolder, EveryListedPathReadsTheFileItWasListedFrom)
{
    struct Case
    {
        std::wstring name;
        const char* content;
        bool listed;
    };
    const Case cases[] = {
        {L"Robot 1.txt", "plain", true},
        {L"caf\u00e9.txt", "code page", true},
        {L"old\uff3cRobot 1.txt", "fullwidth backslash", true},
        {L"\u30ed\u30dc.txt", "no code page form", true},
        // From MAX_PATH on the 8-bit calls that read robot files fail.
        {std::wstring(240, L'n') + L".txt", "too long", false},
    };
    TempFolder folder;
    std::vector<std::unique_ptr<WideNamedFile>> files;
    for (const Case& c : cases) {
        files.push_back(std::make_unique<WideNamedFile>(folder.Path(), c.name, c.content));
        ASSERT_TRUE(files.back()->Made());
    }

    std::vector<std::string> listed;
    for (const CString& path : ListRobotFiles(folder.Path().c_str())) {
        EXPECT_EQ(path.ReverseFind('\\'), static_cast<int>(folder.Path().size())) << path.Str();
        std::string bytes;
        EXPECT_TRUE(CFile::ReadAll(path, bytes)) << path.Str();
        listed.push_back(bytes);
    }
    for (const Case& c : cases)
        EXPECT_EQ(std::count(listed.begin(), listed.end(), c.content), c.listed ? 1 : 0) << c.content;
}

TEST(RobotFolder, PathsAndBaseNames)
{
    EXPECT_EQ(RobotFileBaseName("C:\\a\\script\\My.Robot.txt"), "My.Robot");
    EXPECT_EQ(RobotFilePath("Robot 1"), GetScriptFolder() + "\\Robot 1.txt");
    EXPECT_EQ(GetScriptFolder().Right(7), "\\script");
}
