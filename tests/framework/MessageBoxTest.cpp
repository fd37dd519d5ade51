#include "framework/AfxMessageBox.h"
#include "framework/CMessageBoxCapture.h"

#include <gtest/gtest.h>

TEST(MessageBoxTest, CaptureRecordsAndAnswersInOrder)
{
    CMessageBoxCapture capture(IDNO);
    capture.QueueAnswer(IDYES);
    EXPECT_EQ(AfxMessageBox("first"), IDYES);
    EXPECT_EQ(ShowMessageBox(nullptr, "second", "Internal Error", MB_YESNO | MB_ICONSTOP), IDNO);

    const auto requests = capture.Requests();
    ASSERT_EQ(requests.size(), 2u);
    EXPECT_EQ(requests[0].text, "first");
    EXPECT_EQ(requests[0].caption, "Orvantis Tapforge");
    EXPECT_EQ(requests[0].type, static_cast<UINT>(MB_OK));
    EXPECT_EQ(requests[1].caption, "Internal Error");
    EXPECT_EQ(requests[1].type, static_cast<UINT>(MB_YESNO | MB_ICONSTOP));
}

TEST(MessageBoxTest, CapturesNestAndRestore)
{
    CMessageBoxCapture outer;
    {
        CMessageBoxCapture inner(IDCANCEL);
        EXPECT_EQ(AfxMessageBox("inner", MB_OKCANCEL), IDCANCEL);
    }
    EXPECT_EQ(AfxMessageBox("outer"), IDOK);
    EXPECT_EQ(outer.Count(), 1);
}
