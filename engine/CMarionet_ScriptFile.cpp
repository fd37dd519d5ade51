#include "engine/CMarionet_ScriptFile.h"

#include "engine/IncludeDirectories.h"
#include "engine/ScriptPaths.h"
#include "engine/system/SystemPaths.h"
#include "framework/AfxMessageBox.h"
#include "framework/CStdioFile.h"
#include "framework/FullPathName.h"
#include "robot/ActionLineText.h"
#include "robot/NumberText.h"
#include "robot/RecordedWindowLines.h"
#include "robot/RobotFileFormat.h"

#include <cstring>

CMarionet_ScriptFile::CMarionet_ScriptFile()
    : m_mapLineToRecWin(10), m_arrIncludeDirs(ReadIncludeDirectories(kMaxIncludeDirectories))
{
}

CMarionet_ScriptFile::~CMarionet_ScriptFile() = default;

void CMarionet_ScriptFile::AddScriptLine(int nLineNumber, const char* pszText, int nFileIndex)
{
    // The line array points into the lines: any change leaves it stale.
    m_aLineArray.clear();
    ++m_uGeneration;
    if (!m_aLines.empty()) {
        const std::string& last = m_aLines.back().text;
        if (last.empty() || last[0] == ';')
            m_aLines.pop_back();
    }
    m_aLines.push_back(ScriptLine{pszText ? pszText : "", nLineNumber, nFileIndex});
}

int CMarionet_ScriptFile::AddIncludeFile(const char* pszFileName)
{
    if (static_cast<int>(m_aScriptFiles.size()) >= kMaxScriptFiles)
        return -1;
    std::string fullPath;
    if (!FullPathName(pszFileName, fullPath))
        return -1;
    for (size_t i = 0; i < m_aScriptFiles.size(); ++i) {
        if (CString(fullPath).CompareNoCase(m_aScriptFiles[i].path.c_str()) == 0) {
            ++m_aScriptFiles[i].nUseCount;
            return static_cast<int>(i);
        }
    }
    m_aScriptFiles.push_back(ScriptFileEntry{fullPath, 1});
    return static_cast<int>(m_aScriptFiles.size()) - 1;
}

const CMarionet_ScriptFile::ScriptLine* CMarionet_ScriptFile::LineAt(int nLine) const
{
    if (nLine < 1 || nLine > GetLineCount())
        return nullptr;
    return &m_aLines[static_cast<size_t>(nLine) - 1];
}

const char* CMarionet_ScriptFile::GetLine(int nLine) const
{
    if (nLine < 1 || nLine > static_cast<int>(m_aLineArray.size()))
        return nullptr;
    return m_aLineArray[static_cast<size_t>(nLine) - 1];
}

int CMarionet_ScriptFile::GetLineNumber(int nLine) const
{
    const ScriptLine* line = LineAt(nLine);
    return line ? line->nLineNumber : -1;
}

int CMarionet_ScriptFile::GetLineFileIndex(int nLine) const
{
    const ScriptLine* line = LineAt(nLine);
    return line ? line->nFileIndex : -1;
}

int CMarionet_ScriptFile::GetLineCount() const
{
    return static_cast<int>(m_aLines.size());
}

const char* CMarionet_ScriptFile::GetIncludeFileName(int nFileIndex) const
{
    if (nFileIndex < 0 || nFileIndex >= static_cast<int>(m_aScriptFiles.size()))
        return nullptr;
    const std::string& path = m_aScriptFiles[static_cast<size_t>(nFileIndex)].path;
    return path.empty() ? nullptr : path.c_str();
}

void CMarionet_ScriptFile::BuildLineArray()
{
    ++m_uGeneration;
    m_aLineArray.clear();
    m_aLineArray.reserve(m_aLines.size());
    for (const ScriptLine& line : m_aLines)
        m_aLineArray.push_back(line.text.c_str());
}

void CMarionet_ScriptFile::UnloadScript()
{
    ++m_uGeneration;
    m_aLineArray.clear();
    m_aLines.clear();
    m_aScriptFiles.clear();
}

int CMarionet_ScriptFile::GetLineRecordedWindow(int nLine) const
{
    int index = -1;
    if (!m_mapLineToRecWin.Lookup(nLine, index))
        return -1;
    if (index < 0 || index >= static_cast<int>(m_vecRecWinInfo.size()))
        return -1;
    return index;
}

bool CMarionet_ScriptFile::RunScriptFileDialog(CString& strPath)
{
    if (strPath.IsEmpty() && !AskForScriptFile(strPath))
        return false;
    std::string fullPath;
    if (!FullPathName(strPath, fullPath))
        fullPath = strPath.Str();
    std::string longPath;
    GetLongFileName(fullPath.c_str(), longPath);
    strPath = longPath.c_str();
    return LoadRobotFile(strPath, AddIncludeFile(strPath));
}

namespace {

const char kWindowTag[] = "-> At Win [";

bool StartsWithNoCase(const CString& line, const char* prefix)
{
    return _strnicmp(line, prefix, std::strlen(prefix)) == 0;
}

}  // namespace

bool CMarionet_ScriptFile::LoadRobotFile(const char* pszPath, int nFileIndex)
{
    m_mapLineToRecWin.RemoveAll();
    m_vecRecWinInfo.clear();
    m_bRunAtBackground = 0;

    CStdioFile file;
    if (!file.Open(pszPath, CFile::modeRead))
        return false;

    // The section heading and the keys before the speed hold nothing the
    // engine uses.
    CString line;
    for (int i = 0; i < 1 + ROBOT_KEY_SPEED; ++i) {
        if (!file.ReadString(line))
            return false;
    }
    while (line != kRobotScriptSection) {
        if (!file.ReadString(line))
            return false;
        if (StartsWith(line, kRobotHeaderKeys[ROBOT_KEY_BACKGROUND]) && EndsWith(line, "1"))
            m_bRunAtBackground = 1;
    }

    int sourceLine = 0;
    bool recordsFollow = false;
    while (file.ReadString(line)) {
        if (line == kRobotRecordSection) {
            recordsFollow = true;
            break;
        }
        ++sourceLine;
        if (StartsWithNoCase(line, "Comment:"))
            continue;
        const ActionLineParts parts = SplitActionLine(line, kWindowTag);
        if (parts.fasterMarker && m_nFasterSpeed)
            continue;
        AddScriptLine(sourceLine, parts.action, nFileIndex);
        // A negative index names no record. A line that took the place of a
        // dropped last line must not inherit that line's window.
        const int position = GetLineCount();
        const int windowIndex = parts.tag.IsEmpty() ? -1 : StringToInt(parts.tag.Mid(std::strlen(kWindowTag)));
        if (windowIndex >= 0)
            m_mapLineToRecWin.SetAt(position, windowIndex);
        else
            m_mapLineToRecWin.RemoveKey(position);
    }
    if (!recordsFollow)
        return true;

    RecordedWindowInfo scratch;
    scratch.WinParentLevel = -1;
    while (file.ReadString(line)) {
        switch (ReadRecordedWindowLine(line, scratch)) {
        case RecordLine::Complete:
            m_vecRecWinInfo.push_back(scratch);
            break;
        case RecordLine::Malformed:
            AfxMessageBox(kRecordLineFailureMessage, MB_OK);
            return false;
        case RecordLine::Ignored:
        case RecordLine::Field:
            break;
        }
    }
    return true;
}
