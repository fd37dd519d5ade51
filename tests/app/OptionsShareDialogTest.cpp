// The options dialog's export and import over the data folder, with the folder
// browser answered by the test and the questions by a message-box capture; the share
// dialog's page file.
#include "app/COptionsDlg.h"
#include "app/CRobotUploadDlg.h"
#include "app/SharePage.h"
#include "framework/CMessageBoxCapture.h"
#include "res/TapforgeResource.h"
#include "tests/support/TempFolder.h"
#include "tests/support/WideNamedFile.h"

#include "e2e/E2eSupport.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

namespace {

class TestOptionsDlg : public COptionsDlg
{
public:
    TestOptionsDlg()
        : COptionsDlg(nullptr, {[this] { ++m_nLoads; },
                                [this] {
                                    ++m_nAdds;
                                    m_bClosedBeforeAdd = m_hWnd == nullptr;
                                }})
    {
    }

    void Click(int id) { SendMessage(WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), 0); }

    std::string m_strFolder;
    int m_nLoads = 0;
    int m_nAdds = 0;
    bool m_bClosedBeforeAdd = false;
    // A button clicked as soon as the dialog is up.
    int m_nClickAtStart = 0;
    // A target that another program makes between the look at it and the copy.
    std::string m_strAppearingTarget;

protected:
    CString ChooseFolder() override { return m_strFolder.c_str(); }
    BOOL CopyRobotFile(const CString& source, const CString& target, BOOL failIfExists) override
    {
        if (target.CompareNoCase(m_strAppearingTarget.c_str()) == 0)
            e2e::WriteWholeFile(m_strAppearingTarget, "made meanwhile");
        return COptionsDlg::CopyRobotFile(source, target, failIfExists);
    }
    BOOL OnInitDialog() override
    {
        const BOOL result = COptionsDlg::OnInitDialog();
        if (m_nClickAtStart)
            PostMessage(WM_COMMAND, MAKEWPARAM(m_nClickAtStart, BN_CLICKED), 0);
        return result;
    }
};

class OptionsDialogTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        e2e::EmptyDataFolder();
        m_dialog.m_strFolder = m_folder.Path();
        ASSERT_TRUE(m_dialog.Create(COptionsDlg::IDD, nullptr));
    }
    void TearDown() override { m_dialog.DestroyWindow(); }

    static std::string ScriptFile(const std::string& name) { return e2e::ScriptFolder() + "\\" + name + ".txt"; }
    std::string FolderFile(const std::string& name) const { return m_folder.File(name.c_str()); }

    static void Write(const std::string& path, const std::string& text, bool readOnly = false)
    {
        ASSERT_TRUE(e2e::WriteWholeFile(path, text));
        if (readOnly)
            SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_READONLY);
    }

    static std::vector<std::string> Texts(const CMessageBoxCapture& capture)
    {
        std::vector<std::string> texts;
        for (const CMessageBoxRequest& request : capture.Requests())
            texts.push_back(request.text.Str());
        return texts;
    }

    TempFolder m_folder;
    TestOptionsDlg m_dialog;
};

std::string ExportQuestion(const std::string& name)
{
    return "Orvantis Tapforge robot \"" + name +
           "\" already exists in output folder. Do you wish to overwrite existing robot in output folder?";
}

std::string ImportQuestion(const std::string& name)
{
    return "Orvantis Tapforge robot \"" + name + "\" already exists. Do you wish to overwrite existing robot?";
}

}  // namespace

TEST_F(OptionsDialogTest, ExportAnsweredNoKeepsTheOldFilesAndGoesOn)
{
    for (const char* name : {"a", "b", "c"})
        Write(ScriptFile(name), std::string("robot ") + name);
    Write(FolderFile("a.robo"), "old a");
    Write(FolderFile("c.robo"), "old c", true);
    CMessageBoxCapture capture(IDNO);
    m_dialog.Click(IDC_EXPORT_ROBOTS);
    EXPECT_EQ(e2e::ReadWholeFile(FolderFile("a.robo")), "old a");
    EXPECT_EQ(e2e::ReadWholeFile(FolderFile("b.robo")), "robot b");
    EXPECT_EQ(e2e::ReadWholeFile(FolderFile("c.robo")), "old c");
    std::vector<std::string> texts = Texts(capture);
    std::sort(texts.begin(), texts.end());
    EXPECT_EQ(texts, std::vector<std::string>({ExportQuestion("a"), ExportQuestion("c")}));
    EXPECT_EQ(capture.Requests()[0].type, static_cast<UINT>(MB_YESNOCANCEL | MB_ICONQUESTION));
}

TEST_F(OptionsDialogTest, ExportAnsweredYesReplacesAndReportsTheCopiesThatFailed)
{
    for (const char* name : {"a", "c"})
        Write(ScriptFile(name), std::string("robot ") + name);
    Write(FolderFile("a.robo"), "old a");
    // A folder in the way cannot be replaced by a copy.
    CreateDirectoryA(FolderFile("c.robo").c_str(), nullptr);
    CMessageBoxCapture capture(IDYES);
    m_dialog.Click(IDC_EXPORT_ROBOTS);
    EXPECT_EQ(e2e::ReadWholeFile(FolderFile("a.robo")), "robot a");
    ASSERT_EQ(capture.Count(), 3);
    EXPECT_EQ(capture.Requests()[2].text, "These robots could not be exported:\nc");
    EXPECT_EQ(capture.Requests()[2].caption, kApplicationTitle);
}

TEST_F(OptionsDialogTest, ExportCancelledStopsAtOnce)
{
    for (const char* name : {"a", "b"}) {
        Write(ScriptFile(name), "new");
        Write(FolderFile(std::string(name) + ".robo"), "old");
    }
    CMessageBoxCapture capture(IDCANCEL);
    m_dialog.Click(IDC_EXPORT_ROBOTS);
    EXPECT_EQ(capture.Count(), 1);
    EXPECT_EQ(e2e::ReadWholeFile(FolderFile("a.robo")), "old");
    EXPECT_EQ(e2e::ReadWholeFile(FolderFile("b.robo")), "old");
}

TEST_F(OptionsDialogTest, ImportIntoAMissingScriptFolderCopiesAndReloads)
{
    ASSERT_TRUE(RemoveDirectoryA(e2e::ScriptFolder().c_str()));
    Write(FolderFile("x.robo"), "robot x");
    Write(FolderFile("y.y.robo"), "robot y");
    Write(FolderFile("notes.txt"), "not a robot");
    CreateDirectoryA(FolderFile("folder.robo").c_str(), nullptr);
    CMessageBoxCapture capture(IDCANCEL);
    m_dialog.Click(IDC_IMPORT_ROBOTS);
    RemoveDirectoryA(FolderFile("folder.robo").c_str());
    EXPECT_EQ(capture.Count(), 0);
    EXPECT_EQ(e2e::ReadWholeFile(ScriptFile("x")), "robot x");
    EXPECT_EQ(e2e::ReadWholeFile(ScriptFile("y.y")), "robot y");
    EXPECT_EQ(GetFileAttributesA(ScriptFile("notes").c_str()), INVALID_FILE_ATTRIBUTES);
    EXPECT_EQ(m_dialog.m_nLoads, 1);
}

TEST_F(OptionsDialogTest, ImportAnswersKeepSkipAndStop)
{
    Write(ScriptFile("x"), "old x");
    Write(FolderFile("x.robo"), "robot x");
    Write(FolderFile("y.robo"), "robot y");
    {
        CMessageBoxCapture capture(IDNO);
        m_dialog.Click(IDC_IMPORT_ROBOTS);
        EXPECT_EQ(Texts(capture), std::vector<std::string>({ImportQuestion("x")}));
        EXPECT_EQ(e2e::ReadWholeFile(ScriptFile("x")), "old x");
        EXPECT_EQ(e2e::ReadWholeFile(ScriptFile("y")), "robot y");
        EXPECT_EQ(m_dialog.m_nLoads, 1);
    }
    {
        CMessageBoxCapture capture(IDCANCEL);
        m_dialog.Click(IDC_IMPORT_ROBOTS);
        EXPECT_EQ(capture.Count(), 1);
        EXPECT_EQ(m_dialog.m_nLoads, 1);
    }
    {
        // A folder in the way: asked, answered Yes, and the failed copy is
        // reported by name and not counted.
        DeleteFileA(FolderFile("x.robo").c_str());
        DeleteFileA(FolderFile("y.robo").c_str());
        Write(FolderFile("z.robo"), "robot z");
        CreateDirectoryA(ScriptFile("z").c_str(), nullptr);
        CMessageBoxCapture capture(IDYES);
        m_dialog.Click(IDC_IMPORT_ROBOTS);
        RemoveDirectoryA(ScriptFile("z").c_str());
        ASSERT_EQ(capture.Count(), 2);
        EXPECT_EQ(capture.Requests()[1].text, "These robots could not be imported:\nz");
        EXPECT_EQ(capture.Requests()[1].caption, kApplicationTitle);
        EXPECT_EQ(m_dialog.m_nLoads, 1);
    }
}

TEST_F(OptionsDialogTest, ImportCancelledAfterAFailedCopyStillReportsIt)
{
    // Folders in the way of both robots: the first one asked about is let
    // through and fails, the second question is cancelled.
    for (const char* name : {"r", "s"}) {
        Write(FolderFile(std::string(name) + ".robo"), "robot");
        CreateDirectoryA(ScriptFile(name).c_str(), nullptr);
    }
    CMessageBoxCapture capture(IDCANCEL);
    capture.QueueAnswer(IDYES);
    m_dialog.Click(IDC_IMPORT_ROBOTS);
    for (const char* name : {"r", "s"})
        RemoveDirectoryA(ScriptFile(name).c_str());
    const std::vector<std::string> texts = Texts(capture);
    ASSERT_EQ(texts.size(), 3u);
    const std::string first = texts[0] == ImportQuestion("r") ? "r" : "s";
    EXPECT_EQ(texts[2], "These robots could not be imported:\n" + first);
    EXPECT_EQ(m_dialog.m_nLoads, 0);
}

TEST_F(OptionsDialogTest, ATargetThatAppearsBeforeTheCopyIsNotReplaced)
{
    struct Case
    {
        const char* label;
        int button;
        std::string source;
        std::string target;
        const char* report;
    };
    const Case cases[] = {
        {"export", IDC_EXPORT_ROBOTS, ScriptFile("n"), FolderFile("n.robo"), "These robots could not be exported:\nn"},
        {"import", IDC_IMPORT_ROBOTS, FolderFile("n.robo"), ScriptFile("n"), "These robots could not be imported:\nn"},
    };
    for (const Case& row : cases) {
        SCOPED_TRACE(row.label);
        DeleteFileA(ScriptFile("n").c_str());
        DeleteFileA(FolderFile("n.robo").c_str());
        Write(row.source, "robot n");
        m_dialog.m_strAppearingTarget = row.target;
        CMessageBoxCapture capture(IDYES);
        m_dialog.Click(row.button);
        EXPECT_EQ(e2e::ReadWholeFile(row.target), "made meanwhile");
        EXPECT_EQ(Texts(capture), std::vector<std::string>({row.report}));
    }
    EXPECT_EQ(m_dialog.m_nLoads, 0);
}

TEST_F(OptionsDialogTest, ImportReportsARobotThatCouldNotBeReadBack)
{
    // Its robot file's path would have MAX_PATH characters, one too many.
    const std::string tooLong(MAX_PATH - (e2e::ScriptFolder() + "\\.txt").size(), 'n');
    ASSERT_LT(FolderFile(tooLong + ".robo").size(), static_cast<size_t>(MAX_PATH));
    Write(FolderFile(tooLong + ".robo"), "robot n");
    Write(FolderFile("s.robo"), "robot s");
    // No 8-bit name reaches this one: its short name ends in ".ROB". It is
    // reported by its long name as the code page narrows it.
    const WideNamedFile unnamed(m_folder.Path(), L"\u30ed\u30dc.robo", "robot r");
    ASSERT_TRUE(unnamed.Made());
    CMessageBoxCapture capture(IDYES);
    m_dialog.Click(IDC_IMPORT_ROBOTS);
    EXPECT_EQ(Texts(capture), std::vector<std::string>({"These robots could not be imported:\n??\n" + tooLong}));
    WIN32_FIND_DATAA found;
    const HANDLE search = FindFirstFileA((e2e::ScriptFolder() + "\\*.txt").c_str(), &found);
    ASSERT_NE(search, INVALID_HANDLE_VALUE);
    EXPECT_STREQ(found.cFileName, "s.txt");
    EXPECT_FALSE(FindNextFileA(search, &found));
    FindClose(search);
    EXPECT_EQ(m_dialog.m_nLoads, 1);
}

TEST_F(OptionsDialogTest, NoExportIsWrittenThatImportCannotListAgain)
{
    // The chosen folder is deep enough that the boundary falls on short robot
    // names; there the in-between file of a copy has a path beyond MAX_PATH.
    const std::string deep = m_folder.Path() + "\\" + std::string(247 - m_folder.Path().size(), 'd');
    ASSERT_TRUE(CreateDirectoryA(deep.c_str(), nullptr));
    m_dialog.m_strFolder = deep;
    struct Case
    {
        const char* label;
        int button;
        size_t exportedPathLength;
        const char* refusal;
    };
    const Case cases[] = {
        {"export to MAX_PATH - 1", IDC_EXPORT_ROBOTS, MAX_PATH - 1, nullptr},
        {"export to MAX_PATH", IDC_EXPORT_ROBOTS, MAX_PATH, "These robots could not be exported:\n"},
        {"import from MAX_PATH - 1", IDC_IMPORT_ROBOTS, MAX_PATH - 1, nullptr},
        {"import from MAX_PATH", IDC_IMPORT_ROBOTS, MAX_PATH, "These robots could not be imported:\n"},
    };
    for (const Case& row : cases) {
        SCOPED_TRACE(row.label);
        const std::string name(row.exportedPathLength - (deep + "\\.robo").size(), 'r');
        const bool exporting = row.button == IDC_EXPORT_ROBOTS;
        std::unique_ptr<WideNamedFile> exported;
        if (exporting)
            Write(ScriptFile(name), "robot");
        else
            exported = std::make_unique<WideNamedFile>(deep, Widened((name + ".robo").c_str()), "robot");
        CMessageBoxCapture capture(IDYES);
        m_dialog.Click(row.button);
        const std::string copy = exporting ? deep + "\\" + name + ".robo" : ScriptFile(name);
        if (row.refusal) {
            EXPECT_EQ(Texts(capture), std::vector<std::string>({row.refusal + name}));
            EXPECT_EQ(GetFileAttributesW((L"\\\\?\\" + Widened(copy.c_str())).c_str()), INVALID_FILE_ATTRIBUTES);
        } else {
            EXPECT_EQ(capture.Count(), 0);
            EXPECT_EQ(e2e::ReadWholeFile(copy), "robot");
            EXPECT_TRUE(DeleteFileA(copy.c_str()));
        }
        DeleteFileA(ScriptFile(name).c_str());
    }
}

TEST_F(OptionsDialogTest, AReplaceWhoseCopyFailsLeavesTheOldRobotWhole)
{
    struct Case
    {
        const char* label;
        int button;
        std::string source;
        std::string target;
        std::string question;
        const char* report;
    };
    const Case cases[] = {
        {"export", IDC_EXPORT_ROBOTS, ScriptFile("n"), FolderFile("n.robo"), ExportQuestion("n"),
         "These robots could not be exported:\nn"},
        {"import", IDC_IMPORT_ROBOTS, FolderFile("n.robo"), ScriptFile("n"), ImportQuestion("n"),
         "These robots could not be imported:\nn"},
    };
    for (const Case& row : cases) {
        SCOPED_TRACE(row.label);
        DeleteFileA(ScriptFile("n").c_str());
        DeleteFileA(FolderFile("n.robo").c_str());
        Write(row.source, "new robot n");
        Write(row.target, "old robot n");
        // Another program holds the source open without sharing it.
        const HANDLE holder = CreateFileA(row.source.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
        ASSERT_NE(holder, INVALID_HANDLE_VALUE);
        CMessageBoxCapture capture(IDYES);
        m_dialog.Click(row.button);
        CloseHandle(holder);
        EXPECT_EQ(Texts(capture), std::vector<std::string>({row.question, row.report}));
        EXPECT_EQ(e2e::ReadWholeFile(row.target), "old robot n");
        // Nor is the in-between file left beside it.
        WIN32_FIND_DATAA entry;
        EXPECT_EQ(FindFirstFileA((row.target.substr(0, row.target.rfind('\\')) + "\\*.tmp").c_str(), &entry),
                  INVALID_HANDLE_VALUE);
    }
}

TEST_F(OptionsDialogTest, ImportNeverReplacesARobotThroughItsShortName)
{
    Write(ScriptFile("Long robot name"), "kept");
    char shortPath[MAX_PATH] = "";
    ASSERT_NE(GetShortPathNameA(ScriptFile("Long robot name").c_str(), shortPath, MAX_PATH), 0u);
    std::string shortName = shortPath;
    shortName = shortName.substr(shortName.rfind('\\') + 1);
    shortName.resize(shortName.rfind('.'));
    Write(FolderFile(shortName + ".robo"), "imported");
    CMessageBoxCapture capture(IDYES);
    m_dialog.Click(IDC_IMPORT_ROBOTS);
    EXPECT_EQ(Texts(capture), std::vector<std::string>({"These robots could not be imported:\n" + shortName}));
    EXPECT_EQ(e2e::ReadWholeFile(ScriptFile("Long robot name")), "kept");
}

TEST_F(OptionsDialogTest, NoFolderChosenDoesNothing)
{
    Write(ScriptFile("a"), "robot a");
    Write(FolderFile("b.robo"), "robot b");
    m_dialog.m_strFolder.clear();
    m_dialog.Click(IDC_EXPORT_ROBOTS);
    m_dialog.Click(IDC_IMPORT_ROBOTS);
    EXPECT_EQ(GetFileAttributesA(ScriptFile("b").c_str()), INVALID_FILE_ATTRIBUTES);
    EXPECT_EQ(m_dialog.m_nLoads, 0);
}

TEST(OptionsDialog, StartClosesWithOkThenAddsARobot)
{
    TestOptionsDlg dialog;
    dialog.m_nClickAtStart = IDC_OPTIONS_START;
    EXPECT_EQ(dialog.DoModal(), IDOK);
    EXPECT_EQ(dialog.m_nAdds, 1);
    EXPECT_TRUE(dialog.m_bClosedBeforeAdd);
}

TEST(ShareDialog, WritesThePageOnlyForAReadableRobotIntoANewShareFolder)
{
    e2e::EmptyDataFolder();
    const std::string data = e2e::DataFolder();
    CRobotUploadDlg dialog;
    EXPECT_EQ(dialog.BuildSharePage(kSharePageName), 0);
    dialog.m_strRobotFilePath = (data + "\\Missing.txt").c_str();
    EXPECT_EQ(dialog.BuildSharePage(kSharePageName), 0);
    EXPECT_EQ(GetFileAttributesA((data + "\\share\\robot_share.html").c_str()), INVALID_FILE_ATTRIBUTES);

    RemoveDirectoryA(e2e::ScriptFolder().c_str());
    RemoveDirectoryA((data + "\\share").c_str());
    ASSERT_TRUE(RemoveDirectoryA(data.c_str()));
    EXPECT_EQ(dialog.WriteSharePage("page.html", "<HTML></HTML>"), 1);
    EXPECT_EQ(e2e::ReadWholeFile(data + "\\share\\page.html"), "<HTML></HTML>");
    e2e::EmptyDataFolder();
}
