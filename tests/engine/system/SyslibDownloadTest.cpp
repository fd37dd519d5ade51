// Downloads from the local test server: a 200 answer, a 404 answer, a
// connection closed without an answer and a port nobody listens on.
#include "engine/system/SystemFiles.h"
#include "engine/system/SystemNet.h"
#include "tests/tools/e2e/E2eSupport.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

void WriteTestFile(const std::string& path, const std::string& text)
{
    ASSERT_TRUE(e2e::WriteWholeFile(path, text)) << path;
}

class SyslibDownload : public ::testing::Test
{
protected:
    static void SetUpTestSuite()
    {
        s_root = e2e::TempFilePath("httproot");
        CreateDirectoryA(s_root.c_str(), nullptr);
        std::string body;
        for (int i = 0; i < 20000; ++i)
            body += static_cast<char>('a' + i % 26);
        WriteTestFile(s_root + "\\data.bin", body);
        s_body = body;
        s_port = e2e::StartHttpServer(s_root);
    }

    static void TearDownTestSuite()
    {
        e2e::EndStartedProcesses();
        RemoveDirectoryTree(s_root.c_str(), true);
    }

    void SetUp() override
    {
        ASSERT_NE(0, s_port);
        m_target = s_root + "\\target.bin";
        WriteTestFile(m_target, "previous");
    }

    std::string Url(const std::string& path) const { return "http://127.0.0.1:" + std::to_string(s_port) + path; }

    // Nothing but the served files, the port file and the target may be left.
    static int TempFilesLeft()
    {
        int count = 0;
        WIN32_FIND_DATAA data;
        HANDLE find = FindFirstFileA((s_root + "\\*.tmp").c_str(), &data);
        if (find != INVALID_HANDLE_VALUE) {
            do
                ++count;
            while (FindNextFileA(find, &data));
            FindClose(find);
        }
        return count;
    }

    static std::string s_root;
    static std::string s_body;
    static int s_port;
    std::string m_target;
};

std::string SyslibDownload::s_root;
std::string SyslibDownload::s_body;
int SyslibDownload::s_port = 0;

TEST_F(SyslibDownload, SuccessReplacesTheTarget)
{
    bool missing = true;
    EXPECT_TRUE(DownloadUrlToFile(Url("/data.bin").c_str(), m_target.c_str(), missing));
    EXPECT_FALSE(missing);
    EXPECT_EQ(s_body, e2e::ReadWholeFile(m_target));
    EXPECT_EQ(0, TempFilesLeft());
}

TEST_F(SyslibDownload, NotFoundFailsAndKeepsTheTarget)
{
    bool missing = true;
    EXPECT_FALSE(DownloadUrlToFile(Url("/none.bin").c_str(), m_target.c_str(), missing));
    EXPECT_FALSE(missing);
    EXPECT_EQ("previous", e2e::ReadWholeFile(m_target));
    EXPECT_EQ(0, TempFilesLeft());
}

TEST_F(SyslibDownload, ClosedConnectionAndClosedPortFail)
{
    bool missing = true;
    EXPECT_FALSE(DownloadUrlToFile(Url("/close").c_str(), m_target.c_str(), missing));
    EXPECT_EQ("previous", e2e::ReadWholeFile(m_target));
    EXPECT_FALSE(DownloadUrlToFile("http://127.0.0.1:1/data.bin", m_target.c_str(), missing));
    EXPECT_EQ("previous", e2e::ReadWholeFile(m_target));
    EXPECT_FALSE(DownloadUrlToFile(Url("/data.bin").c_str(), (s_root + "\\no\\folder\\x.bin").c_str(), missing));
    EXPECT_EQ(0, TempFilesLeft());
}

}  // namespace

// The system's temporary name is the folder, "\" and 13 more chars within
// MAX_PATH; a longer folder is refused before the system writes past its buffer.
TEST_F(SyslibDownload, TargetFolderLeavesRoomForTheTemporaryName)
{
    const std::pair<size_t, bool> cases[] = {{MAX_PATH - 15, true}, {MAX_PATH - 14, false}, {MAX_PATH - 8, false}};
    for (const auto& c : cases) {
        const std::string folder = s_root + "\\" + std::string(c.first - s_root.size() - 1, 'f');
        const std::wstring wideFolder = L"\\\\?\\" + std::wstring(folder.begin(), folder.end());
        ASSERT_TRUE(CreateDirectoryW(wideFolder.c_str(), nullptr)) << c.first;
        bool missing = true;
        EXPECT_EQ(c.second, DownloadUrlToFile(Url("/data.bin").c_str(), (folder + "\\t.bin").c_str(), missing))
            << c.first;
        DeleteFileW((wideFolder + L"\\t.bin").c_str());
        EXPECT_TRUE(RemoveDirectoryW(wideFolder.c_str())) << c.first;
    }
}
