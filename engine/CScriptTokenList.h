#pragma once

#include "engine/CScriptToken.h"

#include <vector>

// The tokens of one line. Reading past the end (or before the start) gives an
// end-of-line token, fresh on every such read, placed at the last token's
// column, so parsers need no bounds checks.
class CScriptTokenList
{
public:
    void Append(const CScriptToken& token);
    // Appends a token of the given type and column with the value 0; the
    // caller sets the value in place.
    CScriptToken& AppendNew(int type, int column);
    CScriptToken& operator[](int index) { return GetAt(index); }
    CScriptToken& GetAt(int index);
    int GetCount() const { return static_cast<int>(m_aTokens.size()); }
    void Clear() { m_aTokens.clear(); }
    void FreeAll();

private:
    std::vector<CScriptToken> m_aTokens;
    CScriptToken m_Spare;
};
