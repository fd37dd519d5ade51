// Shell links (".lnk" files) of the shortcut built-ins.
#pragma once

#include <windows.h>

#include <optional>
#include <string>

// The fields of a link; on writing, the ones left empty are not set.
struct CShortcutFields
{
    std::string m_strTarget;
    std::optional<std::string> m_strWorkingDir;
    std::optional<std::string> m_strArguments;
    std::optional<std::string> m_strDescription;
    std::optional<std::string> m_strIconFile;
    std::optional<int> m_nIconIndex;
    std::optional<int> m_nShowCmd;
    std::optional<WORD> m_wHotkey;
};

// A link name gets ".lnk" appended unless it holds ".lnk" in any case.
std::string LinkFileName(const char* link);

// Creates or overwrites the link file; false when the link object cannot be
// made or saving fails, or a path has MAX_PATH chars or more.
bool CreateShortcut(const std::string& link, const CShortcutFields& fields);

// Every field of an existing link; false when it cannot be loaded.
bool ReadShortcut(const std::string& link, CShortcutFields& fields);
