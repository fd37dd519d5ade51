#include "engine/ScriptBuiltinNames.h"
#include "engine/ScriptTokenTypes.h"

#include <gtest/gtest.h>

#include <cstring>
#include <set>
#include <string>

TEST(ScriptNameTables, BuiltinTableOrderAndCounts)
{
    EXPECT_STREQ("ABS", g_aScriptBuiltins[0].m_pName);
    EXPECT_STREQ("DARIRESETOPTION", g_aScriptBuiltins[7].m_pName);
    EXPECT_STREQ("KEYSEND", g_aScriptBuiltins[33].m_pName);
    EXPECT_STREQ("DELAY", g_aScriptBuiltins[146].m_pName);
    EXPECT_STREQ("WINWAITNOTACTIVE", g_aScriptBuiltins[kScriptBuiltinCount - 1].m_pName);

    const int bitand_ = FindScriptBuiltin("BITAND", 6);
    ASSERT_EQ(10, bitand_);
    EXPECT_EQ(2, g_aScriptBuiltins[bitand_].m_nMinArgs);
    EXPECT_EQ(kScriptManyArgs, g_aScriptBuiltins[bitand_].m_nMaxArgs);
    const int format = FindScriptBuiltin("STRINGFORMAT", 12);
    EXPECT_EQ(1, g_aScriptBuiltins[format].m_nMinArgs);
    EXPECT_EQ(33, g_aScriptBuiltins[format].m_nMaxArgs);
    EXPECT_EQ(10, g_aScriptBuiltins[FindScriptBuiltin("SPLASHTEXTON", 12)].m_nMaxArgs);

    std::set<std::string> names;
    for (int i = 0; i < kScriptBuiltinCount; ++i) {
        const ScriptBuiltinName& entry = g_aScriptBuiltins[i];
        EXPECT_TRUE(names.insert(entry.m_pName).second) << entry.m_pName;
        EXPECT_LE(entry.m_nMinArgs, entry.m_nMaxArgs) << entry.m_pName;
        EXPECT_EQ(i, FindScriptBuiltin(entry.m_pName, static_cast<int>(std::strlen(entry.m_pName))));
        for (const char* c = entry.m_pName; *c; ++c)
            EXPECT_TRUE((*c >= 'A' && *c <= 'Z')) << entry.m_pName;
    }
    EXPECT_EQ(-1, FindScriptBuiltin("abs", 3));
    EXPECT_EQ(-1, FindScriptBuiltin("ABSX", 4));
    EXPECT_EQ(-1, FindScriptBuiltin("AB", 2));
}

TEST(ScriptNameTables, KeywordTable)
{
    EXPECT_STREQ("AND", g_aScriptKeywords[KEYWORD_AND]);
    EXPECT_STREQ("EXITLOOP", g_aScriptKeywords[KEYWORD_EXITLOOP]);
    EXPECT_STREQ("BYREF", g_aScriptKeywords[KEYWORD_BYREF]);
}
