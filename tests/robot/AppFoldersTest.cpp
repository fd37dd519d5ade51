#include "robot/AppFolders.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <cstdlib>
#include <string>

#include "tests/support/TempFolder.h"

namespace {
bool IsFolder(const std::string& path)
{
    const DWORD attributes = GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}
}  // namespace

TEST(AppFolders, CreateDirectoryPathMakesEveryMissingLevel)
{
    TempFolder folder;
    const std::string top = folder.File("a");
    CreateDirectoryPath((top + "\\b\\c\\").c_str());
    EXPECT_TRUE(IsFolder(top + "\\b\\c"));
    CreateDirectoryPath((top + "\\b\\d").c_str());
    EXPECT_TRUE(IsFolder(top + "\\b\\d"));
    CreateDirectoryPath("");
    RemoveDirectoryA((top + "\\b\\d").c_str());
    RemoveDirectoryA((top + "\\b\\c").c_str());
    RemoveDirectoryA((top + "\\b").c_str());
}

TEST(AppFolders, DataFolderLiesInTheApplicationDataFolder)
{
    const char* appData = std::getenv("APPDATA");
    ASSERT_NE(nullptr, appData);
    EXPECT_EQ(std::string(appData) + "\\orvantis\\Tapwright", GetUserDataFolder().Str());
}

TEST(AppFolders, ModuleDirectoryHoldsTheProgram)
{
    const CString path = GetModuleFilePath();
    const CString folder = GetModuleDirectory();
    EXPECT_EQ(0, path.Right(4).CompareNoCase(".exe"));
    EXPECT_EQ(folder + "\\robot_file_test.exe", path);
    EXPECT_TRUE(IsFolder(folder.Str()));
}

TEST(AppFolders, RobotFilePathFitsBelowTheClassicLimit)
{
    const struct
    {
        const char* folder;
        int nameLength;
        bool fits;
    } paths[] = {{"C:\\f", 250, true}, {"C:\\f", 251, false}, {"C:\\f\\g", 248, true}, {"C:\\f\\g", 249, false}};
    for (const auto& path : paths) {
        const CString name(std::string(path.nameLength, 'n').c_str());
        EXPECT_EQ(path.fits, RobotFilePathFits(path.folder, name)) << path.folder << " " << path.nameLength;
    }
}
