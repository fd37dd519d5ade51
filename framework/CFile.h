#pragma once

#include <windows.h>

#include <string>

#include "framework/CNonCopyable.h"
#include "framework/CString.h"

// A file opened by name, read and written as raw bytes. Open reports failure
// by its result (GetLastError tells why); nothing throws.
class CFile : private CNonCopyable
{
public:
    enum OpenFlags : UINT
    {
        modeRead = 0x0000,
        modeWrite = 0x0001,
        modeReadWrite = 0x0002,
        shareExclusive = 0x0010,
        shareDenyWrite = 0x0020,
        shareDenyRead = 0x0030,
        shareDenyNone = 0x0040,
        // Without modeCreate, opening for writing fails when the file does
        // not exist; with it the file is made or truncated, unless
        // modeNoTruncate keeps what is there.
        modeCreate = 0x1000,
        modeNoTruncate = 0x2000,
    };

    ~CFile() { Close(); }

    bool Open(const char* path, UINT flags);
    // The same through the wide call, which takes a path of any length in its
    // "\\?\" form. GetFilePath then stays empty.
    bool Open(const wchar_t* path, UINT flags);
    void Close();
    bool IsOpen() const { return m_hFile != INVALID_HANDLE_VALUE; }
    const CString& GetFilePath() const { return m_strPath; }

    // Reads up to count bytes; returns how many were read (0 at the end).
    UINT Read(void* buffer, UINT count);
    // Writes all count bytes; false when the system refuses.
    bool Write(const void* buffer, UINT count);
    ULONGLONG GetLength() const;
    ULONGLONG GetPosition() const;
    bool SeekToBegin();
    bool SeekToEnd();
    bool Flush();

    // The whole content of a file, opened with the given mode and sharing
    // flags; false when it cannot be opened or read.
    static bool ReadAll(const char* path, std::string& bytes, UINT flags = modeRead | shareDenyWrite);
    // Creates or truncates the file and writes bytes; false on any failure.
    static bool WriteAll(const char* path, const void* bytes, size_t count);

private:
    bool MoveTo(LONGLONG offset, DWORD method);

    HANDLE m_hFile = INVALID_HANDLE_VALUE;
    CString m_strPath;
};
