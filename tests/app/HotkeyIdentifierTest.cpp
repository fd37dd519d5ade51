#include "app/HotkeyIdentifier.h"
#include "app/HotkeyIdentifierCache.h"

#include <gtest/gtest.h>

namespace {

struct Registration
{
    WORD id;
    UINT modifiers;
    UINT key;
};

Registration Identify(const char* text)
{
    Registration r{0, 0, 0};
    r.id = GetHotKeyIdentifier(text, r.modifiers, r.key);
    return r;
}

}  // namespace

TEST(HotkeyIdentifier, LetterKeyIsTheUnshiftedKey)
{
    Registration r = Identify("Ctrl + A");
    ASSERT_NE(r.id, 0);
    EXPECT_EQ(r.modifiers, static_cast<UINT>(MOD_CONTROL));
    EXPECT_EQ(r.key, static_cast<UINT>('A'));
    EXPECT_EQ(r.id, GlobalFindAtomA("^a"));
}

TEST(HotkeyIdentifier, AllModifiersAndNamedKeys)
{
    Registration r = Identify("Ctrl + Shift + Alt + <F11>");
    ASSERT_NE(r.id, 0);
    EXPECT_EQ(r.modifiers, static_cast<UINT>(MOD_CONTROL | MOD_SHIFT | MOD_ALT));
    EXPECT_EQ(r.key, static_cast<UINT>(VK_F11));

    r = Identify("Shift + 9");
    EXPECT_EQ(r.modifiers, static_cast<UINT>(MOD_SHIFT));
    EXPECT_EQ(r.key, static_cast<UINT>('9'));
}

TEST(HotkeyIdentifier, KeysOnlyTheKeyTableNames)
{
    struct Case
    {
        const char* text;
        UINT key;
    };
    const Case cases[] = {{"Ctrl + <Prior>", VK_PRIOR}, {"Ctrl + <Next>", VK_NEXT}, {"Alt + <0>", VK_NUMPAD0},
                          {"Alt + <F13>", VK_F13},      {"Alt + <F24>", VK_F24},    {"Ctrl + <L Win>", VK_LWIN},
                          {"Ctrl + ;", VK_OEM_1},       {"<Scroll>", VK_SCROLL}};
    for (const Case& c : cases) {
        Registration r = Identify(c.text);
        EXPECT_NE(r.id, 0) << c.text;
        EXPECT_EQ(r.key, c.key) << c.text;
    }
}

TEST(HotkeyIdentifier, NoneAndMalformedTextsRegisterNothing)
{
    const char* texts[] = {"None",          "",     "Ctrl + ", "Ctrl + AB", "Ctrl + <F11", "Ctrl + <Nosuch>",
                           "Ctrl + <F11>x", "none", "Ctrl+A"};
    for (const char* text : texts) {
        Registration r = Identify(text);
        EXPECT_EQ(r.id, 0) << text;
        EXPECT_EQ(r.modifiers, 0u) << text;
        EXPECT_EQ(r.key, 0u) << text;
    }
}

TEST(HotkeyIdentifier, EqualKeysGiveEqualIdentifiers)
{
    EXPECT_EQ(Identify("Ctrl + <f11>").id, Identify("Ctrl + <F11>").id);
    EXPECT_EQ(Identify("Alt + z").id, Identify("Alt + Z").id);
    EXPECT_NE(Identify("Alt + Z").id, Identify("Ctrl + Z").id);
}

TEST(HotkeyIdentifier, ModifiersAreAddedToTheCallersValue)
{
    UINT modifiers = MOD_WIN;
    UINT key = 0;
    ASSERT_NE(GetHotKeyIdentifier("Alt + Q", modifiers, key), 0);
    EXPECT_EQ(modifiers, static_cast<UINT>(MOD_WIN | MOD_ALT));
}

TEST(HotkeyIdentifier, SplitReadsPrefixCharactersInAnyOrder)
{
    UINT modifiers = 0;
    CString key;
    SplitHotkeyNotation("#!+^<f1>", modifiers, key);
    EXPECT_EQ(modifiers, static_cast<UINT>(MOD_WIN | MOD_ALT | MOD_SHIFT | MOD_CONTROL));
    EXPECT_EQ(key, "<f1>");
    EXPECT_EQ(KeyTableCodeNoCase("<backspace>"), static_cast<unsigned>(VK_BACK));
    EXPECT_EQ(KeyTableCodeNoCase("<>"), 0u);
}

TEST(HotkeyIdentifierCache, KeptIdentifiersFollowAChangedKey)
{
    // A robot's start key as the editor changes it, asked for again after
    // each change, as registering and a press ask for it.
    const char* texts[] = {"Ctrl + A", "Ctrl + A", "Alt + <F11>", "None", "Ctrl + A", "Shift + 9"};
    CHotkeyIdentifierCache cache;
    for (const char* text : texts) {
        UINT modifiers = MOD_WIN;
        UINT key = 0;
        const WORD id = cache.Get(text, modifiers, key);
        Registration expected = Identify(text);
        EXPECT_EQ(id, expected.id) << text;
        EXPECT_EQ(key, expected.key) << text;
        EXPECT_EQ(modifiers, MOD_WIN | expected.modifiers) << text;
    }
}
