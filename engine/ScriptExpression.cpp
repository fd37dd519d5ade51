#include "engine/CMarionet_Script.h"

#include "engine/ScriptOperatorTable.h"

#include <cmath>
#include <vector>

namespace {

// Calls nested inside one another within expressions (f(g(h(...)))) each
// take stack; past this bound the recursion error ends the run long before
// the 32 MiB stack could run out.
const int kMaxExpressionDepth = 4096;

class CExpressionDepthGuard
{
public:
    explicit CExpressionDepthGuard(int& depth) : m_nDepth(depth) { ++m_nDepth; }
    ~CExpressionDepthGuard() { --m_nDepth; }
    CExpressionDepthGuard(const CExpressionDepthGuard&) = delete;
    CExpressionDepthGuard& operator=(const CExpressionDepthGuard&) = delete;

private:
    int& m_nDepth;
};

// The operator code of a token, or -1 for an operand.
int OperatorCode(const CScriptToken& token, bool bAfterOperand)
{
    switch (token.m_nType) {
    case TOKEN_LESS:
        return OP_LESS;
    case TOKEN_GREATER:
        return OP_GREATER;
    case TOKEN_LESS_EQUAL:
        return OP_LESS_EQUAL;
    case TOKEN_GREATER_EQUAL:
        return OP_GREATER_EQUAL;
    case TOKEN_NOT_EQUAL:
        return OP_NOT_EQUAL;
    case TOKEN_EQUAL:
        return OP_EQUAL;
    case TOKEN_STRING_EQUAL:
        return OP_EQUAL_CASE;
    case TOKEN_CONCAT:
        return OP_CONCAT;
    case TOKEN_PLUS:
        return OP_ADD;
    case TOKEN_MINUS:
        return bAfterOperand ? OP_SUBTRACT : OP_NEGATE;
    case TOKEN_MULTIPLY:
        return OP_MULTIPLY;
    case TOKEN_DIVIDE:
        return OP_DIVIDE;
    case TOKEN_POWER:
        return OP_POWER;
    case TOKEN_LEFT_PAREN:
        return OP_OPEN_BRACKET;
    case TOKEN_RIGHT_PAREN:
        return OP_CLOSE_BRACKET;
    case TOKEN_KEYWORD:
        switch (token.m_vValue.GetInteger()) {
        case KEYWORD_AND:
            return OP_AND;
        case KEYWORD_OR:
            return OP_OR;
        case KEYWORD_NOT:
            return OP_NOT;
        default:
            return OP_END;
        }
    case TOKEN_LITERAL:
    case TOKEN_VARIABLE:
    case TOKEN_MACRO:
    case TOKEN_BUILTIN:
    case TOKEN_USER_FUNCTION:
        return -1;
    default:
        return OP_END;
    }
}

void SetTruth(CScriptValue& value, bool bTrue)
{
    value.SetInteger(bTrue ? 1 : 0);
}

// Pops the operands of one operator (the right one first) and pushes its
// result; false when operands are missing.
bool ApplyOperator(int nOperator, std::vector<CScriptValue>& values)
{
    if (nOperator == OP_NOT || nOperator == OP_NEGATE) {
        if (values.empty())
            return false;
        CScriptValue& operand = values.back();
        if (nOperator == OP_NOT) {
            // Not the opposite of truth: the operand as a whole number, so
            // NOT "0" and NOT 0.5 are 1 while If "0" still counts as true.
            operand.Not();
        } else {
            CScriptValue minusOne;
            minusOne.SetInteger(-1);
            operand.Multiply(minusOne);
        }
        return true;
    }
    if (values.size() < 2)
        return false;
    CScriptValue right = std::move(values.back());
    values.pop_back();
    CScriptValue& left = values.back();
    switch (nOperator) {
    case OP_LESS:
        SetTruth(left, left.Less(right));
        break;
    case OP_GREATER:
        SetTruth(left, left.Greater(right));
        break;
    case OP_LESS_EQUAL:
        SetTruth(left, left.LessOrEqual(right));
        break;
    case OP_GREATER_EQUAL:
        SetTruth(left, left.GreaterOrEqual(right));
        break;
    case OP_NOT_EQUAL:
        SetTruth(left, !left.EqualsNoCase(right));
        break;
    case OP_EQUAL:
        SetTruth(left, left.EqualsNoCase(right));
        break;
    case OP_EQUAL_CASE:
        SetTruth(left, left.EqualsCase(right));
        break;
    case OP_AND:
        SetTruth(left, left.And(right));
        break;
    case OP_OR:
        SetTruth(left, left.Or(right));
        break;
    case OP_CONCAT:
        left.Concatenate(right);
        break;
    case OP_ADD:
        left.Add(right);
        break;
    case OP_SUBTRACT:
        left.Subtract(right);
        break;
    case OP_MULTIPLY:
        left.Multiply(right);
        break;
    case OP_DIVIDE:
        left.Divide(right);
        break;
    case OP_POWER: {
        const double dBase = left.GetNumber();
        const double dExponent = right.GetNumber();
        if (dBase == 0.0 && dExponent <= 0.0)
            left.SetInteger(1);
        else
            left.SetDouble(std::pow(dBase, dExponent));
        break;
    }
    default:
        return false;
    }
    return true;
}

}  // namespace

int CMarionet_Script::EvaluateExpression(CScriptTokenList& tokens, int& nPos, CScriptValue& result, int nCallEnd)
{
    CExpressionDepthGuard guard(m_nExpressionDepth);
    if (m_nExpressionDepth > kMaxExpressionDepth)
        return ReportScriptError(kRecursionMessage, -1);

    CScratchLease<CExpressionStacks> stacks(m_ExpressionStacks);
    std::vector<CScriptValue>& values = stacks.Get().values;
    std::vector<int>& operators = stacks.Get().operators;
    values.clear();
    operators.assign(1, OP_END);
    const int nFirstColumn = tokens[nPos].m_nColumn;
    bool bAfterOperand = false;

    for (;;) {
        const CScriptToken& token = tokens[nPos];
        const int nCode = nPos == nCallEnd ? OP_END : OperatorCode(token, bAfterOperand);
        if (nCode < 0) {
            CScriptValue operand;
            int nError = 0;
            switch (token.m_nType) {
            case TOKEN_LITERAL:
                operand = token.m_vValue;
                ++nPos;
                break;
            case TOKEN_VARIABLE:
                nError = EvaluateVariable(tokens, nPos, operand, nCallEnd);
                break;
            case TOKEN_MACRO:
                nError = EvaluateMacro(tokens, nPos, operand);
                break;
            case TOKEN_BUILTIN:
                nError = EvaluateBuiltinCall(tokens, nPos, operand);
                break;
            default:
                nError = CallUserFunction(tokens, nPos, operand);
                break;
            }
            if (nError)
                return 1;
            values.push_back(std::move(operand));
            bAfterOperand = true;
            continue;
        }
        if (nCode != OP_END)
            ++nPos;
        bAfterOperand = nCode == OP_CLOSE_BRACKET;

        for (bool bNextToken = false; !bNextToken;) {
            switch (OperatorAction(operators.back(), nCode)) {
            case ACTION_PUSH:
                operators.push_back(nCode);
                bNextToken = true;
                if ((nCode == OP_AND || nCode == OP_OR) && !values.empty()) {
                    const bool bTop = values.back().IsTrue();
                    if ((nCode == OP_OR && bTop) || (nCode == OP_AND && !bTop)) {
                        if (!SkipOperand(tokens, nPos, nCallEnd))
                            return ReportScriptError("Error in expression.", -1);
                        SetTruth(values.back(), nCode == OP_OR);
                        operators.pop_back();
                        bAfterOperand = true;
                    }
                }
                break;
            case ACTION_APPLY: {
                const int nTop = operators.back();
                operators.pop_back();
                if (!ApplyOperator(nTop, values))
                    return ReportScriptError("Error in expression.", -1);
                break;
            }
            case ACTION_BRACKET:
                while (operators.back() != OP_OPEN_BRACKET && operators.back() != OP_END) {
                    const int nTop = operators.back();
                    operators.pop_back();
                    if (!ApplyOperator(nTop, values))
                        return ReportScriptError("Error in expression.", nFirstColumn);
                }
                if (operators.back() == OP_END)
                    return ReportScriptError("Unbalanced brackets in expression.", -1);
                operators.pop_back();
                bNextToken = true;
                break;
            case ACTION_FINISH:
                if (values.size() != 1)
                    return ReportScriptError("Error in expression.", -1);
                result = std::move(values.back());
                return 0;
            case ACTION_MISSING_RIGHT_BRACKET:
                return ReportScriptError("Missing right bracket ')' in expression.", -1);
            case ACTION_MISSING_OPERATOR:
                return ReportScriptError("Missing operator in expression.", nFirstColumn);
            default:
                return ReportScriptError("Unbalanced brackets in expression.", -1);
            }
        }
    }
}

int CMarionet_Script::EvaluateCondition(CScriptTokenList& tokens, int& nPos, bool& bTrue)
{
    CScriptValue value;
    if (EvaluateExpression(tokens, nPos, value))
        return 1;
    bTrue = value.IsTrue();
    return 0;
}

// Walks over the right operand of a short-circuited AND or OR without
// evaluating it; false when the line, or the call's arguments, end inside
// brackets.
bool CMarionet_Script::SkipOperand(CScriptTokenList& tokens, int& nPos, int nCallEnd)
{
    int nRound = 0;
    int nSquare = 0;
    for (;; ++nPos) {
        const CScriptToken& token = tokens[nPos];
        switch (nPos == nCallEnd ? TOKEN_END : token.m_nType) {
        case TOKEN_END:
            return nRound == 0 && nSquare == 0;
        case TOKEN_LEFT_PAREN:
            ++nRound;
            break;
        case TOKEN_RIGHT_PAREN:
            if (nRound == 0)
                return true;
            --nRound;
            break;
        case TOKEN_LEFT_BRACKET:
            ++nSquare;
            break;
        case TOKEN_RIGHT_BRACKET:
            if (nSquare == 0 && nRound == 0)
                return true;
            --nSquare;
            break;
        case TOKEN_COMMA:
            if (nRound == 0 && nSquare == 0)
                return true;
            break;
        case TOKEN_KEYWORD:
            if (nRound == 0 && nSquare == 0 && token.m_vValue.GetInteger() != KEYWORD_NOT)
                return true;
            break;
        default:
            break;
        }
    }
}
