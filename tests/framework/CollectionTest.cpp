#include "framework/CArray.h"
#include "framework/CList.h"
#include "framework/CMap.h"
#include "framework/CStringArray.h"

#include <gtest/gtest.h>

TEST(CArrayTest, InsertRemoveAndGrow)
{
    CArray<int, int> numbers;
    EXPECT_EQ(numbers.Add(10), 0);
    EXPECT_EQ(numbers.Add(30), 1);
    numbers.InsertAt(1, 20);
    numbers.InsertAt(5, 60);
    ASSERT_EQ(numbers.GetSize(), 6);
    EXPECT_EQ(numbers[1], 20);
    EXPECT_EQ(numbers[3], 0);
    EXPECT_EQ(numbers[5], 60);
    numbers.RemoveAt(3, 2);
    EXPECT_EQ(numbers.GetUpperBound(), 3);
    EXPECT_EQ(numbers[3], 60);
    numbers.SetAtGrow(6, 7);
    EXPECT_EQ(numbers.GetSize(), 7);
}

TEST(CArrayDeathTest, IndexOutOfRangeIsCaught)
{
    CArray<int, int> numbers;
    numbers.Add(1);
    EXPECT_DEATH(numbers[1], "");
    EXPECT_DEATH(numbers.GetAt(-1), "");
}

TEST(CStringArrayTest, TakesPlainText)
{
    CStringArray names;
    names.Add("one");
    names.Add(CString("two"));
    EXPECT_EQ(names[1], "two");
}

TEST(CListTest, WalksInsertsAndRemovesByPosition)
{
    CList<int, int> keys(10);
    keys.AddTail(2);
    keys.AddTail(3);
    keys.AddHead(1);
    POSITION three = keys.Find(3);
    ASSERT_NE(three, nullptr);
    keys.InsertBefore(three, 25);
    keys.RemoveAt(keys.Find(2));

    int seen[4] = {};
    int count = 0;
    for (POSITION position = keys.GetHeadPosition(); position;)
        seen[count++] = keys.GetNext(position);
    ASSERT_EQ(count, 3);
    EXPECT_EQ(seen[0], 1);
    EXPECT_EQ(seen[1], 25);
    EXPECT_EQ(seen[2], 3);
    EXPECT_EQ(keys.GetAt(keys.FindIndex(2)), 3);
    EXPECT_EQ(keys.FindIndex(3), nullptr);
    EXPECT_EQ(keys.Find(2), nullptr);

    CList<int, int> copy(keys);
    keys.RemoveAll();
    EXPECT_TRUE(keys.IsEmpty());
    EXPECT_EQ(copy.GetCount(), 3);
    EXPECT_EQ(copy.RemoveTail(), 3);
    EXPECT_EQ(copy.RemoveHead(), 1);
    EXPECT_EQ(copy.GetHead(), 25);
    EXPECT_EQ(copy.GetTail(), 25);
}

TEST(CMapTest, LookupSetRemoveAndWalk)
{
    CMap<int, int, int, int> lineToWindow;
    int value = -1;
    EXPECT_FALSE(lineToWindow.Lookup(4, value));
    EXPECT_EQ(value, -1);
    lineToWindow.SetAt(4, 1);
    lineToWindow[2] = 0;
    lineToWindow.SetAt(4, 2);
    EXPECT_TRUE(lineToWindow.Lookup(4, value));
    EXPECT_EQ(value, 2);
    EXPECT_EQ(lineToWindow.GetCount(), 2);

    int keySum = 0;
    int walked = 0;
    for (POSITION position = lineToWindow.GetStartPosition(); position; ++walked) {
        int key = 0;
        lineToWindow.GetNextAssoc(position, key, value);
        keySum += key;
    }
    EXPECT_EQ(walked, 2);
    EXPECT_EQ(keySum, 6);
    EXPECT_TRUE(lineToWindow.RemoveKey(2));
    EXPECT_FALSE(lineToWindow.RemoveKey(2));
}

namespace {
// A plain record without comparison operators, like the system's trigger
// structures.
struct Trigger
{
    int kind;
    char flags[6];
};
}  // namespace

TEST(CListTest, HoldsPlainRecordsAndCopiesThemWhole)
{
    CList<Trigger> triggers(10);
    triggers.AddTail(Trigger{1, "abc"});
    triggers.AddTail(Trigger{2, "de"});
    CList<Trigger> copy;
    copy = triggers;
    triggers.GetHead().kind = 9;
    ASSERT_NE(copy.FindIndex(1), nullptr);
    EXPECT_EQ(copy.GetAt(copy.FindIndex(1)).kind, 2);
    EXPECT_STREQ(copy.GetHead().flags, "abc");
    EXPECT_EQ(copy.GetHead().kind, 1);
}

TEST(CArrayTest, ReferenceArgumentsAndCopies)
{
    CArray<CString, CString&> robots;
    CString name("first");
    robots.Add(name);
    CArray<CString, CString&> copy;
    copy.Copy(robots);
    robots[0] = "changed";
    EXPECT_EQ(copy[0], "first");
    EXPECT_EQ(robots.GetAt(0), "changed");
}
