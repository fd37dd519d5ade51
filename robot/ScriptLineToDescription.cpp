#include "robot/ActionLines.h"

#include "framework/AfxMessageBox.h"
#include "robot/ActionLineText.h"
#include "robot/HexDigits.h"
#include "robot/NumberText.h"

#include <windows.h>

namespace {
// Position of the n-th double quote counted from the end (n from 1); -1 when
// there are fewer.
int QuoteFromEnd(const CString& text, int n)
{
    int at = text.GetLength();
    while (n-- > 0 && at >= 0) {
        --at;
        while (at >= 0 && text[at] != '"')
            --at;
    }
    return at;
}

// "left" becomes "Left".
CString ButtonWord(const CString& action)
{
    const int open = action.Find('"');
    CString word = Slice(action, open + 1, action.Find('"', open + 1));
    CString first = word.Left(1);
    CString rest = word.Mid(1);
    return first.MakeUpper() + rest.MakeLower();
}

// The count of MouseClick("left", 3): after the first ", ", less the ")".
CString ClickCount(const CString& action)
{
    return WithoutLastChar(action.Mid(action.Find(", ") + 2));
}

CString Counted(const CString& text, const CString& count)
{
    return count == "1" ? text : text + ", " + count + " times";
}

CString MouseMove(const CString& action, const char* prefix)
{
    const int comma = action.Find(',');
    const CString x = TrimmedLeft(Slice(action, action.Find('(') + 1, comma));
    const CString y = TrimmedLeft(WithoutLastChar(action.Mid(comma + 1)));
    return CString(prefix) + x + ", " + y;
}

// KeySend("","","","A", 1): the key stands between the seventh and the last
// double quote, the count between the last comma and the ")".
CString KeyAction(const CString& action, const char* prefix)
{
    const CString key = Slice(action, action.FindNth("\"", 7) + 1, action.ReverseFind('"'));
    const CString count = TrimmedLeft(Slice(action, action.ReverseFind(',') + 1, action.GetLength() - 1));
    return Counted(CString(prefix) + key, count);
}

// If CheckColor(x,y,r,g,b,mode) Then
CString CheckColor(const CString& action)
{
    CString arguments[6];
    int start = TextLength("If CheckColor(");
    for (int i = 0; i < 5; ++i) {
        const int comma = action.Find(',', start);
        arguments[i] = TrimmedLeft(Slice(action, start, comma));
        start = comma + 1;
    }
    arguments[5] = TrimmedLeft(Slice(action, start, action.Find(')')));

    CString text = arguments[0] == "-1" && arguments[1] == "-1"
                       ? CString("If color at mouse point ")
                       : "If color at (" + arguments[0] + ", " + arguments[1] + ") ";
    text += arguments[5] == "0" ? "Equal to #" : arguments[5] == "1" ? "Unqual to #" : "Approximately equal to #";
    for (int i = 2; i < 5; ++i) {
        const int value = StringToInt(arguments[i]);
        text += HexDigitChar(static_cast<unsigned>(value / 16)) + HexDigitChar(static_cast<unsigned>(value % 16));
    }
    return text + ", Then";
}

// Run("program", "argument", c) and its RunWait and RunReadyInput forms.
CString Run(const CString& action, const char* mode)
{
    CString third = Slice(action, action.ReverseFind(',') + 1, action.ReverseFind(')'));
    third.Trim();
    if (third.GetLength() != 1)
        ShowMessageBox(nullptr, "Some error may happened", "Warning", MB_OK);
    const int argumentEnd = QuoteFromEnd(action, 1);
    const int argumentStart = QuoteFromEnd(action, 2);
    const CString argument = Slice(action, argumentStart + 1, argumentEnd);
    const CString beforeProgramEnd = action.Left(QuoteFromEnd(action, 3));
    const int programStart = beforeProgramEnd.Find('"');
    const CString program = beforeProgramEnd.Mid(programStart + 1);
    return "Run " + program + "|" + argument + "|" + third + "|" + mode;
}

CString Shutdown(const CString& action)
{
    const CString argument = Slice(action, TextLength("Shutdown("), action.ReverseFind(')'));
    for (const ShutdownAction& shutdown : kShutdownActions)
        if (argument == shutdown.argument)
            return shutdown.description;
    return CString();
}

CString SameText(const CString& s)
{
    return s;
}

CString Wheel(const CString& s)
{
    const CString argument = WithoutLastChar(TrimmedLeft(s.Mid(TextLength("MouseWheel("))));
    return argument.CompareNoCase("\"up\"") == 0 ? "Mouse Scroll Up" : "Mouse Scroll Down";
}

CString Wait(const CString& s)
{
    return "Wait " + Slice(s, s.Find('(') + 1, s.ReverseFind(')')) + " milliseconds";
}

CString Loop(const CString& s)
{
    CString id = Slice(s, TextLength("For $count"), s.Find('='));
    id.TrimRight();
    return "Start loop" + id + ", loop " + s.Mid(s.ReverseFind(' ') + 1) + " times";
}

// A kind of action line: the text it starts with and how it reads.
struct ActionKind
{
    const char* prefix;
    CString (*describe)(const CString& action);
};

// The first row whose prefix starts the line describes it.
const ActionKind kActionKinds[] = {
    {"MouseClick(", [](const CString& s) { return Counted("Mouse " + ButtonWord(s) + " Click", ClickCount(s)); }},
    {"MouseDoubleClick(", [](const CString& s) { return Counted("Mouse Double Click", ClickCount(s)); }},
    {"MouseWheel(", Wheel},
    {"MouseDown(", [](const CString& s) { return "Mouse " + ButtonWord(s) + " Down"; }},
    {"MouseUp(", [](const CString& s) { return "Mouse " + ButtonWord(s) + " Up"; }},
    {"MouseMove(", [](const CString& s) { return MouseMove(s, "Mouse move to "); }},
    {"MouseRelativeMove(", [](const CString& s) { return MouseMove(s, "Relative mouse move "); }},
    {"KeySend(", [](const CString& s) { return KeyAction(s, "Key Press "); }},
    {"KeyUp(", [](const CString& s) { return KeyAction(s, "Key Up "); }},
    {"KeyDown(", [](const CString& s) { return KeyAction(s, "Key Down "); }},
    {"WAIT(", Wait},
    {"WAITLONG(", Wait},
    {"Send(", [](const CString& s) { return "Input text " + Slice(s, s.Find('"') + 1, s.ReverseFind('"')); }},
    {"TAG $", [](const CString& s) { return "TAG " + s.Mid(TextLength("TAG $")); }},
    {"GOTO $", [](const CString& s) { return "Switch to TAG " + s.Mid(TextLength("GOTO $")); }},
    {"For $count", Loop},
    {"Next", [](const CString&) { return CString("End loop block"); }},
    {"Comment:", SameText},
    {"If CheckColor(", CheckColor},
    {"Else", SameText},
    {"EndIf", SameText},
    {"RunReadyInput(", [](const CString& s) { return Run(s, "1"); }},
    {"RunWait(", [](const CString& s) { return Run(s, "2"); }},
    {"Run(", [](const CString& s) { return Run(s, "0"); }},
    {"Shutdown(", Shutdown},
};

CString ConvertAction(const CString& s)
{
    for (const ActionKind& kind : kActionKinds)
        if (StartsWith(s, kind.prefix))
            return kind.describe(s);
    return CString();
}
}  // namespace

CString ScriptLineToDescription(const CString& scriptLine)
{
    const ActionLineParts parts = SplitActionLine(scriptLine, "-> At Win [");
    return JoinActionLine(ConvertAction(parts.action), parts.tag.Mid(2), parts.fasterMarker);
}
