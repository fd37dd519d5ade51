#include "engine/CScriptFileHandle.h"

CScriptFileHandle* CScriptFileHandle::ForFile(FILE* stream, int mode)
{
    auto* handle = new CScriptFileHandle;
    handle->m_nKind = KIND_FILE;
    handle->m_pStream = stream;
    handle->m_nMode = mode;
    return handle;
}

CScriptFileHandle* CScriptFileHandle::ForSearch(HANDLE search, const char* firstName)
{
    auto* handle = new CScriptFileHandle;
    handle->m_nKind = KIND_SEARCH;
    handle->m_hSearch = search;
    handle->m_bHasFirstName = true;
    handle->m_strFirstName = firstName;
    return handle;
}

CScriptFileHandle::~CScriptFileHandle()
{
    if (m_pStream)
        std::fclose(m_pStream);
    if (m_hSearch != INVALID_HANDLE_VALUE)
        FindClose(m_hSearch);
}
