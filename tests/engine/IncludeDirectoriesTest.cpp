#include "engine/CMarionet_ScriptFile.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <string>
#include <vector>

namespace {

const char kKey[] = "Software\\Brasswick\\DariRe3";

// Gives each test its own copy of the installation key, removed afterwards.
class IncludeDirectories : public ::testing::Test
{
protected:
    void SetUp() override { RemoveKey(); }
    void TearDown() override { RemoveKey(); }

    static void RemoveKey() { RegDeleteKeyA(HKEY_LOCAL_MACHINE, kKey); }

    // Stores the bytes of the text without a terminator unless asked to.
    static void SetValue(const char* name, const std::string& text, bool terminated = true)
    {
        HKEY key = nullptr;
        ASSERT_EQ(ERROR_SUCCESS,
                  RegCreateKeyExA(HKEY_LOCAL_MACHINE, kKey, 0, nullptr, 0, KEY_WRITE, nullptr, &key, nullptr));
        const DWORD size = static_cast<DWORD>(text.size() + (terminated ? 1 : 0));
        ASSERT_EQ(ERROR_SUCCESS,
                  RegSetValueExA(key, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(text.c_str()), size));
        RegCloseKey(key);
    }

    static std::vector<std::string> Directories()
    {
        CMarionet_ScriptFile script;
        std::vector<std::string> result;
        for (const CString& directory : script.GetIncludeDirectories())
            result.emplace_back(directory);
        return result;
    }
};

}  // namespace

TEST_F(IncludeDirectories, WithoutTheKeyTheOnlyEntryIsTheRelativeFolder)
{
    EXPECT_EQ((std::vector<std::string>{"Include\\"}), Directories());
}

TEST_F(IncludeDirectories, InstallFolderThenTheIncludePieces)
{
    SetValue("InstallDir", "C:\\Program Files\\DariRe3");
    SetValue("Include", "C:\\Lib;D:\\More\\;;E:\\Last");
    EXPECT_EQ((std::vector<std::string>{"C:\\Program Files\\DariRe3\\Include\\", "C:\\Lib\\", "D:\\More\\", "",
                                        "E:\\Last\\"}),
              Directories());
}

TEST_F(IncludeDirectories, AMissingInstallFolderGivesTheRelativeFolderFirst)
{
    SetValue("Include", "C:\\Lib");
    EXPECT_EQ((std::vector<std::string>{"Include\\", "C:\\Lib\\"}), Directories());
}

TEST_F(IncludeDirectories, LongAndUnterminatedValuesAreKeptWhole)
{
    const std::string longInstall = "C:\\" + std::string(300, 'i');
    const std::string longPiece = "D:\\" + std::string(400, 'p');
    SetValue("InstallDir", longInstall + "\\", false);
    SetValue("Include", "C:\\Short;" + longPiece, false);
    EXPECT_EQ((std::vector<std::string>{longInstall + "\\Include\\", "C:\\Short\\", longPiece + "\\"}), Directories());
}

TEST_F(IncludeDirectories, TheListStopsAtTwoHundredFiftySixEntries)
{
    std::string include;
    for (int i = 0; i < 300; ++i)
        include += "C:\\Lib" + std::to_string(i) + ";";
    SetValue("Include", include);
    const std::vector<std::string> directories = Directories();
    ASSERT_EQ(256u, directories.size());
    EXPECT_EQ("C:\\Lib0\\", directories[1]);
    EXPECT_EQ("C:\\Lib254\\", directories[255]);
}
