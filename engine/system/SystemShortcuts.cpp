#include "engine/system/SystemShortcuts.h"

#include "engine/system/SystemTextLimit.h"
#include "framework/CString.h"
#include "framework/ComHolder.h"
#include "framework/WideText.h"

#include <shlobj.h>

#include <vector>

namespace {

bool OpenLink(CComHolder<IShellLinkA>& shellLink, CComHolder<IPersistFile>& file)
{
    return SUCCEEDED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkA,
                                      shellLink.OutVoid())) &&
           SUCCEEDED(shellLink->QueryInterface(IID_IPersistFile, file.OutVoid()));
}

// The link object copies its paths into buffers of MAX_PATH chars, the
// target also made full, and converts its other texts.
bool FitsLink(const CShortcutFields& fields)
{
    const std::string none;
    return FitsSystemCall(kCopiedPathLimit, {fields.m_strTarget, fields.m_strWorkingDir.value_or(none),
                                             fields.m_strIconFile.value_or(none)}) &&
           FitsSystemPath(kCopiedPathLimit, fields.m_strTarget.c_str(), PATH_MADE_FULL) &&
           FitsSystemCall(kConvertedTextLimit,
                          {fields.m_strArguments.value_or(none), fields.m_strDescription.value_or(none)});
}

}  // namespace

std::string LinkFileName(const char* link)
{
    std::string name = link;
    if (CString(link).MakeLower().Find(".lnk") < 0)
        name += ".lnk";
    return name;
}

bool CreateShortcut(const std::string& link, const CShortcutFields& fields)
{
    if (!FitsLink(fields))
        return false;
    CComSession session;
    CComHolder<IShellLinkA> shellLink;
    CComHolder<IPersistFile> file;
    if (!OpenLink(shellLink, file))
        return false;
    shellLink->SetPath(fields.m_strTarget.c_str());
    if (fields.m_strWorkingDir)
        shellLink->SetWorkingDirectory(fields.m_strWorkingDir->c_str());
    if (fields.m_strArguments)
        shellLink->SetArguments(fields.m_strArguments->c_str());
    if (fields.m_strDescription)
        shellLink->SetDescription(fields.m_strDescription->c_str());
    if (fields.m_strIconFile)
        shellLink->SetIconLocation(fields.m_strIconFile->c_str(), 0);
    if (fields.m_wHotkey)
        shellLink->SetHotkey(*fields.m_wHotkey);
    if (fields.m_nIconIndex)
        shellLink->SetIconLocation(fields.m_strIconFile.value_or("").c_str(), *fields.m_nIconIndex);
    if (fields.m_nShowCmd)
        shellLink->SetShowCmd(*fields.m_nShowCmd);
    const std::wstring name = Widened(link.c_str());
    return !name.empty() && SUCCEEDED(file->Save(name.c_str(), TRUE));
}

bool ReadShortcut(const std::string& link, CShortcutFields& fields)
{
    CComSession session;
    CComHolder<IShellLinkA> shellLink;
    CComHolder<IPersistFile> file;
    const std::wstring name = Widened(link.c_str());
    if (name.empty() || !OpenLink(shellLink, file) || FAILED(file->Load(name.c_str(), STGM_READ)))
        return false;
    std::vector<char> buffer(INFOTIPSIZE + 1, '\0');
    const int nSize = static_cast<int>(buffer.size());
    // Each read starts from an empty buffer, so a failed one gives "".
    auto text = [&buffer](HRESULT hr) {
        std::string value = SUCCEEDED(hr) ? buffer.data() : "";
        buffer[0] = '\0';
        return value;
    };
    fields.m_strTarget = text(shellLink->GetPath(buffer.data(), nSize, nullptr, 0));
    fields.m_strWorkingDir = text(shellLink->GetWorkingDirectory(buffer.data(), nSize));
    fields.m_strArguments = text(shellLink->GetArguments(buffer.data(), nSize));
    fields.m_strDescription = text(shellLink->GetDescription(buffer.data(), nSize));
    int nIcon = 0;
    fields.m_strIconFile = text(shellLink->GetIconLocation(buffer.data(), nSize, &nIcon));
    fields.m_nIconIndex = nIcon;
    int nShow = 0;
    shellLink->GetShowCmd(&nShow);
    fields.m_nShowCmd = nShow;
    WORD wHotkey = 0;
    shellLink->GetHotkey(&wHotkey);
    fields.m_wHotkey = wHotkey;
    return true;
}
