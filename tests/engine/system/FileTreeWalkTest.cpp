// The walk of FILESETTIME and FILESETATTRIB over an invented folder tree.
#include "engine/system/FileTreeWalk.h"

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

namespace {

const DWORD kFile = FILE_ATTRIBUTE_ARCHIVE;
const DWORD kFolder = FILE_ATTRIBUTE_DIRECTORY;
const DWORD kLink = FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_REPARSE_POINT;

// C:\t holds a.txt, b.log, sub (with c.txt and loop, a junction back to
// C:\t) and the drive root C:\ holds r.txt. C:\u holds a file and C:\v a
// folder that no 8-bit name reaches. Only "*.*" and "*.txt" are listed.
std::vector<CDirectoryEntry> FakeListing(const std::string& pattern)
{
    static const std::map<std::string, std::vector<CDirectoryEntry>> kFolders = {
        {"C:\\", {{"r.txt", kFile}}},
        {"C:\\t", {{".", kFolder}, {"..", kFolder}, {"a.txt", kFile}, {"b.log", kFile}, {"sub", kFolder}}},
        {"C:\\t\\sub", {{".", kFolder}, {"..", kFolder}, {"c.txt", kFile}, {"loop", kLink}}},
        {"C:\\t\\sub\\loop", {{".", kFolder}, {"..", kFolder}, {"a.txt", kFile}, {"b.log", kFile}, {"sub", kFolder}}},
        {"C:\\u", {{"a.txt", kFile}, {"", kFile}}},
        {"C:\\v", {{"", kFolder}}},
    };
    const size_t slash = pattern.rfind('\\');
    std::string folder = pattern.substr(0, slash == 2 ? 3 : slash);
    const std::string mask = pattern.substr(slash + 1);
    std::vector<CDirectoryEntry> entries;
    auto found = kFolders.find(folder);
    if (found == kFolders.end())
        return entries;
    for (const CDirectoryEntry& entry : found->second) {
        const bool txt = entry.m_strName.size() > 4 && entry.m_strName.substr(entry.m_strName.size() - 4) == ".txt";
        if (mask == "*.*" || (mask == "*.txt" && txt))
            entries.push_back(entry);
    }
    return entries;
}

struct WalkCase
{
    const char* folder;
    const char* pattern;
    bool recurse;
    const char* failOn;  // the action fails for this path
    bool expected;
    std::vector<std::string> visited;
    int matches;
};

}  // namespace

TEST(FileTreeWalk, VisitsMatchesByFullPathAndNeverEntersFolderLinks)
{
    const WalkCase cases[] = {
        {"C:\\t", "*.txt", false, "", true, {"C:\\t\\a.txt"}, 1},
        {"C:\\t", "*.txt", true, "", true, {"C:\\t\\a.txt", "C:\\t\\sub\\c.txt"}, 2},
        {"C:\\t",
         "*.*",
         true,
         "",
         true,
         {"C:\\t\\a.txt", "C:\\t\\b.log", "C:\\t\\sub", "C:\\t\\sub\\c.txt", "C:\\t\\sub\\loop"},
         5},
        {"C:\\t", "*.*", true, "C:\\t\\sub", false, {"C:\\t\\a.txt", "C:\\t\\b.log", "C:\\t\\sub"}, 3},
        {"C:\\t",
         "*.*",
         true,
         "C:\\t\\sub\\c.txt",
         false,
         {"C:\\t\\a.txt", "C:\\t\\b.log", "C:\\t\\sub", "C:\\t\\sub\\c.txt"},
         4},
        {"C:\\missing", "*.*", true, "", true, {}, 0},
        {"C:\\", "*.txt", false, "", true, {"C:\\r.txt"}, 1},
        {"C:\\u", "*.*", false, "", false, {"C:\\u\\a.txt"}, 2},
        {"C:\\v", "*.txt", true, "", false, {}, 0},
    };
    for (const WalkCase& c : cases) {
        std::vector<std::string> visited;
        int matches = 0;
        const bool result = WalkFileMatches(
            c.folder, c.pattern, c.recurse,
            [&visited, &c](const std::string& path) {
                visited.push_back(path);
                return path != c.failOn;
            },
            FakeListing, matches);
        EXPECT_EQ(c.expected, result) << c.folder << " " << c.pattern;
        EXPECT_EQ(c.visited, visited) << c.folder << " " << c.pattern;
        EXPECT_EQ(c.matches, matches) << c.folder << " " << c.pattern;
    }
}
