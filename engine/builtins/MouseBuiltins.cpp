#include "engine/builtins/MouseBuiltins.h"

#include "engine/ClickAtScreenPoint.h"
#include "engine/system/PreciseSleep.h"
#include "engine/ScriptText.h"
#include "engine/builtins/BuiltinBinding.h"
#include "engine/builtins/MouseMotion.h"
#include "engine/builtins/WindowBuiltinSupport.h"

namespace {

const int kDefaultSpeed = 10;
const int kSlowestSpeed = 100;
const int kDragMinimumSpeed = 2;
const DWORD kWheelNotch = 120;

bool IsButton(const char* name, const char* button)
{
    return ScriptCompareNoCase(name, button) == 0;
}

// Any name but RIGHT and MIDDLE means the left button.
DWORD ButtonFlag(const char* button, DWORD left, DWORD right, DWORD middle)
{
    if (IsButton(button, "RIGHT"))
        return right;
    if (IsButton(button, "MIDDLE"))
        return middle;
    return left;
}

void MouseButtonDown(const char* button)
{
    mouse_event(ButtonFlag(button, MOUSEEVENTF_LEFTDOWN, MOUSEEVENTF_RIGHTDOWN, MOUSEEVENTF_MIDDLEDOWN), 0, 0, 0, 0);
}

void MouseButtonUp(const char* button)
{
    mouse_event(ButtonFlag(button, MOUSEEVENTF_LEFTUP, MOUSEEVENTF_RIGHTUP, MOUSEEVENTF_MIDDLEUP), 0, 0, 0, 0);
}

void MouseWheelNotch(const char* direction)
{
    DWORD data = IsButton(direction, "UP") ? kWheelNotch : static_cast<DWORD>(-static_cast<int>(kWheelNotch));
    mouse_event(MOUSEEVENTF_WHEEL, 0, 0, data, 0);
}

POINT CursorPosition()
{
    POINT cursor = {0, 0};
    GetCursorPos(&cursor);
    return cursor;
}

// Screen point of script coordinates: relative to the foreground window in
// MouseCoordMode 0.
POINT ScreenPointOf(const CMarionet_Script& engine, int x, int y)
{
    POINT origin = {0, 0};
    if (engine.m_bMouseCoordMode == 0)
        ForegroundWindowOrigin(origin);
    return {x + origin.x, y + origin.y};
}

void MoveToScreenPoint(POINT screen, int speed, int jumpPauseMs)
{
    POINT target = NormaliseScreenPoint(screen);
    if (speed == 0) {
        JumpMouseTo(target);
        PreciseSleep(jumpPauseMs);
    } else {
        if (speed < 0 || speed > kSlowestSpeed)
            speed = kDefaultSpeed;
        GlideMouse(NormaliseScreenPoint(CursorPosition()), target, speed);
    }
    WaitForCursorAt(screen);
}

void MoveMouseAbsolute(const CMarionet_Script& engine, int x, int y, int speed)
{
    MoveToScreenPoint(ScreenPointOf(engine, x, y), speed, 2);
}

// Relative to the cursor, which is a screen position in either coordinate mode.
void MoveMouseRelative(int dx, int dy, int speed)
{
    POINT cursor = CursorPosition();
    MoveToScreenPoint({cursor.x + dx, cursor.y + dy}, speed, 20);
}

// Run-in-background: after a robot click the cursor goes back to where the
// user had it, with one left click there.
void RestoreUserCursor(CMarionet_Script& engine)
{
    if (!engine.m_bRunAtBackground)
        return;
    ClickAtScreenPoint(engine.m_nStartCursorX, engine.m_nStartCursorY);
    engine.m_bRefreshCursor = 1;
}

int CountOfArguments(CScriptValueList& args)
{
    return args.GetCount() >= 2 ? args[1].GetInteger() : 1;
}

// Count clicks (a second press after 1 ms for a double click), each followed by
// the return of the user's cursor in run-in-background mode.
void ClickRepeatedly(CMarionet_Script& engine, CScriptValueList& args, bool doubleClick)
{
    const char* button = args[0].GetText();
    for (int i = CountOfArguments(args); i > 0; --i) {
        MouseButtonDown(button);
        PreciseSleep(engine.m_nMouseClickDownDelay);
        MouseButtonUp(button);
        if (doubleClick) {
            PreciseSleep(1);
            MouseButtonDown(button);
            PreciseSleep(engine.m_nMouseClickDownDelay);
            MouseButtonUp(button);
        }
        PreciseSleep(engine.m_nMouseClickDelay);
        RestoreUserCursor(engine);
    }
}

int MouseClick(CMarionet_Script& engine, CScriptValueList& args, CScriptValue&)
{
    ClickRepeatedly(engine, args, false);
    return 0;
}

int MouseDoubleClick(CMarionet_Script& engine, CScriptValueList& args, CScriptValue&)
{
    ClickRepeatedly(engine, args, true);
    return 0;
}

int MouseClickDrag(CMarionet_Script& engine, CScriptValueList& args, CScriptValue&)
{
    const char* button = args[0].GetText();
    int speed = args.GetCount() == 6 ? args[5].GetInteger() : -1;
    MoveMouseAbsolute(engine, args[1].GetInteger(), args[2].GetInteger(), speed);
    if (speed < kDragMinimumSpeed && speed != -1)
        speed = kDragMinimumSpeed;
    MouseButtonDown(button);
    PreciseSleep(engine.m_nMouseClickDragDelay);
    MoveMouseAbsolute(engine, args[3].GetInteger(), args[4].GetInteger(), speed);
    PreciseSleep(engine.m_nMouseClickDragDelay);
    MouseButtonUp(button);
    PreciseSleep(engine.m_nMouseClickDelay);
    RestoreUserCursor(engine);
    return 0;
}

int MouseDown(CMarionet_Script&, CScriptValueList& args, CScriptValue&)
{
    MouseButtonDown(args[0].GetText());
    return 0;
}

int MouseUp(CMarionet_Script& engine, CScriptValueList& args, CScriptValue&)
{
    MouseButtonUp(args[0].GetText());
    RestoreUserCursor(engine);
    return 0;
}

int MouseWheel(CMarionet_Script& engine, CScriptValueList& args, CScriptValue&)
{
    for (int i = CountOfArguments(args); i > 0; --i) {
        MouseWheelNotch(args[0].GetText());
        PreciseSleep(engine.m_nMouseClickDelay);
    }
    return 0;
}

int MouseMove(CMarionet_Script& engine, CScriptValueList& args, CScriptValue&)
{
    if (engine.m_bRunAtBackground && engine.m_bRefreshCursor) {
        engine.m_bRefreshCursor = 0;
        POINT user = CursorPosition();
        engine.m_nStartCursorX = user.x;
        engine.m_nStartCursorY = user.y;
    }
    MoveMouseAbsolute(engine, args[0].GetInteger(), args[1].GetInteger(), 0);
    return 0;
}

int MouseRelativeMove(CMarionet_Script&, CScriptValueList& args, CScriptValue&)
{
    MoveMouseRelative(args[0].GetInteger(), args[1].GetInteger(), 0);
    return 0;
}

int MouseGetPos(CMarionet_Script& engine, CScriptValueList&, CScriptValue& result)
{
    POINT cursor = CursorPosition();
    POINT origin = {0, 0};
    if (engine.m_bMouseCoordMode == 0)
        ForegroundWindowOrigin(origin);
    SetIntegerArray(result, {cursor.x - origin.x, cursor.y - origin.y});
    return 0;
}

}  // namespace

void RegisterMouseBuiltins(CMarionet_Script& engine)
{
    static const BuiltinBinding kBindings[] = {
        {"MOUSECLICK", MouseClick},
        {"MOUSEDOUBLECLICK", MouseDoubleClick},
        {"MOUSECLICKDRAG", MouseClickDrag},
        {"MOUSEDOWN", MouseDown},
        {"MOUSEUP", MouseUp},
        {"MOUSEWHEEL", MouseWheel},
        {"MOUSEMOVE", MouseMove},
        {"MOUSERELATIVEMOVE", MouseRelativeMove},
        {"MOUSEGETPOS", MouseGetPos},
    };
    BindBuiltins(engine, kBindings);
}
