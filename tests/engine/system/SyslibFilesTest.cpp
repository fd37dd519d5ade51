// File and folder helpers against temporary folders on drive C: and, for
// moves across drives, on Z: (the host's file system under Wine).
#include "engine/system/SystemFiles.h"
#include "engine/system/SystemPaths.h"
#include "tests/support/WideNamedFile.h"
#include "tests/tools/e2e/E2eSupport.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

namespace {

void WriteTestFile(const std::string& path, const std::string& text)
{
    ASSERT_TRUE(e2e::WriteWholeFile(path, text)) << path;
}

bool Exists(const std::string& path)
{
    return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

// The long names in a folder, as the wide listing gives them.
std::set<std::wstring> LongNamesIn(const std::string& folder)
{
    std::set<std::wstring> names;
    WIN32_FIND_DATAW found;
    const HANDLE search = FindFirstFileW((Widened(folder.c_str()) + L"\\*").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE)
        return names;
    do
        names.insert(found.cFileName);
    while (FindNextFileW(search, &found));
    FindClose(search);
    names.erase(L".");
    names.erase(L"..");
    return names;
}

class SyslibFiles : public ::testing::Test
{
protected:
    void SetUp() override
    {
        m_root = e2e::TempFilePath("syslib");
        ASSERT_TRUE(CreateDirectoryA(m_root.c_str(), nullptr));
        m_other = "Z:\\tmp\\tapforge-syslib-" + std::to_string(GetCurrentProcessId());
        m_hasOtherDrive = CreateDirectoryA(m_other.c_str(), nullptr) || IsDirectory(m_other.c_str());
    }

    void TearDown() override
    {
        RemoveDirectoryTree(m_root.c_str(), true);
        if (m_hasOtherDrive)
            RemoveDirectoryTree(m_other.c_str(), true);
    }

    std::string In(const std::string& name) const { return m_root + "\\" + name; }

    std::string m_root;
    std::string m_other;
    bool m_hasOtherDrive = false;
};

TEST_F(SyslibFiles, CopyOrMoveOntoItselfKeepsTheFile)
{
    WriteTestFile(In("a.txt"), "keep");
    EXPECT_FALSE(CopyMoveFiles(In("a.txt").c_str(), In("a.txt").c_str(), true, false));
    EXPECT_EQ("keep", e2e::ReadWholeFile(In("a.txt")));
    EXPECT_TRUE(CopyMoveFiles(In("a.txt").c_str(), m_root.c_str(), true, true));
    EXPECT_EQ("keep", e2e::ReadWholeFile(In("a.txt")));
    EXPECT_FALSE(CopyDirectory(m_root.c_str(), m_root.c_str(), true));
    EXPECT_FALSE(MoveDirectory(m_root.c_str(), (m_root + "\\").c_str(), true));
    EXPECT_EQ("keep", e2e::ReadWholeFile(In("a.txt")));
}

TEST_F(SyslibFiles, CopyWithPatternsAndOverwrite)
{
    WriteTestFile(In("one.txt"), "1");
    WriteTestFile(In("two.txt"), "2");
    WriteTestFile(In("three.log"), "3");
    ASSERT_TRUE(MakeDirectoryPath(In("out\\deep").c_str()));
    EXPECT_TRUE(CopyMoveFiles(In("*.txt").c_str(), In("out\\*.bak").c_str(), false, false));
    EXPECT_EQ("1", e2e::ReadWholeFile(In("out\\one.bak")));
    EXPECT_EQ("2", e2e::ReadWholeFile(In("out\\two.bak")));
    EXPECT_FALSE(Exists(In("out\\three.bak")));

    WriteTestFile(In("one.txt"), "new");
    EXPECT_FALSE(CopyMoveFiles(In("one.txt").c_str(), In("out\\one.bak").c_str(), false, false));
    EXPECT_EQ("1", e2e::ReadWholeFile(In("out\\one.bak")));
    EXPECT_TRUE(CopyMoveFiles(In("one.txt").c_str(), In("out\\one.bak").c_str(), true, false));
    EXPECT_EQ("new", e2e::ReadWholeFile(In("out\\one.bak")));

    EXPECT_FALSE(CopyMoveFiles(In("*.none").c_str(), In("out").c_str(), true, false));
}

// Two ideographs that code page 1252 cannot spell. Its short name, a plain
// 8-bit name, also names an unrelated file in the target folder.
TEST_F(SyslibFiles, CopiesAndMovesKeepALongNameOutsideTheCodePage)
{
    const std::wstring name = L"\x65E5\x672C";
    if (CodePageSpells(name))
        GTEST_SKIP() << "the code page " << GetACP() << " holds the name";
    ASSERT_TRUE(m_hasOtherDrive);
    std::string shortName;
    const auto reset = [&]() {
        RemoveDirectoryTree(In("in").c_str(), true);
        RemoveDirectoryTree(In("out").c_str(), true);
        RemoveDirectoryTree(m_other.c_str(), true);
        MakeDirectoryPath(In("out").c_str());
        MakeDirectoryPath(m_other.c_str());
        MakeDirectoryPath(In("in").c_str());
        WriteTestFile(In("in\\plain.txt"), "plain");
        const std::wstring wide = Widened(In("in").c_str()) + L"\\" + name + L".txt";
        WIN32_FIND_DATAW found{};
        if (WriteWideNamed(wide, "wide"))
            FindClose(FindFirstFileW(wide.c_str(), &found));
        shortName = Narrowed(found.cAlternateFileName);
        return !shortName.empty() && e2e::WriteWholeFile(In("out\\") + shortName, "decoy") &&
               e2e::WriteWholeFile(m_other + "\\" + shortName, "decoy");
    };
    if (!reset())
        GTEST_SKIP() << "the system keeps no short names";
    const std::wstring shortWide = Widened(shortName.c_str());
    struct Row
    {
        const char* label;
        std::string source;
        std::string destination;
        bool move;
        bool expected;
        std::string folder;  // where the files go
        std::set<std::wstring> names;
    };
    const Row rows[] = {
        {"copy", In("in\\*.txt"), In("out"), false, true, In("out"), {shortWide, L"plain.txt", name + L".txt"}},
        {"move", In("in\\*.txt"), In("out\\"), true, true, In("out"), {shortWide, L"plain.txt", name + L".txt"}},
        {"copy as *.bak",
         In("in\\*.*"),
         In("out\\*.bak"),
         false,
         true,
         In("out"),
         {shortWide, L"plain.bak", name + L".bak"}},
        {"move as x*",
         In("in\\*.txt"),
         In("out\\x*"),
         true,
         true,
         In("out"),
         {shortWide, L"xplain.txt", L"x" + name + L".txt"}},
        {"move across drives",
         In("in\\*.txt"),
         m_other,
         true,
         true,
         m_other,
         {shortWide, L"plain.txt", name + L".txt"}},
        {"onto its short name",
         In("in\\plain.txt"),
         In("in\\") + shortName,
         false,
         false,
         In("in"),
         {L"plain.txt", name + L".txt"}},
    };
    for (const Row& row : rows) {
        ASSERT_TRUE(reset());
        EXPECT_EQ(row.expected, CopyMoveFiles(row.source.c_str(), row.destination.c_str(), true, row.move))
            << row.label;
        EXPECT_EQ(row.names, LongNamesIn(row.folder)) << row.label;
        for (const std::wstring& arrived : row.names) {
            const std::string bytes = ReadWideNamed(Widened(row.folder.c_str()) + L"\\" + arrived);
            EXPECT_EQ(arrived == shortWide                       ? "decoy"
                      : arrived.find(name) != std::wstring::npos ? "wide"
                                                                 : "plain",
                      bytes)
                << row.label;
        }
        EXPECT_EQ(row.move ? std::set<std::wstring>() : (std::set<std::wstring>{L"plain.txt", name + L".txt"}),
                  LongNamesIn(In("in")))
            << row.label;
    }
    // Folders go through the shell, which lists and copies by wide names.
    ASSERT_TRUE(reset());
    EXPECT_TRUE(CopyDirectory(In("in").c_str(), In("copy").c_str(), false));
    EXPECT_TRUE(MoveDirectory(In("copy").c_str(), (m_other + "\\tree").c_str(), false));
    EXPECT_EQ((std::set<std::wstring>{L"plain.txt", name + L".txt"}), LongNamesIn(m_other + "\\tree"));
}

TEST_F(SyslibFiles, MovesWithinAndAcrossDrives)
{
    WriteTestFile(In("m1.txt"), "m1");
    WriteTestFile(In("m2.txt"), "m2");
    ASSERT_TRUE(MakeDirectoryPath(In("b").c_str()));
    EXPECT_FALSE(AreOnDifferentDrives(In("m1.txt").c_str(), In("b").c_str()));
    EXPECT_TRUE(CopyMoveFiles(In("m*.txt").c_str(), In("b").c_str(), false, true));
    EXPECT_EQ("m1", e2e::ReadWholeFile(In("b\\m1.txt")));
    EXPECT_FALSE(Exists(In("m1.txt")));
    EXPECT_FALSE(Exists(In("m2.txt")));

    ASSERT_TRUE(m_hasOtherDrive);
    EXPECT_TRUE(AreOnDifferentDrives(In("b").c_str(), m_other.c_str()));
    EXPECT_TRUE(CopyMoveFiles(In("b\\*.txt").c_str(), m_other.c_str(), false, true));
    EXPECT_EQ("m2", e2e::ReadWholeFile(m_other + "\\m2.txt"));
    EXPECT_FALSE(Exists(In("b\\m2.txt")));
}

TEST_F(SyslibFiles, DirectoryMoveAcrossDrivesDeletesTheSourceAfterTheCopy)
{
    ASSERT_TRUE(MakeDirectoryPath(In("tree\\sub").c_str()));
    WriteTestFile(In("tree\\top.txt"), "top");
    WriteTestFile(In("tree\\sub\\leaf.txt"), "leaf");
    ASSERT_TRUE(m_hasOtherDrive);
    std::string target = m_other + "\\moved";
    EXPECT_TRUE(MoveDirectory(In("tree").c_str(), target.c_str(), false));
    EXPECT_EQ("leaf", e2e::ReadWholeFile(target + "\\sub\\leaf.txt"));
    EXPECT_EQ("top", e2e::ReadWholeFile(target + "\\top.txt"));
    EXPECT_FALSE(Exists(In("tree")));

    // A second move onto the existing folder needs overwrite.
    ASSERT_TRUE(MakeDirectoryPath(In("tree2").c_str()));
    EXPECT_FALSE(MoveDirectory(In("tree2").c_str(), target.c_str(), false));
    EXPECT_TRUE(Exists(In("tree2")));
}

TEST_F(SyslibFiles, DirectoryCopyMoveAndRemoveOnOneDrive)
{
    ASSERT_TRUE(MakeDirectoryPath(In("src\\inner").c_str()));
    WriteTestFile(In("src\\inner\\x.txt"), "x");
    EXPECT_TRUE(CopyDirectory(In("src").c_str(), In("copy").c_str(), false));
    EXPECT_EQ("x", e2e::ReadWholeFile(In("copy\\inner\\x.txt")));
    EXPECT_FALSE(CopyDirectory(In("src").c_str(), In("copy").c_str(), false));
    EXPECT_TRUE(MoveDirectory(In("src").c_str(), In("moved").c_str(), false));
    EXPECT_EQ("x", e2e::ReadWholeFile(In("moved\\inner\\x.txt")));
    EXPECT_FALSE(Exists(In("src")));
    EXPECT_FALSE(RemoveDirectoryTree(In("moved").c_str(), false));
    EXPECT_TRUE(RemoveDirectoryTree(In("moved").c_str(), true));
    EXPECT_FALSE(Exists(In("moved")));
    EXPECT_FALSE(RemoveDirectoryTree(In("nothing").c_str(), true));
}

TEST_F(SyslibFiles, FolderCreationAcceptsExistingFoldersWithAttributes)
{
    std::string folder = In("attr");
    ASSERT_TRUE(MakeDirectoryPath(folder.c_str()));
    SetFileAttributesA(folder.c_str(), FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN);
    EXPECT_TRUE(MakeDirectoryPath(folder.c_str()));
    SetFileAttributesA(folder.c_str(), FILE_ATTRIBUTE_NORMAL);
    WriteTestFile(In("file"), "f");
    EXPECT_FALSE(MakeDirectoryPath(In("file").c_str()));
    EXPECT_FALSE(MakeDirectoryPath(In("file\\below").c_str()));
    EXPECT_TRUE(MakeDirectoryPath(In("a\\b\\c\\d").c_str()));
    EXPECT_TRUE(IsDirectory(In("a\\b\\c\\d").c_str()));
}

TEST_F(SyslibFiles, DeleteFilesAndPatterns)
{
    WriteTestFile(In("d1.tmp"), "");
    WriteTestFile(In("d2.tmp"), "");
    WriteTestFile(In("keep.txt"), "");
    EXPECT_TRUE(FileExistsPattern(In("d?.tmp").c_str()));
    EXPECT_TRUE(DeleteFiles(In("*.tmp").c_str()));
    EXPECT_FALSE(FileExistsPattern(In("*.tmp").c_str()));
    EXPECT_TRUE(FileExistsPattern(In("keep.txt").c_str()));
    EXPECT_FALSE(DeleteFiles(In("*.tmp").c_str()));
    ASSERT_TRUE(MakeDirectoryPath(In("only").c_str()));
    WriteTestFile(In("only\\f"), "");
    EXPECT_TRUE(DeleteFiles(In("only").c_str()));
    EXPECT_TRUE(IsDirectory(In("only").c_str()));
    EXPECT_FALSE(Exists(In("only\\f")));
}

TEST_F(SyslibFiles, FullPathsKeepADriveRoot)
{
    std::string full;
    ASSERT_TRUE(GetFullPath("C:\\", full));
    EXPECT_EQ("C:\\", full);
    ASSERT_TRUE(GetFullPath("C:\\windows\\", full));
    EXPECT_EQ("C:\\windows", full);
    std::string longPath = m_root + "\\" + std::string(250 - m_root.size(), 'n');
    ASSERT_TRUE(GetFullPath((longPath + "\\").c_str(), full));
    EXPECT_EQ(longPath, full);

    char path[] = "C:\\dir\\";
    StripTrailingBackslash(path);
    EXPECT_STREQ("C:\\dir", path);
    EXPECT_TRUE(AreOnDifferentDrives("C:\\a", "\\\\server\\share"));
    EXPECT_FALSE(AreOnDifferentDrives("c:\\a", "C:\\b"));

    std::string longName;
    EXPECT_TRUE(GetLongFileName(m_root.c_str(), longName));
    EXPECT_EQ(0, lstrcmpiA(m_root.c_str(), longName.c_str())) << longName;
    EXPECT_FALSE(GetLongFileName(In("missing\\x").c_str(), longName));
    EXPECT_EQ(In("missing\\x"), longName);
}

TEST_F(SyslibFiles, FileTimesAndVersions)
{
    WriteTestFile(In("t.txt"), "t");
    SYSTEMTIME st = {2004, 1, 0, 1, 0, 0, 0, 0};
    FILETIME time;
    SystemTimeToFileTime(&st, &time);
    EXPECT_TRUE(SetFileTimeByType(In("t.txt").c_str(), time, 0));
    WIN32_FILE_ATTRIBUTE_DATA data;
    ASSERT_TRUE(GetFileAttributesExA(In("t.txt").c_str(), GetFileExInfoStandard, &data));
    EXPECT_EQ(0, CompareFileTime(&time, &data.ftLastWriteTime));
    EXPECT_FALSE(SetFileTimeByType(In("none.txt").c_str(), time, 0));

    std::string version;
    char system[MAX_PATH];
    GetSystemDirectoryA(system, MAX_PATH);
    EXPECT_TRUE(GetFileVersionText((std::string(system) + "\\kernel32.dll").c_str(), version));
    EXPECT_EQ(3, std::count(version.begin(), version.end(), '.')) << version;
    EXPECT_FALSE(GetFileVersionText(In("t.txt").c_str(), version));
}

}  // namespace
