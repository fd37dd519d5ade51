#include "robot/CRobot.h"

#include "framework/CFile.h"
#include "framework/CMessageBoxCapture.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "tests/support/TempFolder.h"

namespace {
std::string ReadBytes(const std::string& path)
{
    std::string bytes;
    EXPECT_TRUE(CFile::ReadAll(path.c_str(), bytes));
    return bytes;
}

void WriteBytes(const std::string& path, const std::string& bytes)
{
    ASSERT_TRUE(CFile::WriteAll(path.c_str(), bytes.data(), bytes.size()));
}

RecordedWindowInfo Record(int index, const char* title, const char* path, RECT rect, int level)
{
    RecordedWindowInfo record;
    record.WinIndex = index;
    record.hWnd = reinterpret_cast<HWND>(0x1234);
    record.WinTitle = title;
    record.WinPath = path;
    record.WinRect = rect;
    record.WinParentLevel = level;
    return record;
}

CRobot TwoWindowRobot()
{
    CRobot robot;
    robot.m_strName = "Two Windows";
    robot.m_strStartKey = "Ctrl + <F11>";
    robot.m_strEndKey = "Ctrl + <F12>";
    robot.m_strDescription = "Clicks twice";
    robot.m_bEnable = 5;
    robot.m_nRepeatOption = 0;
    robot.m_nRepeatTimes = 3;
    robot.m_nSpeedMode = 1;
    robot.m_bUseSimilarWin = 1;
    robot.m_bUseRecWin = 1;
    robot.m_strTriggerRobot = "Next One";
    robot.m_arrScriptLines.Add("MouseClick(\"left\", 1)-> At Win [0]");
    robot.m_arrScriptLines.Add("");
    robot.m_arrScriptLines.Add("WAIT(500)=> [remove on faster speed]");
    robot.m_arrScriptLines.Add("KeySend(\"\",\"\",\"\",\"A\", 1)-> At Win [1]");
    robot.AddRecordedWindow(Record(1, "Untitled - Notepad", "C:\\windows\\notepad.exe", {10, 20, 300, 400}, 0));
    robot.AddRecordedWindow(Record(2, "Desktop", "Program Manager", {-4, -4, 1284, 1028}, -1));
    return robot;
}

const char kTwoWindowFile[] =
    "[General]\r\n"
    "Name=Two Windows\r\n"
    "StartKey=Ctrl + <F11>\r\n"
    "EndKey=Ctrl + <F12>\r\n"
    "Description=Clicks twice\r\n"
    "Enable=1\r\n"
    "RepeatOption=0\r\n"
    "RepeatTimes=3\r\n"
    "OriginalSpeed=0\r\n"
    "UseSimilarWin=1\r\n"
    "UseRecWin=1\r\n"
    "TriggerRobot=Next One\r\n"
    "RunAtBackground=0\r\n"
    "[Script]\r\n"
    "MouseClick(\"left\", 1)-> At Win [0]\r\n"
    "\r\n"
    "WAIT(500)=> [remove on faster speed]\r\n"
    "KeySend(\"\",\"\",\"\",\"A\", 1)-> At Win [1]\r\n"
    "[RecWinInfo]\r\n"
    "WinIndex=1\r\n"
    "WinTitle=Untitled - Notepad\r\n"
    "WinPath=C:\\windows\\notepad.exe\r\n"
    "WinParentLevel=0\r\n"
    "WinRect=10,20,300,400\r\n"
    "WinIndex=2\r\n"
    "WinTitle=Desktop\r\n"
    "WinPath=Program Manager\r\n"
    "WinParentLevel=-1\r\n"
    "WinRect=-4,-4,1284,1028\r\n";

void ExpectSameRecords(const CRobot& expected, const CRobot& actual)
{
    ASSERT_EQ(expected.m_vecRecWinInfo.size(), actual.m_vecRecWinInfo.size());
    for (size_t i = 0; i < expected.m_vecRecWinInfo.size(); ++i) {
        const RecordedWindowInfo& e = expected.m_vecRecWinInfo[i];
        const RecordedWindowInfo& a = actual.m_vecRecWinInfo[i];
        EXPECT_EQ(e.WinIndex, a.WinIndex);
        EXPECT_EQ(e.WinTitle, a.WinTitle);
        EXPECT_EQ(e.WinPath, a.WinPath);
        EXPECT_EQ(e.WinParentLevel, a.WinParentLevel);
        EXPECT_EQ(e.WinRect.left, a.WinRect.left);
        EXPECT_EQ(e.WinRect.top, a.WinRect.top);
        EXPECT_EQ(e.WinRect.right, a.WinRect.right);
        EXPECT_EQ(e.WinRect.bottom, a.WinRect.bottom);
        EXPECT_EQ(nullptr, a.hWnd);
    }
}
}  // namespace

TEST(RobotFile, SavesTheExactLayoutAndLoadsItBack)
{
    TempFolder folder;
    const CRobot robot = TwoWindowRobot();
    ASSERT_EQ(1, robot.SaveToFile(folder.Path().c_str()));
    const std::string path = folder.File("Two Windows.txt");
    EXPECT_EQ(kTwoWindowFile, ReadBytes(path));

    CRobot loaded;
    ASSERT_EQ(1, loaded.LoadFromFile(path.c_str()));
    EXPECT_EQ(robot.m_strName, loaded.m_strName);
    EXPECT_EQ(robot.m_strStartKey, loaded.m_strStartKey);
    EXPECT_EQ(robot.m_strEndKey, loaded.m_strEndKey);
    EXPECT_EQ(robot.m_strDescription, loaded.m_strDescription);
    EXPECT_EQ(1, loaded.m_bEnable);
    EXPECT_EQ(0, loaded.m_nRepeatOption);
    EXPECT_EQ(3, loaded.m_nRepeatTimes);
    EXPECT_EQ(1, loaded.m_nSpeedMode);
    EXPECT_EQ(1, loaded.m_bUseSimilarWin);
    EXPECT_EQ(1, loaded.m_bUseRecWin);
    EXPECT_EQ(robot.m_strTriggerRobot, loaded.m_strTriggerRobot);
    EXPECT_EQ(0, loaded.m_bRunAtBackground);
    ASSERT_EQ(4, loaded.m_arrScriptLines.GetSize());
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(robot.m_arrScriptLines[i], loaded.m_arrScriptLines[i]);
    ExpectSameRecords(robot, loaded);

    // Loaded and saved again, the file does not change by a byte.
    ASSERT_EQ(1, loaded.SaveToFile(folder.Path().c_str()));
    EXPECT_EQ(kTwoWindowFile, ReadBytes(path));
}

TEST(RobotFile, NewRobotHasDefinedValuesAndNoRecordSection)
{
    TempFolder folder;
    CRobot robot;
    robot.m_strName = "Fresh";
    ASSERT_EQ(1, robot.SaveToFile(folder.Path().c_str()));
    EXPECT_EQ(
        "[General]\r\nName=Fresh\r\nStartKey=\r\nEndKey=\r\nDescription=\r\nEnable=0\r\n"
        "RepeatOption=0\r\nRepeatTimes=0\r\nOriginalSpeed=1\r\nUseSimilarWin=0\r\nUseRecWin=0\r\n"
        "TriggerRobot=\r\nRunAtBackground=0\r\n[Script]\r\n",
        ReadBytes(folder.File("Fresh.txt")));
}

TEST(RobotFile, SpeedModesAreStoredInverted)
{
    TempFolder folder;
    const char* const stored[] = {"1", "0", "2", "2"};
    for (int mode = 0; mode < 4; ++mode) {
        CRobot robot;
        robot.m_strName = "Speed";
        robot.m_nSpeedMode = mode;
        ASSERT_EQ(1, robot.SaveToFile(folder.Path().c_str()));
        const std::string bytes = ReadBytes(folder.File("Speed.txt"));
        EXPECT_NE(std::string::npos, bytes.find(std::string("\r\nOriginalSpeed=") + stored[mode] + "\r\n"));
        CRobot loaded;
        ASSERT_EQ(1, loaded.LoadFromFile(folder.File("Speed.txt").c_str()));
        EXPECT_EQ(mode == 3 ? 2 : mode, loaded.m_nSpeedMode);
    }
}

TEST(RobotFile, ReadsLfOnlyAndOlderFilesAndTheFileNameWins)
{
    TempFolder folder;
    const std::string path = folder.File("New.txt");
    // Written before the optional keys existed: "[Script]" follows the speed.
    WriteBytes(path,
               "[General]\nName=Old\nStartKey=Alt + Z\nEndKey=None\nDescription=d\nEnable=1\n"
               "RepeatOption=1\nRepeatTimes=7\nOriginalSpeed=1\n[script]\nNext\n\n[recwininfo]\n"
               "WinTitle=first\nWinRect=1,2,3,4\nWinIndex=9\nWinRect=5,6,7,\n");
    CRobot robot;
    robot.m_bUseRecWin = 1;
    robot.m_strTriggerRobot = "stale";
    std::string read;
    ASSERT_EQ(1, robot.LoadFromFile(path.c_str(), read));
    EXPECT_EQ(ReadBytes(path), read);
    EXPECT_EQ("New", robot.m_strName);
    EXPECT_EQ("Alt + Z", robot.m_strStartKey);
    EXPECT_EQ(1, robot.m_nRepeatOption);
    EXPECT_EQ(7, robot.m_nRepeatTimes);
    EXPECT_EQ(0, robot.m_nSpeedMode);
    EXPECT_EQ(0, robot.m_bUseSimilarWin);
    EXPECT_EQ(0, robot.m_bUseRecWin);
    EXPECT_EQ("", robot.m_strTriggerRobot);
    EXPECT_EQ(0, robot.m_bRunAtBackground);
    ASSERT_EQ(2, robot.m_arrScriptLines.GetSize());
    EXPECT_EQ("Next", robot.m_arrScriptLines[0]);
    EXPECT_EQ("", robot.m_arrScriptLines[1]);
    // The first block starts from defined values; the second keeps the
    // first block's title and level and a missing last number reads as 0.
    ASSERT_EQ(2u, robot.m_vecRecWinInfo.size());
    EXPECT_EQ(0, robot.m_vecRecWinInfo[0].WinIndex);
    EXPECT_EQ("", robot.m_vecRecWinInfo[0].WinPath);
    EXPECT_EQ(-1, robot.m_vecRecWinInfo[0].WinParentLevel);
    EXPECT_EQ(9, robot.m_vecRecWinInfo[1].WinIndex);
    EXPECT_EQ("first", robot.m_vecRecWinInfo[1].WinTitle);
    EXPECT_EQ(-1, robot.m_vecRecWinInfo[1].WinParentLevel);
    EXPECT_EQ(7, robot.m_vecRecWinInfo[1].WinRect.right);
    EXPECT_EQ(0, robot.m_vecRecWinInfo[1].WinRect.bottom);
}

TEST(RobotFile, TruncatedFileLoadsWithEmptyValues)
{
    TempFolder folder;
    const std::string path = folder.File("Short.txt");
    WriteBytes(path, "[General]\r\nName=Other\r\nStartKey=Ctrl + A");
    CRobot robot;
    robot.m_strDescription = "stale";
    robot.m_nRepeatTimes = 4;
    robot.m_arrScriptLines.Add("stale");
    ASSERT_EQ(1, robot.LoadFromFile(path.c_str()));
    EXPECT_EQ("Short", robot.m_strName);
    EXPECT_EQ("Ctrl + A", robot.m_strStartKey);
    EXPECT_EQ("", robot.m_strDescription);
    EXPECT_EQ(0, robot.m_nRepeatTimes);
    EXPECT_EQ(0, robot.m_nSpeedMode);
    EXPECT_EQ(0, robot.m_arrScriptLines.GetSize());
    EXPECT_TRUE(robot.m_vecRecWinInfo.empty());

    CRobot missing;
    missing.m_strName = "kept";
    missing.m_arrScriptLines.Add("dropped");
    EXPECT_EQ(0, missing.LoadFromFile(folder.File("Absent.txt").c_str()));
    EXPECT_EQ("kept", missing.m_strName);
    EXPECT_EQ(0, missing.m_arrScriptLines.GetSize());
}

TEST(RobotFile, MalformedRectangleFailsWithMessageAndKeepsWhatWasRead)
{
    TempFolder folder;
    const std::string path = folder.File("Bad.txt");
    WriteBytes(path, std::string(kTwoWindowFile) + "WinTitle=third\r\nWinRect=10,20,300\r\nWinRect=1,1,1,1\r\n");
    CMessageBoxCapture boxes;
    CRobot robot;
    EXPECT_EQ(0, robot.LoadFromFile(path.c_str()));
    ASSERT_EQ(1, boxes.Count());
    EXPECT_EQ("Failed to load record Window info", boxes.Requests()[0].text);
    EXPECT_EQ(MB_OK, boxes.Requests()[0].type & 0xF);
    EXPECT_EQ(4, robot.m_arrScriptLines.GetSize());
    EXPECT_EQ(2u, robot.m_vecRecWinInfo.size());
}

TEST(RobotFile, FailedSaveReportsAndLeavesTheOldFileWhole)
{
    TempFolder folder;
    CRobot robot = TwoWindowRobot();
    ASSERT_EQ(1, robot.SaveToFile(folder.Path().c_str()));
    const std::string path = folder.File("Two Windows.txt");

    robot.m_strDescription = "changed";
    {
        // Another program holds the file open without sharing.
        const HANDLE holder = CreateFileA(path.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
        ASSERT_NE(INVALID_HANDLE_VALUE, holder);
        EXPECT_EQ(0, robot.SaveToFile(folder.Path().c_str()));
        CloseHandle(holder);
    }
    EXPECT_EQ(kTwoWindowFile, ReadBytes(path));
    EXPECT_EQ(0, robot.SaveToFile((folder.Path() + "\\missing").c_str()));
    robot.m_strName = "bad?name";
    EXPECT_EQ(0, robot.SaveToFile(folder.Path().c_str()));

    // No temporary file is left behind.
    WIN32_FIND_DATAA entry;
    const HANDLE search = FindFirstFileA(folder.File("*.tmp").c_str(), &entry);
    EXPECT_EQ(INVALID_HANDLE_VALUE, search);
    if (search != INVALID_HANDLE_VALUE)
        FindClose(search);
}

TEST(RobotFile, SavesIntoAFolderOfThreeHundredCharacters)
{
    // Made, read and removed through the wide calls, which take any length in
    // their "\\?\" form; the 8-bit calls stop at 260 characters.
    TempFolder base;
    std::string folder = base.Path();
    std::vector<std::string> made;
    while (300 - folder.size() > 70) {
        folder += "\\" + std::string(50, 'd');
        made.push_back(folder);
    }
    folder += "\\" + std::string(299 - folder.size(), 'e');
    made.push_back(folder);
    ASSERT_EQ(300u, folder.size());
    const auto wide = [](const std::string& path) { return L"\\\\?\\" + std::wstring(path.begin(), path.end()); };
    for (const std::string& path : made)
        ASSERT_TRUE(CreateDirectoryW(wide(path).c_str(), nullptr));
    const std::string path = folder + "\\Two Windows.txt";
    const auto read = [&wide, &path]() {
        const HANDLE file =
            CreateFileW(wide(path).c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
        std::string bytes(4096, '\0');
        DWORD count = 0;
        EXPECT_TRUE(ReadFile(file, &bytes[0], static_cast<DWORD>(bytes.size()), &count, nullptr));
        CloseHandle(file);
        bytes.resize(count);
        return bytes;
    };

    CRobot robot = TwoWindowRobot();
    EXPECT_EQ(1, robot.SaveToFile(folder.c_str()));
    EXPECT_EQ(kTwoWindowFile, read());
    robot.m_strDescription = "Clicks thrice";
    EXPECT_EQ(1, robot.SaveToFile(folder.c_str()));
    EXPECT_NE(std::string::npos, read().find("Description=Clicks thrice\r\n"));

    // The replaced file is the folder's only entry: no temporary file is left.
    WIN32_FIND_DATAW entry;
    const HANDLE search = FindFirstFileW(wide(folder + "\\*").c_str(), &entry);
    int entries = 0;
    if (search != INVALID_HANDLE_VALUE) {
        do
            entries += entry.cFileName[0] != L'.';
        while (FindNextFileW(search, &entry));
        FindClose(search);
    }
    EXPECT_EQ(1, entries);
    DeleteFileW(wide(path).c_str());
    for (auto folderMade = made.rbegin(); folderMade != made.rend(); ++folderMade)
        RemoveDirectoryW(wide(*folderMade).c_str());
}

TEST(RobotFile, SaveWritesOnlyWhenTheBytesDiffer)
{
    TempFolder folder;
    CRobot robot = TwoWindowRobot();
    ASSERT_EQ(1, robot.SaveToFile(folder.Path().c_str()));
    const std::string path = folder.File("Two Windows.txt");
    const auto writeTime = [&path]() {
        WIN32_FILE_ATTRIBUTE_DATA data;
        EXPECT_TRUE(GetFileAttributesExA(path.c_str(), GetFileExInfoStandard, &data));
        return ULARGE_INTEGER{{data.ftLastWriteTime.dwLowDateTime, data.ftLastWriteTime.dwHighDateTime}}.QuadPart;
    };
    const FILETIME old = {0x00000000, 0x01C00000};
    {
        const HANDLE file = CreateFileA(path.c_str(), FILE_WRITE_ATTRIBUTES, 0, nullptr, OPEN_EXISTING, 0, nullptr);
        ASSERT_NE(INVALID_HANDLE_VALUE, file);
        SetFileTime(file, nullptr, nullptr, &old);
        CloseHandle(file);
    }
    const ULONGLONG before = writeTime();

    ASSERT_EQ(1, robot.SaveToFile(folder.Path().c_str()));
    EXPECT_EQ(before, writeTime());

    // Same length, one byte different: written again.
    std::string damaged = kTwoWindowFile;
    damaged[damaged.size() - 3] ^= 1;
    WriteBytes(path, damaged);
    ASSERT_EQ(1, robot.SaveToFile(folder.Path().c_str()));
    EXPECT_EQ(kTwoWindowFile, ReadBytes(path));

    // Given the bytes just read, the save compares them and reads nothing:
    // equal ones leave even a changed file alone, others write it.
    WriteBytes(path, damaged);
    ASSERT_EQ(1, robot.SaveToFile(folder.Path().c_str(), std::string(kTwoWindowFile)));
    EXPECT_EQ(damaged, ReadBytes(path));
    ASSERT_EQ(1, robot.SaveToFile(folder.Path().c_str(), damaged));
    EXPECT_EQ(kTwoWindowFile, ReadBytes(path));
}

TEST(RobotFile, SaveToNewFileNeverReplacesWhatIsThere)
{
    TempFolder folder;
    const std::string taken = folder.File("Long robot name.txt");
    WriteBytes(taken, "kept");
    char shortPath[MAX_PATH] = "";
    ASSERT_NE(0u, GetShortPathNameA(taken.c_str(), shortPath, MAX_PATH));
    const std::string shortName(std::strrchr(shortPath, '\\') + 1, std::strrchr(shortPath, '.'));
    for (const std::string& name : {std::string("LONG ROBOT NAME"), shortName}) {
        CRobot robot = TwoWindowRobot();
        robot.m_strName = name.c_str();
        EXPECT_EQ(0, robot.SaveToNewFile(folder.Path().c_str())) << name;
    }
    EXPECT_EQ("kept", ReadBytes(taken));
    EXPECT_EQ(1, TwoWindowRobot().SaveToNewFile(folder.Path().c_str()));
    EXPECT_EQ(kTwoWindowFile, ReadBytes(folder.File("Two Windows.txt")));
    WIN32_FIND_DATAA entry;
    EXPECT_EQ(INVALID_HANDLE_VALUE, FindFirstFileA(folder.File("*.tmp").c_str(), &entry));
}
