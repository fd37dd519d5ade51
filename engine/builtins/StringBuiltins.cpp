#include "engine/builtins/BuiltinBinding.h"
#include "engine/builtins/MathStringBuiltins.h"

#include "engine/ScriptText.h"
#include "engine/TextHelpers.h"

#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

namespace {

// Chars [start, end) of the text, clamped to it; empty when nothing is left.
void SetSubstring(CScriptValue& result, const CScriptString& text, long long start, long long end)
{
    const long long length = text.GetLength();
    start = std::max(start, 0LL);
    end = std::min(end, length);
    if (start >= end) {
        result.SetString("");
        return;
    }
    result.SetString(text.GetText() + start, static_cast<int>(end - start));
}

int StringLen(CMarionet_Script&, CScriptValueList& args, CScriptValue& result)
{
    result.SetInteger(static_cast<int>(std::strlen(args[0].GetText())));
    return 0;
}

int StringLeft(CMarionet_Script&, CScriptValueList& args, CScriptValue& result)
{
    SetSubstring(result, args[0].GetString(), 0, args[1].GetInteger());
    return 0;
}

int StringRight(CMarionet_Script&, CScriptValueList& args, CScriptValue& result)
{
    const CScriptString& text = args[0].GetString();
    const long long count = args[1].GetInteger();
    SetSubstring(result, text, count > 0 ? text.GetLength() - count : text.GetLength(), text.GetLength());
    return 0;
}

int StringMid(CMarionet_Script&, CScriptValueList& args, CScriptValue& result)
{
    const long long start = args[1].GetInteger();
    const long long count = args[2].GetInteger();
    if (start < 1 || count <= 0) {
        result.SetString("");
        return 0;
    }
    SetSubstring(result, args[0].GetString(), start - 1, start - 1 + count);
    return 0;
}

int StringTrimLeft(CMarionet_Script&, CScriptValueList& args, CScriptValue& result)
{
    const CScriptString& text = args[0].GetString();
    const long long count = args[1].GetInteger();
    if (count < 0)
        result.SetString("");
    else
        SetSubstring(result, text, count, text.GetLength());
    return 0;
}

int StringTrimRight(CMarionet_Script&, CScriptValueList& args, CScriptValue& result)
{
    const CScriptString& text = args[0].GetString();
    const long long count = args[1].GetInteger();
    if (count < 0)
        result.SetString("");
    else
        SetSubstring(result, text, 0, text.GetLength() - count);
    return 0;
}

int StringInStr(CMarionet_Script& engine, CScriptValueList& args, CScriptValue& result)
{
    const int count = args.GetCount();
    const bool caseSensitive = count >= 3 && args[2].GetInteger() != 0;
    const int occurrence = count >= 4 ? args[3].GetInteger() : 1;
    if (occurrence == 0) {
        engine.SetErrorCode(1);
        result.SetInteger(0);
        return 0;
    }
    const CScriptString& text = args[0].GetString();
    const int position = text.FindNth(args[1].GetText(), caseSensitive, occurrence);
    // Counted from the start, the text's length means not found; counted
    // from the end, a negative position does (an empty search text is found
    // at every position, the end included).
    const bool found = occurrence > 0 ? position < text.GetLength() : position >= 0;
    result.SetInteger(found ? position + 1 : 0);
    return 0;
}

int StringLower(CMarionet_Script&, CScriptValueList& args, CScriptValue& result)
{
    CScriptString text = args[0].GetString();
    text.MakeLower();
    result.SetString(text);
    return 0;
}

int StringUpper(CMarionet_Script&, CScriptValueList& args, CScriptValue& result)
{
    CScriptString text = args[0].GetString();
    text.MakeUpper();
    result.SetString(text);
    return 0;
}

int StringStripCR(CMarionet_Script&, CScriptValueList& args, CScriptValue& result)
{
    std::string text = args[0].GetText();
    StripCarriageReturns(&text[0]);
    result.SetString(text.c_str());
    return 0;
}

int StringAddCR(CMarionet_Script&, CScriptValueList& args, CScriptValue& result)
{
    const char* text = args[0].GetText();
    std::vector<char> expanded(ExpandedLineEndsSize(text));
    ExpandLineEnds(text, expanded.data());
    result.SetString(expanded.data());
    return 0;
}

// Position of the first occurrence of the search text at or after start;
// npos when there is none.
std::size_t FindFrom(const CScriptString& text, std::size_t start, const CScriptString& search, bool caseSensitive)
{
    const std::size_t length = static_cast<std::size_t>(text.GetLength());
    const std::size_t searchLength = static_cast<std::size_t>(search.GetLength());
    for (std::size_t i = start; i + searchLength <= length; ++i) {
        const char* at = text.GetText() + i;
        const bool match = caseSensitive ? std::strncmp(at, search.GetText(), searchLength) == 0
                                         : ScriptCompareNoCaseN(at, search.GetText(), searchLength) == 0;
        if (match)
            return i;
    }
    return std::string::npos;
}

int StringReplace(CMarionet_Script&, CScriptValueList& args, CScriptValue& result)
{
    const CScriptString& search = args[1].GetString();
    if (search.IsEmpty())
        return 0;
    const int argCount = args.GetCount();
    const int limit = argCount >= 4 ? args[3].GetInteger() : 0;
    const bool caseSensitive = argCount >= 5 && args[4].GetInteger() != 0;
    const CScriptString& text = args[0].GetString();
    const CScriptString& replacement = args[2].GetString();

    std::string output;
    std::size_t rest = 0;
    // A negative count replaces nothing, as 0 replacements are never fewer.
    for (int made = 0; limit == 0 || made < limit; ++made) {
        const std::size_t found = FindFrom(text, rest, search, caseSensitive);
        if (found == std::string::npos)
            break;
        output.append(text.GetText() + rest, found - rest);
        output.append(replacement.GetText(), static_cast<std::size_t>(replacement.GetLength()));
        rest = found + static_cast<std::size_t>(search.GetLength());
    }
    output.append(text.GetText() + rest, static_cast<std::size_t>(text.GetLength()) - rest);
    result.SetString(output.c_str(), static_cast<int>(output.size()));
    return 0;
}

}  // namespace

void RegisterStringBuiltins(CMarionet_Script& engine)
{
    static const BuiltinBinding kBindings[] = {
        {"STRINGLEN", StringLen},         {"STRINGLEFT", StringLeft},         {"STRINGRIGHT", StringRight},
        {"STRINGMID", StringMid},         {"STRINGTRIMLEFT", StringTrimLeft}, {"STRINGTRIMRIGHT", StringTrimRight},
        {"STRINGINSTR", StringInStr},     {"STRINGLOWER", StringLower},       {"STRINGUPPER", StringUpper},
        {"STRINGSTRIPCR", StringStripCR}, {"STRINGADDCR", StringAddCR},       {"STRINGREPLACE", StringReplace},
    };
    BindBuiltins(engine, kBindings);
}
