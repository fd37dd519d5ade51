#pragma once

#include "framework/CString.h"
#include "robot/RecordedWindowInfo.h"

// The "[RecWinInfo]" section of a robot file: one block of five lines per
// record, the "WinRect=" line closing each block. Both readers of robot files
// (the robot record and the engine's loader) read the section line by line
// with ReadRecordedWindowLine into one scratch record that is not reset
// between blocks, so a block that lacks a key keeps the previous block's
// value. The scratch record of the first block starts with parent level -1.

enum class RecordLine
{
    Ignored,   // no record key: the line changes nothing
    Field,     // one field of the scratch record was set
    Complete,  // "WinRect=" read: the scratch record is a finished record
    Malformed  // "WinRect=" with fewer than three commas
};

// The message both readers show for a malformed "WinRect=" line.
extern const char* const kRecordLineFailureMessage;

RecordLine ReadRecordedWindowLine(const CString& line, RecordedWindowInfo& scratch);

// The five lines of one record, each followed by "\n".
CString RecordedWindowLines(const RecordedWindowInfo& record);
