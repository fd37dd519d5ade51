#pragma once

// Token types of the lexer: the type field of CScriptToken.
enum ScriptTokenType
{
    TOKEN_KEYWORD = 0,         // value: keyword number (ScriptKeyword)
    TOKEN_BUILTIN = 1,         // value: index in the built-in table
    TOKEN_LITERAL = 2,         // value: the number or the string
    TOKEN_EQUAL = 3,           // =
    TOKEN_GREATER = 4,         // >
    TOKEN_LESS = 5,            // <
    TOKEN_NOT_EQUAL = 6,       // <>
    TOKEN_GREATER_EQUAL = 7,   // >=
    TOKEN_LESS_EQUAL = 8,      // <=
    TOKEN_LEFT_PAREN = 9,      // (
    TOKEN_RIGHT_PAREN = 10,    // )
    TOKEN_PLUS = 11,           // +
    TOKEN_MINUS = 12,          // -
    TOKEN_DIVIDE = 13,         // /
    TOKEN_MULTIPLY = 14,       // *
    TOKEN_VARIABLE = 15,       // value: the name as written, without "$"
    TOKEN_END = 16,            // end of line, also a ";" comment
    TOKEN_USER_FUNCTION = 17,  // value: the name in upper case
    TOKEN_COMMA = 18,          // ,
    TOKEN_CONCAT = 19,         // &
    TOKEN_LEFT_BRACKET = 20,   // [
    TOKEN_RIGHT_BRACKET = 21,  // ]
    TOKEN_MACRO = 22,          // value: the name as written, without "@"
    TOKEN_STRING_EQUAL = 23,   // ==
    TOKEN_POWER = 24           // ^
};

// Keyword numbers: the value of a TOKEN_KEYWORD token.
enum ScriptKeyword
{
    KEYWORD_AND = 0,
    KEYWORD_OR,
    KEYWORD_NOT,
    KEYWORD_IF,
    KEYWORD_THEN,
    KEYWORD_ELSE,
    KEYWORD_ELSEIF,
    KEYWORD_ENDIF,
    KEYWORD_WHILE,
    KEYWORD_WEND,
    KEYWORD_DO,
    KEYWORD_UNTIL,
    KEYWORD_FOR,
    KEYWORD_NEXT,
    KEYWORD_TO,
    KEYWORD_STEP,
    KEYWORD_EXITLOOP,
    KEYWORD_CONTINUELOOP,
    KEYWORD_SELECT,
    KEYWORD_CASE,
    KEYWORD_ENDSELECT,
    KEYWORD_DIM,
    KEYWORD_REDIM,
    KEYWORD_LOCAL,
    KEYWORD_GLOBAL,
    KEYWORD_FUNC,
    KEYWORD_ENDFUNC,
    KEYWORD_RETURN,
    KEYWORD_EXIT,
    KEYWORD_TAG,
    KEYWORD_GOTO,
    KEYWORD_BYREF,
    KEYWORD_COUNT
};

// Upper-case keyword names in keyword-number order.
extern const char* const g_aScriptKeywords[KEYWORD_COUNT];
