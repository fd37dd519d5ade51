#include "engine/ScriptArrays.h"

bool MakeArray1D(CScriptValue& value, int n)
{
    // A built-in's array always holds at least its first element.
    if (n < 1)
        return false;
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

bool SetStringArray(CScriptValue& value, const std::vector<std::string>& texts)
{
    if (texts.size() > static_cast<size_t>(CScriptValue::kMaxElements) ||
        !MakeArray1D(value, static_cast<int>(texts.size())))
        return false;
    for (size_t i = 0; i < texts.size(); ++i) {
        if (CScriptValue* element = ArrayElement1D(value, static_cast<int>(i)))
            element->SetString(texts[i].c_str());
    }
    return true;
}
