#include "engine/CScriptTokenList.h"
#include "engine/CScriptValueList.h"
#include "engine/CScriptVarTable.h"
#include "engine/CUserFuncList.h"
#include "engine/ScriptStacks.h"

#include <gtest/gtest.h>

#include <string>

namespace {
CScriptValue Number(double value)
{
    CScriptValue v;
    v.SetDouble(value);
    return v;
}

CScriptValue* Lookup(CScriptVarTable& table, const char* name, int scope)
{
    CScriptValue* value = reinterpret_cast<CScriptValue*>(1);
    const bool found = table.GetRef(name, value, scope);
    EXPECT_EQ(found, value != nullptr);
    return value;
}
}  // namespace

TEST(ScriptContainers, TokenListSpareIsEndOfLine)
{
    CScriptTokenList tokens;
    EXPECT_EQ(TOKEN_END, tokens[0].m_nType);
    tokens.AppendNew(TOKEN_VARIABLE, 0).m_vValue.SetString("a");
    tokens.AppendNew(TOKEN_EQUAL, 2);
    tokens.AppendNew(TOKEN_LITERAL, 3).m_vValue.SetInteger(5);
    ASSERT_EQ(3, tokens.GetCount());
    EXPECT_EQ(TOKEN_END, tokens[5].m_nType);
    EXPECT_EQ(3, tokens[5].m_nColumn);
    EXPECT_EQ(TOKEN_END, tokens[-1].m_nType);
    EXPECT_EQ(TOKEN_END, tokens[-2147483647 - 1].m_nType);

    // What a caller writes into the spare does not survive the next read.
    CScriptToken& spare = tokens[7];
    spare.m_nType = TOKEN_PLUS;
    spare.m_vValue.SetString("junk");
    EXPECT_EQ(TOKEN_END, tokens[8].m_nType);
    EXPECT_EQ(0.0, tokens[8].m_vValue.GetNumber());
    EXPECT_TRUE(tokens[8].m_vValue.IsNumber());

    tokens.Clear();
    EXPECT_EQ(0, tokens.GetCount());
    EXPECT_EQ(TOKEN_END, tokens[0].m_nType);
}

TEST(ScriptContainers, ValueListSpareIsNumberZero)
{
    CScriptValueList values;
    values.Append(Number(1));
    values.AppendNew().SetString("two");
    CScriptValue& first = values[0];
    for (int i = 0; i < 100; ++i)
        values.Append(Number(i));
    EXPECT_EQ(1.0, first.GetNumber());
    EXPECT_STREQ("two", values[1].GetText());
    values[500].SetString("junk");
    EXPECT_TRUE(values[501].IsNumber());
    EXPECT_EQ(0.0, values[-1].GetNumber());
    EXPECT_EQ(0.0, values[102].GetNumber());
}

TEST(ScriptContainers, StacksGiveFreshSpares)
{
    CScriptIntStack ints;
    EXPECT_EQ(0, ints.Top());
    ints.Top() = 9;
    EXPECT_EQ(0, ints.Top());
    ints.Push(4);
    ints.Push(5);
    EXPECT_EQ(5, ints.Top());
    EXPECT_EQ(4, ints.FromTop(1));
    ints.Pop();
    ints.Pop();
    ints.Pop();
    EXPECT_TRUE(ints.IsEmpty());

    CScriptValueStack values;
    values.Top().SetString("junk");
    EXPECT_TRUE(values.Top().IsNumber());
    values.Push(Number(3));
    EXPECT_EQ(3.0, values.Top().GetNumber());

    CScriptBlockStack blocks;
    CScriptBlock block;
    block.m_nKind = 3;
    block.m_strName = "I";
    block.m_vEnd.SetInteger(10);
    block.m_aSaved[6] = 77;
    blocks.Push(block);
    block.m_vEnd.SetInteger(1);
    blocks.Push(block);
    blocks.Push(block);
    EXPECT_EQ(3, blocks.GetCount());
    blocks.PopTo(1);
    EXPECT_EQ(1, blocks.GetCount());
    EXPECT_EQ(10, blocks.Top().m_vEnd.GetInteger());
    EXPECT_EQ(77, blocks.Top().m_aSaved[6]);
    EXPECT_STREQ("I", blocks.Top().m_strName);
    blocks.Pop();
    blocks.Top().m_strName = "junk";
    blocks.Top().m_nKind = 5;
    EXPECT_TRUE(blocks.Top().m_strName.IsEmpty());
    EXPECT_EQ(0, blocks.Top().m_nKind);
    EXPECT_EQ(0.0, blocks.FromTop(3).m_vStep.GetNumber());
}

TEST(ScriptContainers, VariableScopes)
{
    CScriptVarTable table;
    EXPECT_TRUE(table.Assign("x", Number(1), CScriptVarTable::SCOPE_AUTO));
    EXPECT_EQ(1, table.DeclaredWhere("X"));
    EXPECT_EQ(0, table.DeclaredWhere("y"));
    EXPECT_FALSE(table.Assign("y", Number(1), 3));
    EXPECT_FALSE(table.Assign("y", Number(1), -1));
    EXPECT_EQ(nullptr, Lookup(table, "y", CScriptVarTable::SCOPE_AUTO));
    EXPECT_EQ(nullptr, Lookup(table, "x", 7));

    table.PushFrame();
    ASSERT_NE(nullptr, Lookup(table, "x", CScriptVarTable::SCOPE_AUTO));
    // Scope 1 inside a frame looks only there.
    EXPECT_EQ(nullptr, Lookup(table, "x", CScriptVarTable::SCOPE_LOCAL));
    EXPECT_NE(nullptr, Lookup(table, "x", CScriptVarTable::SCOPE_GLOBAL));
    // Automatic assignment inside a function makes a local.
    table.Assign("X", Number(2), CScriptVarTable::SCOPE_AUTO);
    EXPECT_EQ(-1, table.DeclaredWhere("x"));
    EXPECT_EQ(2.0, Lookup(table, "x", CScriptVarTable::SCOPE_AUTO)->GetNumber());
    EXPECT_EQ(1.0, Lookup(table, "x", CScriptVarTable::SCOPE_GLOBAL)->GetNumber());
    table.Assign("g", Number(3), CScriptVarTable::SCOPE_GLOBAL);
    table.PopFrame();
    EXPECT_EQ(1.0, Lookup(table, "X", CScriptVarTable::SCOPE_LOCAL)->GetNumber());
    EXPECT_EQ(3.0, Lookup(table, "G", CScriptVarTable::SCOPE_AUTO)->GetNumber());
    EXPECT_EQ(1, table.DeclaredWhere("x"));
}

TEST(ScriptContainers, NamesAreUpperCasedInACopy)
{
    CScriptVarTable table;
    char name[] = "MixedCase";
    table.Assign(name, Number(1), CScriptVarTable::SCOPE_AUTO);
    EXPECT_STREQ("MixedCase", name);
    EXPECT_NE(nullptr, Lookup(table, "MIXEDCASE", CScriptVarTable::SCOPE_AUTO));
    const std::string longName(300, 'v');
    table.Assign(longName.c_str(), Number(4), CScriptVarTable::SCOPE_AUTO);
    EXPECT_EQ(4.0, Lookup(table, std::string(300, 'V').c_str(), CScriptVarTable::SCOPE_AUTO)->GetNumber());
}

TEST(ScriptContainers, ByRefParameters)
{
    CScriptVarTable table;
    table.Assign("caller", Number(1), CScriptVarTable::SCOPE_AUTO);
    CScriptValue* callerValue = Lookup(table, "caller", CScriptVarTable::SCOPE_AUTO);
    EXPECT_FALSE(table.AddByRef("p", callerValue));  // no frame

    table.PushFrame();
    EXPECT_FALSE(table.AddByRef("p", nullptr));
    EXPECT_TRUE(table.AddByRef("p", callerValue));
    table.Assign("p", Number(42), CScriptVarTable::SCOPE_LOCAL);
    EXPECT_EQ(42.0, callerValue->GetNumber());
    EXPECT_EQ(-1, table.DeclaredWhere("p"));

    // Re-binding an owned local releases it and shares the caller's value.
    table.Assign("q", Number(5), CScriptVarTable::SCOPE_LOCAL);
    EXPECT_TRUE(table.AddByRef("q", callerValue));
    EXPECT_EQ(callerValue, Lookup(table, "q", CScriptVarTable::SCOPE_LOCAL));
    table.PopFrame();
    EXPECT_EQ(callerValue, Lookup(table, "caller", CScriptVarTable::SCOPE_AUTO));
    EXPECT_EQ(42.0, callerValue->GetNumber());
}

TEST(ScriptContainers, ByRefToArrayElementSurvivesRedim)
{
    CScriptVarTable table;
    CScriptValue array;
    array.PushSubscript(3);
    ASSERT_TRUE(array.MakeArray());
    table.Assign("a", array, CScriptVarTable::SCOPE_AUTO);
    CScriptValue* a = Lookup(table, "a", CScriptVarTable::SCOPE_AUTO);
    a->ClearSubscripts();
    a->PushSubscript(1);
    CScriptValue* element = a->ElementAtPending();
    ASSERT_NE(nullptr, element);

    table.PushFrame();
    table.AddByRef("e", element);
    // The function re-dims the global array and the whole variable away.
    table.Assign("a", Number(0), CScriptVarTable::SCOPE_GLOBAL);
    table.Assign("e", Number(9), CScriptVarTable::SCOPE_LOCAL);
    EXPECT_EQ(9.0, Lookup(table, "e", CScriptVarTable::SCOPE_LOCAL)->GetNumber());
    table.PopFrame();
    EXPECT_FALSE(Lookup(table, "a", CScriptVarTable::SCOPE_AUTO)->IsArray());
}

TEST(ScriptContainers, UserFunctions)
{
    CUserFuncList functions;
    CUserFunc f;
    f.m_sName = "MYFUNC";
    f.m_nFuncLine = 3;
    f.m_nParamCount = 2;
    f.m_nEndFuncLine = 9;
    functions.Append(f);
    const CUserFunc* found = functions.Find("myFunc");
    ASSERT_NE(nullptr, found);
    EXPECT_EQ(9, found->m_nEndFuncLine);
    EXPECT_EQ(nullptr, functions.Find("other"));
    EXPECT_EQ(nullptr, functions.GetAt(1));
    EXPECT_EQ(nullptr, functions.GetAt(-1));
    functions.FreeAll();
    EXPECT_EQ(nullptr, functions.Find("MYFUNC"));
}
