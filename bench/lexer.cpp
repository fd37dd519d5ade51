// Tokenising speed for typical robot lines, and the cost of value copies and
// concatenation. Prints figures; asserts nothing.
#include "engine/CScriptValue.h"
#include "engine/ScriptLexer.h"

#include <chrono>
#include <cstdio>

namespace {
struct SilentReporter : IScriptErrorReporter
{
    void ReportScriptError(const CScriptString&, int) override {}
};

double SecondsSince(std::chrono::steady_clock::time_point start)
{
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

void BenchLexer()
{
    const char* const lines[] = {
        "MouseClick(\"left\", 3)",
        "MouseMove(512, 384, 0)",
        "Send(\"Hello world{ENTER}\")",
        "WinWaitActive(\"Untitled - Notepad\", \"\", 5)",
        "Delay(250)",
        "If $count >= 10 Then ExitLoop",
        "$total = $total + $price[$i] * 1.5 ; running sum",
        "For $i = 1 To 100 Step 2",
    };
    const int lineCount = static_cast<int>(sizeof lines / sizeof lines[0]);
    CScriptTokenList tokens;
    SilentReporter reporter;
    const int rounds = 200000;
    const auto start = std::chrono::steady_clock::now();
    long long tokenCount = 0;
    for (int r = 0; r < rounds; ++r) {
        for (int i = 0; i < lineCount; ++i) {
            TokeniseScriptLine(lines[i], tokens, false, reporter);
            tokenCount += tokens.GetCount();
        }
    }
    const double seconds = SecondsSince(start);
    const double total = static_cast<double>(rounds) * lineCount;
    std::printf("lexer: %.0f lines/s (%.0f ns/line, %.1f tokens/line)\n", total / seconds, seconds * 1e9 / total,
                static_cast<double>(tokenCount) / total);
}

void BenchValues()
{
    CScriptValue text;
    text.SetString("The quick brown fox jumps over the lazy dog");
    CScriptValue number;
    number.SetDouble(3.25);

    const int copies = 2000000;
    auto start = std::chrono::steady_clock::now();
    CScriptValue target;
    for (int i = 0; i < copies; ++i)
        target = (i & 1) ? text : number;
    double seconds = SecondsSince(start);
    std::printf("value copy (string/number alternating): %.1f ns\n", seconds * 1e9 / copies);

    start = std::chrono::steady_clock::now();
    CScriptValue built;
    built.SetString("");
    const int appends = 1000000;
    for (int i = 0; i < appends; ++i)
        built.Concatenate(text);
    seconds = SecondsSince(start);
    std::printf("concatenate 43 chars: %.1f ns (final length %d)\n", seconds * 1e9 / appends,
                built.GetString().GetLength());

    start = std::chrono::steady_clock::now();
    const int prints = 1000000;
    long long length = 0;
    for (int i = 0; i < prints; ++i) {
        CScriptValue v;
        v.SetDouble(i * 0.37);
        length += v.GetString().GetLength();
    }
    seconds = SecondsSince(start);
    std::printf("number to string (%%.15g): %.1f ns (%lld chars)\n", seconds * 1e9 / prints, length);

    CScriptValue array;
    array.PushSubscript(1000);
    array.PushSubscript(100);
    array.MakeArray();
    for (int i = 0; i < 1000; ++i) {
        array.ClearSubscripts();
        array.PushSubscript(i);
        array.PushSubscript(i % 100);
        array.ElementAtPending()->SetInteger(i);
    }
    start = std::chrono::steady_clock::now();
    const int arrayCopies = 200;
    for (int i = 0; i < arrayCopies; ++i) {
        CScriptValue copy;
        copy = array;
    }
    seconds = SecondsSince(start);
    std::printf("deep copy of a 100,000-element array with 1,000 set: %.1f us\n", seconds * 1e6 / arrayCopies);
}
}  // namespace

int main()
{
    BenchLexer();
    BenchValues();
    return 0;
}
