#pragma once

// The robot file's section headings and keys, in the order the file holds
// them. The robot record writes and reads its file with these, and the
// engine's loader reads the same file with them, so the format is stated once.
//
//   [General]
//   Name=...            the keys of kRobotHeaderKeys, one a line, in order
//   ...
//   RunAtBackground=...
//   [Script]
//   one action line a line
//   [RecWinInfo]        only when the robot has recorded windows
//   WinIndex=...        one block of kRobotRecordKeys per window
//   ...

extern const char kRobotGeneralSection[];
extern const char kRobotScriptSection[];
extern const char kRobotRecordSection[];

// Header keys in file order. Readers take the keys up to ROBOT_KEY_SPEED by
// position; the ones after it are optional, since older files end the header
// early with "[Script]".
enum RobotHeaderKey
{
    ROBOT_KEY_NAME,
    ROBOT_KEY_START_KEY,
    ROBOT_KEY_END_KEY,
    ROBOT_KEY_DESCRIPTION,
    ROBOT_KEY_ENABLE,
    ROBOT_KEY_REPEAT_OPTION,
    ROBOT_KEY_REPEAT_TIMES,
    ROBOT_KEY_SPEED,
    ROBOT_KEY_SIMILAR_WIN,
    ROBOT_KEY_REC_WIN,
    ROBOT_KEY_TRIGGER,
    ROBOT_KEY_BACKGROUND,
    ROBOT_KEY_COUNT
};

// Indexed by RobotHeaderKey; every key ends in "=".
extern const char* const kRobotHeaderKeys[];

// The keys of one recorded-window block, in file order; "WinRect=" closes
// the block.
enum RobotRecordKey
{
    ROBOT_RECORD_INDEX,
    ROBOT_RECORD_TITLE,
    ROBOT_RECORD_PATH,
    ROBOT_RECORD_PARENT_LEVEL,
    ROBOT_RECORD_RECT,
    ROBOT_RECORD_COUNT
};

extern const char* const kRobotRecordKeys[];
