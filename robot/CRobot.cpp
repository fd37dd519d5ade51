#include "robot/CRobot.h"

#include "framework/AfxMessageBox.h"
#include "framework/CFile.h"
#include "robot/AppFolders.h"
#include "robot/NumberText.h"
#include "robot/RecordedWindowLines.h"
#include "robot/RobotFileFormat.h"
#include "robot/WriteFileReplacing.h"

#include <cstring>

namespace {
// The line less the length of the key expected on it: header values are read
// by position, the key itself is not compared.
CString ValueAfterKey(const CString& line, RobotHeaderKey key)
{
    return line.Mid(static_cast<int>(std::strlen(kRobotHeaderKeys[key])));
}

// Reads a file's text line by line as CStdioFile reads the file: a line ends
// at LF, a CR before the LF goes with it, and a final line end makes no extra
// line. Past the end every line reads as empty.
class LineSource
{
public:
    explicit LineSource(const std::string& text) : m_Text(text) {}

    bool Next(CString& line)
    {
        if (m_nNext >= m_Text.size()) {
            line.Empty();
            return false;
        }
        const size_t end = m_Text.find('\n', m_nNext);
        if (end == std::string::npos) {
            line.Str().assign(m_Text, m_nNext, std::string::npos);
            m_nNext = m_Text.size();
            return true;
        }
        const size_t stop = end > m_nNext && m_Text[end - 1] == '\r' ? end - 1 : end;
        line.Str().assign(m_Text, m_nNext, stop - m_nNext);
        m_nNext = end + 1;
        return true;
    }

    CString NextValue(RobotHeaderKey key)
    {
        CString line;
        Next(line);
        return ValueAfterKey(line, key);
    }

private:
    const std::string& m_Text;
    size_t m_nNext = 0;
};

// The text after the last "\" and before the last "." of that text; the whole
// text when it has no ".".
CString BaseName(const CString& path)
{
    const CString fileName = path.Mid(path.ReverseFind('\\') + 1);
    const int dot = fileName.ReverseFind('.');
    return dot < 0 ? fileName : fileName.Left(dot);
}

int SpeedModeFromFile(const CString& value)
{
    if (value == "2")
        return 2;
    if (value == "0")
        return 1;
    return 0;
}

const char* SpeedModeToFile(int mode)
{
    if (mode == 0)
        return "1";
    if (mode == 1)
        return "0";
    return "2";
}

// An optional header key: absent when the current line already opens the
// script section, which then stays current.
bool ReadOptionalValue(LineSource& source, CString& line, RobotHeaderKey key, CString& value)
{
    if (line.CompareNoCase(kRobotScriptSection) == 0)
        return false;
    value = ValueAfterKey(line, key);
    source.Next(line);
    return true;
}

int ReadOptionalFlag(LineSource& source, CString& line, RobotHeaderKey key)
{
    CString value;
    return ReadOptionalValue(source, line, key, value) ? StringToInt(value) : 0;
}
}  // namespace

CRobot::CRobot() = default;
CRobot::CRobot(const CRobot& other) = default;
CRobot& CRobot::operator=(const CRobot& other) = default;
CRobot::~CRobot() = default;

void CRobot::AddRecordedWindow(const RecordedWindowInfo& record)
{
    m_vecRecWinInfo.push_back(record);
}

CString CRobot::FileText() const
{
    CString values[ROBOT_KEY_COUNT];
    values[ROBOT_KEY_NAME] = m_strName;
    values[ROBOT_KEY_START_KEY] = m_strStartKey;
    values[ROBOT_KEY_END_KEY] = m_strEndKey;
    values[ROBOT_KEY_DESCRIPTION] = m_strDescription;
    values[ROBOT_KEY_ENABLE] = m_bEnable ? "1" : "0";
    values[ROBOT_KEY_REPEAT_OPTION].Format("%d", m_nRepeatOption);
    values[ROBOT_KEY_REPEAT_TIMES].Format("%d", m_nRepeatTimes);
    values[ROBOT_KEY_SPEED] = SpeedModeToFile(m_nSpeedMode);
    values[ROBOT_KEY_SIMILAR_WIN] = m_bUseSimilarWin ? "1" : "0";
    values[ROBOT_KEY_REC_WIN] = m_bUseRecWin ? "1" : "0";
    values[ROBOT_KEY_TRIGGER] = m_strTriggerRobot;
    values[ROBOT_KEY_BACKGROUND] = m_bRunAtBackground ? "1" : "0";

    CString text = kRobotGeneralSection;
    text += "\n";
    for (int key = 0; key < ROBOT_KEY_COUNT; ++key)
        text += kRobotHeaderKeys[key] + values[key] + "\n";
    text += kRobotScriptSection;
    text += "\n";
    for (const CString& line : m_arrScriptLines)
        text += line + "\n";
    if (!m_vecRecWinInfo.empty()) {
        text += kRobotRecordSection;
        text += "\n";
        for (const RecordedWindowInfo& record : m_vecRecWinInfo)
            text += RecordedWindowLines(record);
    }
    return text;
}

CString CRobot::FileBytes() const
{
    // Lines end in CR LF on disk, as a text-mode write would store them.
    CString bytes = FileText();
    bytes.Replace("\n", "\r\n");
    return bytes;
}

int CRobot::SaveToFile(const CString& folder) const
{
    return WriteFileIfChanged(RobotFilePath(folder, m_strName), FileBytes()) ? 1 : 0;
}

int CRobot::SaveToFile(const CString& folder, const std::string& held) const
{
    return WriteFileIfChanged(RobotFilePath(folder, m_strName), FileBytes(), held) ? 1 : 0;
}

int CRobot::SaveToNewFile(const CString& folder) const
{
    return WriteNewFile(RobotFilePath(folder, m_strName), FileBytes()) ? 1 : 0;
}

int CRobot::LoadFromFile(const CString& path)
{
    std::string bytes;
    return LoadFromFile(path, bytes);
}

int CRobot::LoadFromFile(const CString& path, std::string& bytes)
{
    m_arrScriptLines.RemoveAll();
    m_vecRecWinInfo.clear();
    if (!CFile::ReadAll(path, bytes, CFile::modeRead))
        return 0;
    LineSource source(bytes);
    CString line;
    source.Next(line);

    m_strName = source.NextValue(ROBOT_KEY_NAME);
    m_strStartKey = source.NextValue(ROBOT_KEY_START_KEY);
    m_strEndKey = source.NextValue(ROBOT_KEY_END_KEY);
    m_strDescription = source.NextValue(ROBOT_KEY_DESCRIPTION);
    m_bEnable = StringToInt(source.NextValue(ROBOT_KEY_ENABLE));
    m_nRepeatOption = StringToInt(source.NextValue(ROBOT_KEY_REPEAT_OPTION));
    m_nRepeatTimes = StringToInt(source.NextValue(ROBOT_KEY_REPEAT_TIMES));
    m_nSpeedMode = SpeedModeFromFile(source.NextValue(ROBOT_KEY_SPEED));
    // The file name always wins over the name stored in the file.
    m_strName = BaseName(path);

    source.Next(line);
    m_bUseSimilarWin = ReadOptionalFlag(source, line, ROBOT_KEY_SIMILAR_WIN);
    m_bUseRecWin = ReadOptionalFlag(source, line, ROBOT_KEY_REC_WIN);
    m_strTriggerRobot.Empty();
    ReadOptionalValue(source, line, ROBOT_KEY_TRIGGER, m_strTriggerRobot);
    m_bRunAtBackground = ReadOptionalFlag(source, line, ROBOT_KEY_BACKGROUND);

    // The current line is the script section's heading.
    bool records = false;
    while (source.Next(line)) {
        if (line.CompareNoCase(kRobotRecordSection) == 0) {
            records = true;
            break;
        }
        m_arrScriptLines.Add(line);
    }
    if (!records)
        return 1;

    RecordedWindowInfo scratch;
    scratch.WinParentLevel = -1;
    while (source.Next(line)) {
        const RecordLine kind = ReadRecordedWindowLine(line, scratch);
        if (kind == RecordLine::Complete)
            m_vecRecWinInfo.push_back(scratch);
        else if (kind == RecordLine::Malformed) {
            AfxMessageBox(kRecordLineFailureMessage, MB_OK);
            return 0;
        }
    }
    return 1;
}
