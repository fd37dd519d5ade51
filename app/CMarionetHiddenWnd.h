#pragma once

#include "framework/CWnd.h"

// A plain popup window that exists only while the main dialog is being made.
class CMarionetHiddenWnd : public CWnd
{
};
