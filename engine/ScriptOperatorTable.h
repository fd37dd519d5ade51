#pragma once

// Operator codes of the expression evaluator: the row and column indices of
// its precedence table.
enum EScriptOperator
{
    OP_LESS = 0,
    OP_GREATER,
    OP_LESS_EQUAL,
    OP_GREATER_EQUAL,
    OP_NOT_EQUAL,
    OP_EQUAL,
    OP_EQUAL_CASE,
    OP_AND,
    OP_OR,
    OP_CONCAT,
    OP_NOT,
    OP_ADD,
    OP_SUBTRACT,
    OP_MULTIPLY,
    OP_DIVIDE,
    OP_POWER,
    OP_NEGATE,
    OP_OPEN_BRACKET,
    OP_CLOSE_BRACKET,
    OP_END,
    OP_COUNT
};

// What the evaluator does when an incoming operator meets the operator on
// top of its stack.
enum EOperatorAction
{
    ACTION_PUSH = 0,
    ACTION_APPLY = 1,
    ACTION_BRACKET = 2,
    ACTION_FINISH = 3,
    ACTION_MISSING_RIGHT_BRACKET = 4,
    ACTION_MISSING_OPERATOR = 5,
    ACTION_UNBALANCED = 6
};

// The action for (top of stack, incoming operator); codes outside the table
// finish the expression.
int OperatorAction(int top, int incoming);
