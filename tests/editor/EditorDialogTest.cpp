// The robot editor in this process: Save's checks in their order, the hotkey
// rules, where new action lines go, the robot Save writes and the files it
// never replaces, the layout of its panes and list, the repeat count's range
// and the rename that changes only the case of a robot file's name.
#include "editor/CInputRobotDlg.h"
#include "editor/CRobotRepeatOption.h"
#include "editor/IHotkeyAvailability.h"
#include "editor/RobotFileRename.h"
#include "framework/CMessageBoxCapture.h"
#include "res/ActionPagesResource.h"
#include "res/EditorResource.h"
#include "robot/AppFolders.h"
#include "tests/support/FoundFileNames.h"
#include "tests/support/TempFolder.h"

#include "e2e/E2eSupport.h"

#include <commctrl.h>
#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <string>
#include <vector>

namespace {

const char kNoActions[] = "No clicks added to robot. Please press 'Add Click' button to add a click.";
const char kEmptyName[] = "Robot name is empty. Please enter robot name.";
const char kForbidden[] = "cannot contain any of the following characters:\n \\ / : * ? \" < > |";
const char kExists[] = "Robot name already exists, please choose another one.";
const char kNotSet[] = "Robot's Start/End Hotkey is not set. Please set the start/End Hotkey for robot.";
const char kReserved[] =
    "Hotkeys 'Ctrl+Alt+R' and 'Ctrl+Alt+S' are reserved for recording robots.\n\n"
    "Please set the Start/End Hotkey for robot.";
const char kF12[] =
    "Key <F12> is reserved by Windows and it can not be used as Start/End Hotkey.\n\n"
    "Please use another hotkey.";
const char kSame[] =
    "Start Hotkey and End Hotkey can not be same.\nPlease use different key for Start Hotkey and End Hotkey.";

// Answers the editor's key questions as the test sets them, and counts them.
class FakeHotkeys : public IHotkeyAvailability
{
public:
    int IsStartHotKeyFree(const CString&) override { return ++m_nAsked, m_bStartFree; }
    int IsEndHotKeyFree(const CString&) override { return ++m_nAsked, m_bEndFree; }

    int m_bStartFree = 1;
    int m_bEndFree = 1;
    int m_nAsked = 0;
};

class EditorDialogTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        e2e::EmptyDataFolder();
        CreateDirectoryPath(GetScriptFolder());
    }

    void TearDown() override
    {
        if (m_editor && m_editor->GetSafeHwnd())
            m_editor->DestroyWindow();
    }

    // The editor as a modeless window; robot set for Edit when given.
    CInputRobotDlg& Open(const CRobot* robot = nullptr, const std::vector<const char*>& others = {})
    {
        TearDown();
        m_editor = std::make_unique<CInputRobotDlg>(nullptr, &m_hotkeys);
        CStringArray names;
        for (const char* name : others)
            names.Add(name);
        m_editor->SetExistingRobotNames(names);
        if (robot) {
            m_editor->m_bEditMode = 1;
            m_editor->m_Robot = *robot;
        }
        EXPECT_TRUE(m_editor->Create(CInputRobotDlg::IDD, nullptr));
        m_editor->ShowWindow(SW_SHOW);
        return *m_editor;
    }

    void SetText(int id, const char* text) { SetDlgItemTextA(m_editor->m_hWnd, id, text); }
    std::string Text(int id) const
    {
        char text[256] = "";
        GetDlgItemTextA(m_editor->m_hWnd, id, text, sizeof text);
        return text;
    }

    // Presses Save with the focus on the name box; the first message shown
    // and the id of the focused control afterwards.
    std::pair<std::string, int> Save()
    {
        CMessageBoxCapture boxes;
        ::SetFocus(GetDlgItem(m_editor->m_hWnd, IDC_EDITOR_NAME));
        m_editor->SendMessage(WM_COMMAND, IDOK);
        const auto requests = boxes.Requests();
        return {requests.empty() ? "" : static_cast<const char*>(requests[0].text), GetDlgCtrlID(::GetFocus())};
    }

    // "step description" for every row of the action list.
    std::vector<std::string> Rows() const
    {
        HWND list = GetDlgItem(m_editor->m_hWnd, IDC_EDITOR_ACTIONS);
        std::vector<std::string> rows;
        for (int row = 0; row < ListView_GetItemCount(list); ++row) {
            char step[16] = "";
            char line[256] = "";
            ListView_GetItemText(list, row, 0, step, sizeof step);
            ListView_GetItemText(list, row, 1, line, sizeof line);
            rows.push_back(std::string(step) + " " + line);
        }
        return rows;
    }

    int SelectedRow() const
    {
        return ListView_GetNextItem(GetDlgItem(m_editor->m_hWnd, IDC_EDITOR_ACTIONS), -1, LVNI_SELECTED);
    }

    static std::string RobotFile(const std::string& name) { return e2e::ScriptFolder() + "\\" + name + ".txt"; }
    static bool Exists(const std::string& path) { return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

    FakeHotkeys m_hotkeys;
    std::unique_ptr<CInputRobotDlg> m_editor;
};

TEST_F(EditorDialogTest, SaveChecksRunInOrderWithTheirMessageAndFocus)
{
    Open(nullptr, {"Existing"});
    const struct
    {
        bool addLine;
        const char* name;
        const char* start;
        const char* end;
        int startFree, endFree;
        const char* message;
        int focus;
    } checks[] = {
        {false, "R", "Ctrl + <F2>", "<F11>", 1, 1, kNoActions, IDC_EDITOR_NAME},
        {true, "", "Ctrl + <F2>", "<F11>", 1, 1, kEmptyName, IDC_EDITOR_NAME},
        {false, "a|b", "Ctrl + <F2>", "<F11>", 1, 1, kForbidden, IDC_EDITOR_NAME},
        {false, "Existing", "Ctrl + <F2>", "<F11>", 1, 1, kExists, IDC_EDITOR_NAME},
        {false, "EXISTING", "Ctrl + <F2>", "<F11>", 1, 1, kExists, IDC_EDITOR_NAME},
        {false, "R", "None", "<F11>", 1, 1, kNotSet, IDC_EDITOR_START_KEY},
        {false, "R", "Ctrl + <F2>", "None", 1, 1, kNotSet, IDC_EDITOR_END_KEY},
        {false, "R", "Ctrl + <F2>", "<F11>", 0, 1, "", IDC_EDITOR_START_KEY},
        {false, "R", "Ctrl + <F2>", "<F11>", 1, 0, "", IDC_EDITOR_END_KEY},
        {false, "R", "<F11>", "<f11>", 1, 1, kSame, IDC_EDITOR_START_KEY},
    };
    for (const auto& check : checks) {
        if (check.addLine)
            m_editor->AddActionLine("Mouse Left Click");
        SetText(IDC_EDITOR_NAME, check.name);
        SetText(IDC_EDITOR_START_KEY, check.start);
        SetText(IDC_EDITOR_END_KEY, check.end);
        m_hotkeys.m_bStartFree = check.startFree;
        m_hotkeys.m_bEndFree = check.endFree;
        EXPECT_EQ(Save(), std::make_pair(std::string(check.message), check.focus)) << check.name << check.start;
        EXPECT_TRUE(IsWindowVisible(m_editor->m_hWnd));
    }
    EXPECT_FALSE(Exists(RobotFile("R")));
}

TEST_F(EditorDialogTest, HotkeyRules)
{
    Open();
    m_editor->AddActionLine("Mouse Left Click");
    SetText(IDC_EDITOR_NAME, "R");
    const auto bare = [](const std::string& key) {
        return "You can not specify key '" + key +
               "' as Start or End Hotkey.\n\nPlease specify Start or End Hotkey like something below:\n"
               "'Ctrl + Shift + Alt + M', 'Ctrl + K', 'Ctrl + Shift + 9' or <F2>";
    };
    // Start and end alike: a key that passes meets the last check.
    const struct
    {
        std::string key;
        std::string message;
    } keys[] = {
        {"none", kNotSet},
        {"NONE", kNotSet},
        {"Ctrl + Alt + r", kReserved},
        {"ctrl + alt + S", kReserved},
        {"Ctrl + Shift + Alt + ", bare("Ctrl + Shift + Alt + ")},
        {"Ctrl + Shift + ", bare("Ctrl + Shift + ")},
        {"Ctrl + Alt + ", bare("Ctrl + Alt + ")},
        {"Shift + Alt + ", bare("Shift + Alt + ")},
        {"Shift + ", bare("Shift + ")},
        {"Ctrl + ", bare("Ctrl + ")},
        {"alt + ", bare("alt + ")},
        {"Ctrl + <F12>", kF12},
        {"<F12>", kF12},
        {"<f12>", kSame},
        {"Ctrl + Alt + T", kSame},
    };
    for (const auto& key : keys) {
        SetText(IDC_EDITOR_START_KEY, key.key.c_str());
        SetText(IDC_EDITOR_END_KEY, key.key.c_str());
        EXPECT_EQ(Save().first, key.message) << key.key;
    }
}

TEST_F(EditorDialogTest, NewLinesGoInFrontOfTheSelectedRowWhichStaysSelected)
{
    Open();
    for (const char* line : {"a", "b", "c", "d"})
        m_editor->AddActionLine(line);
    EXPECT_EQ(SelectedRow(), -1);
    m_editor->SelectActionRow(2, FALSE);
    m_editor->AddActionLine("x");
    m_editor->AddActionLine("y");
    EXPECT_EQ(Rows(), std::vector<std::string>({"1 a", "2 b", "3 x", "4 y", "5 c", "6 d"}));
    EXPECT_EQ(SelectedRow(), 4);
    HWND list = GetDlgItem(m_editor->m_hWnd, IDC_EDITOR_ACTIONS);
    EXPECT_EQ(ListView_GetNextItem(list, -1, LVNI_FOCUSED), 4);
    EXPECT_EQ(::GetFocus(), list);
}

TEST_F(EditorDialogTest, EditShowsTheRobotAndSaveKeepsWhatTheEditorDoesNotShow)
{
    CRobot robot;
    robot.m_strName = "Kept";
    robot.m_strStartKey = "Ctrl + <F2>";
    robot.m_strEndKey = "<F11>";
    robot.m_arrScriptLines.Add("MouseClick(\"left\", 1)");
    robot.m_strDescription = "what it does";
    robot.m_strTriggerRobot = "Next";
    robot.m_nSpeedMode = 2;
    robot.m_bEnable = 0;
    robot.m_nRepeatOption = 1;
    robot.m_nRepeatTimes = 7;
    robot.AddRecordedWindow(RecordedWindowInfo());
    ASSERT_TRUE(robot.SaveToFile(e2e::ScriptFolder().c_str()));
    Open(&robot);
    char caption[64] = "";
    GetWindowTextA(m_editor->m_hWnd, caption, sizeof caption);
    EXPECT_STREQ(caption, "Edit Robot");
    EXPECT_EQ(Text(IDC_EDITOR_REPEAT_LABEL), "Run until pressing end key");
    EXPECT_EQ(Rows(), std::vector<std::string>({"1 Mouse Left Click"}));

    m_editor->AddActionLine("Wait 2 seconds");
    m_editor->AddActionLine("no action at all");
    EXPECT_EQ(Save(), std::make_pair(std::string(), IDC_EDITOR_NAME));
    const CRobot saved = m_editor->GetRobot();
    EXPECT_EQ(saved.m_bEnable, 1);
    EXPECT_EQ(saved.m_strDescription, "what it does");
    EXPECT_EQ(saved.m_strTriggerRobot, "Next");
    EXPECT_EQ(saved.m_nSpeedMode, 2);
    EXPECT_EQ(saved.m_vecRecWinInfo.size(), 1u);
    EXPECT_EQ(saved.m_nRepeatOption, 1);
    EXPECT_EQ(saved.m_nRepeatTimes, 1);
    ASSERT_EQ(saved.m_arrScriptLines.GetSize(), 2);
    EXPECT_EQ(saved.m_arrScriptLines[1], "WAIT(2000)");
    EXPECT_EQ(m_editor->GetDescription(), "");
    CRobot reread;
    ASSERT_TRUE(reread.LoadFromFile(RobotFile("Kept").c_str()));
    EXPECT_EQ(reread.m_bEnable, 1);
    EXPECT_EQ(reread.m_arrScriptLines.GetSize(), 2);
}

TEST_F(EditorDialogTest, ANewNameNeverReplacesAFileTheListDoesNotShow)
{
    ASSERT_TRUE(e2e::WriteWholeFile(RobotFile("Unlisted"), "not listed"));
    CRobot robot;
    robot.m_strName = "Long robot name";
    robot.m_strStartKey = "Ctrl + <F2>";
    robot.m_strEndKey = "<F11>";
    robot.m_arrScriptLines.Add("MouseClick(\"left\", 1)");
    ASSERT_TRUE(robot.SaveToFile(e2e::ScriptFolder().c_str()));
    char shortPath[MAX_PATH] = "";
    ASSERT_TRUE(GetShortPathNameA(RobotFile("Long robot name").c_str(), shortPath, MAX_PATH));
    const std::string shortName(std::strrchr(shortPath, '\\') + 1, std::strrchr(shortPath, '.'));

    // Add, else Edit of the robot above; the last rows keep its file.
    const struct
    {
        bool edit;
        std::string name;
        const char* message;
    } saves[] = {
        {false, "Unlisted", kExists}, {false, shortName, kExists},   {true, "unlisted", kExists},
        {true, shortName, kExists},   {true, "Long robot name", ""}, {true, "LONG ROBOT NAME", ""},
    };
    for (const auto& save : saves) {
        Open(save.edit ? &robot : nullptr);
        if (!save.edit)
            m_editor->AddActionLine("Wait 2 seconds");
        SetText(IDC_EDITOR_NAME, save.name.c_str());
        SetText(IDC_EDITOR_START_KEY, "Ctrl + <F2>");
        EXPECT_EQ(Save(), std::make_pair(std::string(save.message), IDC_EDITOR_NAME)) << save.name;
    }
    EXPECT_EQ(e2e::ReadWholeFile(RobotFile("Unlisted")), "not listed");
    WIN32_FIND_DATAA found;
    FindClose(FindFirstFileA(RobotFile("Long robot name").c_str(), &found));
    EXPECT_STREQ(found.cFileName, "LONG ROBOT NAME.txt");
    CRobot reread;
    ASSERT_TRUE(reread.LoadFromFile(RobotFile("LONG ROBOT NAME").c_str()));
    ASSERT_EQ(reread.m_arrScriptLines.GetSize(), 1);
    EXPECT_EQ(reread.m_arrScriptLines[0], "MouseClick(\"left\", 1)");
}

RECT ClientOnScreen(HWND window)
{
    RECT area = {};
    GetClientRect(window, &area);
    MapWindowPoints(window, nullptr, reinterpret_cast<POINT*>(&area), 2);
    return area;
}

bool Contains(const RECT& outer, const RECT& inner)
{
    RECT common = {};
    return IntersectRect(&common, &outer, &inner) && EqualRect(&common, &inner);
}

TEST_F(EditorDialogTest, PagesFitTheirPanesAndTheListNeedsNoSidewaysScrolling)
{
    Open();
    for (int id : {IDC_KEY_PAGE_KEY, IDC_MOUSE_PAGE_X}) {
        HWND page = GetParent(e2e::FindDescendant(m_editor->m_hWnd, id));
        ASSERT_TRUE(page);
        const RECT pageArea = ClientOnScreen(page);
        const RECT containerArea = ClientOnScreen(GetParent(page));
        for (HWND control = GetWindow(page, GW_CHILD); control; control = GetWindow(control, GW_HWNDNEXT)) {
            RECT place = {};
            GetWindowRect(control, &place);
            EXPECT_TRUE(Contains(pageArea, place) && Contains(containerArea, place))
                << "control " << GetDlgCtrlID(control) << " of the page of " << id << " ends at " << place.right
                << ", the page at " << pageArea.right << ", the panes at " << containerArea.right;
        }
    }
    for (int row = 0; row < 40; ++row)
        m_editor->AddActionLine("Input text a line long enough to need most of the description column");
    HWND list = GetDlgItem(m_editor->m_hWnd, IDC_EDITOR_ACTIONS);
    EXPECT_TRUE(GetWindowLongA(list, GWL_STYLE) & WS_VSCROLL);
    EXPECT_FALSE(GetWindowLongA(list, GWL_STYLE) & WS_HSCROLL);
}

TEST(RobotRepeatOption, CountIsKeptInRange)
{
    const struct
    {
        const char* text;
        int count;
    } counts[] = {{"5", 5}, {"0", 1}, {"abc", 1}, {"-3", 1}, {"", 1}, {"999999", 999999}, {"1000000", 999999}};
    for (const auto& c : counts)
        EXPECT_EQ(CRobotRepeatOption::CountFromText(c.text), c.count) << c.text;
}

TEST(RobotFileRename, AFailedMoveLeavesTheFileUnderItsOldName)
{
    // Robot file paths of 255 characters; the moves are the system's but the one that fails.
    const struct
    {
        const char* label;
        int failingMove;  // counted from 1; 0 for none
        bool renamed;
    } rows[] = {{"no move fails", 0, true}, {"the first fails", 1, false}, {"the second fails", 2, false}};
    for (const auto& row : rows) {
        TempFolder folder;
        const std::string oldName(255 - folder.File(".txt").size(), 'r');
        const std::string newName = "R" + oldName.substr(1);
        ASSERT_TRUE(e2e::WriteWholeFile(folder.File((oldName + ".txt").c_str()), "robot"));
        int moves = 0;
        const FileMove move = [&](LPCSTR from, LPCSTR to) { return ++moves != row.failingMove && MoveFileA(from, to); };
        EXPECT_EQ(RenameRobotFileChangingCase(folder.Path().c_str(), oldName.c_str(), newName.c_str(), move),
                  row.renamed)
            << row.label;
        EXPECT_EQ(FoundFileNames(folder.File("*")),
                  std::vector<std::string>({(row.renamed ? newName : oldName) + ".txt"}))
            << row.label;
    }
}

}  // namespace
