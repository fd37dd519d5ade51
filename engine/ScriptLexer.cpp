#include "engine/ScriptLexer.h"

#include "engine/ScriptBuiltinNames.h"
#include "engine/ScriptNumber.h"
#include "engine/ScriptText.h"
#include "engine/ScriptTokenTypes.h"
#include "engine/system/SystemEnvironment.h"

#include <cstring>
#include <string>

const char* const g_aScriptKeywords[KEYWORD_COUNT] = {
    "AND",   "OR",    "NOT",    "IF",   "THEN",    "ELSE",     "ELSEIF",       "ENDIF",  "WHILE", "WEND",      "DO",
    "UNTIL", "FOR",   "NEXT",   "TO",   "STEP",    "EXITLOOP", "CONTINUELOOP", "SELECT", "CASE",  "ENDSELECT", "DIM",
    "REDIM", "LOCAL", "GLOBAL", "FUNC", "ENDFUNC", "RETURN",   "EXIT",         "TAG",    "GOTO",  "BYREF",
};

namespace {
const char kUnableToParse[] = "Unable to parse line.";
const char kMissingQuote[] = "String missing closing quote.";
const char kBadVariable[] = "Badly formated variable or macro.";

bool IsNameChar(unsigned char c)
{
    return ScriptIsLetter(c) || ScriptIsDigit(c) || c == '_';
}

bool IsHexDigit(unsigned char c)
{
    return ScriptIsDigit(c) || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F');
}

int FindKeyword(const char* upper, int length)
{
    for (int i = 0; i < KEYWORD_COUNT; ++i) {
        const char* keyword = g_aScriptKeywords[i];
        if (std::strncmp(keyword, upper, static_cast<std::size_t>(length)) == 0 && keyword[length] == '\0')
            return i;
    }
    return -1;
}

class CLineLexer
{
public:
    CLineLexer(const char* line, CScriptTokenList& tokens, bool expand, IScriptErrorReporter& reporter)
        : m_pLine(line), m_nLength(static_cast<int>(std::strlen(line))), m_Tokens(tokens), m_bExpand(expand),
          m_Reporter(reporter)
    {
    }

    int Run();

private:
    unsigned char At(int index) const { return static_cast<unsigned char>(m_pLine[index]); }
    int Fail(const char* message, int column);
    // Chars of the number at the position, 0 when it is not a valid number.
    int ReadNumber(int start);
    int ReadHex(int start);
    int ReadDecimal(int start);
    int ReadString(int start);
    int ReadName(int start, int type);
    int ReadWord(int start);
    int ReadOperator(int start);
    void AddEnd() { m_Tokens.AppendNew(TOKEN_END, m_nLength); }

    const char* m_pLine;
    int m_nLength;
    CScriptTokenList& m_Tokens;
    bool m_bExpand;
    IScriptErrorReporter& m_Reporter;
};

int CLineLexer::Fail(const char* message, int column)
{
    m_Reporter.ReportScriptError(CScriptString(message), column);
    AddEnd();
    return 1;
}

int CLineLexer::Run()
{
    int i = 0;
    for (;;) {
        while (m_pLine[i] == ' ' || m_pLine[i] == '\t')
            ++i;
        const unsigned char c = At(i);
        if (c == '\0') {
            AddEnd();
            return 0;
        }
        int taken = 0;
        if (ScriptIsDigit(c) || c == '.')
            taken = ReadNumber(i);
        else if (ScriptIsLetter(c) || c == '_')
            taken = ReadWord(i);
        else if (c == '"' || c == '\'') {
            taken = ReadString(i);
            if (taken == 0)
                return Fail(kMissingQuote, i);
        } else if (c == '$' || c == '@') {
            taken = ReadName(i, c == '$' ? TOKEN_VARIABLE : TOKEN_MACRO);
            if (taken == 0)
                return Fail(kBadVariable, i);
        } else if (c == ';') {
            AddEnd();
            return 0;
        } else
            taken = ReadOperator(i);
        if (taken == 0)
            return Fail(kUnableToParse, i);
        i += taken;
    }
}

int CLineLexer::ReadNumber(int start)
{
    if (m_pLine[start] == '0' && (m_pLine[start + 1] == 'x' || m_pLine[start + 1] == 'X'))
        return ReadHex(start);
    return ReadDecimal(start);
}

int CLineLexer::ReadHex(int start)
{
    const int digits = start + 2;
    int end = digits;
    while (IsHexDigit(At(end)))
        ++end;
    int value = 0;
    if (!ScriptReadHex(m_pLine + digits, end - digits, value))
        return 0;
    m_Tokens.AppendNew(TOKEN_LITERAL, start).m_vValue.SetInteger(value);
    return end - start;
}

int CLineLexer::ReadDecimal(int start)
{
    // A sign belongs to the number only right after its "e" or "E", so
    // "2e3-1" is 2000 minus 1.
    int end = start;
    bool point = false;
    bool exponent = false;
    bool mantissaDigit = false;
    bool expectDigit = false;
    for (;;) {
        const unsigned char c = At(end);
        if (ScriptIsDigit(c)) {
            mantissaDigit = mantissaDigit || !exponent;
            expectDigit = false;
            ++end;
        } else if (c == '.' && !point && !exponent) {
            point = true;
            ++end;
        } else if ((c == 'e' || c == 'E') && !exponent && mantissaDigit) {
            exponent = true;
            expectDigit = true;
            ++end;
            if (m_pLine[end] == '+' || m_pLine[end] == '-')
                ++end;
        } else
            break;
    }
    if (expectDigit)
        return 0;
    m_Tokens.AppendNew(TOKEN_LITERAL, start).m_vValue.SetDouble(ScriptConvertDecimal(m_pLine + start, end - start));
    return end - start;
}

int CLineLexer::ReadString(int start)
{
    const char quote = m_pLine[start];
    CScriptString text;
    int from = start + 1;
    for (;;) {
        const char* close =
            static_cast<const char*>(std::memchr(m_pLine + from, quote, static_cast<std::size_t>(m_nLength - from)));
        if (close == nullptr)
            return 0;
        const int at = static_cast<int>(close - m_pLine);
        text.Append(m_pLine + from, at - from);
        if (m_pLine[at + 1] != quote) {
            from = at + 1;
            break;
        }
        text += quote;
        from = at + 2;
    }
    if (m_bExpand)
        ExpandScriptEnvStrings(text);
    m_Tokens.AppendNew(TOKEN_LITERAL, start).m_vValue.SetString(text);
    return from - start;
}

int CLineLexer::ReadName(int start, int type)
{
    int end = start + 1;
    while (IsNameChar(At(end)))
        ++end;
    if (end == start + 1)
        return 0;
    m_Tokens.AppendNew(type, start).m_vValue.SetString(m_pLine + start + 1, end - start - 1);
    return end - start;
}

int CLineLexer::ReadWord(int start)
{
    int end = start;
    while (IsNameChar(At(end)))
        ++end;
    const int length = end - start;
    // Words hold only ASCII letters, digits and "_", so ASCII upper-casing is
    // the code page's upper-casing.
    CScriptString upper(m_pLine + start, length);
    char* text = upper.GetBuffer();
    for (int i = 0; i < length; ++i) {
        if (text[i] >= 'a' && text[i] <= 'z')
            text[i] = static_cast<char>(text[i] - ('a' - 'A'));
    }
    const int keyword = FindKeyword(text, length);
    if (keyword >= 0) {
        m_Tokens.AppendNew(TOKEN_KEYWORD, start).m_vValue.SetInteger(keyword);
        return length;
    }
    const int builtin = FindScriptBuiltin(text, length);
    if (builtin >= 0) {
        m_Tokens.AppendNew(TOKEN_BUILTIN, start).m_vValue.SetInteger(builtin);
        return length;
    }
    m_Tokens.AppendNew(TOKEN_USER_FUNCTION, start).m_vValue.SetString(upper);
    return length;
}

int CLineLexer::ReadOperator(int start)
{
    const char c = m_pLine[start];
    const char next = m_pLine[start + 1];
    int type;
    int length = 1;
    switch (c) {
    case '<':
        type = next == '=' ? TOKEN_LESS_EQUAL : next == '>' ? TOKEN_NOT_EQUAL : TOKEN_LESS;
        length = type == TOKEN_LESS ? 1 : 2;
        break;
    case '=':
        type = next == '=' ? TOKEN_STRING_EQUAL : TOKEN_EQUAL;
        length = type == TOKEN_EQUAL ? 1 : 2;
        break;
    case '>':
        type = next == '=' ? TOKEN_GREATER_EQUAL : TOKEN_GREATER;
        length = type == TOKEN_GREATER ? 1 : 2;
        break;
    case '&':
        type = TOKEN_CONCAT;
        break;
    case '(':
        type = TOKEN_LEFT_PAREN;
        break;
    case ')':
        type = TOKEN_RIGHT_PAREN;
        break;
    case '*':
        type = TOKEN_MULTIPLY;
        break;
    case '+':
        type = TOKEN_PLUS;
        break;
    case ',':
        type = TOKEN_COMMA;
        break;
    case '-':
        type = TOKEN_MINUS;
        break;
    case '/':
        type = TOKEN_DIVIDE;
        break;
    case '[':
        type = TOKEN_LEFT_BRACKET;
        break;
    case ']':
        type = TOKEN_RIGHT_BRACKET;
        break;
    case '^':
        type = TOKEN_POWER;
        break;
    default:
        return 0;
    }
    m_Tokens.AppendNew(type, start);
    return length;
}

// The value of an environment variable; empty when it is not defined or is
// longer than the system keeps.
void AppendEnvironmentValue(CScriptString& out, const CScriptString& name)
{
    const std::string value = ReadEnvironmentVariable(name.GetText());
    out.Append(value.data(), static_cast<int>(value.size()));
}
}  // namespace

int TokeniseScriptLine(const char* line, CScriptTokenList& tokens, bool expandEnvStrings,
                       IScriptErrorReporter& reporter)
{
    tokens.Clear();
    return CLineLexer(line, tokens, expandEnvStrings, reporter).Run();
}

void ExpandScriptEnvStrings(CScriptString& text)
{
    const char* in = text.GetText();
    if (std::strchr(in, '%') == nullptr)
        return;
    const int length = text.GetLength();
    CScriptString out;
    int i = 0;
    while (i < length) {
        const char* percent = static_cast<const char*>(std::memchr(in + i, '%', static_cast<std::size_t>(length - i)));
        const int at = percent ? static_cast<int>(percent - in) : length;
        out.Append(in + i, at - i);
        if (at == length)
            break;
        if (in[at + 1] == '%') {
            out += '%';
            i = at + 2;
            continue;
        }
        const char* close =
            static_cast<const char*>(std::memchr(in + at + 1, '%', static_cast<std::size_t>(length - at - 1)));
        const int nameEnd = close ? static_cast<int>(close - in) : length;
        AppendEnvironmentValue(out, CScriptString(in + at + 1, nameEnd - at - 1));
        i = close ? nameEnd + 1 : length;
    }
    text.Swap(out);
}
