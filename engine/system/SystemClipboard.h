// Text on the clipboard.
#pragma once

#include <windows.h>

#include <string>

// The clipboard's text; false when it holds none or cannot be read.
bool ReadClipboardText(HWND owner, std::string& text);

// Replaces the clipboard's content with the text; false (and nothing left
// allocated) when memory cannot be had or the clipboard cannot be taken.
bool WriteClipboardText(HWND owner, const char* text, size_t length);
