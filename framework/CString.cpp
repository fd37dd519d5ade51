#include "framework/CString.h"

#include "framework/CharacterSearch.h"

#include <windows.h>

#include <algorithm>
#include <array>
#include <cassert>
#include <cstring>

namespace {
const char kWhitespace[] = " \t\r\n\v\f";

// Lower-case image of every single byte in the ANSI code page; lead bytes of
// double-byte characters map to themselves.
const std::array<unsigned char, 256>& LowerTable()
{
    static const std::array<unsigned char, 256> table = [] {
        std::array<unsigned char, 256> result{};
        for (int i = 0; i < 256; ++i) {
            char ch = static_cast<char>(i);
            if (i != 0 && !IsDBCSLeadByte(static_cast<BYTE>(i)))
                CharLowerBuffA(&ch, 1);
            result[i] = static_cast<unsigned char>(ch);
        }
        return result;
    }();
    return table;
}

const char* NonNull(const char* text)
{
    return text ? text : "";
}
}  // namespace

CString::CString(const char* text) : m_strText(NonNull(text)) {}

CString::CString(const char* text, int length)
{
    if (text && length > 0)
        m_strText.assign(text, static_cast<size_t>(length));
}

CString::CString(char ch, int repeat)
{
    if (repeat > 0)
        m_strText.assign(static_cast<size_t>(repeat), ch);
}

char CString::GetAt(int index) const
{
    assert(index >= 0 && index < GetLength());
    return m_strText[static_cast<size_t>(index)];
}

void CString::SetAt(int index, char ch)
{
    assert(index >= 0 && index < GetLength());
    m_strText[static_cast<size_t>(index)] = ch;
}

int CString::Find(char ch, int start) const
{
    if (start >= GetLength())
        return -1;
    return FindCharacterIn(m_strText, ch, start);
}

int CString::Find(const char* text, int start) const
{
    if (start > GetLength())
        return -1;
    return FindTextIn(m_strText, NonNull(text), start);
}

int CString::ReverseFind(char ch) const
{
    return ReverseFindCharacterIn(m_strText, ch);
}

int CString::FindOneOf(const char* chars) const
{
    return FindOneOfIn(m_strText, NonNull(chars));
}

int CString::FindNth(const char* text, int n) const
{
    const int length = static_cast<int>(std::strlen(NonNull(text)));
    if (n < 1 || length == 0)
        return -1;
    int position = -1;
    for (int found = 0; found < n; ++found) {
        position = Find(text, found == 0 ? 0 : position + length);
        if (position < 0)
            return -1;
    }
    return position;
}

int CString::FindLast(const char* text) const
{
    if (!text || !*text)
        return -1;
    int last = -1;
    for (int position = Find(text); position >= 0; position = Find(text, position + 1))
        last = position;
    return last;
}

CString CString::Left(int count) const
{
    return Mid(0, count);
}

CString CString::Mid(int start) const
{
    return Mid(start, GetLength());
}

CString CString::Mid(int start, int count) const
{
    if (start < 0)
        start = 0;
    if (count < 0 || start >= GetLength())
        return CString();
    count = std::min(count, GetLength() - start);
    return CString(m_strText.substr(static_cast<size_t>(start), static_cast<size_t>(count)));
}

CString CString::Right(int count) const
{
    if (count <= 0)
        return CString();
    if (count >= GetLength())
        return *this;
    return CString(m_strText.substr(static_cast<size_t>(GetLength() - count)));
}

CString& CString::TrimLeft()
{
    return TrimLeft(kWhitespace);
}

CString& CString::TrimRight()
{
    return TrimRight(kWhitespace);
}

CString& CString::Trim()
{
    return TrimRight().TrimLeft();
}

CString& CString::TrimLeft(char ch)
{
    const char chars[2] = {ch, '\0'};
    return TrimLeft(chars);
}

CString& CString::TrimRight(char ch)
{
    const char chars[2] = {ch, '\0'};
    return TrimRight(chars);
}

CString& CString::TrimLeft(const char* chars)
{
    m_strText.erase(0, std::min(m_strText.find_first_not_of(NonNull(chars)), m_strText.size()));
    return *this;
}

CString& CString::TrimRight(const char* chars)
{
    const size_t last = m_strText.find_last_not_of(NonNull(chars));
    m_strText.erase(last == std::string::npos ? 0 : last + 1);
    return *this;
}

int CString::Remove(char ch)
{
    const size_t before = m_strText.size();
    m_strText.erase(std::remove(m_strText.begin(), m_strText.end(), ch), m_strText.end());
    return static_cast<int>(before - m_strText.size());
}

int CString::Replace(char oldCh, char newCh)
{
    int count = 0;
    for (char& ch : m_strText) {
        if (ch == oldCh) {
            ch = newCh;
            ++count;
        }
    }
    return count;
}

int CString::Replace(const char* oldText, const char* newText)
{
    const size_t oldLength = std::strlen(NonNull(oldText));
    if (oldLength == 0)
        return 0;
    const std::string replacement = NonNull(newText);
    std::string result;
    int count = 0;
    size_t from = 0;
    for (int at = FindTextIn(m_strText, oldText); at >= 0;
         at = FindTextIn(m_strText, oldText, static_cast<int>(from))) {
        result.append(m_strText, from, static_cast<size_t>(at) - from);
        result += replacement;
        from = static_cast<size_t>(at) + oldLength;
        ++count;
    }
    if (count > 0) {
        result.append(m_strText, from, std::string::npos);
        m_strText.swap(result);
    }
    return count;
}

int CString::Insert(int index, char ch)
{
    index = std::clamp(index, 0, GetLength());
    m_strText.insert(static_cast<size_t>(index), 1, ch);
    return GetLength();
}

int CString::Insert(int index, const char* text)
{
    index = std::clamp(index, 0, GetLength());
    m_strText.insert(static_cast<size_t>(index), NonNull(text));
    return GetLength();
}

int CString::Delete(int index, int count)
{
    if (index < 0)
        index = 0;
    if (count > 0 && index < GetLength())
        m_strText.erase(static_cast<size_t>(index), static_cast<size_t>(count));
    return GetLength();
}

CString& CString::MakeUpper()
{
    if (!m_strText.empty())
        CharUpperBuffA(&m_strText[0], static_cast<DWORD>(m_strText.size()));
    return *this;
}

CString& CString::MakeLower()
{
    if (!m_strText.empty())
        CharLowerBuffA(&m_strText[0], static_cast<DWORD>(m_strText.size()));
    return *this;
}

CString& CString::MakeReverse()
{
    std::reverse(m_strText.begin(), m_strText.end());
    return *this;
}

int CString::Compare(const char* other) const
{
    return std::strcmp(m_strText.c_str(), NonNull(other));
}

int CString::CompareNoCase(const char* other) const
{
    const auto& lower = LowerTable();
    const unsigned char* a = reinterpret_cast<const unsigned char*>(m_strText.c_str());
    const unsigned char* b = reinterpret_cast<const unsigned char*>(NonNull(other));
    bool trailByte = false;
    for (;; ++a, ++b) {
        const int ca = trailByte ? *a : lower[*a];
        const int cb = trailByte ? *b : lower[*b];
        if (ca != cb)
            return ca - cb;
        if (ca == 0)
            return 0;
        trailByte = !trailByte && IsDBCSLeadByte(*a);
    }
}

void CString::Format(const char* format, ...)
{
    va_list args;
    va_start(args, format);
    FormatV(format, args);
    va_end(args);
}

void CString::AppendFormat(const char* format, ...)
{
    va_list args;
    va_start(args, format);
    AppendFormatV(format, args);
    va_end(args);
}

void CString::FormatV(const char* format, va_list args)
{
    m_strText.clear();
    AppendFormatV(format, args);
}

void CString::AppendFormatV(const char* format, va_list args)
{
    va_list measure;
    va_copy(measure, args);
    const int length = std::vsnprintf(nullptr, 0, format, measure);
    va_end(measure);
    if (length <= 0)
        return;
    const size_t oldSize = m_strText.size();
    m_strText.resize(oldSize + static_cast<size_t>(length) + 1);
    std::vsnprintf(&m_strText[oldSize], static_cast<size_t>(length) + 1, format, args);
    m_strText.resize(oldSize + static_cast<size_t>(length));
}

CString& CString::operator=(const char* text)
{
    m_strText = NonNull(text);
    return *this;
}

CString& CString::operator=(char ch)
{
    m_strText.assign(1, ch);
    return *this;
}

CString& CString::operator+=(const char* text)
{
    m_strText += NonNull(text);
    return *this;
}

CString operator+(const CString& left, const CString& right)
{
    return CString(left.Str() + right.Str());
}

CString operator+(const CString& left, const char* right)
{
    CString result(left);
    result += right;
    return result;
}

CString operator+(const char* left, const CString& right)
{
    CString result(left);
    result += right;
    return result;
}

CString operator+(const CString& left, char right)
{
    return CString(left.Str() + right);
}

CString operator+(char left, const CString& right)
{
    return CString(left + right.Str());
}

bool operator==(const CString& left, const CString& right)
{
    return left.Str() == right.Str();
}

bool operator==(const CString& left, const char* right)
{
    return left.Compare(right) == 0;
}

bool operator==(const char* left, const CString& right)
{
    return right.Compare(left) == 0;
}

bool operator!=(const CString& left, const CString& right)
{
    return !(left == right);
}

bool operator!=(const CString& left, const char* right)
{
    return !(left == right);
}

bool operator!=(const char* left, const CString& right)
{
    return !(left == right);
}

bool operator<(const CString& left, const CString& right)
{
    return left.Compare(right) < 0;
}

bool operator<(const CString& left, const char* right)
{
    return left.Compare(right) < 0;
}

bool operator<(const char* left, const CString& right)
{
    return right.Compare(left) > 0;
}

CString FormatString(const char* format, ...)
{
    CString result;
    va_list args;
    va_start(args, format);
    result.FormatV(format, args);
    va_end(args);
    return result;
}
