#include "engine/CScriptValue.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <memory>

namespace {
CScriptValue Number(double value)
{
    CScriptValue v;
    v.SetDouble(value);
    return v;
}

CScriptValue Text(const char* text)
{
    CScriptValue v;
    v.SetString(text);
    return v;
}

CScriptValue Array(std::initializer_list<int> sizes)
{
    CScriptValue v;
    for (int size : sizes)
        v.PushSubscript(size);
    EXPECT_TRUE(v.MakeArray());
    return v;
}

CScriptValue* Element(CScriptValue& array, std::initializer_list<int> subscripts)
{
    array.ClearSubscripts();
    for (int s : subscripts)
        array.PushSubscript(s);
    return array.ElementAtPending();
}
}  // namespace

TEST(ScriptValue, FreshValueIsNumberZero)
{
    CScriptValue v;
    EXPECT_TRUE(v.IsNumber());
    EXPECT_EQ(0.0, v.GetNumber());
    EXPECT_EQ(0, v.GetInteger());
    EXPECT_STREQ("0", v.GetText());
    EXPECT_FALSE(v.IsTrue());
}

TEST(ScriptValue, StringForms)
{
    CScriptValue hex = Text("0x1F");
    hex.Add(Number(1));
    EXPECT_EQ(32.0, hex.GetNumber());
    EXPECT_TRUE(hex.IsNumber());

    EXPECT_EQ(0.0, Text("0X").GetNumber());
    EXPECT_EQ(0.0, Text("0x123456789").GetNumber());
    EXPECT_EQ(-1.0, Text("0xFFFFFFFF").GetNumber());
    EXPECT_EQ(12.0, Text(" 12abc").GetNumber());
    EXPECT_EQ(0.0, Text("abc").GetNumber());
    CScriptValue fraction = Text("3.9");
    EXPECT_EQ(3, fraction.GetInteger());
    EXPECT_EQ(3.9, fraction.GetNumber());
    EXPECT_TRUE(fraction.IsString());
}

TEST(ScriptValue, NumberPrinting)
{
    CScriptValue third = Number(1);
    third.Divide(Number(3));
    EXPECT_STREQ("0.333333333333333", third.GetText());
    EXPECT_STREQ("3", Number(3.0).GetText());
    CScriptValue sum = Number(0.1);
    sum.Add(Number(0.2));
    EXPECT_STREQ("0.3", sum.GetText());
    CScriptValue zero = Number(0);
    zero.Divide(Number(0));
    EXPECT_STREQ("nan", zero.GetText());
}

TEST(ScriptValue, MakeStringAndNumber)
{
    CScriptValue v = Number(2.5);
    v.MakeString();
    EXPECT_TRUE(v.IsString());
    EXPECT_STREQ("2.5", v.GetText());
    EXPECT_EQ(2, v.GetInteger());
    v.MakeNumber();
    EXPECT_TRUE(v.IsNumber());
    EXPECT_EQ(2.5, v.GetNumber());
    CScriptValue s = Text("7x");
    s.MakeNumber();
    EXPECT_STREQ("7", s.GetText());
}

TEST(ScriptValue, TruthRules)
{
    EXPECT_TRUE(Text("0").IsTrue());
    EXPECT_FALSE(Text("").IsTrue());
    EXPECT_FALSE(Number(0.0).IsTrue());
    EXPECT_TRUE(Number(-0.1).IsTrue());
    EXPECT_TRUE(Number(std::nan("")).IsTrue());
    EXPECT_FALSE(Array({2}).IsTrue());
    CScriptValue target;
    CScriptValue ref;
    ref.SetReference(&target);
    EXPECT_FALSE(ref.IsTrue());
    EXPECT_TRUE(Number(1).And(Text("x")));
    EXPECT_FALSE(Number(1).And(Text("")));
    EXPECT_TRUE(Number(0).Or(Text("0")));
    EXPECT_FALSE(Number(1).Or(Array({1})));
}

TEST(ScriptValue, NotRule)
{
    const double cases[][2] = {{0.9, 1}, {-0.5, 1}, {2, 0}, {0, 1}, {1e20, 0}};
    for (const auto& c : cases) {
        CScriptValue v = Number(c[0]);
        v.Not();
        EXPECT_EQ(c[1], v.GetNumber()) << c[0];
    }
    CScriptValue nan = Number(std::nan(""));
    nan.Not();
    EXPECT_EQ(1.0, nan.GetNumber());
    CScriptValue text = Text("0");
    text.Not();
    EXPECT_EQ(1, text.GetInteger());
    CScriptValue array = Array({2});
    array.Not();
    EXPECT_TRUE(array.IsArray());
}

TEST(ScriptValue, Comparisons)
{
    EXPECT_TRUE(Text("abc").EqualsNoCase(Text("ABC")));
    EXPECT_FALSE(Text("abc").EqualsCase(Text("ABC")));
    EXPECT_TRUE(Number(10).EqualsNoCase(Text("10.0")));
    EXPECT_FALSE(Text("10").EqualsNoCase(Text("10.0")));
    EXPECT_TRUE(Number(1).EqualsCase(Text("1")));
    EXPECT_TRUE(Number(1.0).EqualsCase(Number(1)));
    EXPECT_TRUE(Text("b").Greater(Text("A")));
    EXPECT_TRUE(Text("10").Less(Text("9")));
    EXPECT_TRUE(Number(10).Greater(Text("9")));
    EXPECT_FALSE(Number(std::nan("")).EqualsNoCase(Number(std::nan(""))));
    EXPECT_FALSE(Array({1}).EqualsCase(Array({1})));
    EXPECT_FALSE(Number(0).Less(Array({1})));
}

TEST(ScriptValue, ArithmeticAndConcatenation)
{
    CScriptValue v = Text("5");
    v.Multiply(Text("4"));
    EXPECT_EQ(20.0, v.GetNumber());
    v.Subtract(Number(25));
    EXPECT_STREQ("-5", v.GetText());
    v.Concatenate(Number(1.5));
    EXPECT_STREQ("-51.5", v.GetText());
    EXPECT_TRUE(v.IsString());
    v.Concatenate(v);
    EXPECT_STREQ("-51.5-51.5", v.GetText());
    CScriptValue inf = Number(1);
    inf.Divide(Number(0));
    EXPECT_STREQ("inf", inf.GetText());
    EXPECT_FALSE(inf.IsInteger());
    EXPECT_TRUE(inf.IsFraction());

    CScriptValue array = Array({2});
    array.Add(Number(1));
    array.Concatenate(Text("x"));
    EXPECT_TRUE(array.IsArray());
    CScriptValue left = Number(3);
    left.Add(array);
    EXPECT_EQ(3.0, left.GetNumber());
}

TEST(ScriptValue, IntegerAndFraction)
{
    EXPECT_TRUE(Number(1e20).IsInteger());
    EXPECT_FALSE(Number(1e20).IsFraction());
    EXPECT_TRUE(Number(0.5).IsFraction());
    EXPECT_FALSE(Text("1").IsInteger());
    EXPECT_FALSE(Text("1.5").IsFraction());
    EXPECT_TRUE(Number(std::nan("")).IsFraction());
    CScriptValue big = Number(1e20);
    EXPECT_EQ(2147483647, big.GetInteger());
    EXPECT_EQ(-2147483647 - 1, Number(-1e20).GetInteger());
    EXPECT_EQ(0, Number(std::nan("")).GetInteger());
}

TEST(ScriptValue, ArrayLimits)
{
    CScriptValue full;
    full.PushSubscript(4096);
    full.PushSubscript(4096);
    EXPECT_TRUE(full.MakeArray());
    EXPECT_EQ(16777216, full.GetElementCount());
    CScriptValue* last = Element(full, {4095, 4095});
    ASSERT_NE(nullptr, last);
    last->SetInteger(7);
    EXPECT_EQ(7, Element(full, {4095, 4095})->GetInteger());
    full.Reset();

    CScriptValue tooBig;
    tooBig.PushSubscript(4097);
    tooBig.PushSubscript(4096);
    EXPECT_FALSE(tooBig.MakeArray());
    EXPECT_FALSE(tooBig.IsArray());

    CScriptValue wrapping;
    wrapping.PushSubscript(2);
    wrapping.PushSubscript(2147483647);
    EXPECT_FALSE(wrapping.MakeArray());
    CScriptValue wrapsToSmall;
    wrapsToSmall.PushSubscript(65536);
    wrapsToSmall.PushSubscript(65536);
    wrapsToSmall.PushSubscript(2);
    EXPECT_FALSE(wrapsToSmall.MakeArray());

    CScriptValue negative;
    negative.PushSubscript(3);
    negative.PushSubscript(-1);
    EXPECT_FALSE(negative.MakeArray());
    CScriptValue empty;
    empty.PushSubscript(3);
    empty.PushSubscript(0);
    ASSERT_TRUE(empty.MakeArray());
    EXPECT_EQ(0, empty.GetElementCount());
    EXPECT_EQ(nullptr, Element(empty, {0, 0}));
    CScriptValue kept;
    kept.PushSubscript(3);
    kept.PushSubscript(2);
    ASSERT_TRUE(kept.MakeArray());
    Element(kept, {1, 1})->SetInteger(5);
    empty.CopyCommonElements(kept);
    EXPECT_EQ(0, empty.GetElementCount());

    CScriptValue deep;
    for (int i = 0; i < 64; ++i)
        EXPECT_TRUE(deep.PushSubscript(1));
    EXPECT_FALSE(deep.PushSubscript(1));
    EXPECT_TRUE(deep.MakeArray());
    EXPECT_EQ(64, deep.DimensionSize(0));
    EXPECT_EQ(1, deep.DimensionSize(64));
    EXPECT_EQ(0, deep.DimensionSize(65));
    EXPECT_EQ(0, deep.DimensionSize(-1));
    EXPECT_EQ(nullptr, deep.ElementAtPending());
    deep.ClearSubscripts();
    for (int i = 0; i < 64; ++i)
        deep.PushSubscript(0);
    EXPECT_NE(nullptr, deep.ElementAtPending());
}

TEST(ScriptValue, SubscriptValidity)
{
    CScriptValue a = Array({3, 4});
    EXPECT_EQ(nullptr, Element(a, {3, 0}));
    EXPECT_EQ(nullptr, Element(a, {-1, 0}));
    EXPECT_EQ(nullptr, Element(a, {1}));
    EXPECT_EQ(nullptr, Element(a, {1, 2, 0}));
    EXPECT_NE(nullptr, Element(a, {2, 3}));
    CScriptValue notArray;
    notArray.PushSubscript(0);
    EXPECT_FALSE(notArray.SubscriptsValid());
    EXPECT_EQ(nullptr, notArray.ElementAtPending());
}

TEST(ScriptValue, DeepCopyKeepsAbsentElementsAbsent)
{
    CScriptValue a = Array({3});
    Element(a, {1})->SetString("one");
    CScriptValue b;
    b = a;
    Element(a, {1})->SetString("changed");
    EXPECT_STREQ("one", Element(b, {1})->GetText());
    EXPECT_EQ(3, b.GetElementCount());

    // Assigning a value its own element, and an array into its own element.
    a = *Element(a, {1});
    EXPECT_TRUE(a.IsString());
    EXPECT_STREQ("changed", a.GetText());
    CScriptValue* slot = Element(b, {2});
    *slot = b;
    ASSERT_TRUE(Element(b, {2})->IsArray());
    CScriptValue* inner = Element(b, {2});
    EXPECT_STREQ("one", Element(*inner, {1})->GetText());

    CScriptValue self = Text("x");
    self = self;
    EXPECT_STREQ("x", self.GetText());
    self.SetString(self.GetText() + 0);
    EXPECT_STREQ("x", self.GetText());
}

TEST(ScriptValue, CopyCommonElements)
{
    CScriptValue old = Array({2, 3});
    for (int i = 0; i < 2; ++i)
        for (int j = 0; j < 3; ++j)
            Element(old, {i, j})->SetInteger(i * 10 + j);
    CScriptValue grown = Array({3, 2});
    grown.CopyCommonElements(old);
    EXPECT_EQ(0, Element(grown, {0, 0})->GetInteger());
    EXPECT_EQ(11, Element(grown, {1, 1})->GetInteger());
    EXPECT_EQ(1, Element(grown, {0, 1})->GetInteger());
    EXPECT_EQ(0, Element(grown, {2, 1})->GetInteger());

    CScriptValue otherRank = Array({2});
    otherRank.CopyCommonElements(old);
    EXPECT_EQ(0, Element(otherRank, {1})->GetInteger());
}

TEST(ScriptValue, ReferenceToElementSurvivesRebuild)
{
    auto array = std::make_shared<CScriptValue>(Array({4}));
    CScriptValue* element = Element(*array, {2});
    element->SetInteger(5);
    CScriptValue ref;
    ref.SetReference(element);
    // The array is rebuilt: the referenced element stays alive.
    array->ClearSubscripts();
    array->PushSubscript(8);
    ASSERT_TRUE(array->MakeArray());
    ASSERT_EQ(element, ref.GetReference());
    ref.GetReference()->SetString("still here");
    EXPECT_STREQ("still here", ref.GetReference()->GetText());
    EXPECT_STREQ("", ref.GetText());
    EXPECT_EQ(0, ref.GetInteger());
}
