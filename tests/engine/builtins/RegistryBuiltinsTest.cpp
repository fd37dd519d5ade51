// The registry built-ins under a test key of HKCU, also through the remote
// path of this computer; the data the script wrote is checked from outside.
#include "tests/engine/ScriptRunSupport.h"
#include "tests/engine/builtins/BuiltinScriptRun.h"

#include <gtest/gtest.h>
#include <shlwapi.h>

#include <vector>

namespace {

const char kKeyMessage[] = "Unable to read/write the requested registry key.";

class RegistryBuiltinsTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        m_subkey = "Software\\TapforgeRegistryTest" + std::to_string(GetCurrentProcessId());
        m_key = "HKCU\\" + m_subkey;
    }
    void TearDown() override
    {
        SHDeleteKeyA(HKEY_CURRENT_USER, m_subkey.c_str());
        SHDeleteKeyA(HKEY_CURRENT_USER, (m_subkey + "Big").c_str());
        SHDeleteKeyA(HKEY_CURRENT_USER, (m_subkey + "Made").c_str());
    }

    DWORD StoredSize(const char* value)
    {
        DWORD size = 0;
        RegGetValueA(HKEY_CURRENT_USER, m_subkey.c_str(), value, RRF_RT_ANY, nullptr, nullptr, &size);
        return size;
    }
    void StoreBig(const char* value, DWORD type, const std::vector<BYTE>& data)
    {
        HKEY key = nullptr;
        RegCreateKeyA(HKEY_CURRENT_USER, (m_subkey + "Big").c_str(), &key);
        RegSetValueExA(key, value, 0, type, data.data(), static_cast<DWORD>(data.size()));
        RegCloseKey(key);
    }

    std::string m_subkey;
    std::string m_key;
};

TEST_F(RegistryBuiltinsTest, ValuesOfEveryTypeBothWays)
{
    // The largest values read: 65,535 bytes of data, of a text with its terminator.
    StoreBig("max", REG_BINARY, std::vector<BYTE>(65535, 0xAB));
    std::vector<BYTE> text(65535, 'a');
    text.back() = '\0';
    StoreBig("maxtext", REG_SZ, text);
    StoreBig("over", REG_BINARY, std::vector<BYTE>(65536, 1));
    ScriptOutcome run = RunPutScript({
        "$k = " + ScriptLiteral(m_key),
        "$b = " + ScriptLiteral(m_key + "Big"),
        "Put(RegWrite($k, \"sz\", \"REG_SZ\", \"text\") & RegRead($k, \"sz\"))",
        "Put(RegWrite($k, \"ex\", \"reg_expand_sz\", \"%PATH%x\") & RegRead($k, \"ex\"))",
        "Put(RegWrite($k, \"multi\", \"REG_MULTI_SZ\", \"one\" & @LF & \"two\") & RegRead($k, \"multi\"))",
        "Put(RegWrite($k, \"dw\", \"REG_DWORD\", 4294967295) & \"/\" & RegRead($k, \"dw\"))",
        "Put(RegWrite($k, \"bin\", \"REG_BINARY\", \"01ab\") & RegRead($k, \"bin\"))",
        "Put(RegWrite($k, \"odd\", \"REG_BINARY\", \"01A\") & RegWrite($k, \"bad\", \"REG_BINARY\", \"0G\"))",
        "Put(RegWrite($k, \"x\") & RegWrite($k, \"x\", \"REG_SZ\") & RegWrite($k & \"\\sub\\deeper\"))",
        "Put(RegWrite($k & \"\\sub\", \"only\", \"REG_SZ\", \"x\") & RegEnumKey($k, 1) & RegEnumVal($k & \"\\sub\", "
        "1))",
        "Put(RegEnumKey($k, 2) & \"/\" & @error & \"/\" & RegEnumVal($k & \"\\sub\", 2) & \"/\" & @error & \"/\" & "
        "RegEnumVal($k, 0) & \"/\" & @error)",
        "Put(RegRead($k, \"odd\") & \"/\" & @error & \"/\" & RegRead($k & \"\\nokey\", \"x\") & \"/\" & @error)",
        "Put(RegDelete($k, \"sz\") & RegDelete($k, \"sz\") & RegDelete($k & \"\\nokey\") & RegDelete($k & \"\\sub\"))",
        "Put(RegEnumKey($k, 1) & \"/\" & @error)",
        "$s = \"abcdefghij\"",
        "For $i = 1 To 13",
        "$s = $s & $s",
        "Next",
        "Put(RegWrite($k, \"long\", \"REG_MULTI_SZ\", $s) & \"/\" & RegRead($k, \"long\") & \"/\" & @error)",
        "Put(StringLen(RegRead($b, \"max\")) & \"/\" & StringLen(RegRead($b, \"maxtext\")))",
        "Put(RegRead($b, \"over\") & \"/\" & @error)",
        // Without type and data nothing is written, but the key is made.
        "$m = " + ScriptLiteral(m_key + "Made"),
        "Put(RegWrite($m & \"\\deep\", \"v\", \"REG_SZ\") & RegEnumKey($m, 1) & RegWrite($m & \"\\two\", \"v\") & "
        "RegEnumKey($m, 2) & RegEnumVal($m & \"\\deep\", 1) & @error)",
        "Put(RegWrite($k, \"neg\", \"REG_DWORD\", -1) & RegRead($k, \"neg\") & \"/\" & RegWrite($k, \"nan\", "
        "\"REG_DWORD\", 0 / 0) & RegRead($k, \"nan\"))",
        "Put(RegWrite($k, \"inf\", \"REG_DWORD\", 1 / 0) & RegRead($k, \"inf\") & \"/\" & RegWrite($k, \"low\", "
        "\"REG_DWORD\", -1e300) & RegRead($k, \"low\"))",
    });
    std::vector<std::string> expected = {"1text", "1%PATH%x", "1one",         "two",         "1/4294967295", "101AB",
                                         "00",    "001",      "1subonly",     "/-1//-1//-1", "/-1//1",       "1001",
                                         "/-1",   "1//-2",    "131070/65534", "/-2"};
    expected.insert(expected.end(), {"0deep0two-1", "14294967295/10", "12147483647/12147483648"});
    EXPECT_EQ(expected, run.values) << run.output;
    EXPECT_EQ(65536u + 2, StoredSize("long"));
    EXPECT_EQ(0u, StoredSize("odd"));
}

TEST_F(RegistryBuiltinsTest, AValueNameTooLongForTheSystemMakesNoKey)
{
    // $n is 32,767 chars: one more than the system's calls convert. An unknown
    // root stays the fatal error.
    const ScriptOutcome run = RunPutScript({
        "$n = \"x\"",
        "For $i = 1 To 15",
        "$n = $n & $n",
        "Next",
        "$n = StringTrimRight($n, 1)",
        "Put(RegWrite(" + ScriptLiteral(m_key + "\\refused") + ", $n, \"REG_SZ\", \"x\"))",
        "RegWrite(\"HKXX\\Software\", $n, \"REG_SZ\", \"x\")",
    });
    EXPECT_EQ(std::vector<std::string>{"0"}, run.values) << run.output;
    EXPECT_NE(std::string::npos, run.output.find(kKeyMessage)) << run.output;
    HKEY key = nullptr;
    EXPECT_NE(ERROR_SUCCESS, RegOpenKeyExA(HKEY_CURRENT_USER, m_subkey.c_str(), 0, KEY_READ, &key));
}

TEST_F(RegistryBuiltinsTest, RemotePathsAndFatalErrors)
{
    char computer[MAX_COMPUTERNAME_LENGTH + 1] = "";
    DWORD length = sizeof computer;
    GetComputerNameA(computer, &length);
    const std::string remote = ScriptLiteral("\\\\" + std::string(computer) + "\\" + m_key);
    const std::string unreachable = ScriptLiteral("\\\\nosuchhost\\" + m_key);
    const std::vector<std::vector<std::string>> scripts = {
        {"FileWriteLine(\"%OUT%\", RegWrite(" + remote + ", \"v\", \"REG_SZ\", \"far\") & RegRead(" + remote +
             ", \"v\"))",
         "FileWriteLine(\"%OUT%\", RegRead(" + unreachable + ", \"v\") & \"/\" & @error & \"/\" & RegWrite(" +
             unreachable + ", \"v\", \"REG_SZ\", \"x\") & RegDelete(" + unreachable + ", \"v\") & RegDelete(" + remote +
             "))"},
        {"RegWrite(" + ScriptLiteral(m_key) + ", \"v\", \"REG_QWORD\", 1)"},
        {"RegRead(\"HKXX\\Software\", \"v\")"},
        {"RegWrite(\"HKXX\\Software\", \"v\", \"REG_SZ\")"},
    };
    std::vector<scripttest::Result> results = scripttest::RunScripts(scripts);
    EXPECT_EQ(std::vector<std::string>({"1far", "/1/001"}), results[0].OutputLines()) << results[0].FirstBox();
    for (size_t i = 1; i < results.size(); ++i)
        EXPECT_EQ(scripttest::ErrorReport(results[i], 1, results[i].lines[0], -1, kKeyMessage), results[i].FirstBox());
}

}  // namespace
