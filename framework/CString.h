#pragma once

#include <cstdarg>
#include <cstddef>
#include <cstdio>
#include <functional>
#include <string>

// The program's one 8-bit string. Positions are ints and searches answer -1
// when nothing is found; Left, Mid and Right clamp their arguments instead of
// failing, which the robot-file and action-line readers rely on. Case and
// comparison follow the system's ANSI code page, and the searches step by its
// characters: on a double-byte code page a "\" is never found in the second
// byte of a character (framework/CharacterSearch.h).
class CString
{
public:
    CString() = default;
    CString(const char* text);
    CString(const char* text, int length);
    CString(const std::string& text) : m_strText(text) {}
    CString(std::string&& text) : m_strText(std::move(text)) {}
    explicit CString(char ch, int repeat = 1);

    int GetLength() const { return static_cast<int>(m_strText.size()); }
    bool IsEmpty() const { return m_strText.empty(); }
    void Empty() { m_strText.clear(); }

    char GetAt(int index) const;
    void SetAt(int index, char ch);
    char operator[](int index) const { return GetAt(index); }

    operator const char*() const { return m_strText.c_str(); }
    const char* GetString() const { return m_strText.c_str(); }
    const std::string& Str() const { return m_strText; }
    std::string& Str() { return m_strText; }

    int Find(char ch, int start = 0) const;
    int Find(const char* text, int start = 0) const;
    int ReverseFind(char ch) const;
    int FindOneOf(const char* chars) const;
    // Position of the n-th occurrence (n counts from 1) of the text; -1 when
    // there are fewer, when n < 1 or when the text is empty.
    int FindNth(const char* text, int n) const;
    int FindLast(const char* text) const;

    CString Left(int count) const;
    CString Mid(int start) const;
    CString Mid(int start, int count) const;
    CString Right(int count) const;

    // Whitespace is space, tab, CR, LF, vertical tab and form feed.
    CString& TrimLeft();
    CString& TrimRight();
    CString& Trim();
    CString& TrimLeft(char ch);
    CString& TrimRight(char ch);
    CString& TrimLeft(const char* chars);
    CString& TrimRight(const char* chars);

    int Remove(char ch);
    int Replace(char oldCh, char newCh);
    int Replace(const char* oldText, const char* newText);
    int Insert(int index, char ch);
    int Insert(int index, const char* text);
    int Delete(int index, int count = 1);

    CString& MakeUpper();
    CString& MakeLower();
    CString& MakeReverse();

    // Byte order (negative, 0, positive), as the C library compares.
    int Compare(const char* other) const;
    // Byte order after folding letters of the ANSI code page to lower case;
    // both bytes of a double-byte character are kept as they are.
    int CompareNoCase(const char* other) const;

    void Format(const char* format, ...) __attribute__((format(__MINGW_PRINTF_FORMAT, 2, 3)));
    void AppendFormat(const char* format, ...) __attribute__((format(__MINGW_PRINTF_FORMAT, 2, 3)));
    void FormatV(const char* format, va_list args);
    void AppendFormatV(const char* format, va_list args);

    CString& operator=(const char* text);
    CString& operator=(char ch);
    CString& operator+=(const CString& text)
    {
        m_strText += text.m_strText;
        return *this;
    }
    CString& operator+=(const char* text);
    CString& operator+=(char ch)
    {
        m_strText += ch;
        return *this;
    }

private:
    std::string m_strText;
};

CString operator+(const CString& left, const CString& right);
CString operator+(const CString& left, const char* right);
CString operator+(const char* left, const CString& right);
CString operator+(const CString& left, char right);
CString operator+(char left, const CString& right);

bool operator==(const CString& left, const CString& right);
bool operator==(const CString& left, const char* right);
bool operator==(const char* left, const CString& right);
bool operator!=(const CString& left, const CString& right);
bool operator!=(const CString& left, const char* right);
bool operator!=(const char* left, const CString& right);
bool operator<(const CString& left, const CString& right);
bool operator<(const CString& left, const char* right);
bool operator<(const char* left, const CString& right);

// printf-style formatting into a new string, of any length.
CString FormatString(const char* format, ...) __attribute__((format(__MINGW_PRINTF_FORMAT, 1, 2)));

namespace std {
template <>
struct hash<CString>
{
    size_t operator()(const CString& text) const { return hash<string>()(text.Str()); }
};
}  // namespace std
