#include "framework/DialogTemplate.h"

#include <cstring>

#include "framework/AfxResource.h"

DialogTemplate::DialogTemplate(UINT templateId)
{
    HINSTANCE module = AfxGetResourceHandle();
    HRSRC resource = ::FindResourceA(module, MAKEINTRESOURCEA(templateId), MAKEINTRESOURCEA(5));
    if (!resource)
        return;
    HGLOBAL loaded = ::LoadResource(module, resource);
    const void* data = loaded ? ::LockResource(loaded) : nullptr;
    const DWORD size = ::SizeofResource(module, resource);
    if (!data || size < sizeof(DLGTEMPLATE))
        return;
    m_arrBytes.resize(size);
    memcpy(m_arrBytes.data(), data, size);
}

DWORD* DialogTemplate::StyleField()
{
    // An extended template starts with version 1 and signature 0xFFFF; its style follows
    // the help id and the extended style.
    const WORD* words = reinterpret_cast<const WORD*>(m_arrBytes.data());
    const bool extended = m_arrBytes.size() >= 16 && words[0] == 1 && words[1] == 0xFFFF;
    return reinterpret_cast<DWORD*>(m_arrBytes.data() + (extended ? 12 : 0));
}

bool DialogTemplate::TakeOffVisible()
{
    if (!IsLoaded())
        return false;
    DWORD* style = StyleField();
    const bool visible = (*style & WS_VISIBLE) != 0;
    *style &= ~static_cast<DWORD>(WS_VISIBLE);
    return visible;
}
