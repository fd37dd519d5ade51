// The share page: an HTML form that posts one robot file, with the sharer's screen size
// and Windows version, to the upload address.
#pragma once

#include "framework/CString.h"

// The page's file name and its folder (the data folder's "share" folder, with a
// trailing "\").
extern const char kSharePageName[];
CString GetSharePageFolder();

struct CSharePageFields
{
    CString m_strScriptName;
    CString m_strDescription;
    // The whole robot file, every line followed by "\n".
    CString m_strScript;
    CString m_strScreenResolution;
    CString m_strOsVersion;
};

// Fills the robot's fields from its file: the file name ("Name.txt"), the script and the
// last "Description=" line's text. False when the file cannot be read.
bool ReadSharePageRobot(const CString& robotFilePath, CSharePageFields& fields);

// The page's 8-bit text. Every value is escaped, so that the browser shows and posts the
// robot's own text and never runs markup from it.
CString ComposeSharePage(const CSharePageFields& fields);
