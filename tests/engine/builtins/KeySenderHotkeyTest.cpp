#include "engine/builtins/CKeySender.h"
#include "engine/builtins/SendKeyTable.h"

#include <gtest/gtest.h>

#include <string>

namespace {

struct Hotkey
{
    bool ok;
    int vk, shift, ctrl, alt, win;
};

Hotkey Parse(const char* text)
{
    Hotkey h = {};
    h.ok = CKeySender::ParseHotkey(text, h.vk, h.shift, h.ctrl, h.alt, h.win);
    return h;
}

TEST(KeySenderHotkey, EveryKeyNameOfTheTableParsesOrFailsByItsKind)
{
    size_t count = 0;
    const SendKeyEntry* table = SendKeyTable(count);
    ASSERT_EQ(93u, count);
    for (size_t i = 0; i < count; ++i) {
        std::string text = std::string("^<") + table[i].name + ">";
        Hotkey h = Parse(text.c_str());
        if (table[i].special) {
            EXPECT_FALSE(h.ok) << text;
        } else {
            EXPECT_TRUE(h.ok) << text;
            EXPECT_EQ(table[i].value, h.vk) << text;
            EXPECT_EQ(1, h.ctrl) << text;
            EXPECT_EQ(0, h.shift + h.alt + h.win) << text;
        }
    }
}

TEST(KeySenderHotkey, NamesMatchWithoutRegardToCase)
{
    Hotkey h = Parse("#<numpadmult>");
    EXPECT_TRUE(h.ok);
    EXPECT_EQ(0x6A, h.vk);
    EXPECT_EQ(1, h.win);
    EXPECT_EQ(0x0D, FindSendKey("enter")->value);
    EXPECT_EQ(nullptr, FindSendKey("ENTERX"));
}

TEST(KeySenderHotkey, ModifiersAndNamedKey)
{
    Hotkey h = Parse("^!<F11>");
    EXPECT_TRUE(h.ok);
    EXPECT_EQ(0x7A, h.vk);
    EXPECT_EQ(1, h.ctrl);
    EXPECT_EQ(1, h.alt);
    EXPECT_EQ(0, h.shift);
    EXPECT_EQ(0, h.win);
}

TEST(KeySenderHotkey, PlainCharTakesItsShiftStateFromTheLayout)
{
    Hotkey lower = Parse("!a");
    EXPECT_TRUE(lower.ok);
    EXPECT_EQ('A', lower.vk);
    EXPECT_EQ(0, lower.shift);
    Hotkey upper = Parse("A");
    EXPECT_TRUE(upper.ok);
    EXPECT_EQ('A', upper.vk);
    EXPECT_EQ(1, upper.shift);
    Hotkey digit = Parse("+^7");
    EXPECT_TRUE(digit.ok);
    EXPECT_EQ('7', digit.vk);
}

TEST(KeySenderHotkey, FailuresAndClearedOutputs)
{
    EXPECT_FALSE(Parse("+<CTRLDOWN>").ok);
    EXPECT_FALSE(Parse("<F11").ok);
    EXPECT_FALSE(Parse("<NOSUCHKEY>").ok);
    EXPECT_FALSE(Parse("^").ok);
    EXPECT_FALSE(Parse("").ok);
    EXPECT_FALSE(Parse(nullptr).ok);
    EXPECT_FALSE(Parse("^ab").ok);
    EXPECT_FALSE(Parse("<F1>x").ok);
    EXPECT_FALSE(Parse("\xC0").ok);  // the US layout has no key for it

    int vk = 9, shift = 9, ctrl = 9, alt = 9, win = 9;
    CKeySender::ParseHotkey("x", vk, shift, ctrl, alt, win);
    EXPECT_EQ(0, shift + ctrl + alt + win);
}

TEST(KeySenderHotkey, ExtendedKeySet)
{
    for (int vk : {0x21, 0x28, 0x2D, 0x2E, 0x5B, 0x5D, 0x5F, 0x6F, 0xA3, 0xA5, 0xB7})
        EXPECT_TRUE(IsExtendedSendKey(static_cast<unsigned char>(vk))) << vk;
    for (int vk : {0x0D, 0x20, 0x29, 0x41, 0x5E, 0x6E, 0xA2, 0xA4, 0xB8})
        EXPECT_FALSE(IsExtendedSendKey(static_cast<unsigned char>(vk))) << vk;
}

}  // namespace
