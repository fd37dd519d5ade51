// Support for end-to-end tests: programs started in the same Wine prefix,
// windows waited for, files read, the program's data folder reset.
#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

namespace e2e {

// The folder of the running test executable, where every tool is built.
std::string BinDir();
std::string BinPath(const std::string& exeName);

struct Started
{
    HANDLE process = nullptr;
    DWORD pid = 0;
};

// Starts a program (a bare name is looked for in BinDir()) with a command-line
// tail. The process is remembered for EndStartedProcesses. pid 0 on failure.
Started StartProgram(const std::string& exe, const std::string& args = "");

// Waits for the process to end; returns its exit code, or -1 on timeout.
int WaitForExit(const Started& p, DWORD timeoutMs);

// Runs a program (found like StartProgram's) to its end and collects what it
// writes to standard output. Returns its exit code, or -1 when it could not
// be started or did not end within the timeout (it is then ended).
int RunAndCapture(const std::string& exe, const std::string& args, std::string& output, DWORD timeoutMs);

// Ends every process StartProgram started that is still running.
void EndStartedProcesses();

// Starts httpserve.exe serving the folder on 127.0.0.1 (ended with
// EndStartedProcesses) and waits for the port it listens on; 0 when it did
// not say within 30 s.
int StartHttpServer(const std::string& root);

// Checks the condition until it holds, pausing between checks; false when the
// time runs out first. Every other wait of this library is built on it.
bool WaitUntil(const std::function<bool()>& condition, DWORD timeoutMs, DWORD pauseMs = 50);

// A visible top-level window whose caption is exactly this text; null on timeout.
HWND WaitForWindow(const std::string& caption, DWORD timeoutMs);
// The same for a window that holds a child with the control id, so that a
// message box of the same caption never counts; null on timeout.
HWND WaitForWindowWithItem(const std::string& caption, int itemId, DWORD timeoutMs);

// Waits until no top-level window has this caption; false on timeout.
bool WaitForWindowGone(const std::string& caption, DWORD timeoutMs);

std::string ReadWholeFile(const std::string& path);
// Writes the bytes as they are, replacing the file; false on failure.
bool WriteWholeFile(const std::string& path, const std::string& bytes);
// The lines of a text, without their line ends (LF or CR LF).
std::vector<std::string> SplitLines(const std::string& text);
std::vector<std::string> ReadLines(const std::string& path);

// Copies the file NAME of the folder to TWIN, a name that differs from it only
// in case, as a user of the host system may. Wine's own calls would open NAME
// under TWIN, so the copy gets its name from the host's mv, which Wine starts
// as it starts any program. True once the folder lists TWIN.
bool CopyToCaseTwin(const std::string& folder, const std::string& name, const std::string& twin);

// Waits until a line of the file contains the text; false on timeout.
bool WaitForFileLine(const std::string& path, const std::string& text, DWORD timeoutMs);

// A fresh path in the temporary folder (the file is not created).
std::string TempFilePath(const std::string& stem);

// The program's per-user data folder and its robot folder.
std::string DataFolder();
std::string ScriptFolder();

// Deletes every file of the data folder, so a test starts from nothing.
void EmptyDataFolder();

// Writes a robot file NAME.txt into the folder: the 14 header lines of a robot
// file around the given script lines, CR LF line ends. False on failure.
struct RobotHeader
{
    std::string startKey = "None";
    std::string endKey = "None";
    std::string description;
    int enable = 0;
    int repeatOption = 0;
    int repeatTimes = 1;
    std::string originalSpeed = "1";
    int runAtBackground = 0;
};
bool WriteRobotFile(const std::string& folder, const std::string& name, const std::vector<std::string>& lines,
                    const RobotHeader& header = RobotHeader());
// The robot file "<name>.txt" written into a folder of its own under the
// temporary folder; its full path, empty when it could not be written.
std::string WriteTempRobotFile(const std::string& name, const std::vector<std::string>& lines);
// Deletes such a robot file and its folder.
void RemoveTempRobotFile(const std::string& path);

// A visible dialog window (message boxes included) of the process, other than
// the one excluded; null on timeout.
HWND WaitForMessageBox(DWORD pid, HWND exclude, DWORD timeoutMs);
// A visible message box of the process with this caption: a dialog with its
// text in static 65535, so that a dialog of the same caption with no such
// static never counts; null on timeout.
HWND WaitForTextBox(DWORD pid, const std::string& caption, DWORD timeoutMs);
// The text of a message box.
std::string MessageBoxText(HWND box);

// The first window below root, at any depth, with the control id; null when none.
HWND FindDescendant(HWND root, int id);
// The window that has the keyboard focus in the window's thread; null when none.
HWND FocusOfThread(HWND window);

// The text of a list-view cell in another process.
std::string ListCellText(HWND list, int row, int column);
// Selects and focuses a list-view row in another process; false on failure.
bool SelectListRow(HWND list, int row);
// Clicks the middle of a list-view cell in another process, again each second
// while the row is not selected (a window that has only just come up may still
// move into place or lose the click); false when it is not selected in time.
bool ClickListCell(HWND list, int row, int column, DWORD timeoutMs);

// A window of this process in a class of its own with the procedure given
// (the class is registered on first use); null when it cannot be made.
HWND CreateTestWindow(const char* className, WNDPROC proc, const char* title, DWORD style, RECT place,
                      HWND parent = nullptr);

// Client-area point of a window in screen coordinates.
POINT ClientToScreenPoint(HWND hwnd, int x, int y);

// Synthesises a left click at a screen point with absolute mouse_event moves.
void LeftClickAt(POINT screen);
// The middle of a window on the screen.
POINT MiddleOf(HWND window);
// The same in the middle of a window, such as a button of a dialog.
void LeftClickOn(HWND window);
// Clicks the middle of a window once, a second after its thread is free to take
// the click, and waits until the click has done what it should; false when it
// has not in time.
bool ClickAndWait(HWND window, const std::function<bool()>& done, DWORD timeoutMs);

// Presses and releases a key through the input queue; it goes to the focus of
// the foreground window, whichever process that is.
void PressKey(BYTE virtualKey);
// The same for a chord such as {VK_SHIFT, 'R'}: the keys go down in order and
// up in reverse.
void PressChord(const std::vector<BYTE>& keys);

// Synthesises an absolute move to a screen point and waits until the cursor is
// there (within a pixel), so that a click right after lands at that point;
// false on timeout.
bool MoveMouseTo(POINT screen, DWORD timeoutMs);

}  // namespace e2e
