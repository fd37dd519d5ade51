// The browser control's rules for "app:" and "play:" addresses, with the browser's
// own calls recorded instead of made (the prefix's browser renders nothing).
#include "ControlsTestDialog.h"

#include "controls/CHtmlCtrl.h"
#include "framework/CMessageBoxCapture.h"
#include "framework/CWinApp.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

class RecordingHtmlCtrl : public CHtmlCtrl
{
public:
    std::vector<std::string> m_arrNavigations;
    int m_nGoBacks = 0;
    int m_nBeeps = 0;

protected:
    BOOL NavigateBrowser(const char* url, DWORD, const char*, const char*, const void*, DWORD) override
    {
        m_arrNavigations.push_back(url);
        return TRUE;
    }
    void GoBackBrowser() override { ++m_nGoBacks; }
    void SoundBeep() override { ++m_nBeeps; }
};

}  // namespace

TEST(HtmlCtrl, PlayAddressStopsTheProgramsNavigationsUntilTheBrowserNavigates)
{
    RecordingHtmlCtrl control;
    const std::string page = "C:\\share\\robot_share.html";
    EXPECT_TRUE(control.Navigate(page.c_str()));
    EXPECT_FALSE(control.Navigate("PLAY:x"));
    EXPECT_FALSE(control.Navigate(page.c_str()));
    EXPECT_EQ(control.m_arrNavigations, std::vector<std::string>({page}));

    BOOL cancel = FALSE;
    control.OnBeforeNavigate2("https://www.orvantis.example/", cancel);
    EXPECT_FALSE(cancel);
    EXPECT_TRUE(control.Navigate(page.c_str()));
    EXPECT_EQ(control.m_arrNavigations.size(), 2u);

    control.OnNavigateComplete2("file:///C:/share/robot_share.html");
    EXPECT_EQ(control.m_nGoBacks, 0);
    control.OnNavigateComplete2("Play:level");
    EXPECT_EQ(control.m_nGoBacks, 1);
}

TEST(HtmlCtrl, AppLinksRunTheirCommandInsteadOfNavigating)
{
    CControlsTestDialog mainWindow;
    CWinApp app;
    app.m_pMainWnd = &mainWindow;
    struct Case
    {
        const char* url;
        int beeps;
        bool minimised;
        const char* boxText;
    };
    const Case cases[] = {
        {"App:Beep", 1, false, nullptr},
        {"app:minimise", 0, false, "minimise"},
        {"APP:Minimise", 0, true, nullptr},
    };
    for (const Case& c : cases) {
        RecordingHtmlCtrl control;
        CMessageBoxCapture capture;
        BOOL cancel = FALSE;
        control.OnBeforeNavigate2(c.url, cancel);
        EXPECT_TRUE(cancel) << c.url;
        EXPECT_EQ(control.m_nBeeps, c.beeps) << c.url;
        EXPECT_EQ(mainWindow.IsIconic() != FALSE, c.minimised) << c.url;
        ASSERT_EQ(capture.Count(), c.boxText ? 1 : 0) << c.url;
        if (c.boxText) {
            EXPECT_EQ(capture.Requests()[0].text, c.boxText);
            EXPECT_EQ(capture.Requests()[0].caption, "Unexpected Command");
            EXPECT_EQ(capture.Requests()[0].type, static_cast<UINT>(MB_OK | MB_ICONQUESTION));
        }
        EXPECT_TRUE(control.m_arrNavigations.empty());
    }
}

TEST(HtmlCtrl, NoStaticToReplaceCreatesNothing)
{
    CControlsTestDialog dialog;
    CHtmlCtrl control;
    EXPECT_FALSE(control.CreateFromStatic(4242, &dialog));
    EXPECT_FALSE(control.IsWindow());
}
