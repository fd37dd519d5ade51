#include "engine/builtins/ScriptStringFormat.h"

#include "engine/CScriptValueList.h"
#include "engine/builtins/ScriptMath.h"

#include <cstdio>
#include <cstring>

namespace {

constexpr char kConversionChars[] = "diouxXeEfgGs";
constexpr char kFlagChars[] = "-+ #0";
constexpr int kMaxSpecDigits = 4;
// Text handed to a "%s" conversion is cut to this many chars.
constexpr size_t kMaxConvertedText = 65535;

struct Conversion
{
    std::string spec;  // "%", flags, width, precision and the conversion char
    char type = 0;
};

bool IsDigitChar(char c)
{
    return c >= '0' && c <= '9';
}

// Up to kMaxSpecDigits digits at pos, appended to the conversion text; false when more.
bool TakeDigits(const char* text, size_t& pos, size_t end, std::string& spec)
{
    const size_t start = pos;
    while (pos < end && IsDigitChar(text[pos]))
        spec += text[pos++];
    return pos - start <= static_cast<size_t>(kMaxSpecDigits);
}

// The piece between "%" and the conversion char must be flags, a width, a
// precision and one size letter, nothing else.
bool BuildSafeSpec(const char* text, size_t pos, size_t end, Conversion& conversion)
{
    std::string& spec = conversion.spec;
    spec = "%";
    while (pos < end && std::strchr(kFlagChars, text[pos]) != nullptr)
        spec += text[pos++];
    if (!TakeDigits(text, pos, end, spec))
        return false;
    if (pos < end && text[pos] == '.') {
        spec += text[pos++];
        if (!TakeDigits(text, pos, end, spec))
            return false;
    }
    if (pos < end && (text[pos] == 'h' || text[pos] == 'l'))
        ++pos;
    if (pos != end)
        return false;
    spec += conversion.type;
    return true;
}

template <typename T>
void AppendFormatted(std::string& output, const char* spec, T value)
{
    const int length = std::snprintf(nullptr, 0, spec, value);
    if (length <= 0)
        return;
    const size_t start = output.size();
    output.resize(start + static_cast<size_t>(length) + 1);
    std::snprintf(&output[start], static_cast<size_t>(length) + 1, spec, value);
    output.resize(start + static_cast<size_t>(length));
}

void AppendConverted(std::string& output, const Conversion& conversion, const CScriptValue& value)
{
    const char* spec = conversion.spec.c_str();
    switch (conversion.type) {
    case 'd':
    case 'i':
        AppendFormatted(output, spec, value.GetInteger());
        break;
    case 'o':
    case 'u':
    case 'x':
    case 'X':
        // Unsigned conversions show the bit pattern, as HEX does.
        AppendFormatted(output, spec, static_cast<unsigned int>(ScriptValueBits32(value)));
        break;
    case 's': {
        const char* text = value.GetText();
        if (std::strlen(text) <= kMaxConvertedText)
            AppendFormatted(output, spec, text);
        else
            AppendFormatted(output, spec, std::string(text, kMaxConvertedText).c_str());
        break;
    }
    default:
        AppendFormatted(output, spec, value.GetNumber());
        break;
    }
}

char EscapedChar(char c)
{
    switch (c) {
    case 'n':
        return '\n';
    case 'r':
        return '\r';
    case 't':
        return '\t';
    default:
        return c;
    }
}

}  // namespace

std::string ScriptStringFormat(CScriptValueList& args)
{
    const std::string format = args[0].GetText();
    const char* text = format.c_str();
    const size_t length = format.size();
    const int count = args.GetCount();
    int valueIndex = 1;
    std::string output;
    output.reserve(1024);

    size_t pos = 0;
    while (pos < length) {
        const size_t special = format.find_first_of("%\\", pos);
        if (special == std::string::npos) {
            output.append(text + pos, length - pos);
            break;
        }
        output.append(text + pos, special - pos);
        pos = special;
        const char next = pos + 1 < length ? text[pos + 1] : '\0';

        if (text[pos] == '\\') {
            // "\%", "\n", "\r", "\t" and "\\" give one char; any other pair
            // (a path's "\d", say) and a final backslash stay as written.
            if (next != '\0' && std::strchr("%nrt\\", next) != nullptr)
                output += EscapedChar(next);
            else
                output.append(text + pos, next != '\0' ? 2 : 1);
            pos += next != '\0' ? 2 : 1;
            continue;
        }
        if (next == '%') {
            output += '%';
            pos += 2;
            continue;
        }
        if (valueIndex >= count)
            break;
        const size_t typePos = format.find_first_of(kConversionChars, pos + 1);
        if (typePos == std::string::npos) {
            output.append(text + pos, length - pos);
            break;
        }
        Conversion conversion;
        conversion.type = text[typePos];
        if (BuildSafeSpec(text, pos + 1, typePos, conversion))
            AppendConverted(output, conversion, args[valueIndex++]);
        else
            output.append(text + pos, typePos + 1 - pos);
        pos = typePos + 1;
    }
    return output;
}
