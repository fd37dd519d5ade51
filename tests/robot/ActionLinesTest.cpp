#include "robot/ActionLines.h"

#include "framework/CMessageBoxCapture.h"

#include <gtest/gtest.h>

#include <string>

namespace {
const std::string kTag = " At Win [2]";
const std::string kMarker = "=> [remove on faster speed]";

struct Pair
{
    const char* description;
    const char* script;
};

// Lines that convert both ways and come back unchanged.
const Pair kBothWays[] = {
    {"Mouse Left Click", "MouseClick(\"left\", 1)"},
    {"Mouse Right Click, 3 times", "MouseClick(\"right\", 3)"},
    {"Mouse Double Click", "MouseDoubleClick(\"left\", 1)"},
    {"Mouse Double Click, 2 times", "MouseDoubleClick(\"left\", 2)"},
    {"Mouse Scroll Up", "MouseWheel(\"up\")"},
    {"Mouse Scroll Down", "MouseWheel(\"down\")"},
    {"Mouse Left Down", "MouseDown(\"left\")"},
    {"Mouse Left Up", "MouseUp(\"left\")"},
    {"Mouse Right Down", "MouseDown(\"right\")"},
    {"Mouse Right Up", "MouseUp(\"right\")"},
    {"Mouse move to 100, 200", "MouseMove(100, 200)"},
    {"Relative mouse move -5, 7", "MouseRelativeMove(-5, 7)"},
    {"Key Press A", "KeySend(\"\",\"\",\"\",\"A\", 1)"},
    {"Key Up <F11>, 3 times", "KeyUp(\"\",\"\",\"\",\"<F11>\", 3)"},
    {"Key Down <L Menu>", "KeyDown(\"\",\"\",\"\",\"<L Menu>\", 1)"},
    {"Key Press ,", "KeySend(\"\",\"\",\"\",\",\",1)"},
    {"Key Press ,, 3 times", "KeySend(\"\",\"\",\"\",\",\", 3)"},
    {"Key Down ,, 2 times", "KeyDown(\"\",\"\",\"\",\",\", 2)"},
    {"Wait 500 milliseconds", "WAIT(500)"},
    {"Wait 60000 milliseconds", "WAIT(60000)"},
    {"Wait 60001 milliseconds", "WAITLONG(60001)"},
    {"Input text hello, world", "Send(\"hello, world\")"},
    {"If color at mouse point Equal to #FF0000, Then", "If CheckColor(-1,-1,255,0,0,0) Then"},
    {"If color at (10, 20) Unqual to #00FF7F, Then", "If CheckColor(10,20,0,255,127,1) Then"},
    {"If color at (3, 4) Approximately equal to #0A0B0C, Then", "If CheckColor(3,4,10,11,12,2) Then"},
    {"Else", "Else"},
    {"EndIf", "EndIf"},
    {"TAG start", "TAG $start"},
    {"Switch to TAG start", "GOTO $start"},
    {"Start loop1, loop 5 times", "For $count1 = 1 To 5"},
    {"End loop block", "Next"},
    {"Comment: say \"hi\"", "Comment: say \"hi\""},
    {"Run C:\\tools\\prog.exe|-x y|1|2", "RunWait(\"C:\\tools\\prog.exe\", \"-x y\", 1)"},
    {"Run notepad.exe||0|0", "Run(\"notepad.exe\", \"\", 0)"},
    {"Run a|b|1|1", "RunReadyInput(\"a\", \"b\", 1)"},
    {"Shut down computer", "Shutdown(1)"},
    {"Power off computer", "Shutdown(8)"},
    {"Restart computer", "Shutdown(2)"},
    {"Log off computer", "Shutdown(0)"},
};

// Lines that only convert one way.
const Pair kTowardsScript[] = {
    {"Mouse Left Click, 1 times", "MouseClick(\"left\", 1)"},
    {"Mouse Scroll up", "MouseWheel(\"up\")"},
    {"Mouse Scroll sideways", "MouseWheel(\"down\")"},
    {"Wait 60 seconds", "WAIT(60000)"},
    {"Wait 61 seconds", "WAITLONG(61000)"},
    {"Wait 1 minutes", "WAIT(60000)"},
    {"Wait 2 minutes", "WAITLONG(120000)"},
    {"Wait 250", "WAIT(250)"},
    // Beyond 32 bits the wait saturates instead of wrapping negative.
    {"Wait 40000 minutes", "WAITLONG(2147483647)"},
    {"Wait 3000000 seconds", "WAITLONG(2147483647)"},
    {"Wait 99999999999 milliseconds", "WAITLONG(2147483647)"},
    {"Input text say \"hi\"", "Send(\"say hi\")"},
    {"If color at mouse point Equal to #ff00aa, Then", "If CheckColor(-1,-1,255,0,170,0) Then"},
    {"If color at mouse point Equal to #F, Then", "If CheckColor(-1,-1,240,0,0,0) Then"},
    {"If color at mouse point Unqual to #zz, Then", "If CheckColor(-1,-1,0,0,0,1) Then"},
    {"Shut down computer now", ""},
    {"Something else", ""},
    {"", ""},
};

const Pair kTowardsDescription[] = {
    {"Mouse Middle Click, 2 times", "MouseClick(\"MIDDLE\", 2)"},
    {"Mouse Double Click", "MouseDoubleClick(\"right\", 1)"},
    {"Mouse Scroll Up", "MouseWheel( \"UP\")"},
    {"Mouse Scroll Down", "MouseWheel(up)"},
    {"Mouse move to 1, 2", "MouseMove(  1,  2)"},
    {"Wait 61000 milliseconds", "WAITLONG(61000)"},
    {"If color at mouse point Approximately equal to #FFFFFF, Then", "If CheckColor( -1, -1, 255, 255, 255, 7) Then"},
    {"", "Shutdown(5)"},
    {"", "Unknown(1)"},
};

// Malformed lines: whatever the rules give, they must neither crash nor read
// past the end.
const char* const kMalformedDescriptions[] = {
    "Mouse move to 100",
    "Mouse move to",
    "Relative mouse move",
    "Mouse Left Click, 3",
    "Key Press ",
    "Key Press ,,",
    "Key Up A,",
    "Wait",
    "Wait seconds",
    "Input text",
    "If color at (",
    "If color at (1",
    "If color at mouse point",
    "If color at mouse point Equal to #",
    "TAG",
    "Switch to TAG",
    "Start loop",
    "Start loop, loop",
    "Run ",
    "Run |",
    "Run ||||",
    " At Win [",
    " At Win []",
    "=> [remove on faster speed]",
};
const char* const kMalformedScripts[] = {
    "MouseClick(",
    "MouseClick(\"",
    "MouseDoubleClick(",
    "MouseWheel(",
    "MouseDown(",
    "MouseUp(\"",
    "MouseMove(",
    "MouseMove(1",
    "MouseRelativeMove(",
    "KeySend(",
    "KeySend(\"\",\"A\", 1)",
    "KeyUp(\"",
    "KeyDown(,",
    "WAIT(",
    "WAITLONG)",
    "Send(",
    "Send(\"",
    "TAG $",
    "GOTO $",
    "For $count",
    "For $count=",
    "If CheckColor(",
    "If CheckColor(1,2",
    "If CheckColor(1,2,3,4,5,6",
    "Shutdown(",
    "-> At Win [",
    "-> At Win []",
};
}  // namespace

TEST(ActionLines, GrammarConvertsBothWays)
{
    for (const Pair& pair : kBothWays) {
        EXPECT_EQ(pair.script, DescriptionToScriptLine(pair.description).Str()) << pair.description;
        EXPECT_EQ(pair.description, ScriptLineToDescription(pair.script).Str()) << pair.script;
    }
}

TEST(ActionLines, BothSuffixesTravelAlong)
{
    for (const Pair& pair : kBothWays) {
        for (const std::string& suffix : {kTag, kMarker, kTag + kMarker}) {
            std::string scriptSuffix = suffix;
            if (suffix.compare(0, kTag.size(), kTag) == 0)
                scriptSuffix = "->" + suffix;
            const std::string description = pair.description + suffix;
            const std::string script = pair.script + scriptSuffix;
            EXPECT_EQ(script, DescriptionToScriptLine(description.c_str()).Str()) << description;
            EXPECT_EQ(description, ScriptLineToDescription(script.c_str()).Str()) << script;
        }
    }
    // Only an opener with a "]" after it starts the tag.
    EXPECT_EQ("Send(\"x At Win [\")", DescriptionToScriptLine("Input text x At Win [").Str());
    EXPECT_EQ("Send(\"a At Win [1] b\")-> At Win [3]",
              DescriptionToScriptLine("Input text a At Win [1] b At Win [3]").Str());
    // A line that matches nothing keeps its suffixes.
    EXPECT_EQ("-> At Win [1]" + kMarker, DescriptionToScriptLine(("Nothing At Win [1]" + kMarker).c_str()).Str());
    EXPECT_EQ(kTag, ScriptLineToDescription("Shutdown(5)-> At Win [2]").Str());
}

TEST(ActionLines, OneWayConversions)
{
    for (const Pair& pair : kTowardsScript)
        EXPECT_EQ(pair.script, DescriptionToScriptLine(pair.description).Str()) << pair.description;
    for (const Pair& pair : kTowardsDescription)
        EXPECT_EQ(pair.description, ScriptLineToDescription(pair.script).Str()) << pair.script;
}

TEST(ActionLines, RunWithLongThirdArgumentWarnsAndConvertsOn)
{
    CMessageBoxCapture boxes;
    EXPECT_EQ("Run a|b|10|0", ScriptLineToDescription("Run(\"a\", \"b\", 10)").Str());
    ASSERT_EQ(1, boxes.Count());
    const CMessageBoxRequest request = boxes.Requests()[0];
    EXPECT_EQ("Some error may happened", request.text);
    EXPECT_EQ("Warning", request.caption);
    EXPECT_EQ(nullptr, request.owner);
    EXPECT_EQ(static_cast<UINT>(MB_OK), request.type);
    boxes.Clear();
    ScriptLineToDescription("RunWait(\"a\", \"b\", 1)");
    EXPECT_EQ(0, boxes.Count());
}

TEST(ActionLines, MalformedLinesAreHandledSafely)
{
    CMessageBoxCapture boxes;
    for (const char* line : kMalformedDescriptions)
        DescriptionToScriptLine(line);
    for (const char* line : kMalformedScripts)
        ScriptLineToDescription(line);
    // A few literal results of the rules on incomplete text.
    EXPECT_EQ("MouseMove(, ouse move to 100)", DescriptionToScriptLine("Mouse move to 100").Str());
    EXPECT_EQ("WAIT(0)", DescriptionToScriptLine("Wait").Str());
    EXPECT_EQ("Key Press ", ScriptLineToDescription("KeySend(\"\",\"\",\"\",\"\", 1)").Str());
}

TEST(ActionLines, EveryCutOfAGoodLineIsHandledSafely)
{
    // Each good line cut short, and each with one character left out, covers
    // every missing comma, quote, parenthesis and digit of the grammar.
    CMessageBoxCapture boxes;
    for (const Pair& pair : kBothWays) {
        const std::string description = pair.description + kTag + kMarker;
        const std::string script = std::string(pair.script) + "->" + kTag + kMarker;
        for (size_t cut = 0; cut < description.size(); ++cut) {
            DescriptionToScriptLine(description.substr(0, cut).c_str());
            DescriptionToScriptLine(std::string(description).erase(cut, 1).c_str());
        }
        for (size_t cut = 0; cut < script.size(); ++cut) {
            ScriptLineToDescription(script.substr(0, cut).c_str());
            ScriptLineToDescription(std::string(script).erase(cut, 1).c_str());
        }
    }
}
