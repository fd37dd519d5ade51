#include "engine/CScriptString.h"

#include "engine/ScriptText.h"

#include <windows.h>

#include <climits>
#include <cstdlib>
#include <cstring>
#include <new>
#include <utility>

namespace {
char g_emptyText[1] = {'\0'};

int CheckedLength(std::size_t length)
{
    if (length >= static_cast<std::size_t>(INT_MAX))
        throw std::bad_alloc();
    return static_cast<int>(length);
}

// Growth to 2 x length + extra, kept within what a signed capacity holds.
long long Doubled(long long length, long long extra)
{
    const long long wanted = 2 * length + extra;
    return wanted < INT_MAX ? wanted : INT_MAX;
}

bool Contains(const char* set, char c)
{
    return c != '\0' && std::strchr(set, c) != nullptr;
}
}  // namespace

CScriptString::CScriptString() noexcept : m_pBuffer(g_emptyText), m_nLength(0), m_nCapacity(0) {}

CScriptString::CScriptString(const char* text) : CScriptString()
{
    Assign(text, CheckedLength(std::strlen(text)));
}

CScriptString::CScriptString(const char* text, int length) : CScriptString()
{
    Assign(text, length);
}

CScriptString::CScriptString(int length) : CScriptString()
{
    if (length < 0)
        length = 0;
    Reserve(static_cast<long long>(length) + 1);
    std::memset(m_pBuffer, 0, static_cast<std::size_t>(length) + 1);
    m_nLength = length;
}

CScriptString::CScriptString(const CScriptString& other) : CScriptString()
{
    if (!other.OwnsBuffer())
        return;
    Reserve(other.m_nCapacity);
    std::memcpy(m_pBuffer, other.m_pBuffer, static_cast<std::size_t>(other.m_nLength) + 1);
    m_nLength = other.m_nLength;
}

CScriptString::CScriptString(CScriptString&& other) noexcept : CScriptString()
{
    Swap(other);
}

CScriptString::~CScriptString()
{
    if (OwnsBuffer())
        std::free(m_pBuffer);
}

void CScriptString::Swap(CScriptString& other) noexcept
{
    std::swap(m_pBuffer, other.m_pBuffer);
    std::swap(m_nLength, other.m_nLength);
    std::swap(m_nCapacity, other.m_nCapacity);
}

void CScriptString::Reserve(long long capacity)
{
    if (capacity <= m_nCapacity)
        return;
    if (capacity > INT_MAX)
        throw std::bad_alloc();
    // A fresh buffer, not realloc: the old text may be the source of the write
    // that needs the room, so it stays readable until the caller has copied it.
    char* buffer = static_cast<char*>(std::malloc(static_cast<std::size_t>(capacity)));
    if (buffer == nullptr)
        throw std::bad_alloc();
    std::memcpy(buffer, m_pBuffer, static_cast<std::size_t>(m_nLength) + 1);
    if (OwnsBuffer())
        std::free(m_pBuffer);
    m_pBuffer = buffer;
    m_nCapacity = static_cast<int>(capacity);
}

CScriptString& CScriptString::operator=(const CScriptString& other)
{
    if (this == &other)
        return *this;
    if (m_nCapacity < other.m_nCapacity) {
        m_nLength = 0;
        m_pBuffer[0] = '\0';
        Reserve(other.m_nCapacity);
    }
    if (OwnsBuffer()) {
        std::memcpy(m_pBuffer, other.m_pBuffer, static_cast<std::size_t>(other.m_nLength) + 1);
        m_nLength = other.m_nLength;
    }
    return *this;
}

CScriptString& CScriptString::operator=(CScriptString&& other) noexcept
{
    Swap(other);
    return *this;
}

CScriptString& CScriptString::operator=(const char* text)
{
    Assign(text, CheckedLength(std::strlen(text)));
    return *this;
}

CScriptString& CScriptString::operator=(char c)
{
    if (m_nCapacity < 2) {
        m_nLength = 0;
        Reserve(2);
    }
    m_pBuffer[0] = c;
    m_pBuffer[1] = '\0';
    m_nLength = c == '\0' ? 0 : 1;
    return *this;
}

void CScriptString::Assign(const char* text, int length)
{
    if (length < 0)
        length = 0;
    if (text >= m_pBuffer && text <= m_pBuffer + m_nLength && OwnsBuffer()) {
        // A part of this string: it fits where it already is.
        std::memmove(m_pBuffer, text, static_cast<std::size_t>(length));
    } else {
        if (m_nCapacity < static_cast<long long>(length) + 1) {
            m_nLength = 0;
            m_pBuffer[0] = '\0';
            Reserve(static_cast<long long>(length) + 1);
        }
        if (!OwnsBuffer())
            return;
        std::memcpy(m_pBuffer, text, static_cast<std::size_t>(length));
    }
    m_pBuffer[length] = '\0';
    m_nLength = length;
}

CScriptString& CScriptString::operator+=(const CScriptString& other)
{
    Append(other.m_pBuffer, other.m_nLength);
    return *this;
}

CScriptString& CScriptString::operator+=(const char* text)
{
    Append(text, CheckedLength(std::strlen(text)));
    return *this;
}

CScriptString& CScriptString::operator+=(char c)
{
    if (c == '\0')
        return *this;
    if (m_nCapacity < static_cast<long long>(m_nLength) + 2) {
        // The char and its terminator need length + 2 bytes, more than a
        // signed capacity holds once the length reaches INT_MAX - 1.
        if (m_nLength >= INT_MAX - 1)
            throw std::bad_alloc();
        Reserve(Doubled(m_nLength, 3));
    }
    m_pBuffer[m_nLength++] = c;
    m_pBuffer[m_nLength] = '\0';
    return *this;
}

void CScriptString::Append(const char* text, int length)
{
    if (length <= 0)
        return;
    const long long newLength = static_cast<long long>(m_nLength) + length;
    if (newLength >= INT_MAX)
        throw std::bad_alloc();
    if (m_nCapacity < newLength + 1) {
        // The text may lie in the old buffer: copy it before that is freed.
        char* old = m_pBuffer;
        const bool ownedOld = OwnsBuffer();
        const long long capacity = Doubled(newLength, 1);
        char* buffer = static_cast<char*>(std::malloc(static_cast<std::size_t>(capacity)));
        if (buffer == nullptr)
            throw std::bad_alloc();
        std::memcpy(buffer, old, static_cast<std::size_t>(m_nLength));
        std::memcpy(buffer + m_nLength, text, static_cast<std::size_t>(length));
        if (ownedOld)
            std::free(old);
        m_pBuffer = buffer;
        m_nCapacity = static_cast<int>(capacity);
    } else {
        std::memmove(m_pBuffer + m_nLength, text, static_cast<std::size_t>(length));
    }
    m_nLength = static_cast<int>(newLength);
    m_pBuffer[m_nLength] = '\0';
}

char* CScriptString::GetBuffer()
{
    if (!OwnsBuffer())
        Reserve(1);
    return m_pBuffer;
}

void CScriptString::RecomputeLength()
{
    m_nLength = static_cast<int>(std::strlen(m_pBuffer));
}

const char* CScriptString::CharAt(int index) const
{
    if (index < 0 || index >= m_nLength)
        return m_pBuffer + m_nLength;
    return m_pBuffer + index;
}

bool CScriptString::Equals(const char* text) const
{
    return std::strcmp(m_pBuffer, text) == 0;
}

int CScriptString::CompareNoCase(const char* text) const
{
    return ScriptCompareNoCase(m_pBuffer, text);
}

void CScriptString::MakeLower()
{
    if (m_nLength > 0)
        CharLowerBuffA(m_pBuffer, static_cast<DWORD>(m_nLength));
}

void CScriptString::MakeUpper()
{
    if (m_nLength > 0)
        CharUpperBuffA(m_pBuffer, static_cast<DWORD>(m_nLength));
}

void CScriptString::Clear()
{
    if (OwnsBuffer())
        std::free(m_pBuffer);
    m_pBuffer = g_emptyText;
    m_nLength = 0;
    m_nCapacity = 0;
}

void CScriptString::Erase(int start, int end)
{
    if (start < 0 || start >= m_nLength || end < 0 || end > m_nLength || start >= end)
        return;
    std::memmove(m_pBuffer + start, m_pBuffer + end, static_cast<std::size_t>(m_nLength - end) + 1);
    RecomputeLength();
}

void CScriptString::Truncate(int index)
{
    if (index < 0 || index >= m_nLength)
        return;
    m_pBuffer[index] = '\0';
    RecomputeLength();
}

void CScriptString::AssignSubstring(const CScriptString& source, int start, int end)
{
    if (start < 0 || start >= source.m_nLength || end < 0 || end > source.m_nLength || start >= end) {
        Assign("", 0);
        return;
    }
    Assign(source.m_pBuffer + start, end - start);
}

int CScriptString::LastCharNotIn(const char* set) const
{
    for (int i = m_nLength - 1; i >= 0; --i) {
        if (!Contains(set, m_pBuffer[i]))
            return i;
    }
    return m_nLength;
}

int CScriptString::FirstCharIn(const char* set) const
{
    for (int i = 0; i < m_nLength; ++i) {
        if (Contains(set, m_pBuffer[i]))
            return i;
    }
    return m_nLength;
}

void CScriptString::TrimRight(const char* set)
{
    int end = m_nLength;
    while (end > 0 && Contains(set, m_pBuffer[end - 1]))
        --end;
    if (end == 0)
        Clear();
    else if (end < m_nLength) {
        m_pBuffer[end] = '\0';
        m_nLength = end;
    }
}

int CScriptString::FindNth(const char* text, bool caseSensitive, int n) const
{
    const std::size_t textLength = std::strlen(text);
    const auto matches = [&](int position) {
        const char* at = m_pBuffer + position;
        return caseSensitive ? std::memcmp(at, text, textLength) == 0 : ScriptCompareNoCaseN(at, text, textLength) == 0;
    };
    if (n == 0 || textLength > static_cast<std::size_t>(m_nLength))
        return n < 0 ? -1 : m_nLength;
    const int last = m_nLength - static_cast<int>(textLength);
    if (n > 0) {
        int found = 0;
        for (int position = 0; position <= last; ++position) {
            if (matches(position) && ++found == n)
                return position;
        }
        return m_nLength;
    }
    const long long wanted = -static_cast<long long>(n);
    long long found = 0;
    for (int position = last; position >= 0; --position) {
        if (matches(position) && ++found == wanted)
            return position;
    }
    return -1;
}
