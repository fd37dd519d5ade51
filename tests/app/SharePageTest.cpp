#include "app/SharePage.h"
#include "app/WindowsVersionName.h"
#include "framework/CFile.h"
#include "tests/support/TempFolder.h"

#include <gtest/gtest.h>

#include <string>

namespace {

const char kForm[] =
    "<FORM NAME=\"upload_robot\" METHOD=\"POST\" ACTION=\"https://www.orvantis.example/cgi-bin/marionet/upload.pl\">\n";

std::string ExpectedForm(const std::string& name, const std::string& description, const std::string& script)
{
    return "Robot Name:<BR>\n<INPUT TYPE=text NAME=script_name size=100 value=\"" + name +
           "\"><BR><BR>\n"
           "Robot Description:<BR>\n<INPUT TYPE=text NAME=script_description value=\"" +
           description +
           "\"><BR><BR>\n"
           "Robot Script:<BR>\n<TEXTAREA NAME=script_script ROWS=7 COLS=60>" +
           script +
           "</TEXTAREA><BR><BR>\n"
           "Screen Resolution:<BR>\n<INPUT TYPE=text NAME=screen_resolution size=40 value=\"1280 x 1024\"><BR><BR>\n"
           "OS Version:<BR>\n<INPUT TYPE=text NAME=os_version size=40 value=\"\"><BR><BR>\n"
           "Orvantis Tapforge Version:<BR>\n<INPUT TYPE=text NAME=mn_version size=40 value=\"5.0\"><BR><BR>\n"
           "<INPUT TYPE=\"submit\" VALUE=\"Share Now\">\n</FORM>\n</TD></TR>\n</TABLE>\n</BODY>\n</HTML>";
}

}  // namespace

TEST(SharePage, CarriesTheRobotFileIntoTheForm)
{
    struct Case
    {
        const char* fileName;
        std::string fileText;
        std::string name;
        std::string description;
        std::string script;
    };
    const Case cases[] = {
        {"Plain Robot.txt", "[General]\r\nDescription=first\r\ndescription=lower\r\nDescription=last one\r\n$a = 1",
         "Plain Robot.txt", "last one",
         "[General]\nDescription=first\ndescription=lower\nDescription=last one\n$a = 1\n"},
        {"Tom & Jerry.txt", "Description=Say \"hi\" <b>\nSend(\"a&b\")\r\n", "Tom &amp; Jerry.txt",
         "Say &quot;hi&quot; &lt;b&gt;", "Description=Say &quot;hi&quot; &lt;b&gt;\nSend(&quot;a&amp;b&quot;)\n"},
    };
    TempFolder folder;
    for (const Case& c : cases) {
        const std::string path = folder.File(c.fileName);
        ASSERT_TRUE(CFile::WriteAll(path.c_str(), c.fileText.data(), c.fileText.size()));
        CSharePageFields fields;
        ASSERT_TRUE(ReadSharePageRobot(path.c_str(), fields)) << c.fileName;
        fields.m_strScreenResolution = "1280 x 1024";
        const std::string page = ComposeSharePage(fields).Str();
        EXPECT_EQ(page.rfind("<HTML>\n<HEAD>\n<TITLE>Share Robot</TITLE>\n", 0), 0u);
        const size_t form = page.find(kForm);
        ASSERT_NE(form, std::string::npos);
        EXPECT_EQ(page.substr(form + strlen(kForm)), ExpectedForm(c.name, c.description, c.script)) << c.fileName;
    }
    CSharePageFields fields;
    EXPECT_FALSE(ReadSharePageRobot(folder.File("missing.txt").c_str(), fields));
}

TEST(WindowsVersionName, NamesTheVersionsThePageKnows)
{
    struct Case
    {
        DWORD platform;
        DWORD major;
        DWORD minor;
        const char* name;
    };
    const Case cases[] = {
        {VER_PLATFORM_WIN32_NT, 5, 1, "WinXP"},
        {VER_PLATFORM_WIN32_NT, 5, 0, "Win2000"},
        {VER_PLATFORM_WIN32_NT, 4, 0, "WinNT"},
        {VER_PLATFORM_WIN32_NT, 3, 51, "WinNT"},
        {VER_PLATFORM_WIN32_NT, 6, 1, ""},
        {VER_PLATFORM_WIN32_NT, 5, 2, ""},
        {VER_PLATFORM_WIN32_WINDOWS, 4, 10, "Win98"},
        {VER_PLATFORM_WIN32_WINDOWS, 4, 90, "WinME"},
        {VER_PLATFORM_WIN32_WINDOWS, 4, 0, "Win95"},
        {VER_PLATFORM_WIN32_WINDOWS, 5, 0, "WinME"},
        {VER_PLATFORM_WIN32_WINDOWS, 3, 95, "Win95"},
        {VER_PLATFORM_WIN32s, 3, 11, "Win32"},
        {7, 1, 0, "Unknown OS"},
    };
    for (const Case& c : cases) {
        OSVERSIONINFOA version{};
        version.dwPlatformId = c.platform;
        version.dwMajorVersion = c.major;
        version.dwMinorVersion = c.minor;
        EXPECT_EQ(GetWindowsVersionName(version), c.name) << c.platform << " " << c.major << "." << c.minor;
    }
    OSVERSIONINFOA running{};
    ASSERT_TRUE(ReadWindowsVersion(running));
    EXPECT_NE(running.dwMajorVersion, 0u);
}
