#include "engine/builtins/FileDialogBuiltins.h"

#include "engine/builtins/BuiltinBinding.h"
#include "engine/system/FileDialogCalls.h"
#include "engine/system/SystemPaths.h"
#include "engine/system/SystemTextLimit.h"
#include "framework/ComHolder.h"

#include <cstring>
#include <string>
#include <vector>

namespace {

const char kInvalidFilter[] = "Invalid file filter given.";
const size_t kNameBufferSize = 65535;

// Option bits of FILEOPENDIALOG and FILESAVEDIALOG, lowest first.
const DWORD kOptionFlags[] = {OFN_FILEMUSTEXIST, OFN_PATHMUSTEXIST, OFN_ALLOWMULTISELECT, OFN_CREATEPROMPT,
                              OFN_OVERWRITEPROMPT};

// The one entry of the dialog's filter list: the whole text as its label,
// the text between the first "(" and the first ")" after it as its pattern,
// and the two NULs that end the list. Empty when there is no such pair.
std::vector<char> FilterList(const std::string& filter)
{
    const size_t open = filter.find('(');
    const size_t close = open == std::string::npos ? std::string::npos : filter.find(')', open + 1);
    if (close == std::string::npos)
        return {};
    std::vector<char> list(filter.begin(), filter.end());
    list.push_back('\0');
    list.insert(list.end(), filter.begin() + static_cast<std::ptrdiff_t>(open + 1),
                filter.begin() + static_cast<std::ptrdiff_t>(close));
    list.insert(list.end(), 2, '\0');
    return list;
}

// An explorer-style multiple selection is the folder, then each name, each
// ended by a NUL, with a second NUL after the last; the name offset then
// points just past the folder's NUL. One chosen file is its whole path.
std::string SelectionText(const std::vector<char>& names, WORD nFileOffset)
{
    std::string text = names.data();
    if (nFileOffset == 0 || nFileOffset >= names.size() || names[nFileOffset - 1] != '\0')
        return text;
    for (size_t pos = nFileOffset; pos < names.size() && names[pos]; pos += std::strlen(&names[pos]) + 1)
        text += std::string("|") + &names[pos];
    return text;
}

// The dialog takes the initial folder as written, expanded, made full and,
// for an existing folder, with "\*" added, each into a buffer of MAX_PATH
// chars; the default name made full (a trailing "\" kept) into one too. Its
// other texts it converts.
bool FitsDialog(const char* pszTitle, const char* pszFolder, const std::string& filter, const std::string& name)
{
    return FitsSystemCall(kConvertedTextLimit, {pszTitle, filter}) && FitsSystemCall(kCopiedPathLimit, {pszFolder}) &&
           FitsSystemPath(kCopiedPathLimit, pszFolder, PATH_EXPANDED | PATH_FOLDER_PATTERN) &&
           FitsSystemPath(kCopiedPathLimit, name.c_str(), PATH_MADE_FULL);
}

// Nothing chosen: the empty text with @error 1.
int NoneChosen(CMarionet_Script& engine, CScriptValue& result)
{
    engine.SetErrorCode(1);
    result.SetString("");
    return 0;
}

int FileDialog(CMarionet_Script& engine, CScriptValueList& args, CScriptValue& result, bool bSave)
{
    const std::vector<char> filter = FilterList(args[2].GetText());
    if (filter.empty())
        return engine.ReportScriptError(kInvalidFilter, -1);
    const std::string name = args.GetCount() > 4 ? args[4].GetText() : "";
    if (!FitsDialog(args[0].GetText(), args[1].GetText(), args[2].GetText(), name))
        return NoneChosen(engine, result);
    std::vector<char> names(kNameBufferSize, '\0');
    name.copy(names.data(), kNameBufferSize - 1);
    OPENFILENAMEA dialog = {};
    dialog.lStructSize = sizeof dialog;
    dialog.lpstrFilter = filter.data();
    dialog.lpstrFile = names.data();
    dialog.nMaxFile = static_cast<DWORD>(names.size());
    dialog.lpstrInitialDir = args[1].GetText();
    dialog.lpstrTitle = args[0].GetText();
    dialog.Flags = OFN_EXPLORER | OFN_HIDEREADONLY | OFN_NODEREFERENCELINKS;
    const int nOptions = args.GetCount() > 3 ? args[3].GetInteger() : 0;
    for (size_t bit = 0; bit < sizeof kOptionFlags / sizeof kOptionFlags[0]; ++bit) {
        if (nOptions & (1 << bit))
            dialog.Flags |= kOptionFlags[bit];
    }
    CFileDialogCalls& calls = FileDialogCalls();
    if (!(bSave ? calls.m_fnSave : calls.m_fnOpen)(dialog))
        return NoneChosen(engine, result);
    names.back() = '\0';
    result.SetString(SelectionText(names, dialog.nFileOffset).c_str());
    return 0;
}

int OpenDialogBuiltin(CMarionet_Script& engine, CScriptValueList& args, CScriptValue& result)
{
    return FileDialog(engine, args, result, false);
}

int SaveDialogBuiltin(CMarionet_Script& engine, CScriptValueList& args, CScriptValue& result)
{
    return FileDialog(engine, args, result, true);
}

int FileSelectFolder(CMarionet_Script& engine, CScriptValueList& args, CScriptValue& result)
{
    if (!FitsSystemCall(kConvertedTextLimit, {args[0].GetText(), args[1].GetText()}))
        return NoneChosen(engine, result);
    const int nFlags = args.GetCount() > 2 ? args[2].GetInteger() : 0;
    BROWSEINFOA info = {};
    info.lpszTitle = args[0].GetText();
    info.ulFlags = (nFlags & 1) ? BIF_NEWDIALOGSTYLE : BIF_NONEWFOLDERBUTTON;
    if (nFlags & 2)
        info.ulFlags |= BIF_NEWDIALOGSTYLE;
    if (nFlags & 4)
        info.ulFlags |= BIF_EDITBOX;
    const char* pszRoot = args[1].GetText();
    PIDLIST_ABSOLUTE root = *pszRoot ? ParseShellItem(pszRoot) : nullptr;
    info.pidlRoot = root;
    std::string path;
    bool bChosen = false;
    {
        // The new dialog style needs COM on this thread.
        CComSession session;
        bChosen = FileDialogCalls().m_fnBrowse(info, path);
    }
    if (root)
        CoTaskMemFree(root);
    if (!bChosen)
        return NoneChosen(engine, result);
    result.SetString(path.c_str());
    return 0;
}

}  // namespace

void RegisterFileDialogBuiltins(CMarionet_Script& engine)
{
    static const BuiltinBinding kBindings[] = {
        {"FILESELECTFOLDER", FileSelectFolder},
        {"FILEOPENDIALOG", OpenDialogBuiltin},
        {"FILESAVEDIALOG", SaveDialogBuiltin},
    };
    BindBuiltins(engine, kBindings);
}
