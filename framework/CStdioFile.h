#pragma once

#include <string>

#include "framework/CFile.h"
#include "framework/CString.h"

// A text file read and written line by line. Reading accepts CR LF and LF
// line ends and strips them; a final line end does not make an extra empty
// line, so a file read and written back keeps its size. Writing turns every
// "\n" into CR LF. Open takes the flags of CFile and reports failure by its
// result.
class CStdioFile
{
public:
    bool Open(const char* path, UINT flags);
    void Close();
    bool IsOpen() const { return m_File.IsOpen(); }
    const CString& GetFilePath() const { return m_File.GetFilePath(); }

    // The next line without its line end; false at the end of the file.
    bool ReadString(CString& line);
    // Writes text with "\n" stored as CR LF; false when the system refuses.
    bool WriteString(const char* text);

private:
    bool Refill();

    CFile m_File;
    std::string m_strBuffer;
    size_t m_nNext = 0;
};
