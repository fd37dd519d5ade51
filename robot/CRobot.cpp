#include "robot/CRobot.h"

#include "framework/AfxMessageBox.h"
#include "framework/CStdioFile.h"
#include "robot/NumberText.h"
#include "robot/RecordedWindowLines.h"
#include "robot/WriteFileReplacing.h"

namespace {
const char kScriptSection[] = "[Script]";
const char kRecordSection[] = "[RecWinInfo]";

// The header lines 2 to 9, read by position: the key itself is not compared.
const CString kNameKey = "Name=";
const CString kStartKeyKey = "StartKey=";
const CString kEndKeyKey = "EndKey=";
const CString kDescriptionKey = "Description=";
const CString kEnableKey = "Enable=";
const CString kRepeatOptionKey = "RepeatOption=";
const CString kRepeatTimesKey = "RepeatTimes=";
const CString kSpeedKey = "OriginalSpeed=";
// Optional keys written after the speed; files from before they existed end
// the header early with "[Script]".
const CString kSimilarWinKey = "UseSimilarWin=";
const CString kRecWinKey = "UseRecWin=";
const CString kTriggerKey = "TriggerRobot=";
const CString kBackgroundKey = "RunAtBackground=";

// Reads the file line by line; past the end every line reads as empty.
class LineSource
{
public:
    explicit LineSource(CStdioFile& file) : m_File(file) {}

    bool Next(CString& line)
    {
        if (m_bEnded || !m_File.ReadString(line)) {
            m_bEnded = true;
            line.Empty();
            return false;
        }
        return true;
    }

    CString NextValue(const CString& key)
    {
        CString line;
        Next(line);
        return line.Mid(key.GetLength());
    }

private:
    CStdioFile& m_File;
    bool m_bEnded = false;
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
bool ReadOptionalValue(LineSource& source, CString& line, const CString& key, CString& value)
{
    if (line.CompareNoCase(kScriptSection) == 0)
        return false;
    value = line.Mid(key.GetLength());
    source.Next(line);
    return true;
}

int ReadOptionalFlag(LineSource& source, CString& line, const CString& key)
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
    CString text;
    text += "[General]\n";
    text += "Name=" + m_strName + "\n";
    text += "StartKey=" + m_strStartKey + "\n";
    text += "EndKey=" + m_strEndKey + "\n";
    text += "Description=" + m_strDescription + "\n";
    text.AppendFormat("Enable=%d\n", m_bEnable ? 1 : 0);
    text.AppendFormat("RepeatOption=%d\n", m_nRepeatOption);
    text.AppendFormat("RepeatTimes=%d\n", m_nRepeatTimes);
    text.AppendFormat("OriginalSpeed=%s\n", SpeedModeToFile(m_nSpeedMode));
    text.AppendFormat("UseSimilarWin=%d\n", m_bUseSimilarWin ? 1 : 0);
    text.AppendFormat("UseRecWin=%d\n", m_bUseRecWin ? 1 : 0);
    text += "TriggerRobot=" + m_strTriggerRobot + "\n";
    text.AppendFormat("RunAtBackground=%d\n", m_bRunAtBackground ? 1 : 0);
    text += kScriptSection;
    text += "\n";
    for (const CString& line : m_arrScriptLines)
        text += line + "\n";
    if (!m_vecRecWinInfo.empty()) {
        text += kRecordSection;
        text += "\n";
        for (const RecordedWindowInfo& record : m_vecRecWinInfo)
            text += RecordedWindowLines(record);
    }
    return text;
}

int CRobot::SaveToFile(const CString& folder) const
{
    // Lines end in CR LF on disk, as a text-mode write would store them.
    CString bytes = FileText();
    bytes.Replace("\n", "\r\n");
    return WriteFileReplacing(folder + "\\" + m_strName + ".txt", bytes) ? 1 : 0;
}

int CRobot::LoadFromFile(const CString& path)
{
    m_arrScriptLines.RemoveAll();
    m_vecRecWinInfo.clear();
    CStdioFile file;
    if (!file.Open(path, CFile::modeRead))
        return 0;
    LineSource source(file);
    CString line;
    source.Next(line);

    m_strName = source.NextValue(kNameKey);
    m_strStartKey = source.NextValue(kStartKeyKey);
    m_strEndKey = source.NextValue(kEndKeyKey);
    m_strDescription = source.NextValue(kDescriptionKey);
    m_bEnable = StringToInt(source.NextValue(kEnableKey));
    m_nRepeatOption = StringToInt(source.NextValue(kRepeatOptionKey));
    m_nRepeatTimes = StringToInt(source.NextValue(kRepeatTimesKey));
    m_nSpeedMode = SpeedModeFromFile(source.NextValue(kSpeedKey));
    // The file name always wins over the name stored in the file.
    m_strName = BaseName(path);

    source.Next(line);
    m_bUseSimilarWin = ReadOptionalFlag(source, line, kSimilarWinKey);
    m_bUseRecWin = ReadOptionalFlag(source, line, kRecWinKey);
    m_strTriggerRobot.Empty();
    ReadOptionalValue(source, line, kTriggerKey, m_strTriggerRobot);
    m_bRunAtBackground = ReadOptionalFlag(source, line, kBackgroundKey);

    // The current line is the script section's heading.
    bool records = false;
    while (source.Next(line)) {
        if (line.CompareNoCase(kRecordSection) == 0) {
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
            file.Close();
            AfxMessageBox(kRecordLineFailureMessage, MB_OK);
            return 0;
        }
    }
    return 1;
}
