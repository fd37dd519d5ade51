#pragma once

#include "framework/CMap.h"
#include "framework/CString.h"
#include "robot/RecordedWindowInfo.h"

#include <string>
#include <vector>

// The script the engine runs: its lines with their source line numbers and the
// file each came from, the table of script files, the include directories, and
// for a robot file its recorded windows and the map from a line to the window
// its action went to.
class CMarionet_ScriptFile
{
public:
    static const int kMaxScriptFiles = 64;
    static const int kMaxIncludeDirectories = 256;

    // Reads the include directories from the registry.
    CMarionet_ScriptFile();
    virtual ~CMarionet_ScriptFile();
    CMarionet_ScriptFile(const CMarionet_ScriptFile&) = delete;
    CMarionet_ScriptFile& operator=(const CMarionet_ScriptFile&) = delete;

    // Appends a line. A last line that is empty or begins with ";" gives its
    // place to the next line. Drops the line array.
    void AddScriptLine(int nLineNumber, const char* pszText, int nFileIndex);

    // Index of the file in the script-file table (a known file counts one more
    // use), or -1 when the table is full or the path cannot be resolved.
    int AddIncludeFile(const char* pszFileName);

    // Line nLine (1-based) as built by BuildLineArray; null outside 1..count,
    // and whenever the list changed since the array was built.
    const char* GetLine(int nLine) const;
    // Source line number and file index of line nLine; -1 outside 1..count.
    int GetLineNumber(int nLine) const;
    int GetLineFileIndex(int nLine) const;
    int GetLineCount() const;
    // Changes whenever a line is added, the line array is built or the script
    // is unloaded: what was derived from the lines before is then stale.
    unsigned GetGeneration() const { return m_uGeneration; }

    // Full path at that index; null outside 0..63 or for an empty slot.
    const char* GetIncludeFileName(int nFileIndex) const;

    void BuildLineArray();
    // Frees the lines, the line array and the script-file table. The recorded
    // windows and the line-to-window map stay until the next LoadRobotFile.
    void UnloadScript();

    // Reads a robot file's script lines and recorded windows. False when the
    // file cannot be opened, has no "[Script]" line, or a record is malformed
    // (then the lines and records read so far stay loaded).
    bool LoadRobotFile(const char* pszPath, int nFileIndex);

    // Asks for a file when strPath is empty; sets strPath to the file's full
    // long-name path, registers and loads it. False on cancel or failed load.
    bool RunScriptFileDialog(CString& strPath);

    // Index into m_vecRecWinInfo of the window that line nLine's action went
    // to; -1 when the line has none or its index names no record.
    int GetLineRecordedWindow(int nLine) const;

    const std::vector<CString>& GetIncludeDirectories() const { return m_arrIncludeDirs; }

    // The records of "[RecWinInfo]" in file order; the run keeps the live
    // window handles it finds in them.
    std::vector<RecordedWindowInfo> m_vecRecWinInfo;
    // Nonzero: the robot runs faster, and lines marked for removal are dropped.
    int m_nFasterSpeed = 0;
    // 1 when the last loaded robot file says "RunAtBackground=...1".
    int m_bRunAtBackground = 0;

private:
    struct ScriptLine
    {
        std::string text;
        int nLineNumber;
        int nFileIndex;
    };
    struct ScriptFileEntry
    {
        std::string path;
        int nUseCount;
    };

    const ScriptLine* LineAt(int nLine) const;

    CMap<int, int, int, int> m_mapLineToRecWin;
    std::vector<ScriptLine> m_aLines;
    std::vector<const char*> m_aLineArray;
    std::vector<ScriptFileEntry> m_aScriptFiles;
    std::vector<CString> m_arrIncludeDirs;
    unsigned m_uGeneration = 0;
};
