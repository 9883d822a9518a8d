#include "afxwin.h"

#include <gtest/gtest.h>

#include <memory>
#include <vector>

namespace {

template <class L> std::vector<int> forward(const L& list) {
    std::vector<int> out;
    for (POSITION pos = list.GetHeadPosition(); pos != nullptr;)
        out.push_back(list.GetNext(pos));
    return out;
}

template <class L> std::vector<int> backward(const L& list) {
    std::vector<int> out;
    for (POSITION pos = list.GetTailPosition(); pos != nullptr;)
        out.push_back(list.GetPrev(pos));
    return out;
}

using IntList = CList<int, int>;

TEST(CListTest, InsertionsKeepOrderInBothDirections) {
    IntList list;
    EXPECT_TRUE(list.IsEmpty());
    EXPECT_EQ(list.GetHeadPosition(), nullptr);
    const POSITION two = list.AddTail(2);
    list.AddHead(1);
    const POSITION four = list.AddTail(4);
    list.InsertBefore(four, 3);
    list.InsertAfter(four, 5);
    list.InsertAfter(two, 25);
    list.InsertBefore(list.GetHeadPosition(), 0);
    EXPECT_EQ(forward(list), (std::vector<int>{0, 1, 2, 25, 3, 4, 5}));
    EXPECT_EQ(backward(list), (std::vector<int>{5, 4, 3, 25, 2, 1, 0}));
    EXPECT_EQ(list.GetCount(), 7);
    EXPECT_EQ(list.GetSize(), 7);
    EXPECT_EQ(list.GetHead(), 0);
    EXPECT_EQ(list.GetTail(), 5);
}

TEST(CListTest, PositionsSurviveChangesToOtherNodes) {
    IntList list;
    std::vector<POSITION> pos;
    for (int i = 0; i < 6; ++i)
        pos.push_back(list.AddTail(i * 10));
    list.RemoveAt(pos[2]);
    list.RemoveHead();
    list.RemoveTail();
    list.InsertAfter(pos[3], 35);
    list.AddHead(-1);
    EXPECT_EQ(list.GetAt(pos[1]), 10);
    EXPECT_EQ(list.GetAt(pos[3]), 30);
    EXPECT_EQ(list.GetAt(pos[4]), 40);
    list.SetAt(pos[3], 33);
    EXPECT_EQ(forward(list), (std::vector<int>{-1, 10, 33, 35, 40}));
    EXPECT_EQ(backward(list), (std::vector<int>{40, 35, 33, 10, -1}));
}

TEST(CListTest, RemovingEndsRelinksNeighbours) {
    IntList list;
    const POSITION a = list.AddTail(1);
    const POSITION b = list.AddTail(2);
    const POSITION c = list.AddTail(3);
    list.RemoveAt(a);
    EXPECT_EQ(list.GetHeadPosition(), b);
    list.RemoveAt(c);
    EXPECT_EQ(list.GetTailPosition(), b);
    POSITION p = b;
    list.GetNext(p);
    EXPECT_EQ(p, nullptr);
    p = b;
    list.GetPrev(p);
    EXPECT_EQ(p, nullptr);
    EXPECT_EQ(list.RemoveHead(), 2);
    EXPECT_TRUE(list.IsEmpty());
    EXPECT_EQ(list.GetTailPosition(), nullptr);
    list.AddTail(9);
    EXPECT_EQ(forward(list), (std::vector<int>{9}));
}

TEST(CListTest, FindAndFindIndex) {
    IntList list;
    list.AddTail(7);
    const POSITION second = list.AddTail(8);
    const POSITION third = list.AddTail(7);
    EXPECT_EQ(list.Find(8), second);
    EXPECT_EQ(list.Find(7, list.GetHeadPosition()), third);
    EXPECT_EQ(list.Find(7, third), nullptr);
    EXPECT_EQ(list.Find(99), nullptr);
    EXPECT_EQ(list.FindIndex(0), list.GetHeadPosition());
    EXPECT_EQ(list.FindIndex(2), third);
    EXPECT_EQ(list.FindIndex(3), nullptr);
    EXPECT_EQ(list.FindIndex(-1), nullptr);
}

TEST(CListTest, NoNodeIsNamedByTheValueOne) {
    // Callers reserve position 1 as a sentinel; node addresses are aligned pointers.
    CList<POSITION, POSITION> list;
    for (int i = 0; i < 100; ++i) {
        const POSITION p = list.AddTail(nullptr);
        ASSERT_NE(p, reinterpret_cast<POSITION>(1));
        ASSERT_NE(p, nullptr);
    }
}

TEST(CListTest, DestructorAndRemoveAllFreeElements) {
    auto tracker = std::make_shared<int>(0);
    {
        CList<std::shared_ptr<int>> list;
        list.AddTail(tracker);
        list.AddHead(tracker);
        EXPECT_EQ(tracker.use_count(), 3);
        list.RemoveAll();
        EXPECT_EQ(tracker.use_count(), 1);
        list.AddTail(tracker);
        EXPECT_EQ(tracker.use_count(), 2);
    }
    EXPECT_EQ(tracker.use_count(), 1);
}

TEST(CListTest, StringElementsByReference) {
    CList<CString> list;
    POSITION p = list.AddTail(CString(L"a"));
    list.GetAt(p) += L"b";
    POSITION walk = list.GetHeadPosition();
    list.GetNext(walk) += L"c";
    EXPECT_EQ(list.GetHead(), L"abc");
    EXPECT_EQ(list.RemoveTail(), L"abc");
}

TEST(CListTest, NullPositionRaises) {
    IntList list;
    EXPECT_THROW(list.GetHead(), CInvalidArgException);
    EXPECT_THROW(list.RemoveTail(), CInvalidArgException);
    EXPECT_THROW(list.GetAt(nullptr), CInvalidArgException);
}

} // namespace
