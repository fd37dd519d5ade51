#include "robot/ActionLineText.h"

#include <cstring>

const char kFasterMarker[] = "=> [remove on faster speed]";

const ShutdownAction kShutdownActions[4] = {
    {"Shut down computer", "1"},
    {"Power off computer", "8"},
    {"Restart computer", "2"},
    {"Log off computer", "0"},
};

int TextLength(const char* text)
{
    return static_cast<int>(std::strlen(text));
}

bool StartsWith(const CString& text, const char* prefix)
{
    return text.Left(TextLength(prefix)) == prefix;
}

bool EndsWith(const CString& text, const char* suffix)
{
    const int length = TextLength(suffix);
    return text.GetLength() >= length && text.Right(length) == suffix;
}

CString Slice(const CString& text, int first, int last)
{
    return text.Mid(first, last - first);
}

CString WithoutSuffix(const CString& text, const char* suffix)
{
    return EndsWith(text, suffix) ? text.Left(text.GetLength() - TextLength(suffix)) : text;
}

CString WithoutLastChar(const CString& text)
{
    return text.Left(text.GetLength() - 1);
}

CString TrimmedLeft(CString text)
{
    text.TrimLeft();
    return text;
}

ActionLineParts SplitActionLine(const CString& line, const char* tagOpener)
{
    ActionLineParts parts;
    parts.fasterMarker = EndsWith(line, kFasterMarker);
    const CString rest = parts.fasterMarker ? WithoutSuffix(line, kFasterMarker) : line;
    // An opener only starts a tag when a "]" follows it somewhere; since the
    // opener holds no "]", the last such opener is the last one before the
    // last "]".
    const int bracket = rest.ReverseFind(']');
    int opener = -1;
    for (int at = rest.Find(tagOpener); at >= 0 && at < bracket; at = rest.Find(tagOpener, at + 1))
        opener = at;
    if (opener < 0)
        parts.action = rest;
    else {
        parts.action = rest.Left(opener);
        parts.tag = rest.Mid(opener);
    }
    return parts;
}

CString JoinActionLine(const CString& action, const CString& tag, bool fasterMarker)
{
    return fasterMarker ? action + tag + kFasterMarker : action + tag;
}
