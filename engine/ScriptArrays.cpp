#include "engine/ScriptArrays.h"

bool MakeArray1D(CScriptValue& value, int n)
{
    value.ClearSubscripts();
    value.PushSubscript(n);
    bool made = value.MakeArray();
    value.ClearSubscripts();
    return made;
}

CScriptValue* ArrayElement1D(CScriptValue& value, int n)
{
    value.ClearSubscripts();
    value.PushSubscript(n);
    CScriptValue* element = value.ElementAtPending();
    value.ClearSubscripts();
    return element;
}
