// The file, directory, drive, shortcut and INI built-ins, run by runrobot.exe
// in a folder of their own under the prefix's temporary folder.
#include "tests/engine/builtins/BuiltinScriptRun.h"
#include "tests/engine/builtins/BuiltinScriptRunner.h"

#include "engine/system/SystemFiles.h"
#include "engine/system/SystemShortcuts.h"
#include "framework/WideText.h"
#include "tests/support/WideNamedFile.h"
#include "tests/tools/e2e/E2eSupport.h"

#include <gtest/gtest.h>

#include <commctrl.h>

#include <string>
#include <vector>

namespace {

using Lines = std::vector<std::string>;

// The lines run after a fresh folder $d is made.
ScriptOutcome RunInFolder(const Lines& lines)
{
    Lines script = {"$d = \"%OUT%.d\"", "DirCreate($d)"};
    script.insert(script.end(), lines.begin(), lines.end());
    script.push_back("DirRemove($d, 1)");
    return RunPutScript(script);
}

int YearOf(const std::string& path)
{
    WIN32_FILE_ATTRIBUTE_DATA data;
    FILETIME local;
    SYSTEMTIME time;
    if (!GetFileAttributesExA(path.c_str(), GetFileExInfoStandard, &data) ||
        !FileTimeToLocalFileTime(&data.ftLastWriteTime, &local) || !FileTimeToSystemTime(&local, &time))
        return 0;
    return time.wYear;
}

// A drive letter with no drive behind it.
std::string MissingDrive()
{
    const DWORD drives = GetLogicalDrives();
    for (int i = 25; i >= 3; --i) {
        if (!(drives & (1u << i)))
            return std::string(1, static_cast<char>('a' + i)) + ":";
    }
    return "b:";
}

bool MakeWideFile(const std::wstring& path)
{
    HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, 0, nullptr);
    return file != INVALID_HANDLE_VALUE && CloseHandle(file);
}

}  // namespace

TEST(FileBuiltins, IniFiles)
{
    const ScriptOutcome run = RunInFolder({
        "$f = $d & \"\\t.ini\"",
        "Put(IniWrite($f, \"s\", \"k\", \"v1\") & IniRead($f, \"s\", \"k\", \"def\"))",
        "Put(IniDelete($f, \"s\", \"k\") & IniRead($f, \"s\", \"k\", \"def\"))",
        "Put(IniRead($f, \"none\", \"k\", \"dflt\"))",
        "FileChangeDir($d)",
        "Put(IniWrite(\"rel.ini\", \"s\", \"k\", \"rel\") & IniRead($d & \"\\rel.ini\", \"s\", \"k\", \"\"))",
        "Put(IniWrite(\"\", \"s\", \"k\", \"v\") & IniDelete(\"\", \"s\", \"k\") & IniRead(\"\", \"s\", \"k\", \"e\"))",
        "FileChangeDir(@TempDir)",
    });
    EXPECT_EQ(0, run.exitCode) << run.output;
    EXPECT_EQ((Lines{"1v1", "1def", "dflt", "1rel", "00e"}), run.values);
}

TEST(FileBuiltins, TimesAreSetOnMatchesAndReadBack)
{
    const std::string folder = e2e::TempFilePath("times");
    const ScriptOutcome run = RunPutScript({
        "$d = \"" + folder + "\"",
        "DirCreate($d & \"\\sub\")",
        "FileWrite($d & \"\\a.txt\", \"a\")",
        "FileWrite($d & \"\\sub\\b.txt\", \"b\")",
        "FileChangeDir($d & \"\\sub\")",
        "$t = FileGetTime($d & \"\\missing.txt\")",
        "Put(@error & $t)",
        "$t = FileGetTime(\"%OUT%\")",
        "Put(@error & IsArray($t))",
        "Put(FileSetTime($d & \"\\*.txt\", \"20050607080910\"))",
        "Put(FileSetTime($d & \"\\*.txt\", \"200\") & FileSetTime($d & \"\\*.txt\", \"2004AB\"))",
        "Put(FileSetTime($d & \"\\*.txt\", \"20041301\") & FileSetTime($d & \"\\none*.x\", \"2004\"))",
        "$t = FileGetTime($d & \"\\a.txt\")",
        "Put($t[0] & $t[1] & $t[2] & $t[3] & $t[4] & $t[5])",
        "Put(FileSetTime($d, \"2004\"))",
        "$t = FileGetTime($d & \"\\a.txt\")",
        "Put($t[0])",
        "Put(FileSetTime($d, \"2004\", 0, 1))",
        "$t = FileGetTime(\"b.txt\")",
        "Put($t[0] & $t[1] & $t[2] & $t[3] & $t[4] & $t[5])",
        "Put(@WorkingDir = $d & \"\\sub\")",
        "FileChangeDir(@TempDir)",
    });
    EXPECT_EQ(0, run.exitCode) << run.output;
    EXPECT_EQ((Lines{"11", "01", "1", "00", "00", "20050607080910", "1", "2005", "1", "20040101000000", "1"}),
              run.values);
    EXPECT_EQ(2004, YearOf(folder));
    EXPECT_EQ(2004, YearOf(folder + "\\sub"));
    RemoveDirectoryTree(folder.c_str(), true);
}

TEST(FileBuiltins, AttributesSizeExistenceVersionAndNames)
{
    const ScriptOutcome run = RunInFolder({
        "$f = $d & \"\\f.txt\"",
        "FileWrite($f, \"12345\")",
        "DirCreate($d & \"\\sub\")",
        "FileWrite($d & \"\\sub\\g.txt\", \"\")",
        "Put(FileSetAttrib($f, \"+RH-A\") & FileGetAttrib($f))",
        "Put(FileSetAttrib($f, \"+Q\") & FileGetAttrib($f))",
        "Put(FileSetAttrib($f, \"+-R\") & FileSetAttrib($f, \"++A\") & FileSetAttrib($f, \"R+\") & FileGetAttrib($f))",
        "Put(FileSetAttrib($f, \"-rh\") & FileSetAttrib($d, \"+R\", 1) & FileGetAttrib($d & \"\\sub\\g.txt\"))",
        "Put(FileSetAttrib($d, \"-R\", 1) & FileGetAttrib($d & \"\\sub\\g.txt\"))",
        "$a = FileGetAttrib($d & \"\\none\")",
        "Put(@error & \"[\" & $a & \"]\" & FileGetAttrib($d))",
        "Put(FileGetSize($f) & FileGetSize($d & \"\\f.*\"))",
        "$s = FileGetSize($d & \"\\none\")",
        "Put($s & @error)",
        "Put(FileExists($f) & FileExists($d & \"\\*.txt\") & FileExists($d & \"\\*.zzz\") & FileExists($d & \"\\x\"))",
        "$v = FileGetVersion($f)",
        "Put($v & @error)",
        "Put(FileGetLongName(FileGetShortName($f)) = $f)",
        "$n = FileGetShortName($d & \"\\none\")",
        "Put(@error & ($n = $d & \"\\none\"))",
        "$n = FileGetLongName($d & \"\\none\\x\")",
        "Put(@error & ($n = $d & \"\\none\\x\"))",
        "Put(FileChangeDir($d & \"\\none\"))",
    });
    EXPECT_EQ(0, run.exitCode) << run.output;
    ASSERT_EQ(14u, run.values.size()) << run.output;
    // The system may keep the archive bit that "-A" clears (Wine never clears it).
    EXPECT_TRUE(run.values[0] == "1RH" || run.values[0] == "1RAH") << run.values[0];
    EXPECT_EQ("0" + run.values[0].substr(1), run.values[1]);
    // A sign after a sign, or at the end, fails before anything changes.
    EXPECT_EQ("000" + run.values[0].substr(1), run.values[2]);
    EXPECT_EQ('R', run.values[3].at(2)) << run.values[3];
    EXPECT_EQ(std::string::npos, run.values[4].find('R')) << run.values[4];
    EXPECT_EQ((Lines{"1[]D", "55", "01", "1100", "0.0.0.01", "1", "11", "11", "0"}),
              Lines(run.values.begin() + 5, run.values.end()));
}

TEST(FileBuiltins, CopyMoveDeleteAndRecycle)
{
    const std::string other = "Z:\\tmp\\tapforge-files-" + std::to_string(GetCurrentProcessId());
    // Another volume under the same drive letter as Z:\tmp.
    const std::string shm = "Z:\\dev\\shm\\tapforge-files-" + std::to_string(GetCurrentProcessId()) + ".txt";
    const ScriptOutcome run = RunInFolder({
        "$z = \"" + other + "\"",
        "$shm = \"" + shm + "\"",
        "FileWrite($d & \"\\a.txt\", \"a\")",
        "FileWrite($d & \"\\b.txt\", \"b\")",
        "DirCreate($d & \"\\c\")",
        "Put(FileCopy($d & \"\\*.txt\", $d & \"\\c\") & FileExists($d & \"\\c\\b.txt\"))",
        "Put(FileCopy($d & \"\\a.txt\", $d & \"\\c\") & FileCopy($d & \"\\a.txt\", $d & \"\\c\", 1))",
        "Put(FileInstall($d & \"\\a.txt\", $d & \"\\i.txt\") & FileExists($d & \"\\i.txt\"))",
        "DirCreate($z)",
        "Put(FileMove($d & \"\\c\\*.txt\", $z) & FileExists($z & \"\\a.txt\") & FileExists($d & \"\\c\\a.txt\"))",
        "FileWrite($z & \"\\v.txt\", \"v\")",
        "Put(FileMove($z & \"\\v.txt\", $shm) & FileRead($shm, 1) & FileExists($z & \"\\v.txt\") & FileDelete($shm))",
        // A source that cannot be deleted after its copy fails the move; both stay.
        "FileWrite($z & \"\\r.txt\", \"r\")",
        "FileSetAttrib($z & \"\\r.txt\", \"+R\")",
        "Put(FileMove($z & \"\\r.txt\", $shm) & FileRead($shm, 1) & FileExists($z & \"\\r.txt\"))",
        "FileSetAttrib($z & \"\\r.txt\", \"-R\")",
        "FileSetAttrib($shm, \"-R\")",
        "FileDelete($shm)",
        "DirRemove($z, 1)",
        "Put(FileDelete($d & \"\\*.zzz\") & FileDelete(\"\") & FileExists($d & \"\\a.txt\"))",
        "Put(FileDelete($d & \"\\i.txt\") & FileExists($d & \"\\i.txt\"))",
        "Put(FileRecycle($d & \"\\b.txt\") & FileExists($d & \"\\b.txt\") & FileRecycle(\"\"))",
        "Put(FileRecycleEmpty())",
    });
    EXPECT_EQ(0, run.exitCode) << run.output;
    EXPECT_EQ((Lines{"11", "01", "11", "110", "1v01", "0r1", "001", "10", "100", "1"}), run.values);
}

TEST(FileBuiltins, FilesNeverLandOnOneAnother)
{
    const ScriptOutcome run = RunInFolder({
        "$i = $d & \"\\in\"",
        "DirCreate($i)",
        "FileWrite($i & \"\\a.txt\", \"a\")",
        "FileWrite($i & \"\\b.txt\", \"b\")",
        // Every match onto one name: nothing is moved or copied.
        "Put(FileMove($i & \"\\*.txt\", $d & \"\\archive\", 1) & FileExists($d & \"\\archive\"))",
        "Put(FileCopy($i & \"\\*.txt\", $d & \"\\archive\\\", 1) & FileExists($d & \"\\archive\"))",
        "Put(FileCopy($i & \"\\*.txt\", $i & \"\\one.*\", 1) & FileExists($i & \"\\one.txt\"))",
        "Put(FileRead($i & \"\\a.txt\", 1) & FileRead($i & \"\\b.txt\", 1))",
        // Copies and renames that land in the searched folder are not met again.
        "Put(FileCopy($i & \"\\*\", $i & \"\\x*\") & FileRead($i & \"\\xb.txt\", 1) & FileExists($i & \"\\xx*\"))",
        "Put(FileMove($i & \"\\*\", $i & \"\\y*\") & FileRead($i & \"\\yxa.txt\", 1) & FileExists($i & \"\\yy*\"))",
        "Put(FileExists($i & \"\\a.txt\") & FileExists($i & \"\\x*\"))",
        // One match onto a new name is still a rename.
        "Put(FileMove($i & \"\\ya.txt\", $d & \"\\archive\") & FileRead($d & \"\\archive\", 1))",
        // A match onto another match's own file: nothing moves.
        "FileWrite($i & \"\\b.txt\", \"c\")",
        "Put(FileMove($i & \"\\*b.txt\", $i & \"\\y*\", 1) & FileRead($i & \"\\yb.txt\", 1) & FileRead($i & "
        "\"\\b.txt\", 1))",
    });
    EXPECT_EQ(0, run.exitCode) << run.output;
    EXPECT_EQ((Lines{"00", "00", "00", "ab", "1b0", "1a0", "00", "1a", "0bc"}), run.values);
}

TEST(FileBuiltins, OverwriteReplacesAHiddenFile)
{
    const std::string folder = e2e::TempFilePath("hidden");
    const std::string other = "Z:\\tmp\\tapforge-hidden-" + std::to_string(GetCurrentProcessId());
    ASSERT_TRUE(CreateDirectoryA(folder.c_str(), nullptr));
    ASSERT_TRUE(e2e::WriteWholeFile(folder + "\\locked.txt", "lock"));
    // Held open without sharing, so that a copy from it fails.
    HANDLE locked = CreateFileA((folder + "\\locked.txt").c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(INVALID_HANDLE_VALUE, locked);
    const ScriptOutcome run = RunPutScript({
        "$d = \"" + folder + "\"",
        "$z = \"" + other + "\"",
        "$h = $d & \"\\h.txt\"",
        "FileWrite($h, \"old\")",
        "FileSetAttrib($h, \"+H\")",
        "FileWrite($d & \"\\n.txt\", \"new\")",
        "Put(FileCopy($d & \"\\n.txt\", $h) & FileRead($h, 3))",
        "Put(FileCopy($d & \"\\locked.txt\", $h, 1) & FileRead($h, 3) & (StringInStr(FileGetAttrib($h), \"H\") > 0))",
        "Put(FileCopy($d & \"\\n.txt\", $h, 1) & FileRead($h, 3))",
        "FileSetAttrib($h, \"+H\")",
        "Put(FileInstall($d & \"\\locked.txt\", $h, 1) & (StringInStr(FileGetAttrib($h), \"H\") > 0))",
        "DirCreate($z)",
        "FileWrite($z & \"\\m.txt\", \"mov\")",
        "Put(FileMove($z & \"\\m.txt\", $h, 1) & FileRead($h, 3) & FileExists($z & \"\\m.txt\"))",
        // The copy of a move whose source stays takes no mark from the old file.
        "FileWrite($z & \"\\r.txt\", \"ro!\")",
        "FileSetAttrib($z & \"\\r.txt\", \"+R\")",
        "FileSetAttrib($h, \"+H\")",
        "Put(FileMove($z & \"\\r.txt\", $h, 1) & FileRead($h, 3) & (StringInStr(FileGetAttrib($h), \"H\") > 0) & "
        "FileExists($z & \"\\r.txt\"))",
        "FileSetAttrib($z & \"\\r.txt\", \"-R\")",
        "FileSetAttrib($h, \"-R\")",
        "DirRemove($z, 1)",
    });
    CloseHandle(locked);
    RemoveDirectoryTree(folder.c_str(), true);
    EXPECT_TRUE(EndedWithValues(run, {"0old", "0old1", "1new", "01", "1mov0", "0ro!01"}));
}

TEST(FileBuiltins, FolderMacrosReachAFolderOutsideTheCodePageByItsShortName)
{
    // Greek capital omega: "?" in a code page without it, a look-alike "O"
    // where the system maps it by best fit.
    const std::wstring name = L"\x03A9mega";
    if (CodePageSpells(name))
        GTEST_SKIP() << "the code page " << GetACP() << " holds the name";
    const std::string root = e2e::TempFilePath("codepage");
    const std::wstring folder = Widened(root.c_str()) + L"\\" + name;
    ASSERT_TRUE(CreateDirectoryA(root.c_str(), nullptr));
    ASSERT_TRUE(CreateDirectoryW(folder.c_str(), nullptr));
    ASSERT_TRUE(MakeWideFile(folder + L"\\f.txt"));
    if (GetShortPathNameW(folder.c_str(), nullptr, 0) == 0)
        GTEST_SKIP() << "the system keeps no short names";
    // The siblings that "?mega" or the look-alike would name.
    const Lines siblings = {root + "\\Omega\\f.txt", root + "\\xmega\\f.txt", root + "\\amega"};
    for (const std::string& path : siblings) {
        MakeDirectoryPath(path.substr(0, path.rfind('\\')).c_str());
        ASSERT_TRUE(e2e::WriteWholeFile(path, "f")) << path;
    }
    WCHAR saved[MAX_PATH] = L"";
    GetCurrentDirectoryW(MAX_PATH, saved);
    WCHAR savedTemp[MAX_PATH] = L"";
    const DWORD dwTemp = GetEnvironmentVariableW(L"TMP", savedTemp, MAX_PATH);
    ASSERT_TRUE(SetCurrentDirectoryW(folder.c_str()));
    SetEnvironmentVariableW(L"TMP", folder.c_str());
    // The script is loaded by a relative name, so its folder is the current one.
    CBuiltinScriptRunner runner;
    const bool bRan = runner.Run({
        "$w = @WorkingDir",
        "$s = @ScriptDir",
        "$t = @TempDir",
        "FileChangeDir(@WindowsDir)",
        "$r = FileExists($s & \"\\f.txt\") & FileExists($t & \"\\f.txt\") & FileDelete($w & \"\\f.txt\")",
    });
    SetEnvironmentVariableW(L"TMP", dwTemp ? savedTemp : nullptr);
    SetCurrentDirectoryW(saved);
    EXPECT_TRUE(bRan);
    EXPECT_EQ("111", runner.Text("r")) << runner.Text("w");
    EXPECT_EQ(INVALID_FILE_ATTRIBUTES, GetFileAttributesW((folder + L"\\f.txt").c_str()));
    for (const std::string& path : siblings)
        EXPECT_NE(INVALID_FILE_ATTRIBUTES, GetFileAttributesA(path.c_str())) << path;
    RemoveDirectoryTree(root.c_str(), true);
}

TEST(FileBuiltins, AFolderMacroWithoutAnExactNameReachesNothing)
{
    // A temporary folder still to be made has no short name.
    const std::wstring name = L"\x03A9mega";
    if (CodePageSpells(name))
        GTEST_SKIP() << "the code page " << GetACP() << " holds the name";
    const std::string root = e2e::TempFilePath("unreachable");
    ASSERT_TRUE(CreateDirectoryA(root.c_str(), nullptr));
    // What the look-alike, "?mega" or "" would reach.
    const Lines siblings = {root + "\\Omega\\f.txt", root + "\\xmega\\f.txt", root + "\\amega"};
    for (const std::string& path : siblings) {
        MakeDirectoryPath(path.substr(0, path.rfind('\\')).c_str());
        ASSERT_TRUE(e2e::WriteWholeFile(path, "f")) << path;
    }
    WCHAR savedTemp[MAX_PATH] = L"";
    const DWORD dwTemp = GetEnvironmentVariableW(L"TMP", savedTemp, MAX_PATH);
    SetEnvironmentVariableW(L"TMP", (Widened(root.c_str()) + L"\\" + name).c_str());
    CBuiltinScriptRunner runner;
    const bool bRan = runner.Run({
        "$t = @TempDir",
        "$r = FileExists($t) & FileExists($t & \"\\*.*\") & FileDelete($t) & FileDelete($t & \"\\f.txt\")",
    });
    SetEnvironmentVariableW(L"TMP", dwTemp ? savedTemp : nullptr);
    EXPECT_TRUE(bRan);
    EXPECT_EQ(root + "\\|mega", runner.Text("t"));
    EXPECT_EQ("0000", runner.Text("r"));
    for (const std::string& path : siblings)
        EXPECT_EQ("f", e2e::ReadWholeFile(path)) << path;
    RemoveDirectoryTree(root.c_str(), true);
}

TEST(FileBuiltins, AFileNameOutsideTheCodePageNeverNamesAnotherFile)
{
    // A fullwidth backslash: the 8-bit listing gives "..\keep.txt", a file
    // one folder up.
    const std::wstring name = L"..\xFF3Ckeep.txt";
    if (CodePageSpells(name))
        GTEST_SKIP() << "the code page " << GetACP() << " holds the name";
    const std::string root = e2e::TempFilePath("lookalike");
    const std::wstring inside = Widened(root.c_str()) + L"\\in\\" + name;
    ASSERT_TRUE(CreateDirectoryA(root.c_str(), nullptr));
    ASSERT_TRUE(CreateDirectoryA((root + "\\in").c_str(), nullptr));
    ASSERT_TRUE(e2e::WriteWholeFile(root + "\\keep.txt", "outside"));
    ASSERT_TRUE(MakeWideFile(inside));
    // The file is reached by its short name where the system keeps one, and
    // left out of listings where not.
    WIN32_FIND_DATAW found;
    FindClose(FindFirstFileW(inside.c_str(), &found));
    const std::string shortName = Narrowed(found.cAlternateFileName);
    CBuiltinScriptRunner runner;
    EXPECT_TRUE(runner.Run({
        "$d = " + ScriptLiteral(root + "\\in"),
        "$s = FileFindFirstFile($d & \"\\*.txt\")",
        "If $s >= 0 Then",
        "$n = FileFindNextFile($s)",
        "$m = FileFindNextFile($s)",
        "$e = @error",
        "$l = FileGetLongName($d & \"\\\" & $n)",
        "$le = @error",
        "EndIf",
        "$r = FileSetAttrib($d & \"\\*.txt\", \"+H\") & FileDelete($d & \"\\*.txt\")",
    }));
    if (shortName.empty()) {
        EXPECT_EQ(-1, runner.Var("s").GetInteger());
        EXPECT_EQ("00", runner.Text("r"));
        EXPECT_NE(INVALID_FILE_ATTRIBUTES, GetFileAttributesW(inside.c_str()));
    } else {
        EXPECT_EQ(shortName, runner.Text("n"));
        EXPECT_EQ("", runner.Text("m"));
        EXPECT_EQ(1, runner.Var("e").GetInteger());
        EXPECT_EQ(1, runner.Var("le").GetInteger());
        EXPECT_EQ("11", runner.Text("r"));
        EXPECT_EQ(INVALID_FILE_ATTRIBUTES, GetFileAttributesW(inside.c_str()));
    }
    EXPECT_EQ(0u, GetFileAttributesA((root + "\\keep.txt").c_str()) & FILE_ATTRIBUTE_HIDDEN);
    EXPECT_EQ("outside", e2e::ReadWholeFile(root + "\\keep.txt"));
    RemoveDirectoryTree(root.c_str(), true);
}

TEST(FileBuiltins, OverlongArgumentsFailBeforeTheSystemSeesThem)
{
    // $t2, $t1 and $s are 32,766, 32,767 and 32,768 chars long; $q and $r are
    // paths of MAX_PATH - 1 and MAX_PATH chars, $p one of about 700, $c one of
    // 251.
    const Lines preamble = {
        "$s = \"x\"",
        "For $n = 1 To 15",
        "$s = $s & $s",
        "Next",
        "$t1 = StringTrimRight($s, 1)",
        "$t2 = StringTrimRight($s, 2)",
        "$q = $d & \"\\\" & StringLeft($s, 258 - StringLen($d))",
        "$r = $q & \"x\"",
        "$p = $d",
        "For $n = 1 To 7",
        "$p = $p & \"\\\" & StringLeft($s, 99)",
        "Next",
        "$f = $d & \"\\t.ini\"",
        "$k = \"\\\\\" & StringLeft($s, 255) & \"\\HKCU\\Software\"",
        "$c = $d & \"\\\" & StringLeft($s, 250 - StringLen($d))",
    };
    const std::pair<const char*, const char*> rows[] = {
        {"Put(IniWrite($f, \"s\", \"k\", $t2) & StringLen(IniRead($f, \"s\", \"k\", \"\")))", "132766"},
        {"Put(IniWrite($f, \"s\", \"k\", $t1) & StringLen(IniRead($f, \"s\", \"k\", \"\")))", "032766"},
        {"Put(IniWrite($f, \"s\", \"k\", $s) & StringLen(IniRead($f, \"s\", \"k\", \"\")))", "032766"},
        {"Put(IniRead($d & \"\\\" & $s, \"s\", \"k\", \"dflt\"))", "dflt"},
        {"Put(IniRead($f, $t1, \"k\", \"dflt\"))", "dflt"},
        // A default too long for the system is the answer only for a missing key.
        {"Put(StringLen(IniRead($f, \"s\", \"k\", $t2)) & (IniRead($f, \"none\", \"k\", $t2) = $t2))", "327661"},
        {"Put(StringLen(IniRead($f, \"s\", \"k\", $t1)) & (IniRead($f, \"none\", \"k\", $t1) = $t1))", "327661"},
        {"Put(EnvSet(\"TAPFORGE_V\", $t2) & StringLen(EnvGet(\"TAPFORGE_V\")))", "132766"},
        {"Put(EnvSet(\"TAPFORGE_V\", $t1) & StringLen(EnvGet(\"TAPFORGE_V\")))", "032766"},
        {"Put(EnvSet($t2, \"v\") & EnvGet($t2))", "1v"},
        {"Put(EnvSet($t1, \"v\") & EnvGet($t1))", "0"},
        {"Put(RegRead($k, \"v\") & @error & RegRead(\"\\\\x\" & StringTrimLeft($k, 2), \"v\") & @error)", "11"},
        {"Put(FileRecycle($r) & FileRecycle($p))", "00"},
        {"Put(DirCreate($d & \"\\src\") & DirMove($d & \"\\src\", $q) & DirMove($q, $d & \"\\src\"))", "111"},
        {"Put(DirMove($d & \"\\src\", $r) & DirMove($d & \"\\src\", $p) & FileExists($d & \"\\src\"))", "001"},
        {"Put(DirCopy($d & \"\\src\", $p) & FileExists($d & \"\\\" & StringLeft($s, 99)))", "00"},
        {"Put(FileCreateShortcut($q, $d & \"\\a\", $q) & FileCreateShortcut($r, $d & \"\\b\"))", "10"},
        {"Put(FileCreateShortcut(\"x\", $d & \"\\c\", $r) & FileExists($d & \"\\b.lnk\"))", "00"},
        // Relative targets whose full paths under the 251-char $c are MAX_PATH - 1 and MAX_PATH chars.
        {"Put(DirCreate($c) & FileChangeDir($c) & FileCreateShortcut(StringLeft($s, 7), $d & \"\\e\") & "
         "FileCreateShortcut(StringLeft($s, 8), $d & \"\\f\") & FileChangeDir(@TempDir))",
         "11101"},
        // Last, after the allocations above: the crash needs them.
        {"Put(FileGetVersion($t2) & @error & FileGetVersion($t1) & @error)", "0.0.0.010.0.0.01"},
        {"Put(FileGetVersion($s & StringLeft($s, 7232)) & @error)", "0.0.0.01"},
    };
    Lines script = preamble;
    std::vector<std::string> expected;
    for (const auto& row : rows) {
        script.push_back(row.first);
        expected.push_back(row.second);
    }
    EXPECT_TRUE(EndedWithValues(RunInFolder(script), expected));
}

TEST(FileBuiltins, Directories)
{
    const ScriptOutcome run = RunInFolder({
        "$n = $d & \"\\n1\\n2\\n3\"",
        "Put(DirCreate($n) & DirCreate($n) & FileExists($n))",
        "Put(DirRemove($d & \"\\n1\") & DirRemove($n) & FileExists($n))",
        "FileWrite($d & \"\\n1\\n2\\f.txt\", \"x\")",
        "Put(DirCopy($d & \"\\n1\", $d & \"\\copy\") & FileExists($d & \"\\copy\\n2\\f.txt\"))",
        "Put(DirCopy($d & \"\\n1\", $d & \"\\copy\") & DirCopy($d & \"\\n1\", $d & \"\\copy\", 1))",
        "Put(DirMove($d & \"\\copy\", $d & \"\\moved\") & FileExists($d & \"\\moved\\n2\\f.txt\"))",
        "Put(FileExists($d & \"\\copy\"))",
        "Put(DirRemove($d & \"\\n1\", 1) & FileExists($d & \"\\n1\") & DirRemove($d & \"\\none\"))",
    });
    EXPECT_EQ(0, run.exitCode) << run.output;
    EXPECT_EQ((Lines{"111", "010", "11", "01", "11", "0", "100"}), run.values);
}

TEST(FileBuiltins, Drives)
{
    const std::string missing = MissingDrive();
    const ScriptOutcome run = RunPutScript({
        "$m = \"" + missing + "\"",
        "Put(DriveGetType(\"c:\") & DriveGetType(\"C:\\\"))",
        "$t = DriveGetType($m)",
        "Put(@error)",
        "$f = DriveSpaceFree(\"c:\")",
        "Put(($f > 0) & ($f <> Int($f)) & (DriveSpaceTotal(\"c:\") >= $f) & @error)",
        "$f = DriveSpaceFree($m)",
        "Put(@error)",
        "Put(DriveStatus(\"c:\") & @error)",
        "Put(DriveStatus($m) & @error)",
        "Put(DriveGetFileSystem(\"c:\") & @error)",
        "Put(StringIsDigit(DriveGetSerial(\"c:\")) & @error)",
        "$l = DriveGetLabel(\"c:\")",
        "Put(@error)",
        "$l = DriveGetLabel($m)",
        "Put(@error & DriveSetLabel($m, \"x\"))",
        "$a = DriveGetDrive(\"FIXED\")",
        "Put(($a[0] >= 2) & IsNumber($a[0]) & $a[1] & $a[$a[0]])",
        "$a = DriveGetDrive(\"all\")",
        "Put($a[0] >= 2)",
        "$a = DriveGetDrive(\"cdrom\")",
        "Put(@error)",
        "$a = DriveGetDrive(\"floppy\")",
        "Put(@error)",
        "Put(DriveMapAdd(\"" + missing + "\", \"\\\\nohost\\share\") & @error)",
        "$g = DriveMapGet(\"" + missing + "\")",
        "Put(\"[\" & $g & \"]\" & @error & DriveMapDel(\"" + missing + "\"))",
        "Put(CDTray(\"c:\", \"open\") & CDTray($m, \"closed\"))",
    });
    EXPECT_EQ(0, run.exitCode) << run.output;
    EXPECT_EQ((Lines{"FixedFixed", "1", "1110", "1", "READY0", "INVALID1", "NTFS0", "10", "0", "10", "11c:z:", "1", "1",
                     "1", "01", "[]10", "00"}),
              run.values);
}

TEST(FileBuiltins, Shortcuts)
{
    const std::string folder = e2e::TempFilePath("links");
    const ScriptOutcome run = RunPutScript({
        "$d = \"" + folder + "\"",
        "DirCreate($d)",
        "$t = $d & \"\\target.txt\"",
        "FileWrite($t, \"t\")",
        "Put(FileCreateShortcut($t, $d & \"\\link\", $d, \"-a b\", \"desc\", $t, \"+k\", 2, 1))",
        "Put(FileExists($d & \"\\link.lnk\") & FileCreateShortcut($t, $d & \"\\up.LNK\") & FileExists($d & "
        "\"\\up.LNK\"))",
        "$s = FileGetShortcut($d & \"\\link\")",
        "Put(@error & IsArray($s))",
        "Put(($s[0] = $t) & ($s[1] = $d) & \"|\" & $s[2] & \"|\" & $s[3] & \"|\" & ($s[4] = $t) & $s[5] & $s[6] & "
        "IsNumber($s[5]) & IsNumber($s[6]))",
        "$s = FileGetShortcut($d & \"\\missing\")",
        "Put(@error)",
    });
    EXPECT_EQ(0, run.exitCode) << run.output;
    EXPECT_EQ((Lines{"1", "111", "01", "11|-a b|desc|12111", "1"}), run.values);
    CShortcutFields fields;
    EXPECT_TRUE(ReadShortcut(folder + "\\link.lnk", fields));
    EXPECT_EQ(MAKEWORD('K', HOTKEYF_CONTROL | HOTKEYF_ALT | HOTKEYF_SHIFT), fields.m_wHotkey.value_or(0));
    RemoveDirectoryTree(folder.c_str(), true);
}

TEST(FileBuiltins, PathsBeyond260CharsFailOrWork)
{
    const ScriptOutcome run = RunInFolder({
        "$n = \"nnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnn\"",
        "$p = $d & \"\\\" & $n & \"\\\" & $n & \"\\\" & $n & \"\\\" & $n & \"\\\" & $n & \"\\\" & $n",
        "FileWrite($d & \"\\a.txt\", \"a\")",
        "Put(DirCreate($p))",
        "Put(FileCopy($d & \"\\a.txt\", $p & \"\\a.txt\"))",
        "Put(FileSetTime($p & \"\\a.txt\", \"2004\"))",
        "Put(FileSetAttrib($p & \"\\*.txt\", \"+H\", 1))",
        "Put(IniWrite($p & \"\\a.ini\", \"s\", \"k\", \"v\"))",
        "Put(FileCreateShortcut($d & \"\\a.txt\", $p & \"\\l\"))",
        "Put(FileRecycle($p & \"\\a.txt\"))",
        "Put(FileDelete($p & \"\\*\"))",
        "Put(FileExists($p))",
        "Put(DirRemove($d & \"\\\" & $n, 1))",
        "Put(\"end\")",
    });
    EXPECT_EQ(0, run.exitCode) << run.output;
    ASSERT_EQ(11u, run.values.size()) << run.output;
    for (size_t i = 0; i + 1 < run.values.size(); ++i)
        EXPECT_TRUE(run.values[i] == "0" || run.values[i] == "1") << i << ": " << run.values[i];
    EXPECT_EQ("end", run.values.back());
}
