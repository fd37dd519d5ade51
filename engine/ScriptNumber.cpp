#include "engine/ScriptNumber.h"

#include "engine/ScriptText.h"

#include <climits>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

int ScriptScanDecimal(const char* text)
{
    const unsigned char* p = reinterpret_cast<const unsigned char*>(text);
    int i = 0;
    while (ScriptIsBlank(p[i]))
        ++i;
    if (p[i] == '+' || p[i] == '-')
        ++i;
    int digits = 0;
    while (ScriptIsDigit(p[i]))
        ++i, ++digits;
    if (p[i] == '.') {
        ++i;
        while (ScriptIsDigit(p[i]))
            ++i, ++digits;
    }
    if (digits == 0)
        return 0;
    if (p[i] == 'e' || p[i] == 'E') {
        int j = i + 1;
        if (p[j] == '+' || p[j] == '-')
            ++j;
        if (ScriptIsDigit(p[j])) {
            while (ScriptIsDigit(p[j]))
                ++j;
            i = j;
        }
    }
    return i;
}

double ScriptConvertDecimal(const char* text, int length)
{
    // Terminated copy, so strtod sees exactly the validated text.
    char small[64];
    if (length < static_cast<int>(sizeof small)) {
        std::memcpy(small, text, static_cast<std::size_t>(length));
        small[length] = '\0';
        return __mingw_strtod(small, nullptr);
    }
    const std::string copy(text, static_cast<std::size_t>(length));
    return __mingw_strtod(copy.c_str(), nullptr);
}

bool ScriptReadHex(const char* digits, int length, int& value)
{
    value = 0;
    if (length > 8)
        return false;
    unsigned int sum = 0;
    for (int i = 0; i < length; ++i) {
        const char c = digits[i];
        unsigned int digit;
        if (c >= '0' && c <= '9')
            digit = static_cast<unsigned int>(c - '0');
        else if (c >= 'a' && c <= 'f')
            digit = static_cast<unsigned int>(c - 'a' + 10);
        else if (c >= 'A' && c <= 'F')
            digit = static_cast<unsigned int>(c - 'A' + 10);
        else
            return false;
        sum = sum * 16 + digit;
    }
    value = static_cast<int>(sum);
    return true;
}

namespace {
bool HasHexPrefix(const char* text)
{
    return text[0] == '0' && (text[1] == 'x' || text[1] == 'X');
}

int HexTextValue(const char* text)
{
    const char* digits = text + 2;
    int value = 0;
    ScriptReadHex(digits, static_cast<int>(std::strlen(digits)), value);
    return value;
}
}  // namespace

double ScriptTextToNumber(const char* text)
{
    if (HasHexPrefix(text))
        return HexTextValue(text);
    const int length = ScriptScanDecimal(text);
    return length == 0 ? 0.0 : ScriptConvertDecimal(text, length);
}

int ScriptTextToInteger(const char* text)
{
    if (HasHexPrefix(text))
        return HexTextValue(text);
    const unsigned char* p = reinterpret_cast<const unsigned char*>(text);
    while (ScriptIsBlank(*p))
        ++p;
    bool negative = false;
    if (*p == '+' || *p == '-')
        negative = *p++ == '-';
    long long magnitude = 0;
    const long long limit = negative ? -static_cast<long long>(INT_MIN) : INT_MAX;
    for (; ScriptIsDigit(*p); ++p) {
        magnitude = magnitude * 10 + (*p - '0');
        if (magnitude >= limit) {
            magnitude = limit;
            break;
        }
    }
    return static_cast<int>(negative ? -magnitude : magnitude);
}

int ScriptDoubleToInteger(double value)
{
    if (std::isnan(value))
        return 0;
    if (value <= static_cast<double>(INT_MIN))
        return INT_MIN;
    if (value >= static_cast<double>(INT_MAX))
        return INT_MAX;
    return static_cast<int>(value);
}

bool ScriptIsWholeNumber(double value)
{
    return std::isfinite(value) && std::trunc(value) == value;
}

int ScriptFormatNumber(double value, char* buffer)
{
    if (std::isnan(value)) {
        std::memcpy(buffer, "nan", 4);
        return 3;
    }
    // Whole numbers below 10^15 print all their digits under "%.15g"; writing
    // them directly skips the formatter on the commonest path.
    if (value == std::trunc(value) && std::fabs(value) < 1e15 && !(value == 0 && std::signbit(value))) {
        long long whole = static_cast<long long>(value);
        char digits[24];
        int count = 0;
        const bool negative = whole < 0;
        unsigned long long rest =
            negative ? static_cast<unsigned long long>(-whole) : static_cast<unsigned long long>(whole);
        do {
            digits[count++] = static_cast<char>('0' + rest % 10);
            rest /= 10;
        } while (rest != 0);
        int length = 0;
        if (negative)
            buffer[length++] = '-';
        while (count > 0)
            buffer[length++] = digits[--count];
        buffer[length] = '\0';
        return length;
    }
    return __mingw_snprintf(buffer, kScriptNumberTextSize, "%.15g", value);
}
