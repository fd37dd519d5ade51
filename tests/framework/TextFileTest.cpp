#include "framework/CFile.h"
#include "framework/CStdioFile.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/support/TempFolder.h"

namespace {
std::vector<std::string> ReadLines(const std::string& path)
{
    std::vector<std::string> lines;
    CStdioFile file;
    EXPECT_TRUE(file.Open(path.c_str(), CFile::modeRead));
    CString line;
    while (file.ReadString(line))
        lines.push_back(line.Str());
    return lines;
}

// Reads every line and writes each back with "\n", as the program's own
// readers and writers do.
std::string RoundTrip(const std::string& bytes, const TempFolder& folder)
{
    const std::string source = folder.File("source.txt");
    const std::string copy = folder.File("copy.txt");
    EXPECT_TRUE(CFile::WriteAll(source.c_str(), bytes.data(), bytes.size()));
    CStdioFile output;
    EXPECT_TRUE(output.Open(copy.c_str(), CFile::modeWrite | CFile::modeCreate));
    for (const std::string& line : ReadLines(source))
        EXPECT_TRUE(output.WriteString((line + "\n").c_str()));
    output.Close();
    std::string result;
    EXPECT_TRUE(CFile::ReadAll(copy.c_str(), result));
    return result;
}
}  // namespace

TEST(TextFileTest, LinesLoseTheirEndsAndAFinalEndAddsNoLine)
{
    TempFolder folder;
    const std::string path = folder.File("lines.txt");
    const std::string bytes = "[General]\r\nName=A\n\r\nlast\r\n";
    ASSERT_TRUE(CFile::WriteAll(path.c_str(), bytes.data(), bytes.size()));
    EXPECT_EQ(ReadLines(path), (std::vector<std::string>{"[General]", "Name=A", "", "last"}));

    const std::string unterminated = "one\ntwo";
    ASSERT_TRUE(CFile::WriteAll(path.c_str(), unterminated.data(), unterminated.size()));
    EXPECT_EQ(ReadLines(path), (std::vector<std::string>{"one", "two"}));

    ASSERT_TRUE(CFile::WriteAll(path.c_str(), "", 0));
    EXPECT_TRUE(ReadLines(path).empty());
}

TEST(TextFileTest, RoundTripsDoNotGrow)
{
    TempFolder folder;
    EXPECT_EQ(RoundTrip("a\r\nb\r\n", folder), "a\r\nb\r\n");
    EXPECT_EQ(RoundTrip("a\r\nb", folder), "a\r\nb\r\n");
    EXPECT_EQ(RoundTrip("a\nb\n\n", folder), "a\r\nb\r\n\r\n");
    EXPECT_EQ(RoundTrip("", folder), "");
}

TEST(TextFileTest, LongLinesAndLineEndsAcrossReadChunks)
{
    TempFolder folder;
    const std::string path = folder.File("long.txt");
    const std::string longLine(40000, 'x');
    const std::string almostChunk(16383, 'y');
    const std::string bytes = longLine + "\r\n" + almostChunk + "\r\nend";
    ASSERT_TRUE(CFile::WriteAll(path.c_str(), bytes.data(), bytes.size()));
    const std::vector<std::string> lines = ReadLines(path);
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_EQ(lines[0], longLine);
    EXPECT_EQ(lines[1], almostChunk);
    EXPECT_EQ(lines[2], "end");
}

TEST(TextFileTest, OpenFailuresAreResults)
{
    TempFolder folder;
    CStdioFile file;
    EXPECT_FALSE(file.Open(folder.File("missing.txt").c_str(), CFile::modeRead));
    CString line;
    EXPECT_FALSE(file.ReadString(line));
    EXPECT_FALSE(file.Open(folder.File("no\\such\\folder.txt").c_str(), CFile::modeWrite | CFile::modeCreate));
    EXPECT_FALSE(file.WriteString("lost\n"));

    CFile raw;
    EXPECT_FALSE(raw.Open(folder.File("absent.robo").c_str(), CFile::modeWrite));
    std::string bytes = "kept";
    EXPECT_FALSE(CFile::ReadAll(folder.File("absent.robo").c_str(), bytes));
    EXPECT_TRUE(bytes.empty());
}

TEST(TextFileTest, NoTruncateAppendsAfterSeekToEnd)
{
    TempFolder folder;
    const std::string path = folder.File("append.bin");
    ASSERT_TRUE(CFile::WriteAll(path.c_str(), "abc", 3));
    CFile file;
    ASSERT_TRUE(file.Open(path.c_str(), CFile::modeReadWrite | CFile::modeCreate | CFile::modeNoTruncate));
    EXPECT_EQ(file.GetLength(), 3u);
    ASSERT_TRUE(file.SeekToEnd());
    ASSERT_TRUE(file.Write("de", 2));
    file.Close();
    std::string bytes;
    ASSERT_TRUE(CFile::ReadAll(path.c_str(), bytes));
    EXPECT_EQ(bytes, "abcde");
}
