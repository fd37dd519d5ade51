#pragma once

#include <windows.h>

#include <string>

#include "framework/CFile.h"
#include "framework/CNonCopyable.h"
#include "framework/WideText.h"

// A file made and removed by the wide calls, under a name that the code page
// need not spell. TempFolder's 8-bit clean-up would reach a look-alike of such
// a name, which is another file, so the file goes before its folder does.
class WideNamedFile : private CNonCopyable
{
public:
    WideNamedFile(const std::string& folder, const std::wstring& name, const std::string& content)
        : m_path(Widened(folder.c_str()) + L"\\" + name)
    {
        CFile file;
        m_bMade = file.Open(LongForm().c_str(), CFile::modeCreate | CFile::modeWrite) &&
                  file.Write(content.data(), static_cast<UINT>(content.size()));
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
