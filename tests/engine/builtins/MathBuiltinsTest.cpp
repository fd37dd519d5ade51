#include "ExpressionCases.h"

#include "engine/MersenneTwister.h"

#include <gtest/gtest.h>

namespace {

TEST(MathBuiltins, FunctionsOfOneNumber)
{
    const ExpressionCase cases[] = {
        {"Abs(-2.5)", "2.5", 0},
        {"Abs('-3')", "3", 0},
        {"Exp(0)", "1", 0},
        {"Exp(1)", "2.71828182845905", 0},
        {"Log(1)", "0", 0},
        {"Log(0)", "-inf", 0},
        {"Log(-1)", "nan", 0},
        {"Sqrt(16)", "4", 0},
        {"Sqrt(-1)", "nan", 0},
        {"Sin(0)", "0", 0},
        {"Cos(0)", "1", 0},
        {"Tan(0)", "0", 0},
        {"Atan(1) * 4", "3.14159265358979", 0},
        {"Acos(-1)", "3.14159265358979", 0},
        {"Acos(1)", "0", 0},
        {"Acos(0.5)", "1.0471975511966", 0},
        {"Asin(1)", "1.5707963267949", 0},
        {"Asin(-0.5)", "-0.523598775598299", 0},
        {"Asin(2)", "nan", 0},
    };
    ExpectCases(cases);
}

TEST(MathBuiltins, ModKeepsTheDividendsSignAndItsPrecision)
{
    const ExpressionCase cases[] = {
        {"Mod(7, 3)", "1", 0},      {"Mod(-7, 3)", "-1", 0},   {"Mod(7, -3)", "1", 0},
        {"Mod(5.5, 1.1)", "0", 0},  {"Mod(7.5, 2)", "1.5", 0}, {"Mod(1e20, 3)", "1", 0},
        {"Mod(-1e20, 7)", "-2", 0}, {"Mod(1, 0)", "nan", 0},   {"Mod('9', '4')", "1", 0},
    };
    ExpectCases(cases);
}

TEST(MathBuiltins, RoundHalvesAwayFromZeroAndSurvivesExtremeDigits)
{
    const ExpressionCase cases[] = {
        {"Round(2.5)", "3", 0},
        {"Round(-2.5)", "-3", 0},
        {"Round(1.2345, 2)", "1.23", 0},
        {"Round(1250, -2)", "1300", 0},
        {"Round(-1250, -2)", "-1300", 0},
        {"Round(2.4)", "2", 0},
        {"Round(1.5, 400)", "1.5", 0},
        {"Round(1e300, 2)", "1e+300", 0},
        {"Round(7, -400)", "0", 0},
        {"Round(-7, -400)", "-0", 0},
        {"Round(-7, -5000)", "-0", 0},
        {"Round(7, -5000)", "0", 0},
        {"Round(123456789.5, 0)", "123456790", 0},
        {"Round(Sqrt(-1), 2)", "nan", 0},
    };
    ExpectCases(cases);
}

TEST(MathBuiltins, IntTruncatesTheDoubleItself)
{
    const ExpressionCase cases[] = {
        {"Int(-3.7)", "-3", 0},
        {"Int('7.9')", "7", 0},
        {"Int(3)", "3", 0},
        {"Int(1e20)", "1e+20", 0},
        {"Int(-2.5e9 - 0.25)", "-2500000000", 0},
        {"Int(Log(0))", "-inf", 0},
        {"Int(Sqrt(-1))", "nan", 0},
        {"Int(-0.5)", "0", 0},
        {"Int('-0.9')", "0", 0},
    };
    ExpectCases(cases);
}

TEST(MathBuiltins, BitFunctionsWorkOnThe32BitPattern)
{
    const ExpressionCase cases[] = {
        {"BitAnd(12, 10)", "8", 0},
        {"BitOr(12, 10)", "14", 0},
        {"BitXor(12, 10)", "6", 0},
        {"BitOr(1, 2, 4, 8, 16, 32, 64, 128, 256, 512)", "1023", 0},
        {"BitAnd(2047, 2046, 2044, 2040, 2032, 2016, 1984, 1920, 1792, 1536)", "1536", 0},
        {"BitAnd(255, 4294967295)", "255", 0},
        {"BitAnd(4294967295, -1)", "-1", 0},
        {"BitOr(1e30, 0)", "-1", 0},
        {"BitOr(-1e30, 0)", "0", 0},
        {"BitOr(Sqrt(-1), 5)", "5", 0},
        {"BitNot(0)", "-1", 0},
        {"BitNot(4294967295)", "0", 0},
        {"BitShift(-8, 1)", "-4", 0},
        {"BitShift(1, -31)", "-2147483648", 0},
        {"BitShift(1, 32)", "1", 0},
        {"BitShift(-1, 31)", "-1", 0},
        {"BitShift(4294967295, 4)", "-1", 0},
        {"BitShift(2147483648, 31)", "-1", 0},
        {"BitShift(255, 0)", "255", 0},
        {"BitShift(3, -33)", "6", 0},
    };
    ExpectCases(cases);
}

TEST(MathBuiltins, HexAndDec)
{
    const ExpressionCase cases[] = {
        {"Hex(255, 4)", "00FF", 0},
        {"Hex(-1, 8)", "FFFFFFFF", 0},
        {"Hex(4294967295, 8)", "FFFFFFFF", 0},
        {"Hex(1e30, 8)", "FFFFFFFF", 0},
        {"Hex(256, 2)", "00", 1},
        {"Hex(1, 9)", "", 1},
        {"Hex(0, 0)", "", 0},
        {"Hex(5, 0)", "", 1},
        {"Hex(5, -1)", "", 1},
        {"Hex(48879.9, 4)", "BEEF", 0},
        {"Hex('1e3', 4)", "0001", 0},
        {"Hex(' 0x1F', 2)", "00", 0},
        {"Hex('0x1F', 2)", "1F", 0},
        {"BitOr('3.9e1', 0)", "3", 0},
        {"BitAnd(' 12abc', 255)", "12", 0},
        {"BitNot('1e3')", "-2", 0},
        {"BitShift('1e3', -4)", "16", 0},
        {"Dec('ff')", "255", 0},
        {"Dec('FFFFFFFF')", "-1", 0},
        {"Dec('0xff')", "0", 1},
        {"Dec('')", "0", 0},
        {"Dec('123456789')", "0", 1},
        {"Dec('fg')", "0", 1},
    };
    ExpectCases(cases);
}

TEST(MathBuiltins, CharacterCodes)
{
    const ExpressionCase cases[] = {
        {"Asc('A')", "65", 0}, {"Asc('')", "0", 0},     {"Asc('\xE9t\xE9')", "233", 0}, {"Asc(12)", "49", 0},
        {"Chr(65)", "A", 0},   {"Chr(321)", "A", 0},    {"Chr('65')", "", 0},           {"Chr(0)", "", 0},
        {"Chr(256)", "", 0},   {"Chr(233)", "\xE9", 0}, {"Chr(-191)", "A", 0},
    };
    ExpectCases(cases);
}

TEST(MathBuiltins, KindTestsAndConversions)
{
    const ExpressionCase cases[] = {
        {"IsInt(5)", "1", 0},
        {"IsInt('5')", "0", 0},
        {"IsInt(5.5)", "0", 0},
        {"IsInt(1e20)", "1", 0},
        {"IsFloat(5.5)", "1", 0},
        {"IsFloat(5)", "0", 0},
        {"IsFloat('5.5')", "0", 0},
        {"IsNumber(5)", "1", 0},
        {"IsNumber('5')", "0", 0},
        {"IsString('5')", "1", 0},
        {"IsString(5)", "0", 0},
        {"IsArray(5)", "0", 0},
        {"Number('3.9x') + 0", "3.9", 0},
        {"Number('0x10')", "16", 0},
        {"String(3.0)", "3", 0},
        {"String(1/3)", "0.333333333333333", 0},
    };
    ExpectCases(cases);

    CBuiltinScriptRunner runner;
    ASSERT_TRUE(runner.Run({"Dim $a[3]", "$v = IsArray($a)", "$n = Number('12')", "$s = String(12)"}));
    EXPECT_EQ("1", runner.Text("v"));
    EXPECT_EQ(CScriptValue::KIND_NUMBER, runner.Var("n").GetKind());
    EXPECT_EQ(CScriptValue::KIND_STRING, runner.Var("s").GetKind());
    EXPECT_EQ("12", runner.Text("s"));
}

TEST(MathBuiltins, RandomRangesAndErrors)
{
    const ExpressionCase cases[] = {
        {"Random(5, 5)", "1", 2},        {"Random(6, 5)", "1", 2},        {"Random('5')", "1", 1},
        {"Random(0)", "1", 2},           {"Random(-3)", "1", 2},          {"Random(Sqrt(-1))", "1", 2},
        {"Random(Sqrt(-1), 5)", "1", 2}, {"Random(1, Sqrt(-1))", "1", 2},
    };
    ExpectCases(cases);

    CBuiltinScriptRunner runner;
    ASSERT_TRUE(runner.Run({"Dim $a[2]", "$v = Random($a, 5)", "$e = @error"}));
    EXPECT_EQ(1, runner.Var("e").GetInteger());

    ASSERT_TRUE(
        runner.Run({"$low = 1", "$high = 0", "$i = 0", "While $i < 200", "$r = Random()",
                    "If $r < 0 Or $r >= 1 Then $bad = 1", "$r = Random(10)", "If $r < 0 Or $r >= 10 Then $bad = 1",
                    "$r = Random(-5, '5')", "If $r < -5 Or $r >= 5 Then $bad = 1", "If $r < $low Then $low = $r",
                    "If $r > $high Then $high = $r", "$i = $i + 1", "WEnd"}));
    EXPECT_EQ(0, runner.Var("bad").GetInteger());
    EXPECT_LT(runner.Var("low").GetNumber(), -3);
    EXPECT_GT(runner.Var("high").GetNumber(), 3);
}

TEST(MathBuiltins, RandomFollowsTheGeneratorsSequenceForASeed)
{
    CBuiltinScriptRunner runner;
    const std::vector<std::string> lines = {"$a = Random()", "$b = Random(10)", "$c = Random(5, 7)"};
    ASSERT_TRUE(runner.Load(lines));
    ScriptRandom().Seed(5489);
    ASSERT_TRUE(runner.Execute());
    // The first outputs of MT19937 seeded with 5489.
    EXPECT_DOUBLE_EQ(3499211612.0 / 4294967296.0, runner.Var("a").GetNumber());
    EXPECT_DOUBLE_EQ(581869302.0 / 4294967296.0 * 10, runner.Var("b").GetNumber());
    EXPECT_DOUBLE_EQ(5 + 3890346734.0 / 4294967296.0 * 2, runner.Var("c").GetNumber());
    EXPECT_EQ("0.814723691903055", runner.Text("a"));

    const std::string first = runner.Text("a") + runner.Text("b") + runner.Text("c");
    ASSERT_TRUE(runner.Load(lines));
    ScriptRandom().Seed(5489);
    ASSERT_TRUE(runner.Execute());
    EXPECT_EQ(first, runner.Text("a") + runner.Text("b") + runner.Text("c"));
}

TEST(MathBuiltins, AdlibDisableClearsTheAdlibFunction)
{
    CBuiltinScriptRunner runner;
    runner.Engine().m_sAdlibFunction = "Poll";
    runner.Engine().m_bAdlibEnabled = 1;
    ASSERT_TRUE(runner.Run({"$v = AdlibDisable()"}));
    EXPECT_EQ("1", runner.Text("v"));
    EXPECT_EQ(0, runner.Engine().m_bAdlibEnabled);
    EXPECT_TRUE(runner.Engine().m_sAdlibFunction.IsEmpty());
}

TEST(MathBuiltins, ArgumentCountsComeFromTheTable)
{
    CBuiltinScriptRunner runner;
    EXPECT_FALSE(runner.Run({"$v = Round(1, 2, 3)"}));
    EXPECT_FALSE(runner.Run({"$v = BitAnd(1)"}));
    EXPECT_FALSE(runner.Run({"$v = Random(1, 2, 3)"}));
    const std::vector<std::string> boxes = runner.Boxes();
    ASSERT_EQ(3u, boxes.size());
    for (const std::string& box : boxes)
        EXPECT_NE(std::string::npos, box.find("Incorrect number of parameters in function call."));
}

}  // namespace
