#include "engine/ScriptBuiltinNames.h"
#include "engine/ScriptLexer.h"
#include "engine/ScriptTokenTypes.h"
#include "tests/support/TextCase.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <cctype>
#include <cstring>
#include <random>
#include <string>
#include <vector>

namespace {
struct CapturingReporter : IScriptErrorReporter
{
    void ReportScriptError(const CScriptString& message, int column) override
    {
        messages.push_back(message.GetText());
        columns.push_back(column);
    }
    std::vector<std::string> messages;
    std::vector<int> columns;
};

std::string Describe(CScriptToken& token)
{
    CScriptValue& v = token.m_vValue;
    switch (token.m_nType) {
    case TOKEN_KEYWORD:
        return std::string("K:") + g_aScriptKeywords[v.GetInteger()];
    case TOKEN_BUILTIN:
        return std::string("B:") + g_aScriptBuiltins[v.GetInteger()].m_pName;
    case TOKEN_LITERAL:
        return (v.IsString() ? "S:" : "N:") + std::string(v.GetText());
    case TOKEN_VARIABLE:
        return std::string("$") + v.GetText();
    case TOKEN_MACRO:
        return std::string("@") + v.GetText();
    case TOKEN_USER_FUNCTION:
        return std::string("U:") + v.GetText();
    case TOKEN_END:
        return "END";
    default:
        break;
    }
    static const char* const operators[] = {"",  "",  "", "=", ">", "<", "<>", ">=", "<=", "(", ")",  "+", "-",
                                            "/", "*", "", "",  "",  ",", "&",  "[",  "]",  "",  "==", "^"};
    return operators[token.m_nType];
}

struct Lexed
{
    int result = 0;
    std::string tokens;
    std::vector<int> columns;
    CapturingReporter reporter;
};

Lexed Lex(const char* line, bool expand = false)
{
    Lexed lexed;
    CScriptTokenList list;
    lexed.result = TokeniseScriptLine(line, list, expand, lexed.reporter);
    for (int i = 0; i < list.GetCount(); ++i) {
        if (i > 0)
            lexed.tokens += ' ';
        lexed.tokens += Describe(list[i]);
        lexed.columns.push_back(list[i].m_nColumn);
    }
    return lexed;
}
}  // namespace

TEST(ScriptLexer, TokenTable)
{
    const TextCase cases[] = {
        {"", "END"},
        {"   \t ", "END"},
        {"$a=-5", "$a = - N:5 END"},
        {"x == 'it''s'", "U:X == S:it's END"},
        {"\"say \"\"hi\"\"\"", "S:say \"hi\" END"},
        {"'a\"b'", "S:a\"b END"},
        {"\"\"", "S: END"},
        {"1.5.2", "N:1.5 N:0.2 END"},
        {"1e3", "N:1000 END"},
        {"1E+2 1e-2", "N:100 N:0.01 END"},
        {"2e3-1", "N:2000 - N:1 END"},
        {"1-2", "N:1 - N:2 END"},
        {".", "N:0 END"},
        {"5.", "N:5 END"},
        {".e5", "N:0 U:E5 END"},
        {"a.b", "U:A N:0 U:B END"},
        {"0x1G", "N:1 U:G END"},
        {"0xff 0XFFFFFFFF", "N:255 N:-1 END"},
        {"0x", "N:0 END"},
        {"007", "N:7 END"},
        {"If $x Then ; note", "K:IF $x K:THEN END"},
        {";", "END"},
        {"a<b<=c<>d>e>=f=g==h", "U:A < U:B <= U:C <> U:D > U:E >= U:F = U:G == U:H END"},
        {"&()*+,-/[]^", "& ( ) * + , - / [ ] ^ END"},
        {"$_x1 @Error @a_b9", "$_x1 @Error @a_b9 END"},
        {"_under", "U:_UNDER END"},
        {"msgbox(0, \"t\", 1)", "B:MSGBOX ( N:0 , S:t , N:1 ) END"},
        {"MyFunc($a[1][2])", "U:MYFUNC ( $a [ N:1 ] [ N:2 ] ) END"},
        {"Dim $a[3]", "K:DIM $a [ N:3 ] END"},
        {"$a = \"x\" & 5 ^ 2", "$a = S:x & N:5 ^ N:2 END"},
        {"abs2 abs", "U:ABS2 B:ABS END"},
        {"'unicode \xe9\xff' ", "S:unicode \xe9\xff END"},
        {"$x;comment \"open", "$x END"},
        {"123456789012345678901234567890", "N:1.23456789012346e+29 END"},
    };
    for (const TextCase& c : cases) {
        Lexed lexed = Lex(c.input);
        EXPECT_EQ(0, lexed.result) << c.input;
        EXPECT_EQ(c.expected, lexed.tokens) << c.input;
        EXPECT_TRUE(lexed.reporter.messages.empty()) << c.input;
    }
}

TEST(ScriptLexer, Columns)
{
    Lexed lexed = Lex("  If $x Then ; note");
    EXPECT_EQ((std::vector<int>{2, 5, 8, 19}), lexed.columns);
    lexed = Lex("a<=\"b\"");
    EXPECT_EQ((std::vector<int>{0, 1, 3, 6}), lexed.columns);
}

TEST(ScriptLexer, Errors)
{
    struct Case
    {
        const char* line;
        const char* message;
        int column;
        const char* tokens;
    };
    const Case cases[] = {
        {"@", "Badly formated variable or macro.", 0, "END"},
        {"$a = $", "Badly formated variable or macro.", 5, "$a = END"},
        {"$a = @ b", "Badly formated variable or macro.", 5, "$a = END"},
        {"#", "Unable to parse line.", 0, "END"},
        {"$a = 1e", "Unable to parse line.", 5, "$a = END"},
        {"1e+", "Unable to parse line.", 0, "END"},
        {"1e+x", "Unable to parse line.", 0, "END"},
        {"0x123456789", "Unable to parse line.", 0, "END"},
        {"x = \xe9", "Unable to parse line.", 4, "U:X = END"},
        {"{", "Unable to parse line.", 0, "END"},
        {"!", "Unable to parse line.", 0, "END"},
        {"Send(\"abc)", "String missing closing quote.", 5, "B:SEND ( END"},
        {"'it''", "String missing closing quote.", 0, "END"},
    };
    for (const Case& c : cases) {
        Lexed lexed = Lex(c.line);
        EXPECT_EQ(1, lexed.result) << c.line;
        ASSERT_EQ(1u, lexed.reporter.messages.size()) << c.line;
        EXPECT_EQ(c.message, lexed.reporter.messages[0]) << c.line;
        EXPECT_EQ(c.column, lexed.reporter.columns[0]) << c.line;
        EXPECT_EQ(c.tokens, lexed.tokens) << c.line;
        EXPECT_EQ(static_cast<int>(std::strlen(c.line)), lexed.columns.back()) << c.line;
    }
}

TEST(ScriptLexer, EveryKeywordInAnyCase)
{
    for (int i = 0; i < KEYWORD_COUNT; ++i) {
        std::string word = g_aScriptKeywords[i];
        for (std::size_t k = 0; k < word.size(); k += 2)
            word[k] = static_cast<char>(std::tolower(static_cast<unsigned char>(word[k])));
        CScriptTokenList list;
        CapturingReporter reporter;
        ASSERT_EQ(0, TokeniseScriptLine(word.c_str(), list, false, reporter));
        ASSERT_EQ(2, list.GetCount());
        EXPECT_EQ(TOKEN_KEYWORD, list[0].m_nType) << word;
        EXPECT_EQ(i, list[0].m_vValue.GetInteger()) << word;
    }
}

TEST(ScriptLexer, EveryBuiltinByIndex)
{
    for (int i = 0; i < kScriptBuiltinCount; ++i) {
        std::string word = g_aScriptBuiltins[i].m_pName;
        for (char& c : word)
            c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        word += "(";
        CScriptTokenList list;
        CapturingReporter reporter;
        ASSERT_EQ(0, TokeniseScriptLine(word.c_str(), list, false, reporter));
        EXPECT_EQ(TOKEN_BUILTIN, list[0].m_nType) << word;
        EXPECT_EQ(i, list[0].m_vValue.GetInteger()) << word;
    }
}

TEST(ScriptLexer, UserFunctionNameIsUpperCasedVariableKeepsSpelling)
{
    Lexed lexed = Lex("myFunc($MyVar, @MyMacro)");
    EXPECT_EQ("U:MYFUNC ( $MyVar , @MyMacro ) END", lexed.tokens);
}

TEST(ScriptLexer, LinesOfHundredThousandChars)
{
    const std::string text(100000, 'x');
    Lexed lexed = Lex(("Send(\"" + text + "\")").c_str());
    EXPECT_EQ(0, lexed.result);
    EXPECT_EQ("B:SEND ( S:" + text + " ) END", lexed.tokens);

    lexed = Lex(("$" + text + " = 1").c_str());
    EXPECT_EQ("$" + text + " = N:1 END", lexed.tokens);

    const std::string quotes(100000, '\'');
    lexed = Lex(("'" + quotes + "'").c_str());
    EXPECT_EQ("S:" + std::string(50000, '\'') + " END", lexed.tokens);

    const std::string digits(100000, '1');
    lexed = Lex(digits.c_str());
    EXPECT_EQ(0, lexed.result);
    EXPECT_EQ("N:inf END", lexed.tokens);

    std::string many;
    for (int i = 0; i < 20000; ++i)
        many += "$a+";
    many += "1";
    CScriptTokenList list;
    CapturingReporter reporter;
    EXPECT_EQ(0, TokeniseScriptLine(many.c_str(), list, false, reporter));
    EXPECT_EQ(40002, list.GetCount());
    EXPECT_EQ(static_cast<int>(many.size()), list[40001].m_nColumn);
}

TEST(ScriptLexer, EnvironmentExpansion)
{
    ASSERT_TRUE(SetEnvironmentVariableA("TAPFORGE_LEX", "value"));
    const std::string longValue(10000, 'v');
    ASSERT_TRUE(SetEnvironmentVariableA("TAPFORGE_LONG", longValue.c_str()));
    char temp[MAX_PATH];
    const DWORD length = GetEnvironmentVariableA("TEMP", temp, sizeof temp);
    ASSERT_GT(length, 0u);

    EXPECT_EQ("S:" + std::string(temp) + "\\x END", Lex("'%TEMP%\\x'", true).tokens);
    EXPECT_EQ("S:100% END", Lex("'100%%'", true).tokens);
    EXPECT_EQ("S:100%% END", Lex("'100%%'", false).tokens);
    EXPECT_EQ("S:[value] END", Lex("\"[%tapforge_lex%]\"", true).tokens);
    EXPECT_EQ("S:[] END", Lex("\"[%TAPFORGE_UNDEFINED%]\"", true).tokens);
    EXPECT_EQ("S:avalue END", Lex("\"a%TAPFORGE_LEX\"", true).tokens);
    EXPECT_EQ("S:a END", Lex("\"a%\"", true).tokens);
    EXPECT_EQ("S:" + longValue + longValue + " END", Lex("'%TAPFORGE_LONG%%TAPFORGE_LONG%'", true).tokens);
    // Only string literals expand.
    EXPECT_EQ("$a = N:5 END", Lex("$a = 5", true).tokens);

    CScriptString text("%%%TAPFORGE_LEX%%%");
    ExpandScriptEnvStrings(text);
    EXPECT_STREQ("%value%", text.GetText());
}

// A process cannot set a value longer than the system's calls take, but it
// can inherit one: the test runs again in a child whose environment holds
// values at, and beyond, the longest the system keeps. The expansion ends,
// and reads a longer value as missing.
TEST(ScriptLexer, InheritedValuesBeyondTheSystemsLongestReadAsMissing)
{
    const std::pair<const wchar_t*, size_t> values[] = {
        {L"TAPFORGE_LONGEST", 32767}, {L"TAPFORGE_LONGER", 32768}, {L"TAPFORGE_HUGE", 40000}};
    if (GetEnvironmentVariableW(L"TAPFORGE_CHILD", nullptr, 0) != 0) {
        EXPECT_EQ("S:[" + std::string(32767, 'v') + "] END", Lex("'[%TAPFORGE_LONGEST%]'", true).tokens);
        EXPECT_EQ("S:[] END", Lex("'[%TAPFORGE_LONGER%]'", true).tokens);
        EXPECT_EQ("S:[] END", Lex("'[%TAPFORGE_HUGE%]'", true).tokens);
        return;
    }
    std::wstring block;
    wchar_t* pCurrent = GetEnvironmentStringsW();
    for (const wchar_t* entry = pCurrent; *entry; entry += std::wcslen(entry) + 1)
        block.append(entry, std::wcslen(entry) + 1);
    FreeEnvironmentStringsW(pCurrent);
    block.append(L"TAPFORGE_CHILD=1", 17);
    for (const auto& value : values)
        block += std::wstring(value.first) + L"=" + std::wstring(value.second, L'v') + L'\0';
    block += L'\0';

    wchar_t exe[MAX_PATH] = L"";
    GetModuleFileNameW(nullptr, exe, MAX_PATH);
    std::wstring commandLine = std::wstring(L"\"") + exe +
                               L"\" --gtest_filter=ScriptLexer.InheritedValuesBeyondTheSystemsLongestReadAsMissing";
    STARTUPINFOW startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION child = {};
    ASSERT_TRUE(CreateProcessW(exe, &commandLine[0], nullptr, nullptr, FALSE, CREATE_UNICODE_ENVIRONMENT, &block[0],
                               nullptr, &startup, &child));
    const DWORD waited = WaitForSingleObject(child.hProcess, 60000);
    if (waited != WAIT_OBJECT_0)
        TerminateProcess(child.hProcess, 1);
    DWORD exitCode = 1;
    GetExitCodeProcess(child.hProcess, &exitCode);
    CloseHandle(child.hThread);
    CloseHandle(child.hProcess);
    EXPECT_EQ(WAIT_OBJECT_0, waited);
    EXPECT_EQ(0u, exitCode);
}

TEST(ScriptLexer, FuzzNeverCrashesOrHangs)
{
    std::mt19937 random(20240611);
    const char alphabet[] = "abcxyzE0123456789.$@_\"'; \t=<>()*+-/,&[]^%#{}!\\\x80\xe9\xff";
    const int alphabetSize = static_cast<int>(sizeof alphabet - 1);
    std::uniform_int_distribution<int> pick(0, alphabetSize - 1);
    std::uniform_int_distribution<int> anyByte(1, 255);
    std::uniform_int_distribution<int> lengths(0, 120);
    CScriptTokenList list;
    CapturingReporter reporter;
    std::string line;
    for (int n = 0; n < 300000; ++n) {
        const int length = lengths(random);
        line.clear();
        for (int i = 0; i < length; ++i)
            line += static_cast<char>(n % 8 == 0 ? anyByte(random) : alphabet[pick(random)]);
        reporter.messages.clear();
        const int result = TokeniseScriptLine(line.c_str(), list, n % 2 == 0, reporter);
        ASSERT_EQ(result == 1, reporter.messages.size() == 1) << line;
        ASSERT_LE(reporter.messages.size(), 1u) << line;
        ASSERT_GT(list.GetCount(), 0) << line;
        ASSERT_EQ(TOKEN_END, list[list.GetCount() - 1].m_nType) << line;
        for (int i = 0; i + 1 < list.GetCount(); ++i) {
            ASSERT_NE(TOKEN_END, list[i].m_nType) << line;
            ASSERT_GE(list[i].m_nColumn, 0) << line;
            ASSERT_LT(list[i].m_nColumn, length) << line;
        }
    }
}
