#include "engine/CMarionet_Script.h"
#include "engine/CMarionet_ScriptFile.h"
#include "engine/builtins/BuiltinBinding.h"
#include "engine/builtins/BuiltinRegistry.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace {

int Handler(CMarionet_Script&, CScriptValueList&, CScriptValue&)
{
    return 0;
}

class BuiltinRegistryTest : public ::testing::Test
{
protected:
    BuiltinRegistryTest() : m_engine(m_file) {}

    CMarionet_ScriptFile m_file;
    CMarionet_Script m_engine;
};

TEST_F(BuiltinRegistryTest, RowsThatBindNothingOrBindTwiceAreNamed)
{
    const BuiltinBinding rows[] = {
        {"ABSOLUTE", Handler},  // not a built-in
        {"ABS", Handler},
        {"ABS", Handler},  // the same name twice
    };
    EXPECT_EQ((std::vector<std::string>{"ABSOLUTE", "ABS"}), BindBuiltinRows(m_engine, rows, 3));
    EXPECT_EQ(Handler, m_engine.GetBuiltinHandler(FindScriptBuiltin("ABS", 3)));
}

TEST_F(BuiltinRegistryTest, InstallingTwiceBindsEveryFamilyAgain)
{
    InstallScriptBuiltins(m_engine);
    const std::vector<std::string> once = UnboundBuiltinNames(m_engine);
    InstallScriptBuiltins(m_engine);
    EXPECT_EQ(once, UnboundBuiltinNames(m_engine));
}

// The built-ins whose families are not built yet; each family that lands
// takes its names off this list.
TEST_F(BuiltinRegistryTest, NamesStillUnbound)
{
    InstallScriptBuiltins(m_engine);
    std::vector<std::string> unbound = UnboundBuiltinNames(m_engine);
    std::sort(unbound.begin(), unbound.end());
    const std::vector<std::string> expected = {
        "CDTRAY",          "DIRCOPY",          "DIRCREATE",          "DIRMOVE",
        "DIRREMOVE",       "DRIVEGETDRIVE",    "DRIVEGETFILESYSTEM", "DRIVEGETLABEL",
        "DRIVEGETSERIAL",  "DRIVEGETTYPE",     "DRIVEMAPADD",        "DRIVEMAPDEL",
        "DRIVEMAPGET",     "DRIVESETLABEL",    "DRIVESPACEFREE",     "DRIVESPACETOTAL",
        "DRIVESTATUS",     "FILECHANGEDIR",    "FILECOPY",           "FILECREATESHORTCUT",
        "FILEDELETE",      "FILEEXISTS",       "FILEGETATTRIB",      "FILEGETLONGNAME",
        "FILEGETSHORTCUT", "FILEGETSHORTNAME", "FILEGETSIZE",        "FILEGETTIME",
        "FILEGETVERSION",  "FILEINSTALL",      "FILEMOVE",           "FILEOPENDIALOG",
        "FILERECYCLE",     "FILERECYCLEEMPTY", "FILESAVEDIALOG",     "FILESELECTFOLDER",
        "FILESETATTRIB",   "FILESETTIME",      "INIDELETE",          "INIREAD",
        "INIWRITE",
    };
    EXPECT_EQ(expected, unbound);
}

}  // namespace
