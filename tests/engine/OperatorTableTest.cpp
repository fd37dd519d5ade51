#include "engine/ScriptOperatorTable.h"

#include <gtest/gtest.h>

namespace {

// Binding strength implied by the table: an operator on the stack is applied
// before an incoming one exactly when it binds at least as tightly (left to
// right within a level).
int Level(int op)
{
    switch (op) {
    case OP_AND:
    case OP_OR:
        return 1;
    case OP_LESS:
    case OP_GREATER:
    case OP_LESS_EQUAL:
    case OP_GREATER_EQUAL:
    case OP_NOT_EQUAL:
    case OP_EQUAL:
    case OP_EQUAL_CASE:
        return 2;
    case OP_CONCAT:
        return 3;
    case OP_ADD:
    case OP_SUBTRACT:
        return 4;
    case OP_MULTIPLY:
    case OP_DIVIDE:
        return 5;
    case OP_POWER:
        return 6;
    default:
        return 7;  // NOT and negation
    }
}

const int kBinary[] = {OP_LESS,       OP_GREATER, OP_LESS_EQUAL, OP_GREATER_EQUAL, OP_NOT_EQUAL, OP_EQUAL,
                       OP_EQUAL_CASE, OP_AND,     OP_OR,         OP_CONCAT,        OP_ADD,       OP_SUBTRACT,
                       OP_MULTIPLY,   OP_DIVIDE,  OP_POWER};

TEST(OperatorTable, BinaryOperatorsApplyByLevelLeftToRight)
{
    for (int top : kBinary)
        for (int incoming : kBinary) {
            const int expected = Level(top) >= Level(incoming) ? ACTION_APPLY : ACTION_PUSH;
            EXPECT_EQ(expected, OperatorAction(top, incoming)) << "top " << top << " incoming " << incoming;
        }
}

TEST(OperatorTable, PrefixOperatorsBindToTheNextOperand)
{
    for (int top : {OP_NOT, OP_NEGATE}) {
        for (int incoming : kBinary)
            EXPECT_EQ(ACTION_APPLY, OperatorAction(top, incoming)) << top << " " << incoming;
        EXPECT_EQ(ACTION_PUSH, OperatorAction(top, OP_NOT));
        EXPECT_EQ(ACTION_PUSH, OperatorAction(top, OP_NEGATE));
        EXPECT_EQ(ACTION_PUSH, OperatorAction(top, OP_OPEN_BRACKET));
    }
    for (int top : kBinary) {
        EXPECT_EQ(ACTION_PUSH, OperatorAction(top, OP_NOT));
        EXPECT_EQ(ACTION_PUSH, OperatorAction(top, OP_NEGATE));
    }
}

TEST(OperatorTable, BracketsAndEnd)
{
    for (int top = 0; top < OP_END; ++top)
        EXPECT_EQ(ACTION_BRACKET, OperatorAction(top, OP_CLOSE_BRACKET)) << top;
    EXPECT_EQ(ACTION_UNBALANCED, OperatorAction(OP_END, OP_CLOSE_BRACKET));
    for (int incoming = 0; incoming < OP_CLOSE_BRACKET; ++incoming) {
        EXPECT_EQ(ACTION_PUSH, OperatorAction(OP_OPEN_BRACKET, incoming));
        EXPECT_EQ(ACTION_PUSH, OperatorAction(OP_END, incoming));
    }
    EXPECT_EQ(ACTION_MISSING_RIGHT_BRACKET, OperatorAction(OP_OPEN_BRACKET, OP_END));
    EXPECT_EQ(ACTION_MISSING_OPERATOR, OperatorAction(OP_CLOSE_BRACKET, OP_OPEN_BRACKET));
    EXPECT_EQ(ACTION_FINISH, OperatorAction(OP_END, OP_END));
    for (int top = 0; top < OP_OPEN_BRACKET; ++top)
        EXPECT_EQ(ACTION_APPLY, OperatorAction(top, OP_END)) << top;
}

TEST(OperatorTable, CodesOutsideTheTableFinish)
{
    EXPECT_EQ(ACTION_FINISH, OperatorAction(-1, OP_ADD));
    EXPECT_EQ(ACTION_FINISH, OperatorAction(OP_ADD, OP_COUNT));
}

}  // namespace
