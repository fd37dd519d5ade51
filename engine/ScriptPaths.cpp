#include "engine/ScriptPaths.h"

#include "engine/system/FileDialogCalls.h"

bool AskForScriptFile(CString& strPath)
{
    char buffer[MAX_PATH] = "";
    OPENFILENAMEA dialog = {};
    dialog.lStructSize = sizeof dialog;
    dialog.lpstrFilter = "Marionet files (*.txt)\0*.txt\0";
    dialog.lpstrFile = buffer;
    dialog.nMaxFile = sizeof buffer;
    dialog.lpstrTitle = "Run Script:";
    dialog.lpstrDefExt = "txt";
    dialog.Flags = OFN_HIDEREADONLY | OFN_PATHMUSTEXIST | OFN_FILEMUSTEXIST;
    if (!FileDialogCalls().m_fnOpen(dialog))
        return false;
    strPath = buffer;
    return true;
}
