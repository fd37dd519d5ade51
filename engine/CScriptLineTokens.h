// The tokens of the script's lines, kept from a line's first tokenising on so
// that loops and calls run their lines without tokenising them again, and the
// closing line that a scan found for a block's opening line. Everything kept
// belongs to one generation of the line store and is dropped when the store
// changes.
#pragma once

#include "engine/CScriptTokenList.h"

#include <vector>

class CScriptLineTokens
{
public:
    // Starts afresh when the store's generation or line count differs from
    // the kept one. The dropped lists are not freed yet: a statement that was
    // running when the store changed may still be reading one of them.
    void Sync(unsigned uGeneration, int nLineCount);
    // The kept tokens of line nLine (1-based); null when none are kept.
    CScriptTokenList* Find(int nLine);
    // Takes the tokens over from the list, which is left empty, and keeps
    // them for the line. Outside the lines nothing is kept and the list
    // itself is given back.
    CScriptTokenList* Keep(int nLine, CScriptTokenList& tokens);
    // The closing line found for the block that nLine opens with the keyword
    // nOpen; false when none is kept.
    bool FindPartner(int nLine, int nOpen, int& nPartner);
    void KeepPartner(int nLine, int nOpen, int nPartner);
    // Frees what earlier generations left; only while no statement runs.
    void FreeDropped() { m_aDropped.clear(); }

private:
    struct Line
    {
        bool bKept = false;
        CScriptTokenList tokens;
        int nPartnerOpen = -1;
        int nPartner = 0;
    };

    Line* LineAt(int nLine);

    unsigned m_uGeneration = 0;
    std::vector<Line> m_aLines;
    std::vector<std::vector<Line>> m_aDropped;
};
