#include "engine/builtins/FileHandleBuiltins.h"

#include "engine/builtins/BuiltinBinding.h"
#include "engine/system/FileTreeWalk.h"

#include <cstdio>
#include <cstring>
#include <string>

namespace {

const char kTooManyFiles[] = "Unable to open file, the maximum number of open files has been exceeded.";
const char kBadHandle[] = "File handle invalid.  Make sure that the FileOpen command succeeded.";
const int kAnyKind = -1;
// FILEREAD grows its result in steps of this size, so a huge count never
// allocates more than the file holds.
const size_t kReadChunk = 65536;

// The handle's slot when it is in use and of the kind asked for; otherwise
// the script stops.
CScriptFileHandle* CheckHandle(CMarionet_Script& engine, CScriptValue& handle, int nKind)
{
    CScriptFileHandle* pHandle = engine.m_FileHandles.Get(handle.GetInteger());
    if (!pHandle || (nKind != kAnyKind && pHandle->m_nKind != nKind)) {
        engine.ReportScriptError(kBadHandle, -1);
        return nullptr;
    }
    return pHandle;
}

// A file named by the argument for this one call, or the handle's stream.
class CFileArgument
{
public:
    ~CFileArgument()
    {
        if (m_bOwned && m_pStream)
            std::fclose(m_pStream);
    }
    FILE* m_pStream = nullptr;
    int m_nMode = CScriptFileHandle::MODE_READ;
    bool m_bOwned = false;
};

// 0 with the file ready, 1 after a fatal error. A file name is opened with
// the mode text; a failure leaves the stream null.
int OpenFileArgument(CMarionet_Script& engine, CScriptValue& argument, const char* pszNameMode, int nNameMode,
                     CFileArgument& file)
{
    if (argument.IsString()) {
        file.m_pStream = std::fopen(argument.GetText(), pszNameMode);
        file.m_nMode = nNameMode;
        file.m_bOwned = true;
        return 0;
    }
    CScriptFileHandle* pHandle = CheckHandle(engine, argument, CScriptFileHandle::KIND_FILE);
    if (!pHandle)
        return 1;
    file.m_pStream = pHandle->m_pStream;
    file.m_nMode = pHandle->m_nMode;
    return 0;
}

// Opens the argument to read from, with the empty text as the result, and
// hands it to the action, whose result is the built-in's. A read needs a
// stream open for reading; otherwise @error becomes 1.
template <class Action>
int WithFileToRead(CMarionet_Script& engine, CScriptValue& argument, CScriptValue& result, Action action)
{
    result.SetString("");
    CFileArgument file;
    if (OpenFileArgument(engine, argument, "rb", CScriptFileHandle::MODE_READ, file))
        return 1;
    if (!file.m_pStream || file.m_nMode != CScriptFileHandle::MODE_READ) {
        engine.SetErrorCode(1);
        return 0;
    }
    return action(file);
}

int FileOpen(CMarionet_Script& engine, CScriptValueList& args, CScriptValue& result)
{
    if (engine.m_FileHandles.IsFull())
        return engine.ReportScriptError(kTooManyFiles, -1);
    const int nMode = args[1].GetInteger();
    const char* const kModes[] = {"rb", "a+b", "w+b"};
    result.SetInteger(-1);
    if (nMode < 0 || nMode > 2)
        return 0;
    FILE* pStream = std::fopen(args[0].GetText(), kModes[nMode]);
    if (!pStream)
        return 0;
    if (nMode == CScriptFileHandle::MODE_APPEND)
        std::fseek(pStream, 0, SEEK_END);
    result.SetInteger(engine.m_FileHandles.Add(CScriptFileHandle::ForFile(pStream, nMode)));
    return 0;
}

int FileClose(CMarionet_Script& engine, CScriptValueList& args, CScriptValue&)
{
    if (!CheckHandle(engine, args[0], kAnyKind))
        return 1;
    engine.m_FileHandles.Close(args[0].GetInteger());
    return 0;
}

int FileReadLine(CMarionet_Script& engine, CScriptValueList& args, CScriptValue& result)
{
    return WithFileToRead(engine, args[0], result, [&](CFileArgument& file) {
        int nLines = 1;
        if (args.GetCount() > 1) {
            nLines = args[1].GetInteger();
            if (nLines < 1)
                return 0;
            std::rewind(file.m_pStream);
        }
        std::string line;
        for (int i = 0; i < nLines; ++i) {
            if (!ReadStreamLine(file.m_pStream, line)) {
                engine.SetErrorCode(-1);
                return 0;
            }
        }
        // Like FILEREAD, the line ends at its first zero byte.
        result.SetString(line.c_str());
        return 0;
    });
}

int FileRead(CMarionet_Script& engine, CScriptValueList& args, CScriptValue& result)
{
    return WithFileToRead(engine, args[0], result, [&](CFileArgument& file) {
        const double dCount = args[1].GetNumber();
        size_t nWanted = dCount >= 1 ? (dCount >= 4.0e9 ? static_cast<size_t>(-1) : static_cast<size_t>(dCount)) : 0;
        std::string data;
        while (nWanted > 0) {
            const size_t nChunk = nWanted < kReadChunk ? nWanted : kReadChunk;
            const size_t nOld = data.size();
            data.resize(nOld + nChunk);
            const size_t nRead = std::fread(&data[nOld], 1, nChunk, file.m_pStream);
            data.resize(nOld + nRead);
            if (nRead < nChunk)
                break;
            nWanted -= nRead;
        }
        if (data.empty()) {
            engine.SetErrorCode(-1);
            return 0;
        }
        result.SetString(data.c_str());
        return 0;
    });
}

int WriteText(CMarionet_Script& engine, CScriptValueList& args, CScriptValue& result, bool bLine)
{
    CFileArgument file;
    if (OpenFileArgument(engine, args[0], "a+b", CScriptFileHandle::MODE_APPEND, file))
        return 1;
    if (!file.m_pStream || file.m_nMode == CScriptFileHandle::MODE_READ) {
        result.SetInteger(0);
        return 0;
    }
    const CScriptString& text = args[1].GetString();
    const size_t nLength = static_cast<size_t>(text.GetLength());
    bool bOk = std::fwrite(text.GetText(), 1, nLength, file.m_pStream) == nLength;
    if (bLine) {
        const char cLast = nLength ? text.GetText()[nLength - 1] : '\0';
        if (cLast != '\r' && cLast != '\n')
            bOk = bOk && std::fwrite("\r\n", 1, 2, file.m_pStream) == 2;
    }
    // Written at once: a script that another program reads while it runs,
    // or that is stopped, loses nothing.
    bOk = std::fflush(file.m_pStream) == 0 && bOk;
    result.SetInteger(bOk ? 1 : 0);
    return 0;
}

int FileWrite(CMarionet_Script& engine, CScriptValueList& args, CScriptValue& result)
{
    return WriteText(engine, args, result, false);
}

int FileWriteLine(CMarionet_Script& engine, CScriptValueList& args, CScriptValue& result)
{
    return WriteText(engine, args, result, true);
}

// The search's next entry that an 8-bit name reaches. A script never gets
// the look-alike of a name that the code page cannot spell: such an entry
// comes by its short name, or not at all.
bool FindNextReachable(HANDLE hSearch, CDirectoryEntry& entry)
{
    while (FindNextEntry(hSearch, entry)) {
        if (!entry.m_strName.empty())
            return true;
    }
    return false;
}

int FileFindFirstFile(CMarionet_Script& engine, CScriptValueList& args, CScriptValue& result)
{
    CDirectoryEntry entry;
    HANDLE hSearch = FindFirstEntry(args[0].GetText(), entry);
    if (hSearch != INVALID_HANDLE_VALUE && entry.m_strName.empty() && !FindNextReachable(hSearch, entry)) {
        FindClose(hSearch);
        hSearch = INVALID_HANDLE_VALUE;
    }
    if (hSearch == INVALID_HANDLE_VALUE) {
        result.SetInteger(-1);
        return 0;
    }
    // Only a search that found something needs a slot.
    if (engine.m_FileHandles.IsFull()) {
        FindClose(hSearch);
        return engine.ReportScriptError(kTooManyFiles, -1);
    }
    result.SetInteger(engine.m_FileHandles.Add(CScriptFileHandle::ForSearch(hSearch, entry.m_strName.c_str())));
    return 0;
}

int FileFindNextFile(CMarionet_Script& engine, CScriptValueList& args, CScriptValue& result)
{
    CScriptFileHandle* pHandle = CheckHandle(engine, args[0], CScriptFileHandle::KIND_SEARCH);
    if (!pHandle)
        return 1;
    if (pHandle->m_bHasFirstName) {
        result.SetString(pHandle->m_strFirstName.c_str());
        pHandle->m_bHasFirstName = false;
        pHandle->m_strFirstName.clear();
        return 0;
    }
    CDirectoryEntry entry;
    if (!FindNextReachable(pHandle->m_hSearch, entry)) {
        result.SetString("");
        engine.SetErrorCode(1);
        return 0;
    }
    result.SetString(entry.m_strName.c_str());
    return 0;
}

}  // namespace

bool ReadStreamLine(FILE* pStream, std::string& line)
{
    line.clear();
    int c = std::getc(pStream);
    if (c == EOF)
        return false;
    while (c != EOF && c != '\n') {
        if (c == '\r') {
            const int next = std::getc(pStream);
            if (next != '\n' && next != EOF)
                std::ungetc(next, pStream);
            break;
        }
        line += static_cast<char>(c);
        c = std::getc(pStream);
    }
    return true;
}

void RegisterFileHandleBuiltins(CMarionet_Script& engine)
{
    static const BuiltinBinding kBindings[] = {
        {"FILEOPEN", FileOpen},
        {"FILECLOSE", FileClose},
        {"FILEREADLINE", FileReadLine},
        {"FILEREAD", FileRead},
        {"FILEWRITE", FileWrite},
        {"FILEWRITELINE", FileWriteLine},
        {"FILEFINDFIRSTFILE", FileFindFirstFile},
        {"FILEFINDNEXTFILE", FileFindNextFile},
    };
    BindBuiltins(engine, kBindings);
}
