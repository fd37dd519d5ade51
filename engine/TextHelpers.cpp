#include "engine/TextHelpers.h"

#include "engine/ScriptNumber.h"

#include <cstring>

void StripCarriageReturns(char* text)
{
    char* out = text;
    for (const char* in = text; *in; ++in) {
        if (*in != '\r')
            *out++ = *in;
    }
    *out = '\0';
}

size_t ExpandedLineEndsSize(const char* text)
{
    size_t size = std::strlen(text) + 1;
    for (const char* p = text; *p; ++p) {
        if (*p == '\n')
            ++size;
    }
    return size;
}

void ExpandLineEnds(const char* source, char* destination)
{
    for (const char* p = source; *p; ++p) {
        if (*p == '\n')
            *destination++ = '\r';
        *destination++ = *p;
    }
    *destination = '\0';
}

void CopyBounded(char* buffer, const char* text, size_t size)
{
    if (size == 0)
        return;
    size_t length = std::strlen(text);
    if (length > size - 1)
        length = size - 1;
    std::memcpy(buffer, text, length);
    buffer[length] = '\0';
}

void AppendBounded(const char* text, char* buffer, size_t limit)
{
    size_t used = std::strlen(buffer);
    if (used + 1 >= limit)
        return;
    CopyBounded(buffer + used, text, limit - used);
}

char* DuplicateString(const char* text)
{
    size_t size = std::strlen(text) + 1;
    char* copy = new char[size];
    std::memcpy(copy, text, size);
    return copy;
}

void SwapRedBlue(unsigned long& colour)
{
    colour = (colour & 0xFF00FF00UL) | ((colour & 0xFF) << 16) | ((colour >> 16) & 0xFF);
}

bool FormatHexDigits(unsigned long value, char* buffer, int length)
{
    static const char kDigits[] = "0123456789ABCDEF";
    unsigned long rest = value & 0xFFFFFFFFUL;
    for (int i = length - 1; i >= 0; --i) {
        buffer[i] = kDigits[rest & 0xF];
        rest >>= 4;
    }
    buffer[length < 0 ? 0 : length] = '\0';
    return rest == 0;
}

bool ParseHex(const char* digits, int& value)
{
    return ScriptReadHex(digits, static_cast<int>(std::strlen(digits)), value);
}
