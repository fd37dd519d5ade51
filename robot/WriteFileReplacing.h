#pragma once

#include "framework/CString.h"

#include <string>

// Writes bytes as the whole new content of the file at path. They go to a
// temporary file in the same folder first, which replaces the file only after
// a complete write: on any failure the old file stays whole and the result is
// false.
bool WriteFileReplacing(const CString& path, const CString& bytes);

// As WriteFileReplacing for a file that must be new: false when anything of
// that name exists, also when it appears during the write or answers only to
// its short name. Nothing that was there is touched.
bool WriteNewFile(const CString& path, const CString& bytes);

// As WriteFileReplacing and WriteNewFile with a copy of the file at source
// as the new content: its bytes, attributes and times, as the system copies a
// file. A copy that fails part way leaves the file at path as it was.
bool CopyFileReplacing(const CString& source, const CString& path);
bool CopyNewFile(const CString& source, const CString& path);

// As WriteFileReplacing, but leaves the file alone when it already holds
// exactly these bytes: saving an unchanged record then costs one read.
bool WriteFileIfChanged(const CString& path, const CString& bytes);

// As WriteFileIfChanged for a file whose present content the caller has just
// read: held is compared instead of reading the file again.
bool WriteFileIfChanged(const CString& path, const CString& bytes, const std::string& held);
