#include "engine/system/SystemTextLimit.h"

#include <algorithm>
#include <cstring>

CSystemCallText::CSystemCallText(const char* pszText) : m_nLength(pszText ? std::strlen(pszText) : 0) {}

bool FitsSystemCall(size_t nLimit, std::initializer_list<CSystemCallText> texts)
{
    return std::all_of(texts.begin(), texts.end(),
                       [nLimit](const CSystemCallText& text) { return text.Length() < nLimit; });
}
