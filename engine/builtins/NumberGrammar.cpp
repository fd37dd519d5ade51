#include "engine/builtins/NumberGrammar.h"

#include <cctype>

namespace {

bool IsDigitChar(char c)
{
    return std::isdigit(static_cast<unsigned char>(c)) != 0;
}

const char* SkipSign(const char* text)
{
    return (*text == '+' || *text == '-') ? text + 1 : text;
}

const char* SkipDigits(const char* text, int& count)
{
    for (; IsDigitChar(*text); ++text)
        ++count;
    return text;
}

}  // namespace

bool IsFloatText(const char* text)
{
    int digits = 0;
    const char* p = SkipDigits(SkipSign(text), digits);
    if (*p != '.')
        return false;
    p = SkipDigits(p + 1, digits);
    return *p == '\0' && digits > 0;
}

bool IsIntText(const char* text)
{
    int digits = 0;
    const char* p = SkipDigits(SkipSign(text), digits);
    return *p == '\0' && digits > 0;
}
