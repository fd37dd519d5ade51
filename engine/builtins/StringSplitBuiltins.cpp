#include "engine/builtins/BuiltinBinding.h"
#include "engine/builtins/MathStringBuiltins.h"

#include "engine/ScriptArrays.h"

#include <bitset>
#include <cctype>
#include <string>

namespace {

// @error of STRINGSPLIT when the parts would not fit in one array.
constexpr int kSplitTooManyParts = 2;

bool IsWhiteSpace(char c)
{
    return std::isspace(static_cast<unsigned char>(c)) != 0;
}

// Element 0 holds the number of parts, elements 1.. the parts themselves.
bool MakePartsArray(CScriptValue& result, long long partCount)
{
    if (partCount + 1 > CScriptValue::kMaxElements || !MakeArray1D(result, static_cast<int>(partCount + 1)))
        return false;
    ArrayElement1D(result, 0)->SetInteger(static_cast<int>(partCount));
    return true;
}

int StringSplit(CMarionet_Script& engine, CScriptValueList& args, CScriptValue& result)
{
    const CScriptString& text = args[0].GetString();
    const CScriptString& delimiters = args[1].GetString();
    const char* chars = text.GetText();
    const int length = text.GetLength();

    if (delimiters.IsEmpty()) {
        if (!MakePartsArray(result, length)) {
            engine.SetErrorCode(kSplitTooManyParts);
            return 0;
        }
        for (int i = 0; i < length; ++i)
            ArrayElement1D(result, i + 1)->SetString(chars + i, 1);
        return 0;
    }

    std::bitset<256> isDelimiter;
    for (int i = 0; i < delimiters.GetLength(); ++i)
        isDelimiter.set(static_cast<unsigned char>(delimiters.GetText()[i]));
    long long delimiterCount = 0;
    for (int i = 0; i < length; ++i)
        delimiterCount += isDelimiter.test(static_cast<unsigned char>(chars[i])) ? 1 : 0;

    if (delimiterCount == 0) {
        MakePartsArray(result, 1);
        ArrayElement1D(result, 1)->SetString(text);
        engine.SetErrorCode(1);
        return 0;
    }
    if (!MakePartsArray(result, delimiterCount + 1)) {
        engine.SetErrorCode(kSplitTooManyParts);
        return 0;
    }
    int part = 1;
    int partStart = 0;
    for (int i = 0; i <= length; ++i) {
        if (i == length || isDelimiter.test(static_cast<unsigned char>(chars[i]))) {
            ArrayElement1D(result, part++)->SetString(chars + partStart, i - partStart);
            partStart = i + 1;
        }
    }
    return 0;
}

std::string RemoveAllWhiteSpace(const char* text, int length)
{
    std::string kept;
    for (int i = 0; i < length; ++i) {
        if (!IsWhiteSpace(text[i]))
            kept += text[i];
    }
    return kept;
}

// Every run of white space becomes its first char.
std::string ReduceWhiteSpaceRuns(const std::string& text)
{
    std::string reduced;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (!IsWhiteSpace(text[i]) || i == 0 || !IsWhiteSpace(text[i - 1]))
            reduced += text[i];
    }
    return reduced;
}

int StringStripWS(CMarionet_Script& engine, CScriptValueList& args, CScriptValue& result)
{
    if (args[0].IsArray() || args[1].IsArray()) {
        engine.SetErrorCode(1);
        return 0;
    }
    const CScriptString& source = args[0].GetString();
    const int flags = args[1].GetInteger();
    if (flags & 8) {
        const std::string kept = RemoveAllWhiteSpace(source.GetText(), source.GetLength());
        result.SetString(kept.c_str(), static_cast<int>(kept.size()));
        return 0;
    }
    std::string text(source.GetText(), static_cast<std::size_t>(source.GetLength()));
    if (flags & 1) {
        std::size_t first = 0;
        while (first < text.size() && IsWhiteSpace(text[first]))
            ++first;
        text.erase(0, first);
    }
    if (flags & 2) {
        std::size_t end = text.size();
        while (end > 0 && IsWhiteSpace(text[end - 1]))
            --end;
        text.erase(end);
    }
    if (flags & 4)
        text = ReduceWhiteSpaceRuns(text);
    result.SetString(text.c_str(), static_cast<int>(text.size()));
    return 0;
}

}  // namespace

void RegisterStringSplitBuiltins(CMarionet_Script& engine)
{
    static const BuiltinBinding kBindings[] = {
        {"STRINGSPLIT", StringSplit},
        {"STRINGSTRIPWS", StringStripWS},
    };
    BindBuiltins(engine, kBindings);
}
