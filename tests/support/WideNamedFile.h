#pragma once

#include <windows.h>

#include <string>

#include "framework/CFile.h"
#include "framework/CNonCopyable.h"
#include "framework/WideText.h"

// Writes a file named in wide text, as made anew.
inline bool WriteWideNamed(const std::wstring& path, const std::string& content)
{
    CFile file;
    return file.Open(path.c_str(), CFile::modeCreate | CFile::modeWrite) &&
           file.Write(content.data(), static_cast<UINT>(content.size()));
}

// A file made and removed by the wide calls, under a name that the code page
// need not spell. TempFolder's 8-bit clean-up would reach a look-alike of such
// a name, which is another file, so the file goes before its folder does.
class WideNamedFile : private CNonCopyable
{
public:
    WideNamedFile(const std::string& folder, const std::wstring& name, const std::string& content)
        : m_path(Widened(folder.c_str()) + L"\\" + name)
    {
        m_bMade = WriteWideNamed(LongForm(), content);
    }
    ~WideNamedFile() { DeleteFileW(LongForm().c_str()); }

    bool Made() const { return m_bMade; }
    const std::wstring& Path() const { return m_path; }

private:
    // Paths from MAX_PATH on reach the file only in this form.
    std::wstring LongForm() const { return L"\\\\?\\" + m_path; }

    std::wstring m_path;
    bool m_bMade = false;
};

// Whether the code page spells a name exactly, so that it cannot stand for a
// name outside the code page.
inline bool CodePageSpells(const std::wstring& name)
{
    BOOL bLost = FALSE;
    return GetACP() == CP_UTF8 ||
           (WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, name.c_str(), -1, nullptr, 0, nullptr, &bLost) && !bLost);
}

// The bytes of a file named in wide text; empty when it cannot be read.
inline std::string ReadWideNamed(const std::wstring& path)
{
    CFile file;
    std::string bytes;
    if (file.Open(path.c_str(), CFile::modeRead)) {
        bytes.resize(static_cast<size_t>(file.GetLength()));
        bytes.resize(file.Read(&bytes[0], static_cast<UINT>(bytes.size())));
    }
    return bytes;
}
