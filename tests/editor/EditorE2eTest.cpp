// The robot editor as a user meets it in the program: Add and Edit from the
// main window, Save's checks (a name too long to read back among them), the
// lines of the key and mouse pages and the robot file they make, editing the
// list, repeat options, a failed save and a rename that changes only the case.
#include "res/ActionPagesResource.h"
#include "res/ControlsResource.h"
#include "res/EditorResource.h"
#include "res/TapforgeResource.h"
#include "tests/support/FoundFileNames.h"

#include "e2e/E2eSupport.h"
#include "e2e/ProgramTest.h"

#include <commctrl.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

const DWORD kTimeoutMs = 30000;
const char kBoxCaption[] = "Orvantis Tapforge";

class EditorE2eTest : public e2e::ProgramTest
{
protected:
    void SetUp() override
    {
        ProgramTest::SetUp();
        CreateDirectoryA(e2e::ScriptFolder().c_str(), nullptr);
    }

    // Starts the program and opens the editor with the command: Add,
    // Record, or Edit on the first row.
    HWND OpenEditor(int command = IDC_ADD_ROBOT)
    {
        const bool edit = command == IDC_EDIT_ROBOT;
        m_started = StartTapforge();
        m_main = WaitForMainDialog();
        if (!m_main)
            return nullptr;
        HWND list = GetDlgItem(m_main, IDC_ROBOT_LIST);
        if (edit) {
            EXPECT_TRUE(e2e::SelectListRow(list, 0));
        }
        PostMessageA(m_main, WM_COMMAND, command, 0);
        m_editor = e2e::WaitForWindow(edit ? "Edit Robot" : "Add Robot", kTimeoutMs);
        EXPECT_TRUE(m_editor);
        return m_editor;
    }

    HWND Item(int id) const { return e2e::FindDescendant(m_editor, id); }
    void SetText(int id, const std::string& text) const
    {
        SendMessageA(Item(id), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
    }
    std::string Text(int id) const
    {
        char text[256] = "";
        SendMessageA(Item(id), WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text));
        return text;
    }
    void Click(int id) const { PostMessageA(Item(id), BM_CLICK, 0, 0); }
    void Choose(int id, int item) const { SendMessageA(Item(id), CB_SETCURSEL, item, 0); }
    void Save() const { PostMessageA(m_editor, WM_COMMAND, IDOK, 0); }

    int RowCount() const { return static_cast<int>(SendMessageA(Item(IDC_EDITOR_ACTIONS), LVM_GETITEMCOUNT, 0, 0)); }
    // Waits until the action list has that many rows, then gives them all.
    std::vector<std::string> RowsOnceThere(int count) const
    {
        e2e::WaitUntil([&] { return RowCount() == count; }, kTimeoutMs);
        std::vector<std::string> rows;
        for (int row = 0; row < RowCount(); ++row)
            rows.push_back(e2e::ListCellText(Item(IDC_EDITOR_ACTIONS), row, 0) + " " +
                           e2e::ListCellText(Item(IDC_EDITOR_ACTIONS), row, 1));
        return rows;
    }

    // The text of the message box that Save or a button brought up, which
    // is then closed; empty when none came.
    std::string TakeMessage() const
    {
        HWND box = e2e::WaitForTextBox(m_started.pid, kBoxCaption, kTimeoutMs);
        if (!box)
            return "";
        const std::string text = e2e::MessageBoxText(box);
        PostMessageA(box, WM_COMMAND, IDOK, 0);
        e2e::WaitUntil([&] { return !IsWindow(box); }, kTimeoutMs);
        return text;
    }

    // Presses a button of the delete question; the question is then gone. Pointer clicks
    // on a box that has only just come up were lost now and then under Wine, so the
    // button is pressed through its own message.
    static void Answer(HWND question, int button)
    {
        PostMessageA(GetDlgItem(question, button), BM_CLICK, 0, 0);
        ASSERT_TRUE(e2e::WaitUntil([&] { return !IsWindow(question); }, kTimeoutMs));
    }

    // The focus goes to the control as the Tab key takes it there.
    void MoveFocusTo(int id) const
    {
        PostMessageA(m_editor, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(Item(id)), TRUE);
        ASSERT_TRUE(FocusComesTo(id));
    }

    bool FocusComesTo(int id) const
    {
        return e2e::WaitUntil([&] { return e2e::FocusOfThread(m_editor) == Item(id); }, kTimeoutMs);
    }

    bool EditorClosed() const
    {
        return e2e::WaitUntil([&] { return !IsWindow(m_editor); }, kTimeoutMs);
    }

    // Names the new robot, gives it a start key no other robot has and saves
    // it; false when the editor stayed open.
    bool SaveAs(const std::string& name) const
    {
        SetText(IDC_EDITOR_NAME, name);
        SetText(IDC_EDITOR_START_KEY, "Ctrl + <F3>");
        Save();
        return EditorClosed();
    }

    static std::string RobotFile(const std::string& name) { return e2e::ScriptFolder() + "\\" + name + ".txt"; }
    static bool Exists(const std::string& path) { return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES; }
    static std::vector<std::string> ScriptLines(const std::string& name)
    {
        const std::vector<std::string> lines = e2e::ReadLines(RobotFile(name));
        return lines.size() > 14 ? std::vector<std::string>(lines.begin() + 14, lines.end()) : lines;
    }

    // A robot that passes every check when saved under its own name.
    static void WriteRobot(const std::string& name, int repeatOption = 0)
    {
        e2e::RobotHeader header;
        header.startKey = "Ctrl + <F4>";
        header.endKey = "<F11>";
        header.repeatOption = repeatOption;
        header.repeatTimes = 3;
        ASSERT_TRUE(e2e::WriteRobotFile(e2e::ScriptFolder(), name, {"MouseClick(\"left\", 1)", "WAIT(2000)"}, header));
    }

    e2e::Started m_started;
    HWND m_main = nullptr;
    HWND m_editor = nullptr;
};

TEST_F(EditorE2eTest, SaveChecksTellTheUserAndWriteNothing)
{
    e2e::RobotHeader other;
    other.startKey = "Ctrl + <F5>";
    ASSERT_TRUE(e2e::WriteRobotFile(e2e::ScriptFolder(), "Other", {"WAIT(1)"}, other));
    ASSERT_TRUE(OpenEditor());
    Save();
    EXPECT_EQ(TakeMessage(), "No clicks added to robot. Please press 'Add Click' button to add a click.");

    Click(IDC_MOUSE_PAGE_ADD_CLICK);
    ASSERT_EQ(RowsOnceThere(3).size(), 3u);
    SetText(IDC_EDITOR_NAME, "a:b");
    Save();
    EXPECT_EQ(TakeMessage(), "cannot contain any of the following characters:\n \\ / : * ? \" < > |");
    SetText(IDC_EDITOR_NAME, "other");
    Save();
    EXPECT_EQ(TakeMessage(), "Robot name already exists, please choose another one.");

    SetText(IDC_EDITOR_NAME, "New");
    Save();
    EXPECT_EQ(TakeMessage(), "Robot's Start/End Hotkey is not set. Please set the start/End Hotkey for robot.");
    EXPECT_TRUE(FocusComesTo(IDC_EDITOR_START_KEY));
    SetText(IDC_EDITOR_START_KEY, "ctrl + <f5>");
    SetText(IDC_EDITOR_END_KEY, "Ctrl + <F12>");
    Save();
    EXPECT_EQ(TakeMessage(),
              "Key <F12> is reserved by Windows and it can not be used as Start/End Hotkey.\n\n"
              "Please use another hotkey.");
    EXPECT_TRUE(FocusComesTo(IDC_EDITOR_END_KEY));
    SetText(IDC_EDITOR_END_KEY, "<F11>");
    Save();
    EXPECT_EQ(TakeMessage().rfind("Start hotkey you specified for this robot has been taken by another robot.", 0), 0u);
    EXPECT_TRUE(FocusComesTo(IDC_EDITOR_START_KEY));
    EXPECT_FALSE(Exists(RobotFile("New")));
}

TEST_F(EditorE2eTest, ANameWhoseFileCouldNotBeReadBackIsRefused)
{
    ASSERT_TRUE(OpenEditor());
    Click(IDC_MOUSE_PAGE_ADD_CLICK);
    RowsOnceThere(3);
    // Its robot file's path would have MAX_PATH characters, one too many.
    const std::string name(MAX_PATH - (e2e::ScriptFolder() + "\\.txt").size(), 'n');
    MoveFocusTo(IDC_EDITOR_NAME);
    for (size_t typed = 0; typed < name.size(); ++typed)
        e2e::PressKey('N');
    ASSERT_TRUE(e2e::WaitUntil([&] { return Text(IDC_EDITOR_NAME) == name; }, kTimeoutMs));
    MoveFocusTo(IDC_EDITOR_START_KEY);
    SetText(IDC_EDITOR_START_KEY, "Ctrl + <F3>");
    Save();
    EXPECT_EQ(TakeMessage(), "Robot name is too long, please choose a shorter one.");
    EXPECT_TRUE(FocusComesTo(IDC_EDITOR_NAME));
    EXPECT_TRUE(IsWindowVisible(m_editor));
    WIN32_FIND_DATAA found;
    EXPECT_EQ(FindFirstFileA((e2e::ScriptFolder() + "\\*.txt").c_str(), &found), INVALID_HANDLE_VALUE);
}

TEST_F(EditorE2eTest, SaveWritesTheRobotFileAndListsTheRobotWithItsKeys)
{
    ASSERT_TRUE(OpenEditor());
    SetText(IDC_MOUSE_PAGE_X, "120");
    SetText(IDC_MOUSE_PAGE_Y, "45");
    Click(IDC_MOUSE_PAGE_ADD_CLICK);
    EXPECT_EQ(RowsOnceThere(3),
              std::vector<std::string>({"1 Mouse move to 120, 45", "2 Mouse Left Click", "3 Wait 2 seconds"}));
    ASSERT_TRUE(SaveAs("Clicker"));
    const std::vector<std::string> lines = e2e::ReadLines(RobotFile("Clicker"));
    ASSERT_EQ(lines.size(), 17u);
    EXPECT_EQ(ScriptLines("Clicker"),
              std::vector<std::string>({"MouseMove(120, 45)", "MouseClick(\"left\", 1)", "WAIT(2000)"}));
    HWND list = GetDlgItem(m_main, IDC_ROBOT_LIST);
    EXPECT_TRUE(e2e::WaitUntil([&] { return e2e::ListCellText(list, 0, 1) == "Clicker"; }, kTimeoutMs));
    EXPECT_EQ(SendMessageA(list, LVM_GETITEMSTATE, 0, LVIS_STATEIMAGEMASK) >> 12, 2);
    // Its start key now starts it: nobody else may register the chord.
    EXPECT_TRUE(e2e::WaitUntil(
        [] {
            if (!RegisterHotKey(nullptr, 0x7001, MOD_CONTROL, VK_F3))
                return true;
            UnregisterHotKey(nullptr, 0x7001);
            return false;
        },
        kTimeoutMs));
}

TEST_F(EditorE2eTest, KeyPageLinesAndTheirScriptLines)
{
    ASSERT_TRUE(OpenEditor());
    SetText(IDC_KEY_PAGE_KEY, "A");
    Click(IDC_KEY_PAGE_INSERT_ACTION);
    RowsOnceThere(1);
    Choose(IDC_KEY_PAGE_PRESS_OPTION, 1);
    SetText(IDC_KEY_PAGE_COUNT, "3");
    Click(IDC_KEY_PAGE_INSERT_ACTION);
    RowsOnceThere(2);
    Choose(IDC_KEY_PAGE_PRESS_OPTION, 0);
    SetText(IDC_KEY_PAGE_KEY, ",");
    SetText(IDC_KEY_PAGE_COUNT, "2");
    Click(IDC_KEY_PAGE_INSERT_ACTION);
    RowsOnceThere(3);
    SetText(IDC_KEY_PAGE_TEXT, "hello");
    Click(IDC_KEY_PAGE_INSERT_TEXT);
    EXPECT_EQ(RowsOnceThere(4), std::vector<std::string>({"1 Key Press A", "2 Key Down A, 3 times",
                                                          "3 Key Press ,, 2 times", "4 Input text hello"}));
    ASSERT_TRUE(SaveAs("Keys"));
    const std::vector<std::string> lines = ScriptLines("Keys");
    ASSERT_EQ(lines.size(), 4u);
    EXPECT_EQ(lines[2], "KeySend(\"\",\"\",\"\",\",\", 2)");
    EXPECT_EQ(lines[3], "Send(\"hello\")");
}

TEST_F(EditorE2eTest, MousePageLinesAndTheirScriptLines)
{
    ASSERT_TRUE(OpenEditor());
    Click(IDC_MOUSE_PAGE_WHEREVER);
    ASSERT_TRUE(e2e::WaitUntil([&] { return !IsWindowVisible(Item(IDC_MOUSE_PAGE_X)); }, kTimeoutMs));
    for (int type = 0; type < 5; ++type) {
        Choose(IDC_MOUSE_PAGE_CLICK_TYPE, type);
        Click(IDC_MOUSE_PAGE_ADD_CLICK);
        RowsOnceThere(2 * (type + 1));
    }
    Choose(IDC_MOUSE_PAGE_INTERVAL_UNIT, 2);
    Click(IDC_MOUSE_PAGE_ADD_CLICK);
    const std::vector<std::string> rows = RowsOnceThere(12);
    ASSERT_EQ(rows.size(), 12u);
    const char* clicks[] = {"Mouse Left Click", "Mouse Right Click", "Mouse Double Click", "Mouse Left Down",
                            "Mouse Left Up"};
    for (int type = 0; type < 5; ++type) {
        EXPECT_EQ(rows[2 * type], std::to_string(2 * type + 1) + " " + clicks[type]);
        EXPECT_EQ(rows[2 * type + 1], std::to_string(2 * type + 2) + " Wait 2 seconds");
    }
    EXPECT_EQ(rows[11], "12 Wait 2 minutes");
    ASSERT_TRUE(SaveAs("Mouse"));
    const std::vector<std::string> lines = ScriptLines("Mouse");
    ASSERT_EQ(lines.size(), 12u);
    EXPECT_EQ(lines[11], "WAITLONG(120000)");
}

TEST_F(EditorE2eTest, KeysSetTheClickPointAndTheListIsEdited)
{
    ASSERT_TRUE(OpenEditor());
    // The mouse page reads the cursor every 100 ms; a key takes the last reading.
    SetCursorPos(300, 200);
    Sleep(300);
    PostMessageA(Item(IDC_EDITOR_NAME), WM_KEYDOWN, 'Q', 0);
    EXPECT_TRUE(
        e2e::WaitUntil([&] { return Text(IDC_MOUSE_PAGE_X) == "300" && Text(IDC_MOUSE_PAGE_Y) == "200"; }, kTimeoutMs));

    Click(IDC_MOUSE_PAGE_ADD_CLICK);
    RowsOnceThere(3);
    ASSERT_TRUE(e2e::SelectListRow(Item(IDC_EDITOR_ACTIONS), 1));
    SetText(IDC_KEY_PAGE_KEY, "B");
    Click(IDC_KEY_PAGE_INSERT_ACTION);
    EXPECT_EQ(RowsOnceThere(4), std::vector<std::string>({"1 Mouse move to 300, 200", "2 Key Press B",
                                                          "3 Mouse Left Click", "4 Wait 2 seconds"}));

    Click(IDC_EDITOR_MOVE_UP);
    EXPECT_TRUE(e2e::WaitUntil([&] { return e2e::ListCellText(Item(IDC_EDITOR_ACTIONS), 1, 1) == "Mouse Left Click"; },
                               kTimeoutMs));
    ASSERT_TRUE(e2e::WriteWholeFile(e2e::DataFolder() + "\\dcm.ini", "showcofm=0\n"));
    Click(IDC_EDITOR_DELETE);
    EXPECT_EQ(RowsOnceThere(3),
              std::vector<std::string>({"1 Mouse move to 300, 200", "2 Key Press B", "3 Wait 2 seconds"}));
}

TEST_F(EditorE2eTest, DeleteAsksInAVisibleBoxUntilToldNotTo)
{
    ASSERT_TRUE(OpenEditor());
    Click(IDC_MOUSE_PAGE_ADD_CLICK);
    RowsOnceThere(3);
    const std::string setting = e2e::DataFolder() + "\\dcm.ini";
    // The question is a dialog of the program's caption that holds the check box.
    const auto question = [] { return e2e::WaitForWindowWithItem(kBoxCaption, IDC_CHECK_DONT_SHOW, kTimeoutMs); };
    const auto selectFirstTwo = [&] {
        EXPECT_TRUE(e2e::SelectListRow(Item(IDC_EDITOR_ACTIONS), 0));
        EXPECT_TRUE(e2e::SelectListRow(Item(IDC_EDITOR_ACTIONS), 1));
    };

    selectFirstTwo();
    Click(IDC_EDITOR_DELETE);
    HWND box = question();
    ASSERT_TRUE(box);
    char text[128] = "";
    SendMessageA(GetDlgItem(box, IDC_CHECK_MESSAGE), WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text));
    EXPECT_STREQ(text, "Are you sure you want to delete selected robot actions?");
    Answer(box, IDNO);
    EXPECT_EQ(RowCount(), 3);
    EXPECT_FALSE(Exists(setting));

    selectFirstTwo();
    Click(IDC_EDITOR_DELETE);
    box = question();
    ASSERT_TRUE(box);
    HWND check = GetDlgItem(box, IDC_CHECK_DONT_SHOW);
    SendMessageA(check, BM_CLICK, 0, 0);
    EXPECT_EQ(SendMessageA(check, BM_GETCHECK, 0, 0), BST_CHECKED);
    Answer(box, IDYES);
    EXPECT_EQ(RowsOnceThere(1), std::vector<std::string>({"1 Wait 2 seconds"}));
    EXPECT_EQ(e2e::ReadLines(setting), std::vector<std::string>({"showcofm=0"}));

    ASSERT_TRUE(e2e::SelectListRow(Item(IDC_EDITOR_ACTIONS), 0));
    Click(IDC_EDITOR_DELETE);
    EXPECT_TRUE(RowsOnceThere(0).empty());
    EXPECT_FALSE(e2e::WaitForWindowWithItem(kBoxCaption, IDC_CHECK_DONT_SHOW, 0));
}

TEST_F(EditorE2eTest, EditShowsTheRobotAndSaveEnablesIt)
{
    WriteRobot("Looper", 1);
    ASSERT_TRUE(OpenEditor(IDC_EDIT_ROBOT));
    EXPECT_EQ(Text(IDC_EDITOR_NAME), "Looper");
    EXPECT_EQ(Text(IDC_EDITOR_REPEAT_LABEL), "Run until pressing end key");
    EXPECT_EQ(RowsOnceThere(2), std::vector<std::string>({"1 Mouse Left Click", "2 Wait 2000 milliseconds"}));
    Save();
    ASSERT_TRUE(EditorClosed());
    const std::string text = e2e::ReadWholeFile(RobotFile("Looper"));
    EXPECT_NE(text.find("\r\nEnable=1\r\n"), std::string::npos);
    EXPECT_NE(text.find("\r\nRepeatOption=1\r\nRepeatTimes=1\r\n"), std::string::npos);
}

TEST_F(EditorE2eTest, RepeatOptions)
{
    ASSERT_TRUE(OpenEditor());
    const struct
    {
        const char* count;
        bool untilEndKey;
        const char* label;
    } choices[] = {{"0", false, "Run 1 times"}, {"5", false, "Run 5 times"}, {"5", true, "Run until pressing end key"}};
    for (const auto& choice : choices) {
        Click(IDC_EDITOR_REPEAT_OPTIONS);
        HWND options = e2e::WaitForWindow("Robot Repeat Options", kTimeoutMs);
        ASSERT_TRUE(options);
        // Shown only after it has set its count up, which would overwrite ours.
        ASSERT_TRUE(e2e::WaitUntil([&] { return IsWindowVisible(options) != FALSE; }, kTimeoutMs));
        SendMessageA(GetDlgItem(options, IDC_REPEAT_COUNT), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(choice.count));
        if (choice.untilEndKey)
            SendMessageA(GetDlgItem(options, IDC_REPEAT_UNTIL_END_KEY), BM_CLICK, 0, 0);
        PostMessageA(options, WM_COMMAND, IDOK, 0);
        // The first label is the one the editor opened with: only the dialog's
        // end says the choice has been taken.
        ASSERT_TRUE(e2e::WaitForWindowGone("Robot Repeat Options", kTimeoutMs));
        EXPECT_TRUE(e2e::WaitUntil([&] { return Text(IDC_EDITOR_REPEAT_LABEL) == choice.label; }, kTimeoutMs))
            << choice.label;
    }
}

TEST_F(EditorE2eTest, FailedSaveKeepsTheEditorAndTheOldFile)
{
    WriteRobot("Old");
    ASSERT_TRUE(OpenEditor(IDC_EDIT_ROBOT));
    RowsOnceThere(2);
    // The system takes no control character in a file name.
    SetText(IDC_EDITOR_NAME, "New\tname");
    Save();
    EXPECT_EQ(TakeMessage(), "Failed to save the robot file.");
    EXPECT_TRUE(IsWindowVisible(m_editor));
    EXPECT_EQ(ScriptLines("Old"), std::vector<std::string>({"MouseClick(\"left\", 1)", "WAIT(2000)"}));
}

TEST_F(EditorE2eTest, RenamingOnlyTheCaseKeepsTheFile)
{
    WriteRobot("robot");
    ASSERT_TRUE(OpenEditor(IDC_EDIT_ROBOT));
    RowsOnceThere(2);
    SetText(IDC_EDITOR_NAME, "Robot");
    Save();
    ASSERT_TRUE(EditorClosed());
    EXPECT_EQ(ScriptLines("Robot"), std::vector<std::string>({"MouseClick(\"left\", 1)", "WAIT(2000)"}));
    // The file takes the new case, since the robot's name is read from it.
    WIN32_FIND_DATAA found;
    FindClose(FindFirstFileA(RobotFile("Robot").c_str(), &found));
    EXPECT_STREQ(found.cFileName, "Robot.txt");
    EXPECT_TRUE(e2e::WaitUntil([&] { return e2e::ListCellText(GetDlgItem(m_main, IDC_ROBOT_LIST), 0, 1) == "Robot"; },
                               kTimeoutMs));
}

TEST_F(EditorE2eTest, ACaseOnlyRenameOfALongPathKeepsTheRobotListed)
{
    // A robot file path of 255 characters: a name in between a few characters
    // longer would pass what the system's 8-bit move takes as its source.
    const std::string name(255 - (e2e::ScriptFolder() + "\\.txt").size(), 'r');
    const std::string renamed = "R" + name.substr(1);
    WriteRobot(name);
    m_started = StartTapforge();
    m_main = WaitForMainDialog();
    ASSERT_TRUE(m_main);
    ASSERT_TRUE(e2e::ClickListCell(GetDlgItem(m_main, IDC_ROBOT_LIST), 0, 1, kTimeoutMs));
    ASSERT_TRUE(e2e::ClickAndWait(
        GetDlgItem(m_main, IDC_EDIT_ROBOT), [&] { return (m_editor = e2e::WaitForWindow("Edit Robot", 0)) != nullptr; },
        kTimeoutMs));
    ASSERT_TRUE(e2e::ClickAndWait(
        Item(IDC_EDITOR_NAME), [&] { return e2e::FocusOfThread(m_editor) == Item(IDC_EDITOR_NAME); }, kTimeoutMs));
    // Each key once the one before has done its part.
    e2e::PressKey(VK_HOME);
    ASSERT_TRUE(e2e::WaitUntil([&] { return SendMessageA(Item(IDC_EDITOR_NAME), EM_GETSEL, 0, 0) == 0; }, kTimeoutMs));
    e2e::PressKey(VK_DELETE);
    ASSERT_TRUE(e2e::WaitUntil([&] { return Text(IDC_EDITOR_NAME) == name.substr(1); }, kTimeoutMs));
    e2e::PressChord({VK_SHIFT, 'R'});
    ASSERT_TRUE(e2e::WaitUntil([&] { return Text(IDC_EDITOR_NAME) == renamed; }, kTimeoutMs));
    ASSERT_TRUE(e2e::ClickAndWait(
        Item(IDOK), [&] { return !IsWindow(m_editor); }, kTimeoutMs));

    EXPECT_EQ(FoundFileNames(e2e::ScriptFolder() + "\\*"), std::vector<std::string>({renamed + ".txt"}));
    e2e::EndStartedProcesses();
    m_started = StartTapforge();
    m_main = WaitForMainDialog();
    ASSERT_TRUE(m_main);
    EXPECT_EQ(e2e::ListCellText(GetDlgItem(m_main, IDC_ROBOT_LIST), 0, 1), renamed);
}

TEST_F(EditorE2eTest, RecordOpensTheEditorForANewRobotWithoutARecorder)
{
    ASSERT_TRUE(OpenEditor(IDC_RECORD_ROBOT));
    // The recorder would start on the editor's first timer tick.
    Sleep(200);
    EXPECT_TRUE(IsWindowVisible(m_editor));
    EXPECT_FALSE(e2e::WaitForTextBox(m_started.pid, kBoxCaption, 0));
    PostMessageA(m_editor, WM_COMMAND, IDCANCEL, 0);
    ASSERT_TRUE(EditorClosed());
    EXPECT_TRUE(e2e::WaitUntil([&] { return !IsIconic(m_main); }, kTimeoutMs));
}

TEST_F(EditorE2eTest, ClosingDuringAPaneAnimation)
{
    ASSERT_TRUE(OpenEditor());
    // The key page's pane title: the container's first child without controls.
    HWND container = GetParent(GetParent(Item(IDC_KEY_PAGE_KEY)));
    HWND title = nullptr;
    for (HWND child = GetWindow(container, GW_CHILD); child && !title; child = GetWindow(child, GW_HWNDNEXT)) {
        if (!GetWindow(child, GW_CHILD))
            title = child;
    }
    ASSERT_TRUE(title);
    PostMessageA(title, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(10, 5));
    PostMessageA(m_editor, WM_COMMAND, IDCANCEL, 0);
    ASSERT_TRUE(EditorClosed());
    EXPECT_EQ(WaitForSingleObject(m_started.process, 500), static_cast<DWORD>(WAIT_TIMEOUT));
    EXPECT_TRUE(e2e::WaitUntil([&] { return !IsIconic(m_main); }, kTimeoutMs));
}

}  // namespace
