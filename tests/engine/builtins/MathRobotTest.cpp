#include "RobotCases.h"

namespace {

// The math and conversion family as a robot runs it: robot file, loader,
// interpreter and the results written with the file built-ins.
TEST(MathRobot, EdgeCasesThroughARobotFile)
{
    const ExpressionCase cases[] = {
        {"Round(2.5)", "3", 0},
        {"Round(-2.5)", "-3", 0},
        {"Round(1.2345, 2)", "1.23", 0},
        {"Round(1250, -2)", "1300", 0},
        {"Round(1.5, 400)", "1.5", 0},
        {"Int(-3.7)", "-3", 0},
        {"Int(\"7.9\")", "7", 0},
        {"Int(1e20)", "1e+20", 0},
        {"BitShift(-8, 1)", "-4", 0},
        {"BitShift(1, -31)", "-2147483648", 0},
        {"BitShift(1, 32)", "1", 0},
        {"BitAnd(1, 3, 5, 7, 9, 11, 13, 15, 17, 19)", "1", 0},
        {"Hex(255, 4)", "00FF", 0},
        {"Hex(-1, 8)", "FFFFFFFF", 0},
        {"Hex(4294967295, 8)", "FFFFFFFF", 0},
        {"Hex(256, 2)", "00", 1},
        {"Dec(\"ff\")", "255", 0},
        {"Dec(\"0xff\")", "0", 1},
        {"Dec(\"\")", "0", 0},
        {"Chr(65)", "A", 0},
        {"Chr(321)", "A", 0},
        {"Chr(\"65\")", "", 0},
        {"Asc(\"\xE9\")", "233", 0},
        {"Mod(5.5, 1.1)", "0", 0},
        {"Mod(1e20, 3)", "1", 0},
        {"Mod(-7, 3)", "-1", 0},
        {"Acos(-1)", "3.14159265358979", 0},
        {"Sqrt(-1)", "nan", 0},
        {"Random(5, 5)", "1", 2},
        {"Random(\"5\")", "1", 1},
        {"IsInt(\"5\")", "0", 0},
        {"IsFloat(5.5)", "1", 0},
        {"String(3.0) & \"x\"", "3x", 0},
        {"AdlibDisable()", "1", 0},
    };
    ExpectRobotCases(cases);
}

}  // namespace
