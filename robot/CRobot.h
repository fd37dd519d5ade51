#pragma once

#include "framework/CString.h"
#include "framework/CStringArray.h"
#include "robot/RecordedWindowInfo.h"

#include <string>
#include <vector>

// One robot: a named macro with its hotkeys, repeat and speed options, its
// action lines in script form and the windows its recorded actions went to.
// Held by value; saves itself to and loads itself from its robot file, an
// INI-like text named after the robot with the extension ".txt".
class CRobot
{
public:
    CRobot();
    CRobot(const CRobot& other);
    CRobot& operator=(const CRobot& other);
    virtual ~CRobot();

    // Writes "<folder>\<name>.txt" (the folder must exist). The new text goes
    // to a temporary file beside it first and replaces the robot file only
    // when complete, so a failure leaves the old file whole. 1 on success,
    // 0 on failure.
    int SaveToFile(const CString& folder) const;
    // As SaveToFile for a file whose present bytes the caller has just read
    // (held): nothing is written when they are already the record's bytes.
    int SaveToFile(const CString& folder, const std::string& held) const;
    // As SaveToFile for a robot that has no file yet: 0, with nothing
    // touched, when anything of the file's name exists already (also a file
    // that the name reaches as its short name).
    int SaveToNewFile(const CString& folder) const;

    // Fills the record from the robot file at path. The file's base name wins
    // over the name stored in it. 0 when the file cannot be opened (script
    // lines and records emptied, the rest unchanged) or when a record's
    // rectangle is malformed (after a message box; what was read stays).
    int LoadFromFile(const CString& path);
    // As LoadFromFile, also giving the file's bytes as read.
    int LoadFromFile(const CString& path, std::string& bytes);

    void AddRecordedWindow(const RecordedWindowInfo& record);

    CString GetName() const { return m_strName; }
    CString GetStartKey() const { return m_strStartKey; }
    CString GetEndKey() const { return m_strEndKey; }
    CString GetTriggerRobot() const { return m_strTriggerRobot; }

    CString m_strName;
    CString m_strTriggerRobot;
    // Hotkey texts such as "Ctrl + <F11>"; "None" when unset.
    CString m_strStartKey;
    CString m_strEndKey;
    CString m_strDescription;
    int m_bEnable = 0;
    // 0: run m_nRepeatTimes times; 1: run until the end hotkey is pressed.
    int m_nRepeatOption = 0;
    int m_nRepeatTimes = 0;
    CStringArray m_arrScriptLines;
    // 0 original speed; 1 and 2 the faster modes. Stored inverted for 0 and
    // 1 ("OriginalSpeed=1" is mode 0), which stored files rely on.
    int m_nSpeedMode = 0;
    int m_bUseRecWin = 0;
    int m_bUseSimilarWin = 0;
    int m_bRunAtBackground = 0;
    std::vector<RecordedWindowInfo> m_vecRecWinInfo;

private:
    CString FileText() const;
    // FileText with the line ends stored on disk.
    CString FileBytes() const;
};
