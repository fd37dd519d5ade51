#pragma once

#include "engine/CScriptToken.h"

// Whether the token is the keyword with that number.
inline bool IsKeywordToken(const CScriptToken& token, int nKeyword)
{
    return token.m_nType == TOKEN_KEYWORD && token.m_vValue.GetInteger() == nKeyword;
}
