#pragma once

#include "framework/CArray.h"
#include "framework/CString.h"

// An array of strings; Add and SetAt take a CString or any text.
class CStringArray : public CArray<CString, const CString&>
{
};
