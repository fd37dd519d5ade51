#include "robot/HotkeyNotation.h"
#include "robot/KeyNames.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

TEST(KeyNames, EveryNamedCodeRoundTrips)
{
    int named = 0;
    std::set<std::string> names;
    for (unsigned code = 0; code < 300; ++code) {
        const CString name = VirtualKeyToKeyName(code);
        if (name.IsEmpty())
            continue;
        ++named;
        names.insert(name.Str());
        EXPECT_EQ(code, KeyNameToVirtualKey(name)) << name.GetString();
    }
    EXPECT_EQ(191, named);
    EXPECT_EQ(191u, names.size());
}

TEST(KeyNames, TableSpellingsAndGaps)
{
    EXPECT_EQ("<4>", VirtualKeyToKeyName(100));
    EXPECT_EQ(100u, KeyNameToVirtualKey("<4>"));
    EXPECT_EQ("<5>", VirtualKeyToKeyName(101));
    EXPECT_EQ(101u, KeyNameToVirtualKey("<5>"));
    EXPECT_EQ(65u, KeyNameToVirtualKey("A"));
    EXPECT_EQ(57u, KeyNameToVirtualKey("9"));
    EXPECT_EQ("<NonCovert>", VirtualKeyToKeyName(29));
    EXPECT_EQ("<Scroll>", VirtualKeyToKeyName(145));
    EXPECT_EQ("<L Menu>", VirtualKeyToKeyName(164));
    EXPECT_EQ("<F24>", VirtualKeyToKeyName(135));
    EXPECT_EQ("\\", VirtualKeyToKeyName(220));
    EXPECT_EQ(",", VirtualKeyToKeyName(188));
    EXPECT_EQ("<OemClear>", VirtualKeyToKeyName(254));
    for (unsigned code : {0u, 7u, 10u, 58u, 64u, 94u, 136u, 159u, 184u, 193u, 218u, 224u, 232u, 255u, 256u})
        EXPECT_EQ("", VirtualKeyToKeyName(code)) << code;
    // Unknown names give 0, never the code of a real key.
    EXPECT_EQ(0u, KeyNameToVirtualKey("a"));
    EXPECT_EQ(0u, KeyNameToVirtualKey("<f11>"));
    EXPECT_EQ(0u, KeyNameToVirtualKey("<NoSuchKey>"));
    EXPECT_EQ(0u, KeyNameToVirtualKey(""));
}

TEST(HotkeyNotation, ModifierPrefixesBecomeScriptCharacters)
{
    EXPECT_EQ("^+<F11>", HotkeyTextToScriptNotation("Ctrl + Shift + <F11>"));
    EXPECT_EQ("!Z", HotkeyTextToScriptNotation("Alt + Z"));
    EXPECT_EQ("^+!A", HotkeyTextToScriptNotation("Ctrl + Shift + Alt + A"));
    EXPECT_EQ("^!<Del>", HotkeyTextToScriptNotation("Ctrl + Alt + <Del>"));
    EXPECT_EQ("+!1", HotkeyTextToScriptNotation("Shift + Alt + 1"));
    EXPECT_EQ("^,", HotkeyTextToScriptNotation("Ctrl + ,"));
    EXPECT_EQ("+<F1>", HotkeyTextToScriptNotation("Shift + <F1>"));
    EXPECT_EQ("None", HotkeyTextToScriptNotation("None"));
    EXPECT_EQ("<F11>", HotkeyTextToScriptNotation("<F11>"));
    EXPECT_EQ("", HotkeyTextToScriptNotation(""));
    // Out of order, only the leading modifier is recognised.
    EXPECT_EQ("+Ctrl + <F2>", HotkeyTextToScriptNotation("Shift + Ctrl + <F2>"));
}
