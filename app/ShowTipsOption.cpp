#include "app/ShowTipsOption.h"

#include "framework/CFile.h"
#include "framework/CStdioFile.h"

namespace {

const char kShowTipKey[] = "showtip=";
const int kShowTipKeyLength = 8;

}  // namespace

int ReadShowTipsOption(const CString& path, int current)
{
    CStdioFile file;
    if (!file.Open(path, CFile::modeRead))
        return current;
    CString line;
    while (file.ReadString(line)) {
        if (line.Left(kShowTipKeyLength) == kShowTipKey)
            current = line.Mid(kShowTipKeyLength) == "0" ? 0 : 1;
    }
    return current;
}

void WriteShowTipsOption(const CString& path, int showTips)
{
    CStdioFile file;
    if (!file.Open(path, CFile::modeWrite | CFile::modeCreate))
        return;
    file.WriteString(FormatString("%s%d\n", kShowTipKey, showTips));
}
