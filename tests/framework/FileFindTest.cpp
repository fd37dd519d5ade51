#include "framework/CFileFind.h"
#include "framework/CFile.h"
#include "framework/ExactName.h"
#include "framework/FullPathName.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "tests/support/FoundFileNames.h"
#include "tests/support/TempFolder.h"
#include "tests/support/WideNamedFile.h"

TEST(FileFindTest, YieldsFilesInEnumerationOrderAndSkipsFolders)
{
    TempFolder folder;
    for (const char* name : {"zeta.txt", "alpha.txt", "Mid.txt", "notes.ini"})
        ASSERT_TRUE(CFile::WriteAll(folder.File(name).c_str(), "x", 1));
    ASSERT_TRUE(CreateDirectoryA(folder.File("dir.txt").c_str(), nullptr));

    std::vector<std::string> names;
    std::vector<std::string> paths;
    std::vector<std::string> titles;
    CFileFind finder;
    for (bool more = finder.FindFile((folder.Path() + "\\*.txt").c_str()); more;) {
        more = finder.FindNextFile();
        if (finder.IsDots() || finder.IsDirectory())
            continue;
        names.push_back(finder.GetFileName().Str());
        paths.push_back(finder.GetFilePath().Str());
        titles.push_back(finder.GetFileTitle().Str());
        EXPECT_EQ(finder.GetLength(), 1u);
    }
    EXPECT_EQ(names, FoundFileNames(folder.Path() + "\\*.txt"));
    ASSERT_EQ(names.size(), 3u);
    for (size_t i = 0; i < names.size(); ++i) {
        EXPECT_EQ(paths[i], folder.File(names[i].c_str()));
        EXPECT_EQ(titles[i] + ".txt", names[i]);
    }
}

TEST(FileFindTest, DotsAreDirectoriesAndRelativePatternsGiveFullPaths)
{
    TempFolder folder;
    ASSERT_TRUE(CFile::WriteAll(folder.File("only.txt").c_str(), "", 0));
    char previous[MAX_PATH + 1] = {};
    GetCurrentDirectoryA(sizeof previous, previous);
    ASSERT_TRUE(SetCurrentDirectoryA(folder.Path().c_str()));

    int dots = 0;
    std::string filePath;
    CFileFind finder;
    for (bool more = finder.FindFile(); more;) {
        more = finder.FindNextFile();
        if (finder.IsDots()) {
            EXPECT_TRUE(finder.IsDirectory());
            ++dots;
        } else {
            filePath = finder.GetFilePath().Str();
        }
    }
    SetCurrentDirectoryA(previous);
    EXPECT_EQ(dots, 2);
    EXPECT_EQ(CString(filePath).CompareNoCase(folder.File("only.txt").c_str()), 0);
}

TEST(FileFindTest, MissingFolderOrNoMatchFindsNothing)
{
    TempFolder folder;
    CFileFind finder;
    EXPECT_FALSE(finder.FindFile((folder.Path() + "\\*.robo").c_str()));
    EXPECT_FALSE(finder.FindNextFile());
    EXPECT_FALSE(finder.FindFile((folder.Path() + "\\missing\\*.txt").c_str()));
}

TEST(FileFindTest, FullPathNamesHaveNoLengthLimit)
{
    TempFolder folder;
    char current[MAX_PATH];
    GetCurrentDirectoryA(MAX_PATH, current);
    ASSERT_TRUE(SetCurrentDirectoryA(folder.Path().c_str()));
    std::string full;
    EXPECT_TRUE(FullPathName("a.txt", full));
    EXPECT_EQ(folder.File("a.txt"), full);
    const std::string deep = folder.Path() + "\\" + std::string(300, 'n') + "\\x.txt";
    EXPECT_TRUE(FullPathName(deep.c_str(), full));
    EXPECT_EQ(deep, full);
    EXPECT_FALSE(FullPathName("", full));
    EXPECT_EQ("", full);
    SetCurrentDirectoryA(current);
}

// U+FF3C, the fullwidth backslash, narrows to "\\" in code page 1252: the
// look-alike names a file in another folder.
TEST(FileFindTest, ExactFoundNameTakesTheLongNameElseAnExactShortOne)
{
    struct Case
    {
        const wchar_t* longName;
        const wchar_t* shortName;
        bool exact;
        const char* name;
    };
    const Case cases[] = {
        {L"Robot 1.txt", L"", true, "Robot 1.txt"},
        {L"caf\u00e9.txt", L"CAF~1.TXT", true, "caf\xe9.txt"},
        {L"..\uff3ckeep.txt", L"KEEP~1.TXT", true, "KEEP~1.TXT"},
        {L"\u30ed\u30dc.txt", L"RO~1.TXT", true, "RO~1.TXT"},
        {L"..\uff3ckeep.txt", L"", false, ""},
        {L"..\uff3ckeep.txt", L"\uff3c~1.TXT", false, ""},
    };
    for (const Case& c : cases) {
        WIN32_FIND_DATAW found{};
        wcscpy(found.cFileName, c.longName);
        wcscpy(found.cAlternateFileName, c.shortName);
        std::string name = "stale";
        EXPECT_EQ(ExactFoundName(found, name), c.exact);
        EXPECT_EQ(name, c.name);
    }
}

TEST(FileFindTest, UnspellableNamesComeAsNamesThatOpenThatVeryFile)
{
    TempFolder folder;
    ASSERT_TRUE(CFile::WriteAll(folder.File("plain.txt").c_str(), "plain", 5));
    WideNamedFile lookAlike(folder.Path(), L"robot\uff3ckeep.txt", "fullwidth");
    ASSERT_TRUE(lookAlike.Made());

    std::vector<std::string> contents;
    CFileFind finder;
    for (bool more = finder.FindFile((folder.Path() + "\\*.txt").c_str()); more;) {
        more = finder.FindNextFile();
        EXPECT_EQ(finder.GetFileName().Find('\\'), -1);
        std::string bytes;
        EXPECT_TRUE(CFile::ReadAll(finder.GetFilePath(), bytes)) << finder.GetFilePath().Str();
        contents.push_back(bytes);
    }
    // Wine gives every file a short name.
    std::sort(contents.begin(), contents.end());
    EXPECT_EQ(contents, (std::vector<std::string>{"fullwidth", "plain"}));

    struct Case
    {
        std::wstring path;
        bool exact;
        const char* content;
    };
    const Case cases[] = {
        {Widened(folder.File("plain.txt").c_str()), true, "plain"},
        {lookAlike.Path(), true, "fullwidth"},
        {lookAlike.Path() + L"\uff3cmissing", false, ""},
    };
    for (const Case& c : cases) {
        std::string path;
        ASSERT_EQ(ExactPathName(c.path.c_str(), path), c.exact);
        std::string bytes;
        EXPECT_EQ(CFile::ReadAll(path.c_str(), bytes), c.exact);
        EXPECT_EQ(bytes, c.content);
    }
}

TEST(FileFindTest, PathsOutsideTheCodePageTakeTheShortFormOfWhatExists)
{
    // Greek capital omega: its look-alike "O" names another folder.
    const std::wstring name = L"\x03A9mega";
    BOOL bLost = FALSE;
    if (GetACP() == CP_UTF8 ||
        (WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, name.c_str(), -1, nullptr, 0, nullptr, &bLost) && !bLost))
        GTEST_SKIP() << "the code page " << GetACP() << " holds the name";
    TempFolder folder;
    const std::wstring wide = std::wstring(folder.Path().begin(), folder.Path().end()) + L"\\" + name;
    ASSERT_TRUE(CreateDirectoryW(wide.c_str(), nullptr));
    std::string exact;
    const bool bExact = ExactPathName(wide.c_str(), exact);
    std::string missing = "x";
    const bool bMissing = ExactPathName((wide + L"\\" + name).c_str(), missing);
    WCHAR saved[MAX_PATH] = L"";
    GetCurrentDirectoryW(MAX_PATH, saved);
    ASSERT_TRUE(SetCurrentDirectoryW(wide.c_str()));
    std::string full;
    const bool bFull = FullPathName("new.txt", full);
    SetCurrentDirectoryW(saved);
    const bool bShortNames = GetShortPathNameW(wide.c_str(), nullptr, 0) != 0;
    // The only folder inside: whatever the exact form names there is it.
    const DWORD dwReached = GetFileAttributesA(exact.c_str());
    const bool bReaches = dwReached != INVALID_FILE_ATTRIBUTES && (dwReached & FILE_ATTRIBUTE_DIRECTORY);
    RemoveDirectoryW(wide.c_str());
    if (!bShortNames)
        GTEST_SKIP() << "the system keeps no short names";
    ASSERT_TRUE(bExact);
    // Only the name the code page cannot spell is shortened.
    EXPECT_EQ(0u, exact.rfind(folder.Path() + "\\", 0)) << exact;
    EXPECT_TRUE(bReaches) << exact;
    EXPECT_TRUE(bFull);
    EXPECT_EQ(exact + "\\new.txt", full);
    EXPECT_FALSE(bMissing);
    EXPECT_EQ("", missing);
}

TEST(FileFindTest, APathWithoutAnExactFormMarksWhatTheCodePageCannotSpell)
{
    // Greek capital omega, and a character beyond the basic plane (two units).
    if (CodePageSpells(L"\x03A9") || CodePageSpells(L"\U0001F600"))
        GTEST_SKIP() << "the code page " << GetACP() << " holds the names";
    TempFolder folder;
    const std::wstring base = Widened(folder.Path().c_str());
    const std::pair<std::wstring, std::string> cases[] = {
        {base + L"\\plain\\x", folder.Path() + "\\plain\\x"},
        {base + L"\\\x03A9mega\\x", folder.Path() + "\\|mega\\x"},
        {base + L"\\a\U0001F600b", folder.Path() + "\\a|b"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.second, ExactOrUnreachablePath(c.first.c_str()));
}
