#pragma once

#include <windows.h>

#include <string>
#include <vector>

// The names of the files (not folders) that the system's own search finds for
// a pattern, in its enumeration order.
inline std::vector<std::string> FoundFileNames(const std::string& pattern)
{
    std::vector<std::string> names;
    WIN32_FIND_DATAA entry;
    const HANDLE search = FindFirstFileA(pattern.c_str(), &entry);
    if (search == INVALID_HANDLE_VALUE)
        return names;
    do {
        if (!(entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY))
            names.push_back(entry.cFileName);
    } while (FindNextFileA(search, &entry));
    FindClose(search);
    return names;
}
