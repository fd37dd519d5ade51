#include "framework/CStdioFile.h"

namespace {
const UINT kChunkSize = 16384;
}

bool CStdioFile::Open(const char* path, UINT flags)
{
    m_buffer.clear();
    m_next = 0;
    return m_file.Open(path, flags);
}

void CStdioFile::Close()
{
    m_file.Close();
    m_buffer.clear();
    m_next = 0;
}

bool CStdioFile::ReadString(CString& line)
{
    std::string& text = line.Str();
    text.clear();
    bool readAny = false;
    for (;;) {
        if (m_next == m_buffer.size() && !Refill())
            return readAny;
        readAny = true;
        const size_t end = m_buffer.find('\n', m_next);
        if (end == std::string::npos) {
            text.append(m_buffer, m_next, std::string::npos);
            m_next = m_buffer.size();
            continue;
        }
        text.append(m_buffer, m_next, end - m_next);
        m_next = end + 1;
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
    return m_file.Write(converted.data(), static_cast<UINT>(converted.size()));
}

bool CStdioFile::Refill()
{
    m_buffer.resize(kChunkSize);
    m_buffer.resize(m_file.Read(&m_buffer[0], kChunkSize));
    m_next = 0;
    return !m_buffer.empty();
}
