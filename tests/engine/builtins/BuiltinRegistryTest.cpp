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

// Every name of the built-in table has a family that binds it.
TEST_F(BuiltinRegistryTest, EveryBuiltinIsBound)
{
    InstallScriptBuiltins(m_engine);
    EXPECT_EQ(std::vector<std::string>(), UnboundBuiltinNames(m_engine));
}

}  // namespace
