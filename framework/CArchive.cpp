#include "framework/CArchive.h"

#include <cassert>

CArchive& CArchive::operator>>(int& value)
{
    value = static_cast<int>(Load());
    return *this;
}

CArchive& CArchive::operator>>(long& value)
{
    value = static_cast<long>(Load());
    return *this;
}

CArchive& CArchive::operator>>(unsigned int& value)
{
    value = Load();
    return *this;
}

CArchive& CArchive::operator>>(unsigned long& value)
{
    value = Load();
    return *this;
}

CArchive& CArchive::operator<<(int value)
{
    Store(static_cast<DWORD>(value));
    return *this;
}

CArchive& CArchive::operator<<(long value)
{
    Store(static_cast<DWORD>(value));
    return *this;
}

CArchive& CArchive::operator<<(unsigned int value)
{
    Store(value);
    return *this;
}

CArchive& CArchive::operator<<(unsigned long value)
{
    Store(value);
    return *this;
}

DWORD CArchive::Load()
{
    assert(IsLoading());
    if (m_bPastEnd || m_nSize - m_nNext < 4) {
        m_bPastEnd = true;
        return 0;
    }
    const BYTE* bytes = m_pData + m_nNext;
    m_nNext += 4;
    return static_cast<DWORD>(bytes[0]) | static_cast<DWORD>(bytes[1]) << 8 | static_cast<DWORD>(bytes[2]) << 16 |
           static_cast<DWORD>(bytes[3]) << 24;
}

void CArchive::Store(DWORD value)
{
    assert(IsStoring());
    for (int shift = 0; shift < 32; shift += 8)
        m_pOutput->push_back(static_cast<BYTE>(value >> shift));
}
