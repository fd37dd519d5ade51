#include "framework/CAppProfile.h"
#include "framework/CArchive.h"

#include <gtest/gtest.h>

#include <vector>

namespace {
const char kSection[] = "FrameworkTest";

void DeleteSection()
{
    RegDeleteKeyA(HKEY_CURRENT_USER, (std::string(CAppProfile::kRootKey) + "\\" + kSection).c_str());
}
}  // namespace

TEST(ProfileTest, MissingValueReadsAsNoData)
{
    DeleteSection();
    std::vector<BYTE> data{1, 2};
    EXPECT_FALSE(CAppProfile::GetBinary(kSection, "1001", data));
    EXPECT_TRUE(data.empty());
    EXPECT_FALSE(CAppProfile::GetBinary("NoSuchSection", "1001", data));
}

TEST(ProfileTest, BinaryValuesRoundTripThroughTheRegistry)
{
    DeleteSection();
    const BYTE widths[] = {2, 0, 0, 0, 50, 0, 0, 0, 0xFF, 0xFF, 0xFF, 0xFF};
    ASSERT_TRUE(CAppProfile::WriteBinary(kSection, "1002", widths, sizeof widths));
    std::vector<BYTE> data;
    ASSERT_TRUE(CAppProfile::GetBinary(kSection, "1002", data));
    EXPECT_EQ(data, std::vector<BYTE>(widths, widths + sizeof widths));

    HKEY key = nullptr;
    ASSERT_EQ(RegOpenKeyExA(HKEY_CURRENT_USER, "Software\\orvantis\\Tapwright\\FrameworkTest", 0, KEY_READ, &key),
              ERROR_SUCCESS);
    RegCloseKey(key);

    ASSERT_TRUE(CAppProfile::WriteBinary(kSection, "empty", nullptr, 0));
    EXPECT_TRUE(CAppProfile::GetBinary(kSection, "empty", data));
    EXPECT_TRUE(data.empty());
    DeleteSection();
}

TEST(ArchiveTest, LoadsLittleEndianIntegersAndStopsAtTheEnd)
{
    const BYTE bytes[] = {3, 0, 0, 0, 0x2C, 0x01, 0, 0, 0xFE, 0xFF, 0xFF, 0xFF, 7, 0};
    CArchive archive(bytes, sizeof bytes);
    EXPECT_TRUE(archive.IsLoading());
    int count = 0;
    int first = 0;
    int second = 0;
    int third = -1;
    archive >> count >> first >> second;
    EXPECT_EQ(count, 3);
    EXPECT_EQ(first, 300);
    EXPECT_EQ(second, -2);
    EXPECT_FALSE(archive.IsPastEnd());
    archive >> third;
    EXPECT_EQ(third, 0);
    EXPECT_TRUE(archive.IsPastEnd());
}

TEST(ArchiveTest, StoringWritesWhatLoadingReads)
{
    std::vector<BYTE> bytes;
    CArchive storing(bytes);
    EXPECT_TRUE(storing.IsStoring());
    storing << 2 << -100 << 65536u;
    ASSERT_EQ(bytes.size(), 12u);
    EXPECT_EQ(bytes[4], 0x9C);
    EXPECT_EQ(bytes[7], 0xFF);

    CArchive loading(bytes.data(), bytes.size());
    int count = 0;
    int width = 0;
    unsigned int big = 0;
    loading >> count >> width >> big;
    EXPECT_EQ(count, 2);
    EXPECT_EQ(width, -100);
    EXPECT_EQ(big, 65536u);
}
