#pragma once

#include "engine/CMarionet_Script.h"

#include <cstdio>
#include <string>

// FILEOPEN, FILECLOSE, FILEREAD, FILEREADLINE, FILEWRITE, FILEWRITELINE and
// the file searches FILEFINDFIRSTFILE and FILEFINDNEXTFILE.
void RegisterFileHandleBuiltins(CMarionet_Script& engine);

// The next line of any length, without its end ("\n", "\r\n" or a lone
// "\r"); false at the end of the file before any char.
bool ReadStreamLine(FILE* pStream, std::string& line);
