#pragma once

#include <windows.h>

#include <string>

#include "framework/CNonCopyable.h"

// A fresh folder under the temporary folder, removed with its files (one
// level deep) when the test ends.
class TempFolder : private CNonCopyable
{
public:
    TempFolder()
    {
        char base[MAX_PATH + 1] = {};
        GetTempPathA(sizeof base, base);
        m_path = std::string(base) + "tapforge_fw_" + std::to_string(GetCurrentProcessId()) + "_" +
                 std::to_string(s_counter++);
        CreateDirectoryA(m_path.c_str(), nullptr);
    }
    ~TempFolder()
    {
        WIN32_FIND_DATAA entry;
        HANDLE search = FindFirstFileA((m_path + "\\*").c_str(), &entry);
        if (search != INVALID_HANDLE_VALUE) {
            do {
                const std::string name = entry.cFileName;
                if (name == "." || name == "..")
                    continue;
                const std::string child = m_path + "\\" + name;
                if (entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
                    RemoveDirectoryA(child.c_str());
                else {
                    // Tests leave read-only files behind too.
                    SetFileAttributesA(child.c_str(), FILE_ATTRIBUTE_NORMAL);
                    DeleteFileA(child.c_str());
                }
            } while (FindNextFileA(search, &entry));
            FindClose(search);
        }
        RemoveDirectoryA(m_path.c_str());
    }

    const std::string& Path() const { return m_path; }
    std::string File(const char* name) const { return m_path + "\\" + name; }

private:
    static inline int s_counter = 0;
    std::string m_path;
};
