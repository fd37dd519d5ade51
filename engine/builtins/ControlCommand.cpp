#include "engine/builtins/ControlCommand.h"

#include "engine/ScriptText.h"
#include "engine/builtins/BuiltinBinding.h"
#include "engine/builtins/WindowBuiltinSupport.h"
#include "engine/builtins/WindowThreadAttach.h"

#include <commctrl.h>

#include <algorithm>
#include <cstring>
#include <vector>

namespace {

const int kTextMargin = 256;
const WORD kLineBufferChars = 0x8000;
// Longest list item text read: another program's control may answer any
// length, and the buffer is made for the length it answers.
const LRESULT kListTextMax = 1 << 20;
const DWORD kSelectionEndMax = 32767;

// One sub-command at work: the control, the searched control name the kind
// tests look at, the option and where results go.
struct CCommandCall
{
    CMarionet_Script& engine;
    HWND window;
    HWND control;
    const char* controlName;
    CScriptValue& option;
    CScriptValue& result;

    // A control that stops answering half-way sets @error 1 and answers 0
    // instead of blocking the sub-command.
    LRESULT Send(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const
    {
        LRESULT answer = 0;
        if (!SendMessageGuarded(control, message, wParam, lParam, answer))
            Fail();
        return answer;
    }
    LRESULT SendText(UINT message, WPARAM wParam) const
    {
        return Send(message, wParam, reinterpret_cast<LPARAM>(option.GetText()));
    }
    bool NameStartsWith(const char* prefix) const
    {
        return ScriptCompareNoCaseN(controlName, prefix, std::strlen(prefix)) == 0;
    }
    void Fail() const { engine.SetErrorCode(1); }
};

void PostTabKey(const CCommandCall& call, WPARAM key)
{
    LPARAM scan = static_cast<LPARAM>(MapVirtualKeyA(static_cast<UINT>(key), 0)) << 16;
    PostMessageA(call.control, WM_KEYDOWN, key, scan | 1);
    Sleep(0);
    PostMessageA(call.control, WM_KEYUP, key, scan | static_cast<LPARAM>(0xC0000001));
}

// Tells the control's parent that the selection changed, as a user's pick does.
void NotifySelection(const CCommandCall& call, WORD first, WORD second)
{
    HWND parent = GetParent(call.control);
    WORD id = static_cast<WORD>(GetDlgCtrlID(call.control));
    LPARAM control = reinterpret_cast<LPARAM>(call.control);
    LRESULT answer = 0;
    SendMessageGuarded(parent, WM_COMMAND, MAKEWPARAM(id, first), control, answer);
    SendMessageGuarded(parent, WM_COMMAND, MAKEWPARAM(id, second), control, answer);
}

// Clicks the middle of a button with posted messages, so the click needs no cursor.
void ClickControl(const CCommandCall& call)
{
    SetActiveWindow(call.window);
    LPARAM centre = CentreOfWindow(call.control);
    PostMessageA(call.control, WM_LBUTTONDOWN, MK_LBUTTON, centre);
    PostMessageA(call.control, WM_LBUTTONUP, 0, centre);
}

void FailOnZero(const CCommandCall& call, LRESULT answer)
{
    if (answer == 0)
        call.Fail();
}

void ListOrComboMessage(const CCommandCall& call, UINT comboMessage, UINT listMessage, WPARAM wParam, bool text)
{
    UINT message = 0;
    if (call.NameStartsWith("Combo"))
        message = comboMessage;
    else if (call.NameStartsWith("List"))
        message = listMessage;
    else
        return;
    FailOnZero(call, text ? call.SendText(message, wParam) : call.Send(message, wParam));
}

void FindString(const CCommandCall& call)
{
    LRESULT index = -1;
    if (call.NameStartsWith("Combo"))
        index = call.SendText(CB_FINDSTRING, 1);
    else if (call.NameStartsWith("List"))
        index = call.SendText(LB_FINDSTRING, 1);
    if (index == -1)
        call.Fail();
    else
        call.result.SetInteger(static_cast<int>(index));
}

void SelectAndNotify(const CCommandCall& call, bool byText, const char* comboPrefix, const char* listPrefix)
{
    bool combo = call.NameStartsWith(comboPrefix);
    if (!combo && !call.NameStartsWith(listPrefix))
        return;
    LRESULT index;
    if (byText)
        index = call.SendText(combo ? CB_SELECTSTRING : LB_SELECTSTRING, 1);
    else
        index = call.Send(combo ? CB_SETCURSEL : LB_SETCURSEL, static_cast<WPARAM>(call.option.GetInteger()));
    if (index == -1) {
        call.Fail();
        return;
    }
    if (combo)
        NotifySelection(call, CBN_SELCHANGE, CBN_SELENDOK);
    else
        NotifySelection(call, LBN_SELCHANGE, LBN_DBLCLK);
}

void GetCurrentSelection(const CCommandCall& call)
{
    bool combo = call.NameStartsWith("ComboBox");
    if (!combo && !call.NameStartsWith("ListBox"))
        return;
    LRESULT index = call.Send(combo ? CB_GETCURSEL : LB_GETCURSEL);
    LRESULT length = index == -1 ? -1 : call.Send(combo ? CB_GETLBTEXTLEN : LB_GETTEXTLEN, index);
    if (length < 0 || length > kListTextMax) {
        call.Fail();
        return;
    }
    std::vector<char> text(static_cast<size_t>(length) + kTextMargin + 1, '\0');
    if (call.Send(combo ? CB_GETLBTEXT : LB_GETTEXT, index, reinterpret_cast<LPARAM>(text.data())) == -1) {
        call.Fail();
        return;
    }
    call.result.SetString(text.data());
}

void GetSelected(const CCommandCall& call)
{
    DWORD start = 0;
    DWORD end = 0;
    call.Send(EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    LRESULT length = start == end ? 0 : call.Send(WM_GETTEXTLENGTH);
    if (length <= 0) {
        call.Fail();
        return;
    }
    // A selection ends within the first 32767 characters, so no more is read
    // whatever length the other program's control answers.
    length = std::min<LRESULT>(length, kSelectionEndMax);
    std::vector<char> text(static_cast<size_t>(length) + kTextMargin, '\0');
    LRESULT got = call.Send(WM_GETTEXT, static_cast<WPARAM>(length) + 1, reinterpret_cast<LPARAM>(text.data()));
    if (got == 0 || end > kSelectionEndMax || start > static_cast<DWORD>(got)) {
        call.Fail();
        return;
    }
    if (end < static_cast<DWORD>(length) && end < text.size())
        text[end] = '\0';
    call.result.SetString(text.data() + start);
}

void GetCurrentColumn(const CCommandCall& call)
{
    DWORD start = 0;
    call.Send(EM_GETSEL, reinterpret_cast<WPARAM>(&start), 0);
    LRESULT line = call.Send(EM_LINEFROMCHAR, start);
    if (line < 1) {
        call.result.SetInteger(static_cast<int>(start) + 1);
        return;
    }
    // The column counts from the character before the line's first, kept
    // within the text before the caret whatever the control answers.
    const long nStart = static_cast<long>(start);
    const long nLineIndex = static_cast<long>(call.Send(EM_LINEINDEX, static_cast<WPARAM>(line)));
    const long nBefore = std::clamp(nLineIndex - 1, 0L, std::max(nStart - 1, 0L));
    call.result.SetInteger(static_cast<int>(nStart - nBefore));
}

void GetLine(const CCommandCall& call)
{
    std::vector<char> text(kLineBufferChars + 2, '\0');
    *reinterpret_cast<WORD*>(text.data()) = kLineBufferChars;
    LRESULT length =
        call.Send(EM_GETLINE, static_cast<WPARAM>(call.option.GetInteger() - 1), reinterpret_cast<LPARAM>(text.data()));
    if (length <= 0) {
        call.Fail();
        return;
    }
    // The control says how much it copied; more than the buffer holds is not
    // there to read.
    call.result.SetString(text.data(), static_cast<int>(std::min<LRESULT>(length, kLineBufferChars)));
}

// Runs the named sub-command; false for a name that is none of them.
bool RunCommand(const CCommandCall& call, const char* command)
{
    auto is = [command](const char* name) { return ScriptCompareNoCase(command, name) == 0; };
    CScriptValue& result = call.result;
    if (is("ISVISIBLE")) {
        result.SetInteger(IsWindowVisible(call.control) ? 1 : 0);
    } else if (is("ISENABLED")) {
        result.SetInteger(IsWindowEnabled(call.control) ? 1 : 0);
    } else if (is("TABLEFT")) {
        PostTabKey(call, VK_LEFT);
    } else if (is("TABRIGHT")) {
        PostTabKey(call, VK_RIGHT);
    } else if (is("CURRENTTAB")) {
        LRESULT tab = call.Send(TCM_GETCURSEL, static_cast<WPARAM>(call.option.GetInteger()));
        if (tab == -1)
            call.Fail();
        else
            result.SetInteger(static_cast<int>(tab) + 1);
    } else if (is("SHOWDROPDOWN")) {
        FailOnZero(call, call.Send(CB_SHOWDROPDOWN, TRUE));
    } else if (is("HIDEDROPDOWN")) {
        FailOnZero(call, call.Send(CB_SHOWDROPDOWN, FALSE));
    } else if (is("ADDSTRING")) {
        ListOrComboMessage(call, CB_ADDSTRING, LB_ADDSTRING, 0, true);
    } else if (is("DELSTRING")) {
        ListOrComboMessage(call, CB_DELETESTRING, LB_DELETESTRING, static_cast<WPARAM>(call.option.GetInteger()),
                           false);
    } else if (is("FINDSTRING")) {
        FindString(call);
    } else if (is("SETCURRENTSELECTION")) {
        SelectAndNotify(call, false, "Combo", "List");
    } else if (is("GETCURRENTSELECTION")) {
        GetCurrentSelection(call);
    } else if (is("SELECTSTRING")) {
        SelectAndNotify(call, true, "ComboBox", "ListBox");
    } else if (is("ISCHECKED")) {
        result.SetInteger(call.Send(BM_GETCHECK) == 1 ? 1 : 0);
    } else if (is("CHECK")) {
        if (call.Send(BM_GETCHECK) == 0)
            ClickControl(call);
    } else if (is("UNCHECK")) {
        if (call.Send(BM_GETCHECK) == 1)
            ClickControl(call);
    } else if (is("GETSELECTED")) {
        GetSelected(call);
    } else if (is("GETLINECOUNT")) {
        result.SetInteger(static_cast<int>(call.Send(EM_GETLINECOUNT)));
    } else if (is("GETCURRENTLINE")) {
        result.SetInteger(static_cast<int>(call.Send(EM_LINEFROMCHAR, static_cast<WPARAM>(-1))) + 1);
    } else if (is("GETCURRENTCOL")) {
        GetCurrentColumn(call);
    } else if (is("EDITPASTE")) {
        call.SendText(EM_REPLACESEL, 1);
    } else if (is("GETLINE")) {
        GetLine(call);
    } else {
        return false;
    }
    return true;
}

int ControlCommand(CMarionet_Script& engine, CScriptValueList& args, CScriptValue& result)
{
    if (!FindControlOfArguments(engine, args)) {
        engine.SetErrorCode(1);
        return 0;
    }
    CWindowSearch& search = WindowSearchOf(engine);
    CWindowThreadAttach attach(search.FoundWindow());
    if (!attach.Answers()) {
        engine.SetErrorCode(1);
        return 0;
    }
    CCommandCall call = {engine, search.FoundWindow(), search.FoundControl(), args[2].GetText(), args[4], result};
    if (!RunCommand(call, args[3].GetText()))
        engine.SetErrorCode(1);
    return 0;
}

}  // namespace

void RegisterControlCommand(CMarionet_Script& engine)
{
    static const BuiltinBinding kBindings[] = {
        {"CONTROLCOMMAND", ControlCommand},
    };
    BindBuiltins(engine, kBindings);
}
