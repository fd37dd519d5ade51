#pragma once

// The engine's counted 8-bit string. Always zero-terminated; the length is kept
// so appends and comparisons never rescan the text. A string that never held
// text shares one static empty buffer and allocates on its first write.
// Growth that cannot be represented, or memory that cannot be had, throws
// std::bad_alloc: the run loop turns that into a script error.
class CScriptString
{
public:
    CScriptString() noexcept;
    CScriptString(const char* text);
    CScriptString(const char* text, int length);
    // A zero-filled buffer of the given nominal length for the caller to fill
    // through GetBuffer; RecomputeLength then fixes the length to the text.
    explicit CScriptString(int length);
    CScriptString(const CScriptString& other);
    CScriptString(CScriptString&& other) noexcept;
    ~CScriptString();

    CScriptString& operator=(const CScriptString& other);
    CScriptString& operator=(CScriptString&& other) noexcept;
    CScriptString& operator=(const char* text);
    CScriptString& operator=(char c);
    CScriptString& operator+=(const CScriptString& other);
    CScriptString& operator+=(const char* text);
    CScriptString& operator+=(char c);

    // Text may point into this string's own buffer.
    void Assign(const char* text, int length);
    void Append(const char* text, int length);
    void Swap(CScriptString& other) noexcept;

    int GetLength() const { return m_nLength; }
    int GetCapacity() const { return m_nCapacity > 0 ? m_nCapacity : 1; }
    bool IsEmpty() const { return m_pBuffer[0] == '\0'; }
    const char* GetText() const { return m_pBuffer; }
    operator const char*() const { return m_pBuffer; }
    // Writable buffer of GetCapacity() bytes.
    char* GetBuffer();
    void RecomputeLength();

    // Pointer to the char at the index; outside the text, an empty text.
    const char* CharAt(int index) const;

    bool Equals(const char* text) const;
    int CompareNoCase(const char* text) const;
    void MakeLower();
    void MakeUpper();

    void Clear();
    void Erase(int start, int end);
    void Truncate(int index);
    void AssignSubstring(const CScriptString& source, int start, int end);

    int LastCharNotIn(const char* set) const;
    int FirstCharIn(const char* set) const;
    void TrimRight(const char* set);

    // Position of the n-th occurrence (n > 0 from the start, overlapping; n < 0
    // from the end). Not found: the length for n > 0, -1 for n < 0. n = 0 finds
    // nothing; an empty text matches at every position.
    int FindNth(const char* text, bool caseSensitive, int n) const;

private:
    bool OwnsBuffer() const { return m_nCapacity > 0; }
    void Reserve(long long capacity);

    char* m_pBuffer;
    int m_nLength;
    int m_nCapacity;
};
