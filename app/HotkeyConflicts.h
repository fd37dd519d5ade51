#pragma once

#include "framework/CArray.h"
#include "framework/CString.h"
#include "robot/CRobot.h"

// The robot editor's questions whether a hotkey is free. The robot at
// skipIndex (the one being edited; -1 for none) is not asked; disabled robots
// count too; texts are compared without regard to case.

// A start key is taken by any other robot's start key or end key.
bool IsStartKeyTakenByOther(const CArray<CRobot, CRobot&>& robots, int skipIndex, const CString& key);

// An end key is taken only by another robot's start key: robots may share an
// end key.
bool IsEndKeyTakenByOther(const CArray<CRobot, CRobot&>& robots, int skipIndex, const CString& key);
