#include "framework/CToolBarResource.h"

#include <commctrl.h>

namespace {

// The resource type of toolbar layouts.
const char* const kToolBarType = MAKEINTRESOURCEA(241);
const WORD kLayoutVersion = 1;
const DWORD kLayoutHeaderWords = 4;

}  // namespace

CToolBarResource::~CToolBarResource()
{
    if (m_hToolBar)
        ::DestroyWindow(m_hToolBar);
}

BOOL CToolBarResource::Load(HINSTANCE module, UINT id)
{
    HRSRC found = ::FindResourceA(module, MAKEINTRESOURCEA(id), kToolBarType);
    if (!found) {
        module = ::GetModuleHandleA(nullptr);
        found = ::FindResourceA(module, MAKEINTRESOURCEA(id), kToolBarType);
    }
    HGLOBAL loaded = found ? ::LoadResource(module, found) : nullptr;
    const auto* words = loaded ? static_cast<const WORD*>(::LockResource(loaded)) : nullptr;
    const DWORD count = found ? ::SizeofResource(module, found) / sizeof(WORD) : 0;
    if (!words || count < kLayoutHeaderWords || words[0] != kLayoutVersion || count < kLayoutHeaderWords + words[3])
        return FALSE;
    m_hModule = module;
    m_nId = id;
    m_nWidth = words[1];
    m_nHeight = words[2];
    m_aCommands.assign(words + kLayoutHeaderWords, words + kLayoutHeaderWords + words[3]);
    return TRUE;
}

BOOL CToolBarResource::CreateHiddenToolBar(HWND parent)
{
    if (m_hToolBar || !m_hModule)
        return m_hToolBar != nullptr;
    m_hToolBar = ::CreateWindowExA(0, TOOLBARCLASSNAMEA, "", WS_CHILD | CCS_NOPARENTALIGN | CCS_NORESIZE, 0, 0, 0, 0,
                                   parent, nullptr, ::GetModuleHandleA(nullptr), nullptr);
    if (!m_hToolBar)
        return FALSE;
    ::SendMessageA(m_hToolBar, TB_BUTTONSTRUCTSIZE, sizeof(TBBUTTON), 0);
    ::SendMessageA(m_hToolBar, TB_SETBITMAPSIZE, 0, MAKELPARAM(m_nWidth, m_nHeight));
    std::vector<TBBUTTON> buttons;
    int image = 0;
    for (UINT command : m_aCommands) {
        TBBUTTON button = {};
        button.idCommand = static_cast<int>(command);
        button.fsState = TBSTATE_ENABLED;
        button.fsStyle = command ? BTNS_BUTTON : BTNS_SEP;
        button.iBitmap = command ? image++ : 0;
        buttons.push_back(button);
    }
    ::SendMessageA(m_hToolBar, TB_ADDBUTTONS, buttons.size(), reinterpret_cast<LPARAM>(buttons.data()));
    return TRUE;
}

int CToolBarResource::ImageOfCommand(UINT command) const
{
    if (!m_hToolBar || !command)
        return -1;
    const LRESULT index = ::SendMessageA(m_hToolBar, TB_COMMANDTOINDEX, command, 0);
    TBBUTTON button = {};
    if (index < 0 || !::SendMessageA(m_hToolBar, TB_GETBUTTON, index, reinterpret_cast<LPARAM>(&button)))
        return -1;
    return button.iBitmap;
}

HBITMAP CToolBarResource::LoadStrip() const
{
    return static_cast<HBITMAP>(::LoadImageA(m_hModule, MAKEINTRESOURCEA(m_nId), IMAGE_BITMAP, 0, 0, LR_DEFAULTCOLOR));
}
