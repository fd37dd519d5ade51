#include "engine/ScriptErrorText.h"

#include <windows.h>

#include <cstdio>

namespace {

std::string Header(int lineNumber, const char* path, const char* lineText)
{
    char number[16];
    std::snprintf(number, sizeof number, "%d", lineNumber);
    std::string text = "Line ";
    text += number;
    if (path) {
        text += "  (File \"";
        text += path;
        text += "\"):\n\n";
    } else {
        text += ":\n\n";
    }
    text += lineText ? lineText : "";
    return text;
}

}  // namespace

std::string ComposeScriptErrorText(int lineNumber, const char* path, const char* lineText, int column,
                                   const char* message)
{
    std::string text = Header(lineNumber, path, lineText);
    text += "\n";
    if (column >= 0) {
        const std::string line = lineText ? lineText : "";
        text += line.substr(0, static_cast<size_t>(column));
        text += "^ ERROR\n";
    }
    text += "\nError: ";
    text += message;
    return text;
}

std::string ComposeRuntimeErrorText(int lineNumber, const char* path, const char* lineText, const char* message,
                                    const char* detail)
{
    std::string text = Header(lineNumber, path, lineText);
    text += "\n\nError: ";
    text += message;
    text += "\n\n";
    text += detail ? detail : "";
    return text;
}

std::string ComposeRecordedWindowMissingText(const char* title, bool similarAllowed)
{
    std::string text = "Cannot find window or application titled '";
    text += title ? title : "";
    if (similarAllowed)
        text +=
            "' that was open during recording.\n\nIf inputs do not associate with any window, edit the robot "
            "and uncheck the option 'Enable RecWin Technology for this robot'.";
    else
        text +=
            "' that was open during recording.\n\nIf the window title changes every time you run the robot, "
            "edit the robot and check the option 'Enable to run with other similar files or window titles'.";
    return text;
}

const char* GetSystemErrorText(int nCode)
{
    static char szText[4096];
    const DWORD dwCode = nCode == -1 ? GetLastError() : static_cast<DWORD>(nCode);
    // The size counts the terminator, so the text may fill 4095 chars.
    if (!FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr, dwCode,
                        MAKELANGID(LANG_NEUTRAL, SUBLANG_DEFAULT), szText, sizeof szText, nullptr))
        szText[0] = '\0';
    return szText;
}
