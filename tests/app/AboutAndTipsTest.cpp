#include "app/CDoYouKnowDlg.h"
#include "app/CMarionetAboutDlg.h"
#include "controls/ShellOpen.h"
#include "framework/CFile.h"
#include "framework/CMessageBoxCapture.h"
#include "res/TapforgeResource.h"

#include "tests/support/TempFolder.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

TEST(TipsFile, EveryLineIsATip)
{
    TempFolder folder;
    const std::string path = folder.File("tips.txt");
    struct Case
    {
        const char* text;
        int tips;
    };
    const Case cases[] = {{"only one", 1}, {"one\r\n", 1}, {"first\n\nthird\n", 3}, {"\r\n", 1}, {"", 0}};
    for (const Case& c : cases) {
        ASSERT_TRUE(CFile::WriteAll(path.c_str(), c.text, std::string(c.text).size()));
        CDoYouKnowDlg tips;
        EXPECT_EQ(tips.LoadTipsFrom(path.c_str()), c.tips > 0 ? 1 : 0) << c.text;
        EXPECT_EQ(tips.GetTipCount(), c.tips) << c.text;
    }
    CDoYouKnowDlg missing;
    EXPECT_EQ(missing.LoadTipsFrom(folder.File("none.txt").c_str()), 0);
}

TEST(TipsFile, NextTipWrapsAround)
{
    const int cases[][3] = {{0, 1, 0}, {0, 3, 1}, {1, 3, 2}, {2, 3, 0}};
    for (const auto& c : cases)
        EXPECT_EQ(CDoYouKnowDlg::NextTipIndex(c[0], c[1]), c[2]) << c[0] << " of " << c[1];
}

TEST(AboutLinks, OpensTheAddressAndTellsWhenNoProgramTakesIt)
{
    struct Case
    {
        UINT labelId;
        const char* target;
        const char* failure;
    };
    const Case cases[] = {
        {IDC_ABOUT_SUPPORT, "mailto:support@orvantis.example", "We are unable to locate your default e-mail program."},
        {IDC_ABOUT_SALES, "mailto:sales@orvantis.example", "We are unable to locate your default e-mail program."},
        {IDC_ABOUT_WEBSITE, "https://www.orvantis.example/", "We are unable to locate your default browser."},
    };
    std::vector<std::string> opened;
    BOOL shellAnswer = TRUE;
    const ShellOpenFunction previous = SetShellOpenFunction([&](HWND owner, const char* target, int show) {
        EXPECT_EQ(owner, GetDesktopWindow());
        EXPECT_EQ(show, SW_SHOW);
        opened.push_back(target);
        return shellAnswer;
    });
    for (const Case& c : cases) {
        for (const BOOL answer : {TRUE, FALSE}) {
            CMessageBoxCapture boxes;
            opened.clear();
            shellAnswer = answer;
            EXPECT_EQ(CMarionetAboutDlg::OpenLink(c.labelId), answer);
            EXPECT_EQ(opened, std::vector<std::string>({c.target}));
            const std::vector<CMessageBoxRequest> shown = boxes.Requests();
            ASSERT_EQ(shown.size(), answer ? 0u : 1u) << c.target;
            if (!answer) {
                EXPECT_EQ(shown[0].text, c.failure);
            }
        }
    }
    opened.clear();
    EXPECT_FALSE(CMarionetAboutDlg::OpenLink(IDC_ABOUT_TITLE));
    EXPECT_TRUE(opened.empty());
    SetShellOpenFunction(previous);
}
