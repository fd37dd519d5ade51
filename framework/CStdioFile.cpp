#include "framework/CStdioFile.h"

namespace {
const UINT kChunkSize = 16384;
}

bool CStdioFile::Open(const char* path, UINT flags)
{
    m_strBuffer.clear();
    m_nNext = 0;
    return m_File.Open(path, flags);
}

void CStdioFile::Close()
{
    m_File.Close();
    m_strBuffer.clear();
    m_nNext = 0;
}

bool CStdioFile::ReadString(CString& line)
{
    std::string& text = line.Str();
    text.clear();
    bool readAny = false;
    for (;;) {
        if (m_nNext == m_strBuffer.size() && !Refill())
            return readAny;
        readAny = true;
        const size_t end = m_strBuffer.find('\n', m_nNext);
        if (end == std::string::npos) {
            text.append(m_strBuffer, m_nNext, std::string::npos);
            m_nNext = m_strBuffer.size();
            continue;
        }
        text.append(m_strBuffer, m_nNext, end - m_nNext);
        m_nNext = end + 1;
        if (!text.empty() && text.back() == '\r')
            text.pop_back();
        return true;
    }
}

bool CStdioFile::WriteString(const char* text)
{
    std::string converted;
    for (const char* ch = text ? text : ""; *ch; ++ch) {
        if (*ch == '\n')
            converted += '\r';
        converted += *ch;
    }
    return m_File.Write(converted.data(), static_cast<UINT>(converted.size()));
}

bool CStdioFile::Refill()
{
    m_strBuffer.resize(kChunkSize);
    m_strBuffer.resize(m_File.Read(&m_strBuffer[0], kChunkSize));
    m_nNext = 0;
    return !m_strBuffer.empty();
}
