#pragma once

#include <windows.h>

#include <vector>

// A binary archive of 32-bit little-endian integers, as stored values such as
// saved column widths lay them out. A loading archive reads a byte buffer
// that must outlive it; a storing archive appends to a byte vector.
class CArchive
{
public:
    CArchive(const BYTE* data, size_t size) : m_data(data), m_size(size) {}
    explicit CArchive(std::vector<BYTE>& output) : m_output(&output) {}
    CArchive(const CArchive&) = delete;
    CArchive& operator=(const CArchive&) = delete;

    bool IsLoading() const { return m_output == nullptr; }
    bool IsStoring() const { return m_output != nullptr; }
    // True once a load ran past the end of the data; every value read from
    // then on is 0.
    bool IsPastEnd() const { return m_pastEnd; }

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

    const BYTE* m_data = nullptr;
    size_t m_size = 0;
    size_t m_next = 0;
    bool m_pastEnd = false;
    std::vector<BYTE>* m_output = nullptr;
};
