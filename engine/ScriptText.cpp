#include "engine/ScriptText.h"

int ScriptCompareNoCase(const char* a, const char* b)
{
    for (;; ++a, ++b) {
        const int ca = ScriptFoldCase(static_cast<unsigned char>(*a));
        const int cb = ScriptFoldCase(static_cast<unsigned char>(*b));
        if (ca != cb || ca == 0)
            return ca - cb;
    }
}

int ScriptCompareNoCaseN(const char* a, const char* b, std::size_t count)
{
    for (; count > 0; --count, ++a, ++b) {
        const int ca = ScriptFoldCase(static_cast<unsigned char>(*a));
        const int cb = ScriptFoldCase(static_cast<unsigned char>(*b));
        if (ca != cb || ca == 0)
            return ca - cb;
    }
    return 0;
}
