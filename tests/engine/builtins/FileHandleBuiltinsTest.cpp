// The file-handle built-ins and OPT, run by runrobot.exe, and their line reader.
#include "engine/builtins/FileHandleBuiltins.h"
#include "tests/engine/ScriptRunSupport.h"
#include "tests/tools/e2e/E2eSupport.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

namespace {

using scripttest::Result;
using Lines = std::vector<std::string>;

const char kFileHandleInvalid[] = "File handle invalid.  Make sure that the FileOpen command succeeded.";
const char kTooManyFiles[] = "Unable to open file, the maximum number of open files has been exceeded.";

Lines ReadingScript()
{
    return {
        "$in = \"%OUT%.in\"",
        "$w = FileOpen($in, 2)",
        "FileWrite($w, \"a\" & @CRLF & \"b\" & @CR & \"c\" & @LF)",
        "FileClose($w)",
        "$r = FileOpen($in, 0)",
        "FileWriteLine(\"%OUT%\", FileReadLine($r))",
        "FileWriteLine(\"%OUT%\", FileReadLine($r))",
        "FileWriteLine(\"%OUT%\", FileReadLine($r))",
        "$l = FileReadLine($r)",
        "FileWriteLine(\"%OUT%\", \"eof\" & @error & \"[\" & $l & \"]\")",
        "FileWriteLine(\"%OUT%\", FileReadLine($r, 2))",
        "FileWriteLine(\"%OUT%\", FileReadLine($r, 2))",
        "FileWriteLine(\"%OUT%\", FileReadLine($in, 3))",
        "$l = FileReadLine($in, 4)",
        "FileWriteLine(\"%OUT%\", \"past\" & @error & \"[\" & $l & \"]\")",
        "$l = FileReadLine($r, 0)",
        "FileWriteLine(\"%OUT%\", \"zero\" & @error & \"[\" & $l & \"]\")",
        "FileClose($r)",
        "$l = FileRead(\"%OUT%.missing\", 10)",
        "FileWriteLine(\"%OUT%\", \"missing\" & @error)",
        "$l = FileReadLine(\"%OUT%.missing\")",
        "FileWriteLine(\"%OUT%\", \"missingline\" & @error)",
        "FileWriteLine(\"%OUT%\", FileRead($in, 1))",
        "FileWriteLine(\"%OUT%\", \"[\" & FileRead($in, 1000000000) & \"]\")",
        "$l = FileRead($in, -5)",
        "FileWriteLine(\"%OUT%\", \"neg\" & @error)",
        "$ro = FileOpen($in, 0)",
        "FileWriteLine(\"%OUT%\", \"rowrite\" & FileWrite($ro, \"z\") & @error)",
        "FileWriteLine(\"%OUT%\", \"badmode\" & FileOpen($in, 7))",
        "FileWriteLine(\"%OUT%\", \"nofolder\" & FileOpen(\"%OUT%.none\\x.txt\", 0))",
        "$wh = FileOpen($in, 1)",
        "$l = FileReadLine($wh)",
        "FileWriteLine(\"%OUT%\", \"readappend\" & @error)",
        "FileClose($wh)",
        "FileClose($ro)",
        "FileWriteLine(\"%OUT%\", \"nofind\" & FileFindFirstFile(\"%OUT%.none*\"))",
        "$f = FileFindFirstFile(\"%OUT%.i*\")",
        "FileWriteLine(\"%OUT%\", \"found\" & (FileFindNextFile($f) <> \"\") & @error)",
        "$l = FileFindNextFile($f)",
        "FileWriteLine(\"%OUT%\", \"exhausted\" & @error & \"[\" & $l & \"]\")",
        "FileClose($f)",
    };
}

Lines WritingScript()
{
    return {
        "$h = FileOpen(\"%OUT%\", 2)",
        "FileWriteLine($h, \"a\")",
        "FileWrite($h, \"b\" & @CR & \"c\")",
        "FileWriteLine($h, \"x\" & @LF)",
        "FileWriteLine($h, \"\")",
        "FileWriteLine($h, 12.5)",
        "FileClose($h)",
        "$a = FileOpen(\"%OUT%\", 1)",
        "FileWriteLine($a, \"appended\")",
        "FileClose($a)",
        "FileWriteLine(\"%OUT%\", \"byname\")",
    };
}

Lines SixtyFiveHandles()
{
    return {
        "For $i = 0 To 63",
        "$hh = FileOpen(\"%OUT%.\" & $i, 2)",
        "FileWrite($hh, $hh & \" \")",
        "Next",
        "FileClose(5)",
        "$again = FileOpen(\"%OUT%.again\", 2)",
        "FileWriteLine($again, \"reused\" & $again)",
        "FileClose($again)",
        "$hh = FileOpen(\"%OUT%.more\", 2)",
        "$hh = FileOpen(\"%OUT%.extra\", 2)",
    };
}

TEST(FileHandleBuiltinsTest, OpenReadWriteCloseAndFind)
{
    const std::vector<Lines> scripts = {
        ReadingScript(),
        WritingScript(),
        SixtyFiveHandles(),
        // The slots of the script before were closed when it was unloaded.
        {"$h = FileOpen(\"%OUT%.next\", 2)", "FileWriteLine(\"%OUT%\", \"first\" & $h)", "FileClose($h)"},
        {"FileClose(64)"},
        {"FileClose(3)"},
        {"$h = FileOpen(\"%OUT%.x\", 2)", "FileWriteLine(\"%OUT%\", \"opened\" & $h)", "$n = FileFindNextFile($h)"},
        {"$n = FileReadLine(-1)"},
        {"$n = FileWrite(\"1\" + 1, \"x\")"},
        // With every slot in use a search that finds nothing still gives -1;
        // one that finds something needs a slot.
        {"For $i = 0 To 63", "$hh = FileOpen(\"%OUT%.\" & $i, 2)", "Next",
         "FileWriteLine(\"%OUT%\", \"nomatch\" & FileFindFirstFile(\"%OUT%.none*\") & @error)",
         "$s = FileFindFirstFile(\"%OUT%.*\")"},
    };
    const std::vector<Result> results = scripttest::RunScripts(scripts);
    ASSERT_EQ(scripts.size(), results.size());

    EXPECT_TRUE(results[0].boxes.empty()) << results[0].FirstBox();
    EXPECT_EQ((Lines{"a",        "b",           "c",         "eof-1[]",      "b",          "b",           "c",
                     "past-1[]", "zero0[]",     "missing1",  "missingline1", "a",          "[a",          "b\rc",
                     "]",        "neg-1",       "rowrite00", "badmode-1",    "nofolder-1", "readappend1", "nofind-1",
                     "found10",  "exhausted1[]"}),
              results[0].OutputLines());
    EXPECT_EQ(std::string("[a\r\nb\rc\n]\r\n"), results[0].output.substr(results[0].output.find("[a"), 11));

    EXPECT_TRUE(results[1].boxes.empty()) << results[1].FirstBox();
    EXPECT_EQ("a\r\nb\rcx\n\r\n12.5\r\nappended\r\nbyname\r\n", results[1].output);

    ASSERT_EQ(1u, results[2].boxes.size());
    EXPECT_EQ(scripttest::ErrorReport(results[2], 10, results[2].lines[9], -1, kTooManyFiles), results[2].FirstBox());
    EXPECT_EQ("reused5\r\n", e2e::ReadWholeFile(results[2].path.substr(0, results[2].path.size() - 4) + ".out.again"));
    EXPECT_EQ("63 ", e2e::ReadWholeFile(results[2].path.substr(0, results[2].path.size() - 4) + ".out.63"));

    EXPECT_TRUE(results[3].boxes.empty()) << results[3].FirstBox();
    EXPECT_EQ(Lines{"first0"}, results[3].OutputLines());

    EXPECT_EQ(Lines{"nomatch-10"}, results[9].OutputLines());
    ASSERT_EQ(1u, results[9].boxes.size());
    EXPECT_EQ(scripttest::ErrorReport(results[9], 5, results[9].lines[4], -1, kTooManyFiles), results[9].FirstBox());

    for (size_t i = 4; i < 9; ++i) {
        ASSERT_EQ(1u, results[i].boxes.size()) << i;
        EXPECT_EQ(scripttest::ErrorReport(results[i], static_cast<int>(scripts[i].size()), results[i].lines.back(), -1,
                                          kFileHandleInvalid),
                  results[i].FirstBox())
            << i;
    }
    EXPECT_EQ(Lines{"opened0"}, results[6].OutputLines());
}

TEST(FileHandleBuiltinsTest, LinesOfAnyLength)
{
    const Result result = scripttest::RunScript({
        "$long = \"x\"",
        "For $i = 1 To 17",
        "$long = $long & $long",
        "Next",
        "FileWriteLine(\"%OUT%.in\", $long)",
        "FileWriteLine(\"%OUT%.in\", \"tail\")",
        "$r = FileOpen(\"%OUT%.in\", 0)",
        "$back = FileReadLine($r)",
        "FileWriteLine(\"%OUT%\", ($back == $long) & FileReadLine($r))",
        "FileClose($r)",
    });
    EXPECT_TRUE(result.boxes.empty()) << result.FirstBox();
    EXPECT_EQ(Lines{"1tail"}, result.OutputLines());
}

TEST(FileHandleBuiltinsTest, ReadStreamLineTakesEveryLineEnd)
{
    const std::string path = e2e::TempFilePath("streamlines");
    ASSERT_TRUE(e2e::WriteWholeFile(path, "one\r\ntwo\rthree\n\n\r\rlast\r"));
    FILE* pStream = std::fopen(path.c_str(), "rb");
    ASSERT_NE(nullptr, pStream);
    Lines lines;
    std::string line;
    while (ReadStreamLine(pStream, line))
        lines.push_back(line);
    std::fclose(pStream);
    EXPECT_EQ((Lines{"one", "two", "three", "", "", "", "last"}), lines);
}

TEST(FileHandleBuiltinsTest, LineEndsAtItsFirstZeroByte)
{
    const std::string input = e2e::TempFilePath("zeroline");
    ASSERT_TRUE(e2e::WriteWholeFile(input, std::string("ab\0cd\r\nef", 9)));
    const Result result = scripttest::RunScript({
        "$r = FileOpen(\"" + input + "\", 0)",
        "FileWriteLine(\"%OUT%\", FileReadLine($r) & \"|\" & FileReadLine($r))",
        "FileClose($r)",
        "FileWriteLine(\"%OUT%\", FileReadLine(\"" + input + "\", 1) & \"|\")",
    });
    EXPECT_TRUE(result.boxes.empty()) << result.FirstBox();
    EXPECT_EQ("ab|ef\r\nab|\r\n", result.output);
}

TEST(OptionBuiltinsTest, OptReturnsOldValuesAndChecksRanges)
{
    const Lines script = {
        "FileWriteLine(\"%OUT%\", Opt(\"mousecoordmode\", 0))",
        "FileWriteLine(\"%OUT%\", Opt(\"MouseCoordMode\", 5))",
        "FileWriteLine(\"%OUT%\", Opt(\"MouseCoordMode\", 1))",
        "FileWriteLine(\"%OUT%\", Opt(\"WinTitleMatchMode\", 7))",
        "FileWriteLine(\"%OUT%\", Opt(\"WinTitleMatchMode\", 3))",
        "FileWriteLine(\"%OUT%\", Opt(\"WinTitleMatchMode\", 1))",
        "FileWriteLine(\"%OUT%\", Opt(\"WinTextMatchMode\", 3))",
        "FileWriteLine(\"%OUT%\", Opt(\"MouseClickDelay\", -5))",
        "FileWriteLine(\"%OUT%\", Opt(\"MouseClickDelay\", 10))",
        "FileWriteLine(\"%OUT%\", Opt(\"SendKeyDelay\", -1))",
        "FileWriteLine(\"%OUT%\", Opt(\"SendKeyDelay\", 5))",
        "FileWriteLine(\"%OUT%\", Opt(\"SendKeyDownDelay\", -2))",
        "FileWriteLine(\"%OUT%\", Opt(\"GUICoordMode\", 5))",
        "FileWriteLine(\"%OUT%\", Opt(\"TrayIconHide\", 1))",
        "FileWriteLine(\"%OUT%\", DariReSetOption(\"ColorMode\", 3))",
        "FileWriteLine(\"%OUT%\", DariReSetOption(\"COLORMODE\", 0))",
        "FileWriteLine(\"%OUT%\", Opt(\"WinWaitDelay\", 100))",
        "FileWriteLine(\"%OUT%\", Opt(\"WinWaitDelay\", 250))",
        "Opt(\"ExpandEnvStrings\", 1)",
        "FileWriteLine(\"%OUT%\", \"100%%\")",
        "Opt(\"ExpandEnvStrings\", 0)",
        "FileWriteLine(\"%OUT%\", \"100%%\")",
        "Opt(\"WinBogusMode\", 1)",
    };
    const Result result = scripttest::RunScript(script);
    EXPECT_EQ((Lines{"1",  "0", "1", "1", "1", "3", "1",   "10",  "10",   "5",
                     "-1", "1", "1", "1", "0", "1", "250", "100", "100%", "100%%"}),
              result.OutputLines());
    ASSERT_EQ(1u, result.boxes.size());
    EXPECT_EQ(scripttest::ErrorReport(result, static_cast<int>(script.size()), result.lines.back(), -1,
                                      "Unknown option or bad parameter specified."),
              result.FirstBox());
}

}  // namespace
