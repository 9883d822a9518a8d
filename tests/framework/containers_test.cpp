#include "afxwin.h"

#include <gtest/gtest.h>

#include <memory>
#include <vector>

namespace {

using IntList = CList<int, int>;
using IntArray = CArray<int, int>;

// The elements head to tail, checked against the walk from the tail and the count.
std::vector<int> contents(const IntList& list) {
    std::vector<int> out, back;
    for (POSITION pos = list.GetHeadPosition(); pos != nullptr;)
        out.push_back(list.GetNext(pos));
    for (POSITION pos = list.GetTailPosition(); pos != nullptr;)
        back.insert(back.begin(), list.GetPrev(pos));
    EXPECT_EQ(back, out) << "walked from the tail";
    EXPECT_EQ(list.GetCount(), static_cast<INT_PTR>(out.size()));
    return out;
}

std::vector<int> contents(const IntArray& a) {
    return {a.GetData(), a.GetData() + a.GetSize()};
}

TEST(CListTest, PositionsStayValidAcrossInsertsAndRemoves) {
    IntList list;
    EXPECT_EQ(list.GetHeadPosition(), nullptr);
    const POSITION two = list.AddTail(2);
    list.AddHead(1);
    const POSITION four = list.AddTail(4);
    const POSITION three = list.InsertBefore(four, 3);
    list.InsertAfter(four, 5);
    list.InsertAfter(two, 25);
    list.InsertBefore(list.GetHeadPosition(), 0);
    EXPECT_EQ(contents(list), (std::vector<int>{0, 1, 2, 25, 3, 4, 5}));
    EXPECT_EQ(list.GetHead(), 0);
    EXPECT_EQ(list.GetTail(), 5);

    list.RemoveAt(two);
    EXPECT_EQ(list.RemoveHead(), 0);
    EXPECT_EQ(list.RemoveTail(), 5);
    list.InsertAfter(three, 35);
    list.AddHead(-1);
    list.SetAt(four, 40);
    EXPECT_EQ(list.GetAt(three), 3);
    EXPECT_EQ(contents(list), (std::vector<int>{-1, 1, 25, 3, 35, 40}));

    // Removing the ends relinks their neighbours.
    list.RemoveAt(list.GetHeadPosition());
    list.RemoveAt(four);
    EXPECT_EQ(list.GetTail(), 35);
    EXPECT_EQ(contents(list), (std::vector<int>{1, 25, 3, 35}));
    while (!list.IsEmpty())
        list.RemoveTail();
    EXPECT_EQ(list.GetHeadPosition(), nullptr);
    EXPECT_EQ(list.GetTailPosition(), nullptr);
    list.AddTail(9);
    EXPECT_EQ(contents(list), (std::vector<int>{9}));
}

TEST(CListTest, LookupsAndMisuse) {
    IntList list;
    EXPECT_THROW(list.GetHead(), CInvalidArgException);
    EXPECT_THROW(list.RemoveTail(), CInvalidArgException);
    EXPECT_THROW(list.GetAt(nullptr), CInvalidArgException);
    list.AddTail(7);
    const POSITION second = list.AddTail(8);
    const POSITION third = list.AddTail(7);
    EXPECT_EQ(list.Find(8), second);
    EXPECT_EQ(list.Find(7, list.GetHeadPosition()), third);
    EXPECT_EQ(list.Find(7, third), nullptr);
    EXPECT_EQ(list.Find(99), nullptr);
    EXPECT_EQ(list.FindIndex(2), third);
    EXPECT_EQ(list.FindIndex(3), nullptr);
    EXPECT_EQ(list.FindIndex(-1), nullptr);

    // Callers reserve position 1 as a sentinel; node addresses are aligned pointers.
    for (int i = 0; i < 100; ++i)
        ASSERT_NE(list.AddTail(i), reinterpret_cast<POSITION>(1));
}

TEST(CListTest, ElementsByReferenceAndFreedWithTheList) {
    CList<CString> strings;
    const POSITION p = strings.AddTail(CString(L"a"));
    strings.GetAt(p) += L"b";
    POSITION walk = strings.GetHeadPosition();
    strings.GetNext(walk) += L"c";
    EXPECT_EQ(strings.GetHead(), L"abc");

    auto tracker = std::make_shared<int>(0);
    {
        CList<std::shared_ptr<int>> list;
        list.AddTail(tracker);
        list.AddHead(tracker);
        list.RemoveAll();
        EXPECT_EQ(tracker.use_count(), 1);
        list.AddTail(tracker);
        EXPECT_EQ(tracker.use_count(), 2);
    }
    EXPECT_EQ(tracker.use_count(), 1);
}

TEST(CArrayTest, AddInsertRemoveAndResize) {
    IntArray a;
    EXPECT_EQ(a.GetUpperBound(), -1);
    EXPECT_EQ(a.Add(1), 0);
    EXPECT_EQ(a.Add(4), 1);
    a.InsertAt(1, 2);
    a.InsertAt(2, 3);
    a.InsertAt(4, 9, 2); // at the size: appends
    a.InsertAt(0, 0);
    EXPECT_EQ(contents(a), (std::vector<int>{0, 1, 2, 3, 4, 9, 9}));
    a.RemoveAt(5, 2);
    a.RemoveAt(0);
    a.SetAt(3, 40);
    a.ElementAt(2) = 30;
    a[1] = 20;
    EXPECT_EQ(contents(a), (std::vector<int>{1, 20, 30, 40}));
    a.InsertAt(0, a[3], 2); // the reference must not dangle while the array grows
    EXPECT_EQ(contents(a), (std::vector<int>{40, 40, 1, 20, 30, 40}));

    CArray<CString> strings;
    strings.SetSize(3);
    EXPECT_TRUE(strings[2].IsEmpty());
    strings[0] = L"x";
    strings.SetSize(1);
    EXPECT_EQ(strings.GetSize(), 1);
    EXPECT_EQ(strings[0], L"x");
    EXPECT_THROW(strings.SetSize(-1), CInvalidArgException);
}

TEST(CArrayTest, OutOfRangeRaisesAndChangesNothing) {
    IntArray a;
    a.Add(5);
    a.Add(6);
    EXPECT_THROW(a.GetAt(2), CInvalidArgException);
    EXPECT_THROW(a.GetAt(-1), CInvalidArgException);
    EXPECT_THROW(a[2] = 1, CInvalidArgException);
    EXPECT_THROW(a.SetAt(-1, 1), CInvalidArgException);
    EXPECT_THROW(a.ElementAt(7), CInvalidArgException);
    EXPECT_THROW(a.InsertAt(-1, 1), CInvalidArgException);
    EXPECT_THROW(a.InsertAt(3, 1), CInvalidArgException);
    EXPECT_THROW(a.RemoveAt(2), CInvalidArgException);
    EXPECT_THROW(a.RemoveAt(-1), CInvalidArgException);
    EXPECT_THROW(a.RemoveAt(1, 2), CInvalidArgException);
    const IntArray& c = a;
    EXPECT_THROW(c[2], CInvalidArgException);
    EXPECT_EQ(contents(a), (std::vector<int>{5, 6}));
}

} // namespace
