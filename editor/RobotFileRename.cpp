#include "editor/RobotFileRename.h"

#include "robot/AppFolders.h"

namespace {
// As long as ".txt", so the path in between is as long as the robot file's.
const char kBetweenExtension[] = ".ren";
}  // namespace

bool RenameRobotFileChangingCase(const CString& folder, const CString& oldName, const CString& newName,
                                 const FileMove& move)
{
    const CString from = RobotFilePath(folder, oldName);
    const CString between = folder + "\\" + newName + kBetweenExtension;
    if (!move(from, between))
        return false;
    if (move(between, RobotFilePath(folder, newName)))
        return true;
    move(between, from);
    return false;
}
