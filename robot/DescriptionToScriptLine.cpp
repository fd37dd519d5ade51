#include "robot/ActionLines.h"

#include "robot/ActionLineText.h"
#include "robot/HexDigits.h"
#include "robot/NumberText.h"

#include <climits>

namespace {
// "Mouse Left Click" or "Mouse Left Click, 3 times": the count, "1" when the
// action does not end with "times".
CString ClickCount(const CString& action, const char* prefix)
{
    if (!EndsWith(action, "times"))
        return "1";
    const CString opener = CString(prefix) + ", ";
    const int first = action.Find(opener) + opener.GetLength();
    return Slice(action, first, action.Find(" times", first));
}

CString MouseClick(const char* function, const char* button, const CString& count)
{
    return CString(function) + "(\"" + button + "\", " + count + ")";
}

// "Mouse move to 10, 20": x up to the first comma, y from two characters
// after it.
CString MouseMove(const CString& action, const char* prefix, const char* function)
{
    const int comma = action.Find(',');
    const CString x = Slice(action, action.Find(prefix) + TextLength(prefix), comma);
    const CString y = action.Mid(comma + 2);
    return CString(function) + "(" + x + ", " + y + ")";
}

const char kNoModifiers[] = "(\"\",\"\",\"\",";

// "Key Press A", "Key Press A, 3 times", and the comma key "Key Press ," or
// "Key Press ,, 3 times".
CString KeyAction(const CString& action, const char* prefix, const char* function)
{
    const int start = TextLength(prefix);
    const int comma = action.Find(',');
    if (comma == start) {
        const CString commaCount = CString(prefix) + ",,";
        const int counted = action.Find(commaCount);
        const CString count =
            counted < 0 ? CString("1") : WithoutSuffix(action.Mid(counted + commaCount.GetLength()), " times");
        return CString(function) + kNoModifiers + "\",\"," + count + ")";
    }
    CString key;
    CString count;
    if (comma >= 0) {
        key = Slice(action, start, comma);
        count = WithoutSuffix(action.Mid(comma + 2), " times");
    } else {
        key = action.Mid(start);
        count = "1";
    }
    return CString(function) + kNoModifiers + "\"" + key + "\", " + count + ")";
}

CString Wait(const CString& action)
{
    const char* unit = "";
    long long factor = 1;
    if (EndsWith(action, "milliseconds"))
        unit = " milliseconds";
    else if (EndsWith(action, "seconds"))
        unit = " seconds", factor = 1000;
    else if (EndsWith(action, "minutes"))
        unit = " minutes", factor = 60000;
    const int first = action.Find("Wait ") + TextLength("Wait ");
    const int last = *unit ? action.GetLength() - TextLength(unit) : action.GetLength();
    // Minutes of a large count overflow 32 bits: compute wide and saturate.
    long long ms = StringToInt(Slice(action, first, last)) * factor;
    if (ms > INT_MAX)
        ms = INT_MAX;
    if (ms < INT_MIN)
        ms = INT_MIN;
    const CString text = IntToString(static_cast<int>(ms));
    return ms > 60000 ? "WAITLONG(" + text + ")" : "WAIT(" + text + ")";
}

// "If color at (10, 20) Equal to #FF0000, Then" or
// "If color at mouse point Approximately equal to #00FF00, Then".
CString CheckColor(const CString& action)
{
    static const char pointPrefix[] = "If color at (";
    static const char mousePrefix[] = "If color at mouse point";
    CString x = "-1";
    CString y = "-1";
    CString word;
    if (StartsWith(action, pointPrefix)) {
        const int comma = action.Find(',');
        const int close = action.Find(')');
        x = TrimmedLeft(Slice(action, TextLength(pointPrefix), comma));
        y = TrimmedLeft(Slice(action, comma + 1, close));
        word = action.Mid(close + 2);
    } else
        word = action.Mid(TextLength(mousePrefix) + 1);
    const char* mode = StartsWith(word, "Equal to") ? "0" : StartsWith(word, "Unqual to") ? "1" : "2";

    const CString colour = WithoutSuffix(action.Mid(action.Find('#') + 1), ", Then");
    int channels[3];
    for (int i = 0; i < 3; ++i)
        channels[i] = HexDigitValue(colour.Mid(2 * i, 1)) * 16 + HexDigitValue(colour.Mid(2 * i + 1, 1));
    return FormatString("If CheckColor(%s,%s,%d,%d,%d,%s) Then", x.GetString(), y.GetString(), channels[0], channels[1],
                        channels[2], mode);
}

// "Run " program "|" argument "|" c "|" m, c and m one character each.
CString Run(const CString& action)
{
    const int length = action.GetLength();
    const CString mode = action.Right(1);
    const CString third = action.Mid(length - 3, 1);
    const CString fields = action.Left(length - 4);
    const int bar = fields.ReverseFind('|');
    const CString argument = fields.Mid(bar + 1);
    const CString program = Slice(fields, TextLength("Run "), bar);
    const char* function = mode == "1" ? "RunReadyInput(" : mode == "2" ? "RunWait(" : "Run(";
    return CString(function) + "\"" + program + "\", \"" + argument + "\", " + third + ")";
}

CString ShutdownLine(const CString& action)
{
    for (const ShutdownAction& shutdown : kShutdownActions)
        if (action == shutdown.description)
            return CString("Shutdown(") + shutdown.argument + ")";
    return CString();
}

CString ConvertAction(const CString& a)
{
    if (StartsWith(a, "Mouse Left Click"))
        return MouseClick("MouseClick", "left", ClickCount(a, "Mouse Left Click"));
    if (StartsWith(a, "Mouse Right Click"))
        return MouseClick("MouseClick", "right", ClickCount(a, "Mouse Right Click"));
    if (StartsWith(a, "Mouse Double Click"))
        return MouseClick("MouseDoubleClick", "left", ClickCount(a, "Mouse Double Click"));
    if (StartsWith(a, "Mouse Scroll "))
        return a.Mid(TextLength("Mouse Scroll ")).CompareNoCase("Up") == 0 ? "MouseWheel(\"up\")"
                                                                           : "MouseWheel(\"down\")";
    if (StartsWith(a, "Mouse Left Down"))
        return "MouseDown(\"left\")";
    if (StartsWith(a, "Mouse Left Up"))
        return "MouseUp(\"left\")";
    if (StartsWith(a, "Mouse Right Down"))
        return "MouseDown(\"right\")";
    if (StartsWith(a, "Mouse Right Up"))
        return "MouseUp(\"right\")";
    if (StartsWith(a, "Mouse move to"))
        return MouseMove(a, "Mouse move to ", "MouseMove");
    if (StartsWith(a, "Relative mouse move"))
        return MouseMove(a, "Relative mouse move ", "MouseRelativeMove");
    if (StartsWith(a, "Key Press "))
        return KeyAction(a, "Key Press ", "KeySend");
    if (StartsWith(a, "Key Up "))
        return KeyAction(a, "Key Up ", "KeyUp");
    if (StartsWith(a, "Key Down "))
        return KeyAction(a, "Key Down ", "KeyDown");
    if (StartsWith(a, "Wait"))
        return Wait(a);
    if (StartsWith(a, "Input text")) {
        CString text = a.Mid(TextLength("Input text "));
        text.Remove('"');
        return "Send(\"" + text + "\")";
    }
    if (StartsWith(a, "If color at "))
        return CheckColor(a);
    if (StartsWith(a, "Else") || StartsWith(a, "EndIf"))
        return a;
    if (StartsWith(a, "TAG"))
        return "TAG $" + a.Mid(4);
    if (StartsWith(a, "Switch to TAG"))
        return "GOTO $" + a.Mid(TextLength("Switch to TAG "));
    if (StartsWith(a, "Start loop")) {
        const CString id = Slice(a, TextLength("Start loop"), a.Find(','));
        const int loop = a.Find(", loop ");
        const CString count = WithoutSuffix(a.Mid(loop + TextLength(", loop ")), " times");
        return "For $count" + id + " = 1 To " + count;
    }
    if (StartsWith(a, "End loop block"))
        return "Next";
    if (StartsWith(a, "Comment:"))
        return a;
    if (StartsWith(a, "Run "))
        return Run(a);
    return ShutdownLine(a);
}
}  // namespace

CString DescriptionToScriptLine(const CString& description)
{
    const ActionLineParts parts = SplitActionLine(description, " At Win [");
    const CString tag = parts.tag.IsEmpty() ? CString() : "->" + parts.tag;
    return JoinActionLine(ConvertAction(parts.action), tag, parts.fasterMarker);
}
