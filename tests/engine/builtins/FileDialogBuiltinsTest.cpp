// The file and folder dialog built-ins with the dialogs answered by the test.
#include "BuiltinScriptRunner.h"

#include "engine/system/FileDialogCalls.h"
#include "tests/support/TempFolder.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

const DWORD kAlwaysFlags = OFN_EXPLORER | OFN_HIDEREADONLY | OFN_NODEREFERENCELINKS;

// What the last dialog was given, and how it answers.
struct DialogAnswer
{
    bool choose = true;
    std::string names;  // written to the name buffer (NULs included)
    WORD fileOffset = 0;
    std::string filter;
    std::string initialName;
    std::string title;
    DWORD flags = 0;
    DWORD bufferSize = 0;
    bool saved = false;
    bool hadRoot = false;
};

class FileDialogBuiltins : public ::testing::Test
{
protected:
    void SetUp() override
    {
        m_saved = FileDialogCalls();
        auto answer = [this](OPENFILENAMEA& dialog, bool save) {
            const char* end = dialog.lpstrFilter;
            while (end[0] || end[1])
                ++end;
            m_answer.filter.assign(dialog.lpstrFilter, end + 2);
            m_answer.initialName = dialog.lpstrFile;
            m_answer.title = dialog.lpstrTitle;
            m_answer.flags = dialog.Flags;
            m_answer.bufferSize = dialog.nMaxFile;
            m_answer.saved = save;
            m_answer.names.copy(dialog.lpstrFile, m_answer.names.size());
            dialog.nFileOffset = m_answer.fileOffset;
            return m_answer.choose;
        };
        FileDialogCalls().m_fnOpen = [answer](OPENFILENAMEA& dialog) { return answer(dialog, false); };
        FileDialogCalls().m_fnSave = [answer](OPENFILENAMEA& dialog) { return answer(dialog, true); };
        FileDialogCalls().m_fnBrowse = [this](BROWSEINFOA& info, std::string& path) {
            m_answer.title = info.lpszTitle;
            m_answer.flags = info.ulFlags;
            m_answer.hadRoot = info.pidlRoot != nullptr;
            path = m_answer.names;
            return m_answer.choose;
        };
    }
    void TearDown() override { FileDialogCalls() = m_saved; }

    CFileDialogCalls m_saved;
    DialogAnswer m_answer;
    CBuiltinScriptRunner m_runner;
};

}  // namespace

TEST_F(FileDialogBuiltins, FilterHasOneEntryEndedByTwoNuls)
{
    const std::pair<const char*, std::string> cases[] = {
        {"Text (*.txt;*.log)", std::string("Text (*.txt;*.log)\0*.txt;*.log\0\0", 32)},
        {"a) b (*.c) (d)", std::string("a) b (*.c) (d)\0*.c\0\0", 20)},
    };
    for (const auto& c : cases) {
        m_answer.names = std::string("C:\\x.txt\0", 9);
        const auto outcome = m_runner.Evaluate(std::string("FileOpenDialog(\"T\", \"C:\\\", \"") + c.first + "\")");
        EXPECT_TRUE(outcome.ok);
        EXPECT_EQ(c.second, m_answer.filter) << c.first;
        EXPECT_EQ("C:\\x.txt", outcome.text);
        EXPECT_EQ(0, outcome.error);
    }
    for (const char* bad : {"Text *.txt", "Text )*.txt(", "Text (*.txt"}) {
        CBuiltinScriptRunner runner;
        EXPECT_FALSE(runner.Run({std::string("$v = FileSaveDialog(\"T\", \"\", \"") + bad + "\")"})) << bad;
        ASSERT_EQ(1u, runner.Boxes().size()) << bad;
        EXPECT_NE(std::string::npos, runner.Boxes()[0].find("Invalid file filter given.")) << runner.Boxes()[0];
    }
}

TEST_F(FileDialogBuiltins, OptionsDefaultNameAndAnswers)
{
    const std::pair<int, DWORD> options[] = {
        {0, 0},
        {1, OFN_FILEMUSTEXIST},
        {31, OFN_FILEMUSTEXIST | OFN_PATHMUSTEXIST | OFN_ALLOWMULTISELECT | OFN_CREATEPROMPT | OFN_OVERWRITEPROMPT},
    };
    for (const auto& option : options) {
        m_runner.Evaluate("FileSaveDialog(\"Save it\", \"\", \"(*)\", " + std::to_string(option.first) +
                          ", \"d.txt\")");
        EXPECT_TRUE(m_answer.saved);
        EXPECT_EQ("Save it", m_answer.title);
        EXPECT_EQ("d.txt", m_answer.initialName);
        EXPECT_EQ(kAlwaysFlags | option.second, m_answer.flags) << option.first;
    }

    EXPECT_EQ(65535u, m_answer.bufferSize);

    m_answer.names = std::string("C:\\dir\0a.txt\0b.txt\0\0", 20);
    m_answer.fileOffset = 7;
    EXPECT_EQ("C:\\dir|a.txt|b.txt", m_runner.Evaluate("FileOpenDialog(\"T\", \"\", \"(*)\", 4)").text);
    // One file chosen over a longer default name: what follows its NUL is no name.
    m_answer.names = std::string("C:\\a\0", 5);
    m_answer.fileOffset = 3;
    EXPECT_EQ("C:\\a", m_runner.Evaluate("FileOpenDialog(\"T\", \"\", \"(*)\", 4, \"longdefault.txt\")").text);

    m_answer.choose = false;
    const auto cancelled = m_runner.Evaluate("FileOpenDialog(\"T\", \"\", \"(*)\")");
    EXPECT_EQ("", cancelled.text);
    EXPECT_EQ(1, cancelled.error);
}

TEST_F(FileDialogBuiltins, FolderBrowserFlagsRootAndCancel)
{
    const std::pair<int, UINT> flags[] = {
        {0, BIF_NONEWFOLDERBUTTON},
        {1, BIF_NEWDIALOGSTYLE},
        {2, BIF_NONEWFOLDERBUTTON | BIF_NEWDIALOGSTYLE},
        {4, BIF_NONEWFOLDERBUTTON | BIF_EDITBOX},
    };
    m_answer.names = "C:\\windows";
    for (const auto& flag : flags) {
        const auto outcome = m_runner.Evaluate("FileSelectFolder(\"Pick\", \"\", " + std::to_string(flag.first) + ")");
        EXPECT_EQ("C:\\windows", outcome.text);
        EXPECT_EQ(flag.second, m_answer.flags) << flag.first;
        EXPECT_EQ("Pick", m_answer.title);
        EXPECT_FALSE(m_answer.hadRoot);
    }
    m_answer.choose = false;
    const auto cancelled = m_runner.Evaluate("FileSelectFolder(\"Pick\", \"C:\\\")");
    EXPECT_TRUE(m_answer.hadRoot);
    EXPECT_EQ("", cancelled.text);
    EXPECT_EQ(1, cancelled.error);
}

TEST_F(FileDialogBuiltins, PathsTheDialogCannotHoldAreRefusedBeforeItOpens)
{
    // Paths of MAX_PATH - 1 and MAX_PATH chars as the dialog builds them: as
    // written, expanded, made full and with "\*" after an existing folder.
    TempFolder temp;
    const std::string nearFolder = temp.File(std::string(MAX_PATH - 4 - temp.Path().size(), 'f').c_str());
    const std::string farFolder = nearFolder + "f";
    ASSERT_TRUE(CreateDirectoryA(nearFolder.c_str(), nullptr) && CreateDirectoryA(farFolder.c_str(), nullptr));
    SetEnvironmentVariableA("TAPFORGE_NEAR", "C:\\");
    SetEnvironmentVariableA("TAPFORGE_FAR", ("C:\\" + std::string(1000, 'x')).c_str());
    char current[MAX_PATH] = "";
    GetCurrentDirectoryA(MAX_PATH, current);
    SetCurrentDirectoryA(temp.Path().c_str());
    const std::string drive = "C:\\";
    struct
    {
        std::string folder;
        std::string name;
        bool shown;
    } const rows[] = {
        {drive + std::string(MAX_PATH - 4, 'x'), "", true},
        {drive + std::string(MAX_PATH - 3, 'x'), "", false},
        {"%TAPFORGE_NEAR%", "", true},
        {"%TAPFORGE_FAR%", "", false},
        {nearFolder, "", true},
        {farFolder, "", false},
        {nearFolder.substr(temp.Path().size() + 1), "", true},
        {farFolder.substr(temp.Path().size() + 1), "", false},
        {"", drive + std::string(MAX_PATH - 4, 'x'), true},
        {"", drive + std::string(MAX_PATH - 3, 'x'), false},
        {"", drive + std::string(MAX_PATH - 5, 'x') + "\\", true},
        {"", drive + std::string(MAX_PATH - 4, 'x') + "\\", false},
    };
    m_answer.names = std::string("C:\\x.txt\0", 9);
    for (const auto& row : rows) {
        m_answer.title.clear();
        const auto outcome =
            m_runner.Evaluate("FileOpenDialog(\"T\", \"" + row.folder + "\", \"(*)\", 0, \"" + row.name + "\")");
        EXPECT_EQ(row.shown, m_answer.title == "T") << row.folder << row.name;
        EXPECT_EQ(row.shown ? "C:\\x.txt" : "", outcome.text) << row.folder << row.name;
        EXPECT_EQ(row.shown ? 0 : 1, outcome.error) << row.folder << row.name;
    }
    SetCurrentDirectoryA(current);
    SetEnvironmentVariableA("TAPFORGE_NEAR", nullptr);
    SetEnvironmentVariableA("TAPFORGE_FAR", nullptr);
}
