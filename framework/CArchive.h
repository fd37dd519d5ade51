#pragma once

#include <windows.h>

#include <vector>

#include "framework/CNonCopyable.h"

// A binary archive of 32-bit little-endian integers, as stored values such as
// saved column widths lay them out. A loading archive reads a byte buffer
// that must outlive it; a storing archive appends to a byte vector.
class CArchive : private CNonCopyable
{
public:
    CArchive(const BYTE* data, size_t size) : m_pData(data), m_nSize(size) {}
    explicit CArchive(std::vector<BYTE>& output) : m_pOutput(&output) {}

    bool IsLoading() const { return m_pOutput == nullptr; }
    bool IsStoring() const { return m_pOutput != nullptr; }
    // True once a load ran past the end of the data; every value read from
    // then on is 0.
    bool IsPastEnd() const { return m_bPastEnd; }

    CArchive& operator>>(int& value);
    CArchive& operator>>(long& value);
    CArchive& operator>>(unsigned int& value);
    CArchive& operator>>(unsigned long& value);
    CArchive& operator<<(int value);
    CArchive& operator<<(long value);
    CArchive& operator<<(unsigned int value);
    CArchive& operator<<(unsigned long value);

private:
    DWORD Load();
    void Store(DWORD value);

    const BYTE* m_pData = nullptr;
    size_t m_nSize = 0;
    size_t m_nNext = 0;
    bool m_bPastEnd = false;
    std::vector<BYTE>* m_pOutput = nullptr;
};
