// The engine's walk over the script's lines for the statements that look
// ahead (block ends, Else and Case lines, functions); see ScanLines.
#pragma once

#include "engine/CMarionet_Script.h"

template <class Visitor>
int CMarionet_Script::ScanLines(int nFromLine, Visitor&& visit)
{
    CScriptTokenList scratch;
    for (int nLine = nFromLine;; ++nLine) {
        const char* pszText = LineText(nLine);
        if (!pszText)
            return 0;
        m_nCurrentLine = nLine;
        CScriptTokenList* pTokens = LineTokens(nLine, pszText, scratch);
        if (!pTokens)
            return 1;
        const EScanStep step = visit(*pTokens, nLine);
        if (step != SCAN_NEXT)
            return step == SCAN_ERROR ? 1 : 0;
    }
}
