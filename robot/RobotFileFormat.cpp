#include "robot/RobotFileFormat.h"

#include <iterator>

const char kRobotGeneralSection[] = "[General]";
const char kRobotScriptSection[] = "[Script]";
const char kRobotRecordSection[] = "[RecWinInfo]";

const char* const kRobotHeaderKeys[] = {
    "Name=",             // ROBOT_KEY_NAME
    "StartKey=",         // ROBOT_KEY_START_KEY
    "EndKey=",           // ROBOT_KEY_END_KEY
    "Description=",      // ROBOT_KEY_DESCRIPTION
    "Enable=",           // ROBOT_KEY_ENABLE
    "RepeatOption=",     // ROBOT_KEY_REPEAT_OPTION
    "RepeatTimes=",      // ROBOT_KEY_REPEAT_TIMES
    "OriginalSpeed=",    // ROBOT_KEY_SPEED
    "UseSimilarWin=",    // ROBOT_KEY_SIMILAR_WIN
    "UseRecWin=",        // ROBOT_KEY_REC_WIN
    "TriggerRobot=",     // ROBOT_KEY_TRIGGER
    "RunAtBackground=",  // ROBOT_KEY_BACKGROUND
};
static_assert(std::size(kRobotHeaderKeys) == ROBOT_KEY_COUNT, "one key for every RobotHeaderKey");

const char* const kRobotRecordKeys[] = {
    "WinIndex=",        // ROBOT_RECORD_INDEX
    "WinTitle=",        // ROBOT_RECORD_TITLE
    "WinPath=",         // ROBOT_RECORD_PATH
    "WinParentLevel=",  // ROBOT_RECORD_PARENT_LEVEL
    "WinRect=",         // ROBOT_RECORD_RECT
};
static_assert(std::size(kRobotRecordKeys) == ROBOT_RECORD_COUNT, "one key for every RobotRecordKey");
