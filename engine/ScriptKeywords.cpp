#include "engine/ScriptTokenTypes.h"

const char* const g_aScriptKeywords[KEYWORD_COUNT] = {
    "AND",   "OR",    "NOT",    "IF",   "THEN",    "ELSE",     "ELSEIF",       "ENDIF",  "WHILE", "WEND",      "DO",
    "UNTIL", "FOR",   "NEXT",   "TO",   "STEP",    "EXITLOOP", "CONTINUELOOP", "SELECT", "CASE",  "ENDSELECT", "DIM",
    "REDIM", "LOCAL", "GLOBAL", "FUNC", "ENDFUNC", "RETURN",   "EXIT",         "TAG",    "GOTO",  "BYREF",
};
