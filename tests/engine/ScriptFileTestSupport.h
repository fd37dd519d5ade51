#pragma once

#include <string>
#include <vector>

#include "framework/CNonCopyable.h"

// A robot file written by a test into the temporary folder and deleted again.
class TempRobotFile : private CNonCopyable
{
public:
    // Writes the lines verbatim, each followed by lineEnd.
    explicit TempRobotFile(const std::vector<std::string>& lines, const char* lineEnd = "\r\n");
    ~TempRobotFile();

    const char* Path() const { return m_path.c_str(); }

private:
    std::string m_path;
};

// The header lines that CRobot writes, from "[General]" to "[Script]".
std::vector<std::string> RobotHeader(bool runAtBackground = false);

// The header, the script lines and, when records is not empty, "[RecWinInfo]"
// and the record lines.
std::vector<std::string> RobotFile(const std::vector<std::string>& script,
                                   const std::vector<std::string>& records = {});
